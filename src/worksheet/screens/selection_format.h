#pragma once
// What the worksheet editor's font tools need to know about the selection: whether all of it has
// an attribute, and the one font, size or colour it has (nothing when it is mixed).

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <functional>
#include <optional>

namespace abacore {

// True when every character of the selection satisfies `has`; without a selection, the format
// that typing would use decides.
bool WholeSelectionHas(const QTextCursor& cursor,
                       const std::function<bool(const QTextCharFormat&)>& has);

std::optional<QString> SelectionFontName(const QTextCursor& cursor);
std::optional<double> SelectionFontSize(const QTextCursor& cursor);
std::optional<QColor> SelectionColour(const QTextCursor& cursor);

bool IsBold(const QTextCharFormat& format);

} // namespace abacore
