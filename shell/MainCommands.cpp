#include "MainMDI.h"

#include "Dialogs.h"
#include "MdiArrange.h"
#include "Panels.h"
#include "PriceFile.h"
#include "QuoteIndex.h"
#include "ShellSettings.h"
#include "StatusStrip.h"
#include "SymbolLists.h"
#include "TickerBox.h"
#include "ToolStrip.h"
#include "WebLinks.h"
#include "WebPage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// The pause before each window is closed at shut-down; pending events run meanwhile.
constexpr int kShutDownPauseMs = 200;

void pauseLettingEventsRun(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

void MainMDI::connectCommands()
{
    const MainMenus& m = m_menus;
    connect(m.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m.mnuNewBarChart, &QAction::triggered, this, &MainMDI::newBarChart);
    connect(m.mnuToolBox, &QAction::triggered, this, &MainMDI::setToolBoxVisible);
    connect(m.mnuPortfolio, &QAction::triggered, this, &MainMDI::setPortfolioVisible);
    connect(m.mnuOnline, &QAction::triggered, this, &MainMDI::setOnline);
    connect(m.mnuDebug, &QAction::triggered, this, [](bool on) {
        shellSettings().debug = on;
        setPriceDebugMessages(on);
    });
    connect(m.mnuDeleteData, &QAction::triggered, this, [this] { deleteSymbolData(m_ticker->text()); });
    connect(m.mnuTickerActions[10], &QAction::triggered, this,
            [this] { deleteSymbolData(m_menus.mnuTicker->title()); });
    connect(m.mnuUpdateQuote, &QAction::triggered, this, &MainMDI::askUpdateInterval);
    connect(m.mnuTileVertical, &QAction::triggered, this, [this] { tileWindows(true); });
    connect(m.mnuTileHorizontal, &QAction::triggered, this, [this] { tileWindows(false); });
    connect(m.mnuArrangeIcons, &QAction::triggered, this, &MainMDI::arrangeIcons);
    for (int i = 0; i < kLinkCount; ++i)
        connect(m.mnuLinkActions[i], &QAction::triggered, this, [i] { OpenWebPage(linkPageUrl(i)); });
    connect(m.mnuTarnbeckcom, &QAction::triggered, this, [] { OpenWebPage(homePageUrl()); });
    connect(m.mnuChatRoom, &QAction::triggered, this, [] { OpenWebPage(chatRoomUrl()); });
    connect(m.mnuClub, &QAction::triggered, this, [] { OpenWebPage(clubUrl()); });
    for (int i = 3; i <= 9; ++i)
        connect(m.mnuTickerActions[i], &QAction::triggered, this, [this, i] { openTickerPage(i); });

    connect(m_toolBox, &QuickViewPanel::closeClicked, this, [this] { setToolBoxVisible(false); });
    connect(m_portfolio, &PortfolioPanel::closeClicked, this, [this] { setPortfolioVisible(false); });
    connect(m_toolBox->updateBox(), &QCheckBox::clicked, this, [this](bool checked) {
        setOnline(true);
        if (checked) {
            m_updateTimer->setInterval(300);
            m_updateTimer->start();
        } else {
            m_updateTimer->stop();
        }
    });

    connect(m_ticker, &TickerBox::symbolEntered, this, &MainMDI::tickerEntered);
    connect(m_ticker, &TickerBox::rightClicked, this, &MainMDI::tickerRightClicked);
    connect(m_ticker, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_symbolPicture->setSymbol(text.trimmed().toUpper()); });
    connect(m_ticker, &TickerBox::leftClicked, this, [this](const QString& symbol) {
        if (!symbol.isEmpty())
            emit updateTickerRequested(symbol);
    });
}

