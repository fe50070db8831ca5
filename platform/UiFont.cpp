#include "UiFont.h"

#include <QStringList>

namespace {

constexpr int kChartPixels = 11;
constexpr int kPanelPixels = 12;

} // namespace

QFont uiFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Whole-pixel advances, as the layouts count widths in characters: ten "0" are 60 pixels.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont chartFont()
{
    return uiFont(kChartPixels);
}

QFont panelFont()
{
    return uiFont(kPanelPixels);
}
