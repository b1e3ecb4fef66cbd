#include "app/brand_label.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace abacore {

QLabel* MakeBrandLabel(const char* name, const QString& text, int pointSize, bool bold, bool italic,
                       QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    // The colour through the palette: a style sheet would build a style of its own for the
    // label, which the main menu waits for.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x1d, 0x35, 0x57));
    label->setPalette(palette);
    return label;
}

} // namespace abacore
