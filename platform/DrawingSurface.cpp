#include "DrawingSurface.h"

#include "Format.h"
#include "QtColor.h"
#include "UiFont.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr quint32 kOpaque = 0xFF000000u;

// A stored colour as a pixel of the image (0xFFRRGGBB).
quint32 pixelOf(ColorValue c)
{
    return kOpaque | toRgb24(c);
}

// Pixel coordinates far outside any surface are held here, so that arithmetic on them
// cannot overflow.
int toPixel(double v)
{
    constexpr double kLimit = 1 << 24;
    if (!(v > -kLimit))
        return -static_cast<int>(kLimit);
    if (!(v < kLimit))
        return static_cast<int>(kLimit);
    return static_cast<int>(roundHalfEven(v));
}

} // namespace

DrawingSurface::DrawingSurface(int width, int height, QObject* parent)
    : QObject(parent), m_font(chartFont())
{
    m_image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_image.fill(pixelOf(m_backColor));
}

void DrawingSurface::resize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == m_image.width() && height == m_image.height())
        return;
    QImage grown(width, height, QImage::Format_RGB32);
    grown.fill(pixelOf(m_backColor));
    QPainter p(&grown);
    p.drawImage(0, 0, m_image);
    p.end();
    m_image = grown;
    m_hasTemporary = false;
    m_temporary = QImage();
    emit changed();
}

void DrawingSurface::setUserScale(double left, double top, double width, double height)
{
    if (width == 0 || height == 0 || !std::isfinite(width) || !std::isfinite(height))
        return;
    m_pixelScale = false;
    m_scaleLeft = left;
    m_scaleTop = top;
    m_scaleWidth = width;
    m_scaleHeight = height;
}

void DrawingSurface::setPixelScale()
{
    m_pixelScale = true;
}

QPoint DrawingSurface::toPixels(double x, double y) const
{
    if (m_pixelScale)
        return {toPixel(x), toPixel(y)};
    return {toPixel((x - m_scaleLeft) * width() / m_scaleWidth),
            toPixel((y - m_scaleTop) * height() / m_scaleHeight)};
}

QPointF DrawingSurface::fromPixels(const QPointF& pixel) const
{
    if (m_pixelScale)
        return pixel;
    return {m_scaleLeft + pixel.x() * m_scaleWidth / width(), m_scaleTop + pixel.y() * m_scaleHeight / height()};
}

void DrawingSurface::cls()
{
    if (m_persistent)
        m_image.fill(pixelOf(m_backColor));
    m_hasTemporary = false;
    m_temporary = QImage();
    m_currentX = m_currentY = 0;
    emit changed();
}

void DrawingSurface::refresh()
{
    m_hasTemporary = false;
    m_temporary = QImage();
    emit changed();
}

QImage& DrawingSurface::target()
{
    if (m_persistent) {
        if (m_hasTemporary) {
            m_hasTemporary = false;
            m_temporary = QImage();
        }
        return m_image;
    }
    if (!m_hasTemporary) {
        m_temporary = m_image.copy();
        m_hasTemporary = true;
    }
    return m_temporary;
}

void DrawingSurface::plot(QImage& img, int x, int y, quint32 rgb) const
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    auto* row = reinterpret_cast<quint32*>(img.scanLine(y));
    row[x] = m_drawMode == DrawMode::Xor ? row[x] ^ (rgb & 0x00FFFFFFu) : rgb;
}

void DrawingSurface::rasterLine(QImage& img, QPoint a, QPoint b, quint32 rgb, int& phase) const
{
    // Step i moves one pixel along the major axis and i * minor / major (rounded) along
    // the other; only the steps whose major coordinate lies on the surface are walked.
    const long long dx = static_cast<long long>(b.x()) - a.x();
    const long long dy = static_cast<long long>(b.y()) - a.y();
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    const long long steps = std::max(adx, ady);
    if (steps == 0)
        return;
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long start = xMajor ? a.x() : a.y();
    const long long limit = xMajor ? img.width() : img.height();
    long long lo = 0, hi = steps - 1;
    if (majorSign > 0) {
        lo = std::max(lo, -start);
        hi = std::min(hi, limit - 1 - start);
    } else {
        lo = std::max(lo, start - (limit - 1));
        hi = std::min(hi, start);
    }
    const bool dotted = m_lineStyle == LineStyle::Dot;
    for (long long i = lo; i <= hi; ++i) {
        if (dotted && (phase + i) % 2 != 0)
            continue;
        const long long along = start + majorSign * i;
        const long long across = minorSign * ((2 * i * minor + major) / (2 * major));
        const long long x = xMajor ? along : a.x() + across;
        const long long y = xMajor ? a.y() + across : along;
        if (y >= 0 && y < img.height() && x >= 0 && x < img.width())
            plot(img, static_cast<int>(x), static_cast<int>(y), rgb);
    }
    phase = static_cast<int>((phase + steps) % 2);
}

