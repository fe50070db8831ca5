#pragma once

#include <QtGlobal>

// Colours as the program stores them: a 32-bit value whose bytes are, from high to
// low, unused, blue, green and red. &H806020 is red 0x20, green 0x60, blue 0x80.
using ColorValue = quint32;

// The colour of red, green and blue values in 0-255 (values outside that range are cut into it).
constexpr ColorValue rgbValue(int red, int green, int blue)
{
    const auto part = [](int v) { return static_cast<ColorValue>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return part(red) | part(green) << 8 | part(blue) << 16;
}
constexpr int redOf(ColorValue c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColorValue c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blueOf(ColorValue c) { return static_cast<int>(c >> 16 & 0xFF); }

// Entry `index` of the classic 16-colour palette: 0 black, 1 navy, 2 green, 3 teal,
// 4 maroon, 5 purple, 6 olive, 7 light grey, 8 grey, 9 blue, 10 lime, 11 aqua, 12 red,
// 13 fuchsia, 14 yellow, 15 white. Indexes outside 0-15 wrap (index & 15).
ColorValue qbColor(int index);

// The same colour as the 0xRRGGBB number of the drawing libraries, and back.
constexpr quint32 toRgb24(ColorValue c) { return static_cast<quint32>(redOf(c)) << 16 | greenOf(c) << 8 | blueOf(c); }
constexpr ColorValue fromRgb24(quint32 rgb) { return rgbValue(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

// Named entries used across the windows.
namespace PaletteIndex {
constexpr int Black = 0, Navy = 1, Green = 2, Teal = 3, Maroon = 4, Purple = 5, Olive = 6,
              LightGrey = 7, Grey = 8, Blue = 9, Lime = 10, Aqua = 11, Red = 12, Fuchsia = 13,
              Yellow = 14, White = 15;
}
