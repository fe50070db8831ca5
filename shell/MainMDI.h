#pragma once

#include "ChartCommands.h"
#include "MainMenus.h"

#include <QMainWindow>
#include <QPointer>

class QCheckBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class PortfolioPanel;
class QuickViewPanel;
class StatusStrip;
class SymbolLists;
class SymbolPicture;
class TickerBox;
class ToolStrip;

// The main window: a multiple-document window whose children are the chart, details
// and data grid windows, with the menus, the drawn toolbar, the symbol box `mTicker`,
// the QuickView and portfolio panels, the status strip and the program's timers.
// It owns the program's lifetime and the "current chart" that chart commands act on.
//
// Parts that other modules provide connect to its signals: the downloader to
// downloaderTick, updateTick, updateTickerRequested, goneOffLine and
// closingConnections; the details window and the data grid to newData.
class MainMDI : public QMainWindow {
    Q_OBJECT
public:
    explicit MainMDI(QWidget* parent = nullptr);
    ~MainMDI() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    const MainMenus& menus() const { return m_menus; }
    void setChartFactory(ChartFactory factory) { m_chartFactory = std::move(factory); }

    // Stops downloading after a connection failure and tells the user why.
    void Go_OffLine(const QString& tMsg);
    // New data arrived for a symbol (1 quote, 2 history, 4 details): every open chart
    // of the symbol loads it again (quote and history); newData is emitted for the
    // windows that show the symbol otherwise.
    void BroadCastNewData(const QString& tTicker, int tRequestType);
    // As if Enter had been pressed in `mTicker`.
    void CrMticker();
    // The grids keep no focus marks of their own; these do nothing.
    void SetFocustGrid() {}
    void SetFocussGrid() {}
    void SetFocusNoGrid() {}

    // The symbol lists (see SymbolLists): the sector grid, the symbol grid with the
    // quote board, and the list files behind them.
    void LoadGridSector(const QString& tPath);
    void LoadGridTickers(const QString& path);
    void SaveGridTicker(const QString& tFile);
    void SaveSymbolList(const QStringList& tList, const QString& txtSaveName);
    void CreateSector(const QString& tSectorName);
    void SymbolListDelete(const QString& name);
    void InsGridTicker(const QString& text);
    void DelGridTicker();
    void RedimGridTickers();
    SymbolLists* symbolLists() const { return m_lists; }
    // Column 0 of the symbol grid's rows, the symbols UpdateTimer walks.
    QStringList symbolGridRows() const;

    // The chart that chart commands act on, chosen afresh: the active child when it
    // is a chart (restored when minimised), else the current chart while it is still
    // open, else a new chart from the factory. nullptr without a factory.
    ChartTarget* currentChart();
    // Prepares the Ticker menu for the symbol box's text. An empty text or "EMPTY"
    // (any case) beeps and gives false; otherwise the menu is titled with the symbol,
    // its first three items are disabled and the result is true.
    bool prepareTickerMenu(const QString& text);
    // The first activation's work: on line, QuickView panel shown, window laid out,
    // the moving average set to 21. Runs once; later calls do nothing.
    void firstActivation();
    // One tick of the New York clock.
    void showNewYorkTime();

signals:
    // A symbol got new data: the details window and the data grid refresh when they show it.
    void newData(const QString& tTicker, int tRequestType);
    // The update planner should look at this symbol.
    void updateTickerRequested(const QString& tTicker);
    // Ticks of the downloader pump (dNetTimer), the automatic update (UpdateTimer) and
    // the quote board (QuotesTimer).
    void downloaderTick();
    void updateTick();
    void quotesTick();
    // Going off line: the request table is emptied and the connections are closed.
    void goneOffLine();
    // Shutting down: the connections are closed.
    void closingConnections();
    // The shut-down has finished: the quote index is closed and the program may end.
    void shutDownFinished();

protected:
    // Shows a pop-up menu; a test overrides it to look at the prepared menu instead.
    virtual void execPopup(QMenu* menu, const QPoint& globalPos);
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void buildTimers();
    void connectCommands();
    void connectChartCommands();
    void connectLists();
    void symbolChosen(const QString& symbol, bool runPlanner, bool clicked);
    void startDeferredLayout();
    void layoutWindow();
    void setToolBoxVisible(bool visible);
    void setPortfolioVisible(bool visible);
    void setOnline(bool online);
    void tickerRightClicked(const QPoint& globalPos);
    void tickerEntered(const QString& symbol);
    void newBarChart();
    void copyChart(int item);
    void askUpdateInterval();
    void wrenLines();
    // Deletes the symbol's price file and stored quote history, then lets every window
    // showing the symbol redraw.
    void deleteSymbolData(const QString& tTicker);
    void tileWindows(bool sideBySide);
    void arrangeIcons();
    void openTickerPage(int action);
    void shutDown();
    QMdiSubWindow* createChart();

    MainMenus m_menus;
    QMdiArea* m_mdi = nullptr;
    ToolStrip* m_toolBar = nullptr;
    TickerBox* m_ticker = nullptr;
    SymbolPicture* m_symbolPicture = nullptr;
    QScrollBar* m_maScroll = nullptr;
    QLabel* m_maLabel = nullptr;
    QCheckBox* m_autoWrenLines = nullptr;
    QPushButton* m_wrenLinesButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QuickViewPanel* m_toolBox = nullptr;
    PortfolioPanel* m_portfolio = nullptr;
    StatusStrip* m_status = nullptr;
    SymbolLists* m_lists = nullptr;

    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_netTimer = nullptr;
    QTimer* m_quotesTimer = nullptr;
    QTimer* m_updateTimer = nullptr;
    QTimer* m_lineWait = nullptr;
    int m_layoutTicks = 0;

    ChartFactory m_chartFactory;
    QPointer<QMdiSubWindow> m_currentChart;
    bool m_activated = false;
    bool m_shuttingDown = false;
    bool m_shutDownDone = false;
};
