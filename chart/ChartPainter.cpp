#include "ChartPainter.h"

#include "ChartColours.h"
#include "DrawingSurface.h"
#include "Format.h"
#include "VolumePane.h"

#include <QSignalBlocker>

namespace {

void dottedLine(DrawingSurface& s, int x1, int y1, int x2, int y2)
{
    s.setLineStyle(LineStyle::Dot);
    s.line(x1, y1, x2, y2, ChartColour::kGrid);
    s.setLineStyle(LineStyle::Solid);
}

// Bars wider than a pixel are drawn light grey.
ColorValue barColour(int barSpacing)
{
    return barPenWidth(barSpacing) > 1 ? ChartColour::kLightGrey : ChartColour::kWhite;
}

// Calls draw(x, bar) for every bar with a close above 0 from one slot left of the
// chart to the right edge, oldest first.
template <typename Draw>
void forEachDrawnBar(const ChartModel& model, Draw draw)
{
    const ChartView& v = model.view;
    const BarSeries bars = model.series();
    const int newest = std::max(v.newestVisible, 0);
    for (int i = std::min(v.firstHidden + 1, bars.count - 1); i >= newest; --i) {
        const DailyBar& bar = bars.bars[i];
        if (bar.Close > 0)
            draw(barX(v, i), bar);
    }
}

} // namespace

void ChartPainter::redraw(ChartModel& model, DrawingSurface& s, qint32 today)
{
    const QSignalBlocker quiet(&s);
    layoutChart(model, s.height(), today);
    model.chartDate = 0;

    s.setPersistent(true);
    s.setBackColor(chartColours().chartBackColour);
    s.cls();
    s.setDrawMode(DrawMode::Copy);
    s.setLineStyle(LineStyle::Solid);
    s.setLineWidth(1);
    if (!model.dragging() && model.view.studyCount > 0)
        drawSeparators(model, s);

    drawYScale(model, s);
    drawDates(model, s);
    drawTodayAndVolume(model, s);

    switch (model.view.chartType) {
    case 0: drawBars(model, s); break;
    case 1: drawCandles(model, s); break;
    case 2: drawCloseLine(model, s); break;
    default: break;
    }
    s.setLineWidth(1);
}

void ChartPainter::drawSeparators(const ChartModel& model, DrawingSurface& s)
{
    const ChartView& v = model.view;
    for (int k = 1; k <= v.studyCount; ++k) {
        const int y = roundEven(v.paneEdge[k]);
        s.drawEdge(PixelRect{2, y, v.width - 2, y + 2}, Edge::RaisedInner);
    }
}

void ChartPainter::drawYScale(const ChartModel& model, DrawingSurface& s)
{
    const ChartView& v = model.view;
    layoutPriceAxis(v, model.scale, m_axis);
    s.setForeColor(ChartColour::kLabel);
    const bool grid = model.gridShown();
    for (const PriceLabel& label : m_axis.labels) {
        if (grid)
            dottedLine(s, 0, label.y, v.plotRight - 1, label.y);
        s.drawText(PixelRect{v.plotRight + 3, label.top, v.width, label.top + 20},
                   formatNumber(label.value, m_axis.format), 7);
    }
}

void ChartPainter::drawDates(const ChartModel& model, DrawingSurface& s)
{
    const ChartView& v = model.view;
    layoutDateAxis(v, model.rightEdge, m_marks);
    s.setForeColor(ChartColour::kLabel);
    const int markTop = roundEven(v.paneBottom + 1.6 * v.textHeight);
    const int monthTop = v.paneBottom + v.textHeight + 2;
    for (const DateMark& mark : m_marks) {
        const QString text = dateMarkText(mark);
        if (mark.kind == DateMark::Kind::Month) {
            s.line(mark.x, markTop, mark.x, v.height - 1, ChartColour::kGrid);
            s.drawText(PixelRect{mark.x + 6, monthTop, v.width, monthTop + 20}, text, 7);
        } else {
            const int half = roundEven(text.size() * v.charWidth / 2.0);
            s.drawText(PixelRect{mark.x - half, v.paneBottom + 2, mark.x + half, v.paneBottom + 22}, text, 8);
        }
    }
}

