#include "NetChart.h"

#include "ChartColours.h"
#include "DateAxis.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Format.h"
#include "PriceFile.h"
#include "QuoteIndex.h"
#include "QuotePanel.h"
#include "SurfaceWidget.h"
#include "UiFont.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 420;

qint32 todayJulian()
{
    return DateToJulian(Today());
}

} // namespace

NetChart::NetChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NetChart"));
    setProperty(kTagProperty, QString::fromLatin1(kChartTag));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pic = new SurfaceWidget(this);
    m_pic->setObjectName(QStringLiteral("PicChart"));
    m_pic->setCursor(Qt::CrossCursor);
    DrawingSurface& s = m_pic->surface();
    s.setFont(chartFont());
    s.setBackColor(chartColours().chartBackColour);
    s.setPixelScale();
    s.setPersistent(true);
    layout->addWidget(m_pic);

    m_quoteBox = new QWidget(this);
    m_bidAskBox = new QWidget(this);
    m_picQuote = new QuotePanel(QuotePanelKind::Quote, m_quoteBox);
    m_picBidAsk = new QuotePanel(QuotePanelKind::BidAsk, m_bidAskBox);
    m_quoteBox->hide();
    m_bidAskBox->hide();
    connect(m_picQuote, &QuotePanel::drawn, this, &NetChart::placePanels);
    connect(m_picBidAsk, &QuotePanel::drawn, this, &NetChart::placePanels);

    measureFont();
    m_model.scale.high = Fixed4::fromDouble(10);
    m_model.scale.low = Fixed4::fromDouble(1);
    connectInput();
    resize(kDefaultWidth, kDefaultHeight);
}

NetChart::~NetChart() = default;

QMdiSubWindow* NetChart::openIn(QMdiArea* area)
{
    auto* chart = new NetChart;
    QMdiSubWindow* window = area->addSubWindow(chart);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty(kTagProperty, QString::fromLatin1(kChartTag));
    connect(window, &QMdiSubWindow::aboutToActivate, chart, &NetChart::activated);
    window->resize(kDefaultWidth, kDefaultHeight);
    chart->StudyAdd();
    window->show();
    return window;
}

ChartFactory netChartFactory()
{
    return [](QMdiArea* area) { return NetChart::openIn(area); };
}

void NetChart::measureFont()
{
    const DrawingSurface& s = m_pic->surface();
    m_model.view.charWidth = s.textWidth(QStringLiteral("0"));
    m_model.view.textHeight = s.textHeight(QStringLiteral("0"));
}

void NetChart::layoutPanes()
{
    const DrawingSurface& s = m_pic->surface();
    LayoutPanes(m_model.view, s.width(), s.height());
}

void NetChart::DrawChart(const QString& tTicker)
{
    const QString symbol = tTicker.trimmed();
    QString key = symbol;
    if (const qint32 n = FindQuote(key); n > 0)
        m_model.quote = ReadQuote(n);
    else
        EmptyQuote(m_model.quote);

    const QString caption = m_model.quote.Ticker.trimmed() + QStringLiteral(" : ")
        + m_model.quote.CompanyName.trimmed() + QStringLiteral(" : daily chart");
    setWindowTitle(caption);
    if (QMdiSubWindow* w = subWindow())
        w->setWindowTitle(caption);
    drawPanels();

    measureFont();
    m_model.scale.high = Fixed4::fromDouble(10);
    m_model.scale.low = Fixed4::fromDouble(1);
    layoutPanes();
    m_model.ticker = symbol;
    m_model.loaded = true;

    const BarLoad load = LoadBars(symbol, m_model.bars, ChartModel::kMaxBars);
    if (load.status == BarLoad::Status::TooManySlots) {
        const QString text = symbol + QStringLiteral(".std") + QStringLiteral(" file is corupt")
            + QStringLiteral("\r\n") + QStringLiteral("Delete this file");
        if (dialogs().ask(text, QString(), MessageButtons::OkCancel, MessageIcon::Exclamation) == Answer::Ok)
            QFile::remove(load.path);
    }
    m_drawnSize = QSize(m_pic->surface().width(), m_pic->surface().height());
    ChartRedraw();
    m_quoteBox->show();
    m_bidAskBox->show();
}

