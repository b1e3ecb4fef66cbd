#pragma once
// Something that fills printed pages: a text document cut into pages, or pages drawn with
// QPainter (the crossword). Print, Print Preview and PDF export all draw through
// page_output.h, whatever the source.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace abacore {

class PageSource {
public:
    virtual ~PageSource() = default;
    // Lays the content out for `device`, on pages of `page` (the printable area, in the device's
    // pixels), and returns the number of pages, or -1 when it cannot be laid out. Called once
    // before the pages are painted.
    virtual int layOut(QPaintDevice& device, const QSizeF& page) = 0;
    // Paints page `index` (from 0). The painter's origin is the top left of the printable area
    // and `page` is that area; units are the device's pixels
    // (painter.device()->logicalDpiX() to the inch), so fonts sized in points come out right.
    virtual void paint(QPainter& painter, int index, const QRectF& page) const = 0;

    // Printed small in the bottom margin of each of its pages (the sheet's code); empty: none.
    QString footer;
};

// Pages drawn by hand, one function a page, each clipped to the printable area.
class PainterPages final : public PageSource {
public:
    using PaintPage = std::function<void(QPainter& painter, const QRectF& page)>;
    // Makes the pages for a printable area of this size, in inches.
    using Plan = std::function<std::vector<PaintPage>(const QSizeF& inches)>;

    explicit PainterPages(std::vector<PaintPage> pages) : m_pages(std::move(pages)) {}
    // Pages made when they are laid out, for the page they are printed on.
    explicit PainterPages(Plan plan) : m_plan(std::move(plan)) {}

    int layOut(QPaintDevice& device, const QSizeF& page) override;
    void paint(QPainter& painter, int index, const QRectF& page) const override;

private:
    Plan m_plan;
    std::vector<PaintPage> m_pages;
};

} // namespace abacore
