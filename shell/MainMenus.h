#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menus of the main window. Every menu and item carries its name as objectName
// and its caption as text (with "&" marking the mnemonic). Items of a menu array
// are named with the index after an underscore:
//   mnuChartCopy(i)     -> "mnuChartCopy_0" .. "mnuChartCopy_3"
//   mnuLinkActions(i)   -> "mnuLinkActions_0" .. "mnuLinkActions_7"
//   mnuTickerActions(i) -> "mnuTickerActions_0" .. "mnuTickerActions_11"
// mnuChartCopy(1) reads "400x267" and copies at 400 by 267 pixels, the size it names.
// mnuTicker (the Ticker menu of a symbol) and mnuSector (the sector grid's menu) are
// pop-up menus that are not on the menu bar.
struct MainMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuExportCsv = nullptr;
    QMenu* mnuNew = nullptr;
    QAction* mnuNewBarChart = nullptr;
    QAction* mnuNewDetails = nullptr;
    QAction* mnuNewGrid = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuChart = nullptr;
    QAction* mnuClearTrendLines = nullptr;
    QAction* mnuCursorTracking = nullptr;
    QAction* mnuShowGrid = nullptr;
    QAction* mnuWrenBands = nullptr;
    QMenu* mnuChartType = nullptr;
    QAction* mnuBarChart = nullptr;
    QAction* mnuCandle = nullptr;
    QAction* mnuLineChart = nullptr;
    QMenu* mnuCopy = nullptr;
    std::array<QAction*, 4> mnuChartCopy{};
    QAction* mnuAddStudy = nullptr;
    QAction* mnuRemoveStudy = nullptr;
    QAction* mnuChartColors = nullptr;

    QMenu* mnuView = nullptr;
    QAction* mnuToolBox = nullptr;
    QAction* mnuCandleScan = nullptr;
    QAction* mnuGapScan = nullptr;
    QAction* mnuPortfolio = nullptr;

    QMenu* mnuData = nullptr;
    QAction* mnuDeleteData = nullptr;
    QAction* mnuFilterSymbols = nullptr;
    QAction* mnuBackTester = nullptr;
    QAction* mnuBackTester5 = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuUpdateQuote = nullptr;
    QAction* mnuChartGen = nullptr;
    QAction* mnuNYCsavings = nullptr;

    QMenu* mnuLinks = nullptr;
    std::array<QAction*, 8> mnuLinkActions{};

    QMenu* mnuWindow = nullptr;
    QAction* mnuTileVertical = nullptr;
    QAction* mnuTileHorizontal = nullptr;
    QAction* mnuArrangeIcons = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuTarnbeckcom = nullptr;
    QAction* mnuChatRoom = nullptr;
    QAction* mnuClub = nullptr;
    QAction* mnuDebug = nullptr;
    QAction* mnuWinsock = nullptr;

    QMenu* mnuTicker = nullptr;
    std::array<QAction*, 12> mnuTickerActions{};

    QMenu* mnuSector = nullptr;
    QAction* mnuSectorInsert = nullptr;
    QAction* mnuSectorDelete = nullptr;
    QAction* mnuSectorRename = nullptr;
    QAction* mnuScanCandles = nullptr;
    QAction* mnuScanGaps = nullptr;

    // The copy size of mnuChartCopy(i): 0 by 0 (the chart's own size) for item 0.
    static int copyWidth(int i);
    static int copyHeight(int i);

    // Fills `bar` with the menus in order and makes the two pop-up menus, all owned by `owner`.
    void build(QMenuBar* bar, QWidget* owner);
};
