#include "Palette.h"
#include "QtColor.h"

#include <gtest/gtest.h>

TEST(Palette, ClassicSixteenColours)
{
    const quint32 rgb[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                             0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(toRgb24(qbColor(i)), rgb[i]);
    }
    EXPECT_EQ(qbColor(PaletteIndex::Blue), 0xFF0000u) << "stored blue-green-red";
    EXPECT_EQ(qbColor(PaletteIndex::Red), 0x0000FFu);
}

TEST(Palette, ColourValueBytesAreBlueGreenRed)
{
    const ColorValue chartBack = 0x806020;
    EXPECT_EQ(redOf(chartBack), 0x20);
    EXPECT_EQ(greenOf(chartBack), 0x60);
    EXPECT_EQ(blueOf(chartBack), 0x80);
    EXPECT_EQ(rgbValue(0x20, 0x60, 0x80), chartBack);
    EXPECT_EQ(rgbValue(300, -5, 255), 0xFF00FFu) << "parts are cut to 0-255";

    const QColor q = toQColor(chartBack);
    EXPECT_EQ(q.red(), 0x20);
    EXPECT_EQ(q.green(), 0x60);
    EXPECT_EQ(q.blue(), 0x80);
    EXPECT_EQ(fromQColor(q), chartBack);
    EXPECT_EQ(fromQColor(QColor(0xFF, 0xFD, 0xD0)), 0xD0FDFFu);
    EXPECT_EQ(fromRgb24(toRgb24(0xFFFDD0)), 0xFFFDD0u);
}
