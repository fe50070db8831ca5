#pragma once

#include "Palette.h"

// The user colours of the charts, set at start-up and changed through the colour
// picker for the rest of the run.
struct ChartColours {
    ColorValue chartBackColour = 0x806020;  // background of every chart surface
    ColorValue bandInnerColour = 0x918040;  // labels of automatic lines; the inner band
    ColorValue bandOuterColour = 0x907030;  // the outer band
    ColorValue maColourAbove = 0x50FF50;    // moving average where the open lies above it
    ColorValue maColourBelow = 0x4040FF;    // moving average where it does not
};

ChartColours& chartColours();

// The fixed colours of the chart's drawing.
namespace ChartColour {
constexpr ColorValue kLabel = 0xFFFDD0;      // price and date labels
constexpr ColorValue kWhite = 0xFFFFFF;
constexpr ColorValue kLightGrey = 0xE0E0E0;  // wide bars, the panels' value cells
constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kGreen = 0x00FF00;
constexpr ColorValue kGrid = 0x000000;
constexpr ColorValue kFalling = 0x8080FF;    // a negative change in the quote panel
} // namespace ChartColour
