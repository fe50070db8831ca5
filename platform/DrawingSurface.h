#pragma once

#include "Palette.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointF>

// A rectangle in pixels the way the rectangle routines take it: `right` and `bottom`
// lie just outside it, so a rectangle from (0, 0) to (10, 5) covers 10 x 5 pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    void set(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void offset(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    // Grows the rectangle by dx on the left and on the right, dy at the top and bottom.
    void inflate(int dx, int dy) { left -= dx, right += dx, top -= dy, bottom += dy; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// How the pen meets what is already drawn: copied over it, or XOR-ed with it (drawing
// the same thing twice in Xor mode restores the picture).
enum class DrawMode { Copy, Xor };
// Line styles by their numbers: 0 solid; 2 dotted, one pixel on and one off, the gaps
// left untouched. Lines wider than one pixel are always solid.
enum class LineStyle { Solid = 0, Dot = 2 };

// Edge parts for drawEdge; an edge is an outer part and an inner part.
namespace Edge {
constexpr unsigned RaisedOuter = 1, SunkenOuter = 2, RaisedInner = 4, SunkenInner = 8;
constexpr unsigned Raised = RaisedOuter | RaisedInner;  // a button
constexpr unsigned Sunken = SunkenOuter | SunkenInner;  // a well
constexpr unsigned Bump = RaisedOuter | SunkenInner;    // a ridge
constexpr unsigned Etched = SunkenOuter | RaisedInner;  // a groove
// The colours of the edges and of a box's face.
constexpr ColorValue kFace = 0xC0C0C0, kHighlight = 0xFFFFFF, kLight = 0xC0C0C0,
                     kShadow = 0x808080, kDarkShadow = 0x000000;
} // namespace Edge

// The colour point() gives outside the surface.
constexpr ColorValue kNoColor = 0xFFFFFFFF;

// A picture to draw on, with a persistent image and a temporary layer.
//
// While persistent drawing is on, everything goes to the persistent image, which is
// what the window shows and what is copied; any temporary drawing disappears. With
// persistent drawing off, drawing goes to a temporary layer over the persistent image
// (it starts as a copy of it, so Xor drawing works against what is visible); cls() or
// refresh() throw the layer away. displayImage() is what a window shows.
//
// Coordinates: line, lineTo, fillBox, frameBox, setPoint and point take the surface's
// scale (pixels, or the user scale set by setUserScale), rounded to whole pixels with
// halves to even; the rectangle routines (fillRect, frameRect, drawText, drawEdge) and
// polyline take pixels. Lines leave out their last pixel, so a polyline never draws a
// joint twice; boxes include both corners given.
//
// Usable without any window: tests draw on it and read pixels back.
class DrawingSurface : public QObject {
    Q_OBJECT
public:
    explicit DrawingSurface(int width = 1, int height = 1, QObject* parent = nullptr);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    // Keeps the picture at the top left; new parts get the background colour. A change
    // of size throws the temporary layer away. Sizes below 1 count as 1.
    void resize(int width, int height);

    // Scale. Pixel scale is the default; a user scale maps (left, top) to the top-left
    // pixel and left + width, top + height to the bottom-right edge (a negative height
    // turns y upwards). It stretches with the surface when the surface is resized.
    void setUserScale(double left, double top, double width, double height);
    void setPixelScale();
    bool isPixelScale() const { return m_pixelScale; }
    double scaleLeft() const { return m_pixelScale ? 0 : m_scaleLeft; }
    double scaleTop() const { return m_pixelScale ? 0 : m_scaleTop; }
    double scaleWidth() const { return m_pixelScale ? width() : m_scaleWidth; }
    double scaleHeight() const { return m_pixelScale ? height() : m_scaleHeight; }
    QPoint toPixels(double x, double y) const;
    QPointF fromPixels(const QPointF& pixel) const;

    // Persistent drawing (on by default).
    void setPersistent(bool on) { m_persistent = on; }
    bool persistent() const { return m_persistent; }

    void setBackColor(ColorValue c) { m_backColor = c; }
    ColorValue backColor() const { return m_backColor; }
    // With persistent drawing on: fills the persistent image with the background
    // colour. Either way the temporary layer goes and the current point returns to (0, 0).
    void cls();
    // Throws the temporary layer away, so the persistent image shows again.
    void refresh();

    // Pen and fill.
    void setForeColor(ColorValue c) { m_foreColor = c; }
    ColorValue foreColor() const { return m_foreColor; }
    void setDrawMode(DrawMode m) { m_drawMode = m; }
    DrawMode drawMode() const { return m_drawMode; }
    void setLineStyle(LineStyle s) { m_lineStyle = s; }
    LineStyle lineStyle() const { return m_lineStyle; }
    void setLineWidth(int pixels) { m_lineWidth = pixels < 1 ? 1 : pixels; }
    int lineWidth() const { return m_lineWidth; }
    // The fill of frameBox: the inside is filled with the fill colour when fillSolid is on
    // (off by default: the frame alone).
    void setFillColor(ColorValue c) { m_fillColor = c; }
    ColorValue fillColor() const { return m_fillColor; }
    void setFillSolid(bool on) { m_fillSolid = on; }
    bool fillSolid() const { return m_fillSolid; }

    void setFont(const QFont& font) { m_font = font; }
    const QFont& font() const { return m_font; }
    // Pixel width of the widest line of `text` and pixel height of all its lines (an
    // empty text is one line high).
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

    // The current point, where lineTo continues; line() and lineTo() leave it at their end.
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrent(double x, double y) { m_currentX = x, m_currentY = y; }

    // Primitives in the surface's scale; without a colour they use the fore colour.
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, ColorValue c);
    void lineTo(double x, double y);
    void lineTo(double x, double y, ColorValue c);
    // A box filled in `c`, corners included, in the current draw mode.
    void fillBox(double x1, double y1, double x2, double y2, ColorValue c);
    // A box outlined in `c` with the pen's width, corners included; the inside in the
    // fill colour when fillSolid is on.
    void frameBox(double x1, double y1, double x2, double y2, ColorValue c);
    // One pixel (a round dot of the pen's width when wider), in the current draw mode.
    void setPoint(double x, double y);
    void setPoint(double x, double y, ColorValue c);
    // The colour at (x, y) of the persistent image while drawing is persistent, of the
    // displayed picture otherwise; kNoColor outside the surface.
    ColorValue point(double x, double y) const;

    // Primitives in pixels. fillRect and frameRect (a one-pixel frame inside the
    // rectangle) always copy; polyline uses the pen and the draw mode and leaves out
    // the last point.
    void fillRect(const PixelRect& r, ColorValue c);
    void frameRect(const PixelRect& r, ColorValue c);
    void polyline(const QList<QPoint>& points);

    // Text in the fore colour and the surface's font, over a transparent background,
    // placed in `r` by a keypad code: 7 8 9 top left, centre, right; 4 5 6 the same
    // vertically centred; 1 2 3 at the bottom. The top row breaks lines at CR LF, LF or
    // CR; the middle and bottom rows show one line. "&" is shown as it is. The text may
    // reach outside `r` unless `clip` is set. Codes outside 1-9 count as 7.
    void drawText(const PixelRect& r, const QString& text, int keypad, bool clip = false);
    // Three-dimensional edges on all four sides of `r` (parts of the Edge namespace),
    // the outer part on the rectangle's border and the inner part one pixel inside;
    // `fillMiddle` fills the rest with the face colour.
    void drawEdge(const PixelRect& r, unsigned edge, bool fillMiddle = false);

    const QImage& persistentImage() const { return m_image; }
    // The persistent image with the temporary layer over it.
    QImage displayImage() const { return m_hasTemporary ? m_temporary : m_image; }
    bool hasTemporary() const { return m_hasTemporary; }

signals:
    // Something drawn, cleared or resized: a window showing the surface repaints.
    void changed();

private:
    QImage& target();
    void plot(QImage& img, int x, int y, quint32 rgb) const;
    void rasterLine(QImage& img, QPoint a, QPoint b, quint32 rgb, int& phase) const;
    void drawSegment(QPoint a, QPoint b, ColorValue c);
    void fillPixels(QImage& img, int x1, int y1, int x2, int y2, quint32 rgb, bool xorMode) const;

    QImage m_image;
    QImage m_temporary;
    bool m_hasTemporary = false;
    bool m_persistent = true;

    bool m_pixelScale = true;
    double m_scaleLeft = 0, m_scaleTop = 0, m_scaleWidth = 1, m_scaleHeight = 1;

    ColorValue m_backColor = 0xFFFFFF;
    ColorValue m_foreColor = 0x000000;
    ColorValue m_fillColor = 0x000000;
    DrawMode m_drawMode = DrawMode::Copy;
    LineStyle m_lineStyle = LineStyle::Solid;
    int m_lineWidth = 1;
    bool m_fillSolid = false;
    QFont m_font;
    double m_currentX = 0, m_currentY = 0;
};
