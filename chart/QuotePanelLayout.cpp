#include "QuotePanelLayout.h"

#include "ChartColours.h"
#include "ChartView.h"
#include "Format.h"

namespace {

constexpr int kHandleSeparator = 13;
constexpr int kFirstCell = 15;

QString priceText(float value)
{
    return formatNumber(value, QStringLiteral("#,###,###.00")).trimmed();
}

QString changeText(float value)
{
    return formatNumber(value, QStringLiteral("#,###,##0.00"));
}

class PanelBuilder {
public:
    PanelBuilder(PanelLayout& out, const std::function<int(const QString&)>& textWidth, int w1, int w2)
        : m_out(out), m_textWidth(textWidth), m_w1(w1), m_w2(w2) {}

    void label(const QString& text, int textWidth)
    {
        cell(text, textWidth + m_w1, qbColor(PaletteIndex::LightGrey));
    }
    void value(const QString& text, ColorValue fill = ChartColour::kLightGrey)
    {
        cell(text, m_textWidth(text) + m_w2, fill);
    }
    void separator()
    {
        m_out.separators.push_back(m_x);
        m_x += 2;
    }
    int x() const { return m_x; }

private:
    void cell(const QString& text, int width, ColorValue fill)
    {
        m_out.cells.push_back({m_x, width, text, fill});
        m_x += width;
    }

    PanelLayout& m_out;
    const std::function<int(const QString&)>& m_textWidth;
    int m_w1, m_w2;
    int m_x = kFirstCell;
};

} // namespace

PanelLayout layoutQuotePanel(QuotePanelKind kind, const QuoteRecord& quote, bool expanded,
                             const std::function<int(const QString&)>& textWidth, int xWidth, int xHeight)
{
    PanelLayout out;
    out.cellHeight = roundEven(1.1 * xHeight);
    out.width = kCollapsedPanelWidth;
    if (kind == QuotePanelKind::Quote || expanded)
        out.separators.push_back(kHandleSeparator);
    if (!expanded)
        return out;

    PanelBuilder b(out, textWidth, roundEven(0.5 * xWidth), roundEven(1.3 * xWidth));
    if (kind == QuotePanelKind::Quote) {
        const int labelWidth = textWidth(QStringLiteral("W"));
        const auto changeFill = [](float v) { return v < 0 ? ChartColour::kFalling : ChartColour::kGreen; };
        const QString prices[][2] = {{QStringLiteral("0"), priceText(quote.Open)},
                                     {QStringLiteral("H"), priceText(quote.High)},
                                     {QStringLiteral("L"), priceText(quote.Low)},
                                     {QStringLiteral("T"), priceText(quote.LastPrice)}};
        for (const auto& [label, value] : prices) {
            b.label(label, labelWidth);
            b.value(value);
            b.separator();
        }
        b.label(QStringLiteral("N"), labelWidth);
        b.value(changeText(quote.PointChange), changeFill(quote.PointChange));
        b.separator();
        b.label(QStringLiteral("%"), labelWidth);
        b.value(changeText(quote.PercentChange), changeFill(quote.PercentChange));
    } else {
        const float values[] = {quote.Bid, quote.ECN, quote.Ask};
        const QString labels[] = {QStringLiteral(" Bid "), QStringLiteral(" ECN "), QStringLiteral(" Ask ")};
        for (int k = 0; k < 3; ++k) {
            b.label(labels[k], textWidth(labels[k]));
            b.value(priceText(values[k]));
            b.separator();
        }
    }
    out.width = b.x();
    return out;
}
