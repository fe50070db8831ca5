#pragma once

#include "Palette.h"

#include <QColor>

// Conversions between the program's colour values and Qt's colours.
inline QColor toQColor(ColorValue c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline ColorValue fromQColor(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return rgbValue(rgb.red(), rgb.green(), rgb.blue());
}