void ChartPainter::drawTodayAndVolume(ChartModel& model, DrawingSurface& s)
{
    const ChartView& v = model.view;
    const BarSeries bars = model.series();
    const QuoteRecord& q = model.quote;
    if (q.ECN != 0 && v.dayOffset >= 0)
        s.setForeColor(ChartColour::kWhite);

    double price = 0;
    const bool hasPrice = currentPrice(v, bars, q.ECN, price);

    if (VolumeLabel label; volumeLabel(v, model.volume, bars, label)) {
        const PixelRect r{v.plotRight + 1, label.top, v.width, label.bottom};
        s.fillRect(r, qbColor(PaletteIndex::Navy));
        s.drawText(r, label.text, 4);
    }

    VolumeWalk volume(v, model.volume, bars);
    const bool everySlot = !model.dragging() && v.barSpacing > 17;
    const bool mondayGrid = model.gridShown();
    bool mondayFlag = false;
    bool first = true;
    int dow = model.rightEdge ? dateOfJulian(model.rightEdge).dayOfWeek() : 1;
    int i = v.newestVisible;
    s.setLineWidth(1);
    for (int x = rightSlotX(v); x > 0; x -= v.barSpacing, ++i, dow = dow == 1 ? 5 : dow - 1) {
        if (everySlot || (dow == 1 && mondayFlag && mondayGrid))
            dottedLine(s, x, 0, x, v.paneBottom);
        mondayFlag = v.barSpacing >= 4 && !mondayFlag;

        if (!bars.inRange(i) || bars.bars[i].isEmpty())
            continue;
        const DailyBar& bar = bars.bars[i];
        if (first) {
            first = false;
            model.chartDate = bar.Date;
            const int x0 = roundEven(x + 0.6 * v.barSpacing);
            if (i == 0) {
                const int tickFrom = roundEven(x0 + 0.2 * v.barSpacing);
                const int tickTo = roundEven(x0 + 0.7 * v.barSpacing);
                if (q.Bid > 0) {
                    const int y = priceY(model.scale, q.Bid);
                    s.line(tickFrom, y, tickTo, y, qbColor(PaletteIndex::Red));
                }
                if (q.Ask > 0) {
                    const int y = priceY(model.scale, q.Ask);
                    s.line(tickFrom, y, tickTo, y, qbColor(PaletteIndex::Lime));
                }
                if (q.ECN > 0) {
                    const int y = priceY(model.scale, q.ECN);
                    s.line(tickTo, y, x0, y, qbColor(PaletteIndex::Aqua));
                    s.lineTo(x0, priceY(model.scale, bar.Close), qbColor(PaletteIndex::Aqua));
                }
            }
            if (hasPrice) {
                const int y = priceY(model.scale, price);
                const PixelRect box{v.plotRight + 1, roundEven(y - 0.7 * v.textHeight), v.width,
                                    roundEven(y + 0.7 * v.textHeight)};
                s.fillRect(box, qbColor(PaletteIndex::Navy));
                s.frameRect(box, qbColor(PaletteIndex::Blue));
                PixelRect inner = box;
                inner.inflate(-2, 0);
                s.drawText(inner, QLatin1Char(' ') + formatNumber(price, QStringLiteral("#,###,###.00")), 4);
            }
        }
        if (v.studyCount > 0 && bar.Volume != 0) {
            const VolumeBar b = volume.step(i);
            s.line(x, b.bottom, x, b.top, ChartColour::kWhite);
            if (b.spike)
                s.fillBox(x, b.top, x + 1, b.spikeTop, b.rising ? ChartColour::kGreen : ChartColour::kRed);
        }
    }
}

void ChartPainter::drawBars(const ChartModel& model, DrawingSurface& s)
{
    const int t = barTickLength(model.view.barSpacing);
    s.setLineWidth(barPenWidth(model.view.barSpacing));
    s.setForeColor(barColour(model.view.barSpacing));
    forEachDrawnBar(model, [&](int x, const DailyBar& bar) {
        const int yO = priceY(model.scale, bar.Open);
        const int yC = priceY(model.scale, bar.Close);
        m_points.clear();
        m_points << QPoint(x - t, yO) << QPoint(x, yO) << QPoint(x, priceY(model.scale, bar.High))
                 << QPoint(x, priceY(model.scale, bar.Low) + 1) << QPoint(x, yC) << QPoint(x + t + 2, yC);
        s.polyline(m_points);
    });
}

void ChartPainter::drawCandles(const ChartModel& model, DrawingSurface& s)
{
    const int h = barTickLength(model.view.barSpacing);
    s.setLineWidth(1);
    forEachDrawnBar(model, [&](int x, const DailyBar& bar) {
        const int yO = priceY(model.scale, bar.Open);
        const int yC = priceY(model.scale, bar.Close);
        s.line(x, priceY(model.scale, bar.High), x, priceY(model.scale, bar.Low) + 1, ChartColour::kWhite);
        if (yC < yO) {
            s.fillBox(x - h, yO, x + h, yC, ChartColour::kWhite);
        } else {
            s.fillBox(x - h, yO, x + h, yC, ChartColour::kRed);
            s.frameBox(x - h, yO, x + h, yC, ChartColour::kWhite);
        }
    });
}

void ChartPainter::drawCloseLine(const ChartModel& model, DrawingSurface& s)
{
    s.setLineWidth(barPenWidth(model.view.barSpacing));
    s.setForeColor(barColour(model.view.barSpacing));
    m_points.clear();
    forEachDrawnBar(model, [&](int x, const DailyBar& bar) { m_points << QPoint(x, priceY(model.scale, bar.Close)); });
    if (m_points.size() == 1)
        s.setPoint(m_points.front().x(), m_points.front().y());
    s.polyline(m_points);
}