void DrawingSurface::drawSegment(QPoint a, QPoint b, ColorValue c)
{
    QImage& img = target();
    if (m_lineWidth <= 1) {
        int phase = 0;
        rasterLine(img, a, b, pixelOf(c), phase);
    } else {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        if (m_drawMode == DrawMode::Xor)
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(toQColor(c), m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(a, b);
    }
    emit changed();
}

void DrawingSurface::line(double x1, double y1, double x2, double y2)
{
    line(x1, y1, x2, y2, m_foreColor);
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, ColorValue c)
{
    drawSegment(toPixels(x1, y1), toPixels(x2, y2), c);
    setCurrent(x2, y2);
}

void DrawingSurface::lineTo(double x, double y)
{
    lineTo(x, y, m_foreColor);
}

void DrawingSurface::lineTo(double x, double y, ColorValue c)
{
    line(m_currentX, m_currentY, x, y, c);
}

void DrawingSurface::fillPixels(QImage& img, int x1, int y1, int x2, int y2, quint32 rgb, bool xorMode) const
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, img.width() - 1);
    y2 = std::min(y2, img.height() - 1);
    for (int y = y1; y <= y2; ++y) {
        auto* row = reinterpret_cast<quint32*>(img.scanLine(y));
        for (int x = x1; x <= x2; ++x)
            row[x] = xorMode ? row[x] ^ (rgb & 0x00FFFFFFu) : rgb;
    }
}

void DrawingSurface::fillBox(double x1, double y1, double x2, double y2, ColorValue c)
{
    const QPoint a = toPixels(x1, y1), b = toPixels(x2, y2);
    fillPixels(target(), std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
               std::max(a.y(), b.y()), pixelOf(c), m_drawMode == DrawMode::Xor);
    emit changed();
}

void DrawingSurface::frameBox(double x1, double y1, double x2, double y2, ColorValue c)
{
    const QPoint a = toPixels(x1, y1), b = toPixels(x2, y2);
    const int l = std::min(a.x(), b.x()), r = std::max(a.x(), b.x());
    const int t = std::min(a.y(), b.y()), btm = std::max(a.y(), b.y());
    QImage& img = target();
    const bool xorMode = m_drawMode == DrawMode::Xor;
    if (m_fillSolid && r - l > 1 && btm - t > 1)
        fillPixels(img, l + 1, t + 1, r - 1, btm - 1, pixelOf(m_fillColor), xorMode);
    if (m_lineWidth <= 1) {
        const quint32 rgb = pixelOf(c);
        fillPixels(img, l, t, r, t, rgb, xorMode);
        if (btm > t)
            fillPixels(img, l, btm, r, btm, rgb, xorMode);
        if (btm - t > 1) {
            fillPixels(img, l, t + 1, l, btm - 1, rgb, xorMode);
            if (r > l)
                fillPixels(img, r, t + 1, r, btm - 1, rgb, xorMode);
        }
    } else {
        QPainter p(&img);
        if (xorMode)
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(toQColor(c), m_lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(l, t, r - l, btm - t);
    }
    emit changed();
}

void DrawingSurface::setPoint(double x, double y)
{
    setPoint(x, y, m_foreColor);
}

void DrawingSurface::setPoint(double x, double y, ColorValue c)
{
    const QPoint at = toPixels(x, y);
    QImage& img = target();
    if (m_lineWidth <= 1) {
        plot(img, at.x(), at.y(), pixelOf(c));
    } else {
        QPainter p(&img);
        if (m_drawMode == DrawMode::Xor)
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(c));
        const double radius = m_lineWidth / 2.0;
        p.drawEllipse(QPointF(at.x() + 0.5, at.y() + 0.5), radius, radius);
    }
    setCurrent(x, y);
    emit changed();
}

ColorValue DrawingSurface::point(double x, double y) const
{
    const QPoint at = toPixels(x, y);
    const QImage& img = m_persistent || !m_hasTemporary ? m_image : m_temporary;
    if (!img.rect().contains(at))
        return kNoColor;
    return fromRgb24(img.pixel(at) & 0x00FFFFFFu);
}

void DrawingSurface::fillRect(const PixelRect& r, ColorValue c)
{
    if (r.isEmpty())
        return;
    fillPixels(target(), r.left, r.top, r.right - 1, r.bottom - 1, pixelOf(c), false);
    emit changed();
}

void DrawingSurface::frameRect(const PixelRect& r, ColorValue c)
{
    if (r.isEmpty())
        return;
    QImage& img = target();
    const quint32 rgb = pixelOf(c);
    fillPixels(img, r.left, r.top, r.right - 1, r.top, rgb, false);
    fillPixels(img, r.left, r.bottom - 1, r.right - 1, r.bottom - 1, rgb, false);
    fillPixels(img, r.left, r.top, r.left, r.bottom - 1, rgb, false);
    fillPixels(img, r.right - 1, r.top, r.right - 1, r.bottom - 1, rgb, false);
    emit changed();
}

void DrawingSurface::polyline(const QList<QPoint>& points)
{
    if (points.size() < 2)
        return;
    QImage& img = target();
    if (m_lineWidth <= 1) {
        int phase = 0;
        for (qsizetype i = 1; i < points.size(); ++i)
            rasterLine(img, points[i - 1], points[i], pixelOf(m_foreColor), phase);
    } else {
        QPainter p(&img);
        if (m_drawMode == DrawMode::Xor)
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(toQColor(m_foreColor), m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(points.constData(), static_cast<int>(points.size()));
    }
    emit changed();
}
