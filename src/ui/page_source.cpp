#include "ui/page_source.h"

#include <QPaintDevice>
#include <QPainter>

namespace abacore {

int PainterPages::layOut(QPaintDevice& device, const QSizeF& page) {
    if (m_plan)
        m_pages = m_plan(
            QSizeF(page.width() / device.logicalDpiX(), page.height() / device.logicalDpiY()));
    return static_cast<int>(m_pages.size());
}

void PainterPages::paint(QPainter& painter, int index, const QRectF& page) const {
    if (index < 0 || index >= static_cast<int>(m_pages.size()) || !m_pages[index])
        return;
    // Each page starts from the painter as the path hands it over, whatever the last one left.
    painter.save();
    painter.setClipRect(page);
    m_pages[index](painter, page);
    painter.restore();
}

} // namespace abacore
