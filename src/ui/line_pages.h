#pragma once
// The model's document as printed pages, laid out line by line without a QTextDocument: the
// same lines on the same pages as Qt's document layout gives them (text_document_pages.h), at
// a cost that grows with the text and no more. Each paragraph is laid out once and placed on
// the pages by the rules of Qt's layout, rows kept together decided as they are placed; a line
// of a fixed-pitch font takes its glyphs from a character table and its positions from a line
// of the same length shaped before, so a worksheet's thousands of problem lines are shaped a
// handful of times.

#include "ui/page_source.h"

#include <memory>

namespace abacore {

class Document;

class LinePages final : public PageSource {
public:
    // Whether the document can be laid out this way: text only (no pictures), left to right.
    static bool Handles(const Document& model);

    // `model` must outlive this object.
    explicit LinePages(const Document& model);
    ~LinePages() override;

    int layOut(QPaintDevice& device, const QSizeF& page) override;
    void paint(QPainter& painter, int index, const QRectF& page) const override;

private:
    struct Layout;
    std::unique_ptr<Layout> m_layout;
    const Document& m_model;
};

// The model's pages: laid out line by line where it can be, by Qt's document layout otherwise.
std::unique_ptr<PageSource> ModelPageSource(const Document& model);

} // namespace abacore
