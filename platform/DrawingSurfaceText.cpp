#include "DrawingSurface.h"

#include "QtColor.h"
#include "TextFile.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QStringList textLines(const QString& text)
{
    QStringList lines = TextFile::splitLines(text);
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

} // namespace

int DrawingSurface::textWidth(const QString& text) const
{
    const QFontMetrics fm(m_font);
    int widest = 0;
    for (const QString& line : textLines(text))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

int DrawingSurface::textHeight(const QString& text) const
{
    return QFontMetrics(m_font).height() * static_cast<int>(textLines(text).size());
}

void DrawingSurface::drawText(const PixelRect& r, const QString& text, int keypad, bool clip)
{
    if (keypad < 1 || keypad > 9)
        keypad = 7;
    const int row = (keypad - 1) / 3;    // 0 bottom, 1 middle, 2 top
    const int column = (keypad - 1) % 3; // 0 left, 1 centre, 2 right
    QStringList lines;
    if (row == 2) {
        lines = textLines(text);
    } else {
        QString single = text;
        single.remove(u'\r');
        single.remove(u'\n');
        lines << single;
    }

    const QFontMetrics fm(m_font);
    const int lineHeight = fm.height();
    int y = r.top;
    if (row == 1)
        y = (r.top + r.bottom - lineHeight) / 2;
    else if (row == 0)
        y = r.bottom - lineHeight;

    QPainter p(&target());
    p.setFont(m_font);
    p.setPen(toQColor(m_foreColor));
    if (clip)
        p.setClipRect(QRect(r.left, r.top, std::max(r.width(), 0), std::max(r.height(), 0)));
    for (const QString& line : lines) {
        const int w = fm.horizontalAdvance(line);
        const int x = column == 0 ? r.left : column == 1 ? (r.left + r.right - w) / 2 : r.right - w;
        p.drawText(QPoint(x, y + fm.ascent()), line);
        y += lineHeight;
    }
    p.end();
    emit changed();
}

void DrawingSurface::drawEdge(const PixelRect& r, unsigned edge, bool fillMiddle)
{
    if (r.isEmpty())
        return;
    QImage& img = target();
    // One ring of a frame: the top and left sides in one colour, then the bottom and
    // right sides in the other, which so own the top-right and bottom-left corners.
    const auto ring = [&](const PixelRect& q, ColorValue topLeft, ColorValue bottomRight) {
        const quint32 tl = 0xFF000000u | toRgb24(topLeft), br = 0xFF000000u | toRgb24(bottomRight);
        const auto fill = [&](int x1, int y1, int x2, int y2, quint32 rgb) {
            fillPixels(img, x1, y1, x2, y2, rgb, false);
        };
        fill(q.left, q.top, q.right - 1, q.top, tl);
        fill(q.left, q.top, q.left, q.bottom - 1, tl);
        fill(q.left, q.bottom - 1, q.right - 1, q.bottom - 1, br);
        fill(q.right - 1, q.top, q.right - 1, q.bottom - 1, br);
    };
    PixelRect q = r;
    if (edge & (Edge::RaisedOuter | Edge::SunkenOuter)) {
        if (edge & Edge::RaisedOuter)
            ring(q, Edge::kLight, Edge::kDarkShadow);
        else
            ring(q, Edge::kShadow, Edge::kHighlight);
        q.inflate(-1, -1);
    }
    if (!q.isEmpty() && (edge & (Edge::RaisedInner | Edge::SunkenInner))) {
        if (edge & Edge::RaisedInner)
            ring(q, Edge::kHighlight, Edge::kShadow);
        else
            ring(q, Edge::kDarkShadow, Edge::kLight);
        q.inflate(-1, -1);
    }
    if (fillMiddle && !q.isEmpty())
        fillPixels(img, q.left, q.top, q.right - 1, q.bottom - 1, 0xFF000000u | toRgb24(Edge::kFace), false);
    emit changed();
}
