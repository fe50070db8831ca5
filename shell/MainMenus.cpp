#include "MainMenus.h"

#include "WebLinks.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

struct CopySize {
    int width;
    int height;
};
constexpr CopySize kCopySizes[4] = {{0, 0}, {400, 267}, {500, 333}, {600, 400}};
const char* const kCopyCaptions[4] = {"Copy to clipboard", "400x267", "500x333", "600x400"};

const char* const kLinkCaptions[8] = {"Datek Login",   "CME Prices",    "World Markets", "US Stock Leaders",
                                      "Island Leaders", "Symbol Lookup", "Shares Short",  "Earnings Today"};

const char* const kTickerCaptions[12] = {"&Insert",  "&Delete",  "Rename", "News",
                                         "Upgrades", "Profile",  "Insider", "Messages",
                                         "Island",   "Intraday (delayed)", "Delete Data", "Export  CSV"};

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption, QWidget* owner)
{
    auto* menu = new QMenu(QString::fromLatin1(caption), owner);
    menu->setObjectName(QString::fromLatin1(name));
    bar->addMenu(menu);
    return menu;
}

QMenu* addSubMenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption, bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption, bool checkable = false)
{
    return addItem(menu, QString::fromLatin1(name), QString::fromLatin1(caption), checkable);
}

QString arrayName(const char* name, int i) { return QString::fromLatin1(name) + u'_' + QString::number(i); }

} // namespace

int MainMenus::copyWidth(int i) { return i >= 0 && i < 4 ? kCopySizes[i].width : 0; }
int MainMenus::copyHeight(int i) { return i >= 0 && i < 4 ? kCopySizes[i].height : 0; }

