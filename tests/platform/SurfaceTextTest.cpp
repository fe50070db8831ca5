#include "DrawingSurface.h"
#include "UiFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>
#include <gtest/gtest.h>

namespace {

constexpr ColorValue kBack = 0x000000;

// Bounding box of the pixels that differ from the background.
QRect ink(const DrawingSurface& s)
{
    QRect box;
    const QImage img = s.displayImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != toRgb24(kBack))
                box |= QRect(x, y, 1, 1);
    return box;
}

void prepare(DrawingSurface& s)
{
    s.resize(240, 120);
    s.setBackColor(kBack);
    s.cls();
    s.setForeColor(0xFFFDD0);
}

TEST(UiFont, MatchesTheMetricsTheLayoutsExpect)
{
    const QFontMetrics chart(chartFont());
    EXPECT_EQ(chart.horizontalAdvance(QLatin1Char('0')), 6);
    EXPECT_EQ(chart.height(), 13);
    EXPECT_TRUE(QFontInfo(chartFont()).family().startsWith(QLatin1String("DejaVu Sans")))
        << QFontInfo(chartFont()).family().toStdString();

    const QFontMetrics panel(panelFont());
    EXPECT_GE(panel.horizontalAdvance(QLatin1Char('0')), chart.horizontalAdvance(QLatin1Char('0')));
    EXPECT_GT(panel.height(), chart.height());
    EXPECT_LE(panel.height(), 15);
    EXPECT_GT(QFontMetrics(uiFont(11, true)).horizontalAdvance(QStringLiteral("0000000000")),
              chart.horizontalAdvance(QStringLiteral("0000000000")) - 1);
}

TEST(DrawingSurface, MeasuresTextWithItsFont)
{
    DrawingSurface s;
    EXPECT_EQ(s.textWidth(QStringLiteral("0")), 6);
    EXPECT_EQ(s.textWidth(QStringLiteral("0000000000")), 60);
    EXPECT_EQ(s.textHeight(QStringLiteral("0")), 13);
    EXPECT_EQ(s.textHeight(QString()), 13);
    EXPECT_EQ(s.textHeight(QStringLiteral("a\r\nb")), 26);
    EXPECT_EQ(s.textWidth(QStringLiteral("00\r\n0000")), 24);
    s.setFont(panelFont());
    EXPECT_GT(s.textHeight(QStringLiteral("0")), 13);
}

TEST(DrawingSurface, KeypadCodesPlaceTextInTheRectangle)
{
    const PixelRect r{20, 10, 220, 110};
    const QString text = QStringLiteral("W0g");
    for (int code = 1; code <= 9; ++code) {
        SCOPED_TRACE(code);
        DrawingSurface s;
        prepare(s);
        const int w = s.textWidth(text), h = s.textHeight(text);
        s.drawText(r, text, code);
        const QRect box = ink(s);
        ASSERT_FALSE(box.isNull());
        const int column = (code - 1) % 3, row = (code - 1) / 3;
        const int left = column == 0 ? r.left : column == 1 ? (r.left + r.right - w) / 2 : r.right - w;
        const int top = row == 2 ? r.top : row == 1 ? (r.top + r.bottom - h) / 2 : r.bottom - h;
        // The ink lies in the text's own box and fills most of its width.
        EXPECT_GE(box.left(), left - 1);
        EXPECT_LE(box.right(), left + w);
        EXPECT_LE(box.left(), left + 2);
        EXPECT_GE(box.right(), left + w - 3);
        EXPECT_GE(box.top(), top);
        EXPECT_LE(box.bottom(), top + h - 1);
        EXPECT_GE(box.height(), h / 2);
    }
}

TEST(DrawingSurface, CentredTextIsCentred)
{
    DrawingSurface s;
    prepare(s);
    s.drawText({0, 0, 240, 120}, QStringLiteral("00000"), 5);
    const QRect box = ink(s);
    EXPECT_NEAR(box.center().x(), 120, 2);
    EXPECT_NEAR(box.center().y(), 60, 3);
}

TEST(DrawingSurface, TextOutsideItsRectangleIsClippedOnlyWhenAsked)
{
    const PixelRect small{100, 50, 106, 54};
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip);
        DrawingSurface s;
        prepare(s);
        s.drawText(small, QStringLiteral("Wide label"), 7, clip);
        const QRect box = ink(s);
        ASSERT_FALSE(box.isNull());
        const bool inside = box.left() >= small.left && box.right() < small.right && box.top() >= small.top
            && box.bottom() < small.bottom;
        EXPECT_EQ(inside, clip);
    }
}

TEST(DrawingSurface, OnlyTheTopRowBreaksLines)
{
    DrawingSurface s;
    prepare(s);
    s.drawText({0, 0, 240, 120}, QStringLiteral("00\r\n00"), 7);
    EXPECT_GT(ink(s).height(), 13);

    prepare(s);
    s.drawText({0, 0, 240, 120}, QStringLiteral("00\r\n00"), 4);
    const QRect box = ink(s);
    EXPECT_LT(box.height(), 13);
    EXPECT_GE(box.width(), 4 * 6 - 3) << "one line of four digits";
}

TEST(DrawingSurface, TextUsesTheForeColourAndKeepsTheBackground)
{
    DrawingSurface s;
    prepare(s);
    s.fillRect({0, 0, 240, 120}, 0x00FF00);
    s.setForeColor(0x0000FF);
    s.setFont(uiFont(40, true));
    s.drawText({0, 0, 240, 120}, QStringLiteral("I"), 5);
    EXPECT_EQ(s.point(120, 60), 0x0000FFu);
    EXPECT_EQ(s.point(5, 5), 0x00FF00u);
}

} // namespace