void MainMDI::connectChartCommands()
{
    const MainMenus& m = m_menus;
    auto onChart = [this](auto call) {
        return [this, call] {
            if (ChartTarget* chart = currentChart())
                call(chart);
        };
    };
    auto onChartChecked = [this](auto call) {
        return [this, call](bool checked) {
            if (ChartTarget* chart = currentChart())
                call(chart, checked);
        };
    };
    connect(m.mnuClearTrendLines, &QAction::triggered, this, onChart([](ChartTarget* c) { c->ClearTrendLines(); }));
    connect(m.mnuCursorTracking, &QAction::triggered, this,
            onChartChecked([](ChartTarget* c, bool on) { c->SetCursorTracking(on); }));
    connect(m.mnuShowGrid, &QAction::triggered, this, onChartChecked([](ChartTarget* c, bool on) { c->SetGrid(on); }));
    connect(m.mnuWrenBands, &QAction::triggered, this,
            onChartChecked([](ChartTarget* c, bool on) { c->SetWrenBands(on); }));
    connect(m.mnuBarChart, &QAction::triggered, this, onChart([](ChartTarget* c) { c->SetChartType(0); }));
    connect(m.mnuCandle, &QAction::triggered, this, onChart([](ChartTarget* c) { c->SetChartType(1); }));
    connect(m.mnuLineChart, &QAction::triggered, this, onChart([](ChartTarget* c) { c->SetChartType(2); }));
    for (int i = 0; i < 4; ++i)
        connect(m.mnuChartCopy[i], &QAction::triggered, this, [this, i] { copyChart(i); });
    connect(m.mnuAddStudy, &QAction::triggered, this, onChart([](ChartTarget* c) { c->StudyAdd(); }));
    connect(m.mnuRemoveStudy, &QAction::triggered, this, onChart([](ChartTarget* c) { c->StudyRemove(); }));

    connect(m_toolBar, &ToolStrip::buttonClicked, this, [this, onChart](int button) {
        switch (button) {
        case 0: setToolBoxVisible(!m_menus.mnuToolBox->isChecked()); break;
        case 1: newBarChart(); break;
        case 4: onChart([](ChartTarget* c) { c->SpacingSmaller(); })(); break;
        case 5: onChart([](ChartTarget* c) { c->SpacingBigger(); })(); break;
        default: break;  // the details window and the data grid open from their own modules
        }
    });
    connect(m_maScroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_maLabel->setText(QString::number(value) + QStringLiteral(" day moving average"));
        if (ChartTarget* chart = currentChart())
            chart->SetMA(value);
    });
    connect(m_wrenLinesButton, &QPushButton::clicked, this, &MainMDI::wrenLines);
}

void MainMDI::deleteSymbolData(const QString& tTicker)
{
    const QString symbol = tTicker.trimmed().toUpper();
    if (symbol.isEmpty())
        return;
    DeleteSymbolData(symbol);
    BroadCastNewData(symbol, 1);
}

QMdiSubWindow* MainMDI::createChart()
{
    if (!m_chartFactory)
        return nullptr;
    QMdiSubWindow* window = m_chartFactory(m_mdi);
    if (!window)
        return nullptr;
    if (!window->property(kTagProperty).isValid())
        window->setProperty(kTagProperty, QString::fromLatin1(kChartTag));
    m_currentChart = window;
    return window;
}

ChartTarget* MainMDI::currentChart()
{
    QMdiSubWindow* active = m_mdi->currentSubWindow();
    if (chartOf(active)) {
        m_currentChart = active;
        if (active->isMinimized())
            active->showNormal();
    } else if (!active || !chartOf(m_currentChart.data())) {
        // No child, or the remembered chart has been closed meanwhile: make a new one.
        createChart();
    }
    return chartOf(m_currentChart.data());
}

void MainMDI::newBarChart()
{
    if (QMdiSubWindow* active = m_mdi->currentSubWindow(); active && active->isMaximized())
        active->showNormal();
    if (ChartTarget* chart = chartOf(createChart()))
        chart->DrawChart(m_ticker->text().trimmed());
}

void MainMDI::copyChart(int item)
{
    QMdiSubWindow* active = m_mdi->currentSubWindow();
    ChartTarget* chart = chartOf(active);
    if (!chart) {
        dialogs().message(QStringLiteral("no form"));
        return;
    }
    if (active->isMinimized())
        return;
    if (active->isMaximized())
        active->showNormal();
    chart->CopyChart(MainMenus::copyWidth(item), MainMenus::copyHeight(item));
}

void MainMDI::wrenLines()
{
    m_wrenLinesButton->setEnabled(false);
    if (ChartTarget* chart = currentChart()) {
        chart->ClearTrendLines();
        chart->DrawAutoLine(120, 0, true);
        chart->DrawAutoLine(120, 0, false);
    }
    m_lineWait->start();
}

