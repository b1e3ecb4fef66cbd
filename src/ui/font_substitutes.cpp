#include "ui/font_substitutes.h"

#include "worksheet/flash_cards.h"
#include "worksheet/math_squares.h"

#include <QFont>
#include <QStringList>

namespace abacore {

void InstallFontSubstitutes() {
    // The vertical flash cards name a misspelt "Courier New"; without a substitute the
    // system's default would be a proportional font and the two lines of a card would not
    // line up.
    QFont::insertSubstitutions(QString::fromLatin1(kVerticalCardFont),
                               {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                QStringLiteral("DejaVu Sans Mono")});
    // The math squares and the bracket's side need a fixed-pitch font whose box-drawing line
    // runs the full height of a line, so the sides of a square join from row to row.
    QFont::insertSubstitutions(QString::fromLatin1(kSquaresFont),
                               {QStringLiteral("DejaVu Sans Mono"),
                                QStringLiteral("Liberation Mono"),
                                QStringLiteral("Noto Sans Mono")});
}

} // namespace abacore
