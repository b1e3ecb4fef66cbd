#pragma once
// Between the document model and Qt's rich text: model -> QTextDocument when a worksheet is
// shown, QTextDocument -> model before it is saved, so the user's edits reach the writers.

#include "worksheet/document.h"

#include <QTextFormat>

class QTextDocument;

namespace abacore {

// Qt's blocks have no "keep with next"; the bridge keeps the paragraph's setting in this block
// property, and printing honours it.
inline constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 1;

// Replaces the contents of `target` with `source` (formats, alignment, tab stops); sets a page
// size so that printing adds no page numbers.
void FillTextDocument(const Document& source, QTextDocument& target);
Document ReadTextDocument(const QTextDocument& source);

} // namespace abacore