void MainMDI::tickerEntered(const QString& symbol)
{
    // A symbol that could never have a price file (a path, a control character, too
    // long) is refused here, where it enters, with the reason.
    if (!symbol.isEmpty() && !checkSymbol(symbol).isEmpty()) {
        dialogs().message(refusedSymbolMessage(symbol));
        return;
    }
    if (ChartTarget* chart = currentChart()) {
        chart->ResetOffset(false);
        chart->DrawChart(symbol);
    }
    if (!symbol.isEmpty())
        emit updateTickerRequested(symbol);
}

void MainMDI::CrMticker() { m_ticker->commitText(); }

bool MainMDI::prepareTickerMenu(const QString& text)
{
    const QString symbol = text.trimmed();
    if (symbol.isEmpty() || symbol.compare(QLatin1String("EMPTY"), Qt::CaseInsensitive) == 0) {
        dialogs().beep();
        return false;
    }
    m_menus.mnuTicker->setTitle(symbol);
    for (int i = 0; i < 3; ++i)
        m_menus.mnuTickerActions[i]->setEnabled(false);
    return true;
}

void MainMDI::tickerRightClicked(const QPoint& globalPos)
{
    if (prepareTickerMenu(m_ticker->text()))
        execPopup(m_menus.mnuTicker, globalPos);
}

void MainMDI::execPopup(QMenu* menu, const QPoint& globalPos) { menu->exec(globalPos); }

void MainMDI::openTickerPage(int action) { OpenWebPage(tickerPageUrl(action, m_menus.mnuTicker->title())); }

void MainMDI::askUpdateInterval()
{
    ShellSettings& s = shellSettings();
    const QString answer = dialogs().input(QStringLiteral("Enter the number of seconds to wait between updates"),
                                           QStringLiteral("List Update Interval ( SECONDS )"),
                                           QString::number(s.updateInterval));
    s.updateInterval = updateIntervalFromAnswer(answer, s.updateInterval);
}

void MainMDI::tileWindows(bool sideBySide)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && !w->isMinimized())
            windows.append(w);
    const QList<QRect> rects = tileRects(m_mdi->viewport()->rect(), int(windows.size()), sideBySide);
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

void MainMDI::arrangeIcons()
{
    QList<QMdiSubWindow*> icons;
    QList<QSize> sizes;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && w->isMinimized()) {
            icons.append(w);
            sizes.append(w->size());
        }
    const QList<QPoint> positions = iconPositions(m_mdi->viewport()->rect(), sizes);
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->move(positions[i]);
}

void MainMDI::Go_OffLine(const QString& tMsg)
{
    m_toolBox->updateBox()->setChecked(false);
    m_updateTimer->stop();
    setOnline(false);
    emit goneOffLine();
    dialogs().message(QStringLiteral("Going off line Server Not Responding\r\nClick Data>On line to go back on line\r\n")
                      + tMsg + QStringLiteral("\r\n"));
}

void MainMDI::BroadCastNewData(const QString& tTicker, int tRequestType)
{
    const QString ticker = tTicker.trimmed();
    if (tRequestType == 1 || tRequestType == 2) {
        for (QMdiSubWindow* window : m_mdi->subWindowList()) {
            ChartTarget* chart = chartOf(window);
            if (chart && chart->Ticker().trimmed() == ticker)
                chart->DrawChart(ticker);
        }
    }
    emit newData(ticker, tRequestType);
}

void MainMDI::closeEvent(QCloseEvent* e)
{
    if (m_shuttingDown && !m_shutDownDone) {
        e->ignore();  // the shut-down already under way finishes the job
        return;
    }
    if (!m_shutDownDone)
        shutDown();
    e->accept();
}

void MainMDI::shutDown()
{
    m_shuttingDown = true;
    m_quotesTimer->stop();
    m_lists->stopQuoteBoard();

    QList<QPointer<QWidget>> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        windows.append(w);
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isWindow() && w->isVisible())
            windows.append(w);
    for (const QPointer<QWidget>& w : windows) {
        if (!w || w->property(kTagProperty).toString() == QLatin1String(kToolboxTag))
            continue;
        pauseLettingEventsRun(kShutDownPauseMs);
        if (w)
            w->close();
    }
    pauseLettingEventsRun(kShutDownPauseMs);
    emit closingConnections();
    CloseQuoteIndex();
    m_shutDownDone = true;
    emit shutDownFinished();
}
