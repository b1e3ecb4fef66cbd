#pragma once
// Between the document model and Qt's rich text: model -> QTextDocument when a worksheet is
// shown, QTextDocument -> model before it is saved, so the user's edits reach the writers.

#include "core/paper.h"
#include "document/document.h"

#include <QFont>
#include <QImage>
#include <QTextFormat>
#include <QTextOption>
#include <memory>
#include <optional>

class QTextCursor;
class QTextDocument;

namespace abacore {

// Qt's blocks have no "keep with next"; the bridge keeps the paragraph's setting in this block
// property, and printing honours it.
inline constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 1;

// The QTextDocument property that carries the model's footer (a QString): it is no text of the
// document, so the teacher's edits leave it as it is.
inline constexpr const char* kFooterProperty = "sheetFooter";

// The Qt formats of the model's text, paragraphs and tab stops, as a filled document has them
// (and the pages laid out without one take them).
QTextCharFormat QtCharFormat(const CharFormat& format);
// The font of text without one of its own.
QFont QtDocumentFont();
QList<QTextOption::Tab> QtTabs(const std::vector<int>& twips);
QTextBlockFormat QtBlockFormat(const Paragraph& paragraph, const QList<QTextOption::Tab>& tabs);

// Replaces the contents of `target` with `source` (formats, alignment, tab stops, footer); sets
// the paper's page size so that printing adds no page numbers.
void FillTextDocument(const Document& source, QTextDocument& target, Paper paper);
// The same for a document set up for a printer or a PDF already (its paint device, margins and
// page size), whose settings are kept: it is laid out once, as the text goes in.
void FillLaidOutDocument(const Document& source, QTextDocument& target);
// Pictures come back with the file bytes they went in with; a picture pasted from elsewhere
// comes back as PNG.
Document ReadTextDocument(const QTextDocument& source);
// The model of a document that holds nothing the model does not (the sheet as it was made, or
// edited only in what the model keeps), so that either shows the same; none for one that holds
// more: a picture, a list or table, a line break within a paragraph, a format the model has no
// word for.
std::optional<Document> ExactModel(const QTextDocument& source);

// Puts the picture in at the cursor's position (selected text is kept, not replaced), at its
// shown size, in the font in use there, and moves the cursor past it. `image` is the decoded
// picture when the caller has it already; otherwise it is decoded from the picture's bytes.
void InsertPicture(QTextCursor& cursor, const std::shared_ptr<const Picture>& picture,
                   const QImage& image = QImage());

} // namespace abacore
