#pragma once

#include "ChartCommands.h"
#include "ChartModel.h"
#include "ChartPainter.h"

#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class QuotePanel;
class SurfaceWidget;

// The chart window: the daily bars of one symbol on the surface `PicChart`, with the
// quote panels `picQuote` and `picBidAsk` over its top-left corner. It lives in a
// sub-window of the main window tagged "NetChart".
//
// The window draws no moving average, trendlines or crosshair: SetMA, SetCursorTracking
// and SetWrenBands keep their setting and redraw, ClearTrendLines only redraws and
// DrawAutoLine adds nothing.
class NetChart : public QWidget, public ChartTarget {
    Q_OBJECT
public:
    explicit NetChart(QWidget* parent = nullptr);
    ~NetChart() override;

    // Creates a chart in its own sub-window of `area`, tagged "NetChart", with the
    // volume pane added, and shows it. The factory the main window is given.
    static QMdiSubWindow* openIn(QMdiArea* area);

    // ChartTarget
    QString Ticker() const override { return m_model.ticker; }
    void DrawChart(const QString& tTicker) override;
    void ResetOffset(bool tRedraw) override;
    void SetChartType(int tChartType) override;
    void SetGrid(bool tShow) override;
    void SetCursorTracking(bool tOn) override;
    void SetWrenBands(bool tOn) override;
    void SetMA(int tLenth) override;
    void SpacingBigger() override;
    void SpacingSmaller() override;
    void ClearTrendLines() override;
    void DrawAutoLine(int tMaxDays, int tDaysBack, bool tResistance) override;
    void StudyAdd() override;
    void StudyRemove() override;
    void CopyChart(int tWidth, int tHeight) override;

    void ResetSpacing();
    // Puts the right edge `dayOffset` weekdays from today and redraws.
    void scrollTo(int dayOffset);
    // The full redraw of the chart surface.
    void ChartRedraw();
    // The date (yyyymmdd) of the newest bar drawn; 0 when no bar is in view.
    qint32 ChartDate() const { return m_model.chartDate; }

    const ChartModel& model() const { return m_model; }
    SurfaceWidget* picChart() const { return m_pic; }
    QuotePanel* picQuote() const { return m_picQuote; }
    QuotePanel* picBidAsk() const { return m_picBidAsk; }

private:
    void measureFont();
    void layoutPanes();
    void drawPanels();
    void placePanels();
    QMdiSubWindow* subWindow() const;
    // Writes the symbol into the main window's symbol box.
    void activated();

    // Input on the surface (NetChartInput.cpp).
    void connectInput();
    void keyPressed(int key, const QString& text);
    void mousePressed(Qt::MouseButton button, QPointF pos);
    void mouseMoved(Qt::MouseButtons buttons, QPointF pos);
    void mouseReleased();
    void surfaceResized(int width, int height);

    ChartModel m_model;
    ChartPainter m_painter;
    SurfaceWidget* m_pic = nullptr;
    QWidget* m_quoteBox = nullptr;
    QWidget* m_bidAskBox = nullptr;
    QuotePanel* m_picQuote = nullptr;
    QuotePanel* m_picBidAsk = nullptr;
    QSize m_drawnSize;     // surface size at the last DrawChart
    int m_pressX = 0;      // date-axis drag: where it started
    int m_pressOffset = 0;
    int m_dragPane = 0;    // pane-boundary drag: the boundary
};

// NetChart::openIn as the main window's chart factory (MainMDI::setChartFactory).
ChartFactory netChartFactory();