void NetChart::drawPanels()
{
    m_picQuote->setQuote(m_model.quote);
    m_picBidAsk->setQuote(m_model.quote);
    m_picQuote->draw();
    m_picBidAsk->draw();
}

void NetChart::placePanels()
{
    m_quoteBox->setGeometry(0, 0, m_picQuote->width(), m_picQuote->height());
    m_bidAskBox->setGeometry(0, m_picQuote->height() + 1, m_picBidAsk->width(), m_picBidAsk->height());
    m_quoteBox->raise();
    m_bidAskBox->raise();
}

void NetChart::ChartRedraw()
{
    m_painter.redraw(m_model, m_pic->surface(), todayJulian());
    m_pic->update();
}

void NetChart::ResetOffset(bool tRedraw)
{
    m_model.view.dayOffset = 0;
    if (tRedraw)
        ChartRedraw();
}

void NetChart::scrollTo(int dayOffset)
{
    m_model.view.dayOffset = dayOffset;
    ChartRedraw();
}

void NetChart::SetChartType(int tChartType)
{
    m_model.view.chartType = tChartType;
    ChartRedraw();
}

void NetChart::SetGrid(bool tShow)
{
    m_model.showGrid = tShow;
    ChartRedraw();
}

void NetChart::SetCursorTracking(bool tOn)
{
    m_model.view.cursorTracking = tOn;
    ChartRedraw();
}

void NetChart::SetWrenBands(bool tOn)
{
    m_model.view.wrenBands = tOn;
    ChartRedraw();
}

void NetChart::SetMA(int tLenth)
{
    m_model.maLength = tLenth;
    ChartRedraw();
}

void NetChart::SpacingBigger()
{
    if (spacingBigger(m_model.view))
        ChartRedraw();
}

void NetChart::SpacingSmaller()
{
    if (spacingSmaller(m_model.view))
        ChartRedraw();
}

void NetChart::ResetSpacing()
{
    m_model.view.barSpacing = ChartView::kDefaultSpacing;
    ChartRedraw();
}

void NetChart::ClearTrendLines()
{
    ChartRedraw();
}

void NetChart::DrawAutoLine(int, int, bool) {}

void NetChart::StudyAdd()
{
    if (m_model.view.studyCount >= ChartView::kMaxStudies) {
        dialogs().message(QStringLiteral("too many studies"), QString(), MessageIcon::Information);
        return;
    }
    ++m_model.view.studyCount;
    layoutPanes();
    ChartRedraw();
}

void NetChart::StudyRemove()
{
    if (m_model.view.studyCount == 0)
        return;
    --m_model.view.studyCount;
    layoutPanes();
    ChartRedraw();
}

void NetChart::CopyChart(int tWidth, int tHeight)
{
    if (QMdiSubWindow* w = subWindow(); w && tWidth > 0 && tHeight > 0)
        w->resize(tWidth, tHeight);
    auto* data = new QMimeData;
    data->setImageData(m_pic->surface().persistentImage());
    const QDate date = dateOfJulian(m_model.chartDate);
    data->setText(m_model.ticker.toLower() + QLatin1Char('_')
                  + formatDateTime(QDateTime(date, QTime(0, 0)), QStringLiteral("yymmdd")));
    QApplication::clipboard()->setMimeData(data);
    ChartRedraw();
}

QMdiSubWindow* NetChart::subWindow() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
    }
    return nullptr;
}

void NetChart::activated()
{
    if (m_model.ticker.isEmpty())
        return;
    if (auto* box = window()->findChild<QLineEdit*>(QStringLiteral("mTicker")))
        box->setText(m_model.ticker);
}