void MainMenus::build(QMenuBar* bar, QWidget* owner)
{
    mnuFile = addMenu(bar, "mnuFile", "&File ", owner);
    mnuExportCsv = addItem(mnuFile, "mnuExportCsv", "Export CSV");
    mnuNew = addSubMenu(mnuFile, "mnuNew", "New");
    mnuNewBarChart = addItem(mnuNew, "mnuNewBarChart", "Bar Chart");
    mnuNewDetails = addItem(mnuNew, "mnuNewDetails", "New Info Grid");
    mnuNewGrid = addItem(mnuNew, "mnuNewGrid", "Data Grid");
    mnuExit = addItem(mnuFile, "mnuExit", "Exit");

    mnuChart = addMenu(bar, "mnuChart", "&Chart ", owner);
    mnuClearTrendLines = addItem(mnuChart, "mnuClearTrendLines", "Clear trendLines");
    mnuCursorTracking = addItem(mnuChart, "mnuCursorTracking", "Cursor Tracking", true);
    mnuShowGrid = addItem(mnuChart, "mnuShowGrid", "Show Grid", true);
    mnuShowGrid->setChecked(true);  // a new chart shows its grid
    mnuWrenBands = addItem(mnuChart, "mnuWrenBands", "WrenBands", true);
    mnuChartType = addSubMenu(mnuChart, "mnuChartType", "ChartType");
    mnuBarChart = addItem(mnuChartType, "mnuBarChart", "Bar Chart", true);
    mnuCandle = addItem(mnuChartType, "mnuCandle", "Candles", true);
    mnuLineChart = addItem(mnuChartType, "mnuLineChart", "Line Chart", true);
    auto* chartTypes = new QActionGroup(owner);
    chartTypes->setExclusive(true);
    for (QAction* a : {mnuBarChart, mnuCandle, mnuLineChart})
        chartTypes->addAction(a);
    mnuBarChart->setChecked(true);  // a new chart draws bars
    mnuCopy = addSubMenu(mnuChart, "mnuCopy", "Copy");
    for (int i = 0; i < 4; ++i)
        mnuChartCopy[i] = addItem(mnuCopy, arrayName("mnuChartCopy", i), QString::fromLatin1(kCopyCaptions[i]));
    mnuAddStudy = addItem(mnuChart, "mnuAddStudy", "Add Study");
    mnuRemoveStudy = addItem(mnuChart, "mnuRemoveStudy", "Remove Study");
    mnuChartColors = addItem(mnuChart, "mnuChartColors", "Colors");

    mnuView = addMenu(bar, "mnuView", "&View ", owner);
    mnuToolBox = addItem(mnuView, "mnuToolBox", "ToolBox", true);
    mnuCandleScan = addItem(mnuView, "mnuCandleScan", "Candle Scanner");
    mnuGapScan = addItem(mnuView, "mnuGapScan", "Gap Scanner");
    mnuPortfolio = addItem(mnuView, "mnuPortfolio", "Portfolio", true);

    mnuData = addMenu(bar, "mnuData", "&Data ", owner);
    mnuDeleteData = addItem(mnuData, "mnuDeleteData", "Delete Data for curent symbol");
    mnuFilterSymbols = addItem(mnuData, "mnuFilterSymbols", "Filter Symbols");
    mnuBackTester = addItem(mnuData, "mnuBackTester", "BackTester");
    mnuBackTester5 = addItem(mnuData, "mnuBackTester5", "BackTester5");
    mnuOnline = addItem(mnuData, "mnuOnline", "On line", true);
    mnuUpdateQuote = addItem(mnuData, "mnuUpdateQuote", "Update Interval");
    mnuChartGen = addItem(mnuData, "mnuChartGen", "Chart Generator");
    mnuNYCsavings = addItem(mnuData, "mnuNYCsavings", "New York Daylight Savings", true);

    mnuLinks = addMenu(bar, "mnuLinks", "&Links ", owner);
    for (int i = 0; i < 8; ++i)
        mnuLinkActions[i] = addItem(mnuLinks, arrayName("mnuLinkActions", i), QString::fromLatin1(kLinkCaptions[i]));

    mnuWindow = addMenu(bar, "mnuWindow", "&Window ", owner);
    mnuTileVertical = addItem(mnuWindow, "mnuTileVertical", "Tile Vertical");
    mnuTileHorizontal = addItem(mnuWindow, "mnuTileHorizontal", "Tile Horizontal");
    mnuArrangeIcons = addItem(mnuWindow, "mnuArrangeIcons", "Arrange Icons");

    mnuHelp = addMenu(bar, "mnuHelp", "&Help ", owner);
    mnuTarnbeckcom = addItem(mnuHelp, "mnuTarnbeckcom", kHomePageCaption);
    mnuChatRoom = addItem(mnuHelp, "mnuChatRoom", "Visit the ChatRoom");
    mnuClub = addItem(mnuHelp, "mnuClub", "Visit the Tarnbeck Club");
    mnuDebug = addItem(mnuHelp, "mnuDebug", "Debug Message's", true);
    mnuWinsock = addItem(mnuHelp, "mnuWinsock", "WinSock Version");

    mnuTicker = new QMenu(QStringLiteral("Ticker Menu"), owner);
    mnuTicker->setObjectName(QStringLiteral("mnuTicker"));
    for (int i = 0; i < 12; ++i)
        mnuTickerActions[i] =
            addItem(mnuTicker, arrayName("mnuTickerActions", i), QString::fromLatin1(kTickerCaptions[i]));

    mnuSector = new QMenu(owner);
    mnuSector->setObjectName(QStringLiteral("mnuSector"));
    mnuSectorInsert = addItem(mnuSector, "mnuSectorInsert", "&Add");
    mnuSectorDelete = addItem(mnuSector, "mnuSectorDelete", "&Delete");
    mnuSectorRename = addItem(mnuSector, "mnuSectorRename", "Rename");
    mnuScanCandles = addItem(mnuSector, "mnuScanCandles", "Scan Candles");
    mnuScanGaps = addItem(mnuSector, "mnuScanGaps", "Scan for Gaps");
}
