#include "ui/page_source.h"

#include <QPainter>

namespace abacore {

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
