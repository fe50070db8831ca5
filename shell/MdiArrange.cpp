#include "MdiArrange.h"

QList<QRect> tileRects(const QRect& area, int count, bool sideBySide)
{
    QList<QRect> rects;
    if (count <= 0 || area.isEmpty())
        return rects;
    const int span = sideBySide ? area.width() : area.height();
    for (int i = 0; i < count; ++i) {
        const int from = static_cast<int>(static_cast<long long>(span) * i / count);
        const int to = static_cast<int>(static_cast<long long>(span) * (i + 1) / count);
        if (sideBySide)
            rects.append(QRect(area.left() + from, area.top(), to - from, area.height()));
        else
            rects.append(QRect(area.left(), area.top() + from, area.width(), to - from));
    }
    return rects;
}

QList<QPoint> iconPositions(const QRect& area, const QList<QSize>& iconSizes)
{
    QList<QPoint> positions;
    int x = area.left();
    int rowBottom = area.bottom() + 1;
    int rowHeight = 0;
    for (const QSize& size : iconSizes) {
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            rowBottom -= rowHeight;
            rowHeight = 0;
        }
        positions.append(QPoint(x, rowBottom - size.height()));
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
    return positions;
}
