#pragma once

#include "QuoteBoard.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class DrawnGrid;
class QAction;
class QMenu;
class QTimer;

// The menus the list grids pop up: the sector menu and the Ticker menu with its first
// four items (Insert, Delete, Rename, News).
struct ListMenus {
    QMenu* mnuSector = nullptr;
    QAction* mnuSectorInsert = nullptr;
    QAction* mnuSectorDelete = nullptr;
    QAction* mnuSectorRename = nullptr;
    QAction* mnuScanCandles = nullptr;
    QAction* mnuScanGaps = nullptr;
    QMenu* mnuTicker = nullptr;
    std::array<QAction*, 4> mnuTickerActions{};
};

// The main window's symbol lists: the sector grid `sGridBox` listing the list files of
// the lists folder, the symbol grid `tGridBox` showing one list with the quote board
// in its second column, and everything done to them by mouse, keys and menus.
//
// Every change to the symbol grid is written to its list file at once, and always to
// the file the grid was loaded from. Messages go through dialogs().
class SymbolLists : public QObject {
    Q_OBJECT
public:
    SymbolLists(DrawnGrid* sectorGrid, DrawnGrid* symbolGrid, const ListMenus& menus, QTimer* quotesTimer,
                QObject* parent = nullptr);
    ~SymbolLists() override;

    // Shows a pop-up menu at a screen position (the main window's, so tests can watch).
    void setPopup(std::function<void(QMenu*, const QPoint&)> popup) { m_popup = std::move(popup); }
    // Where the quote board gets last prices (LastPriceText of the quote index by default).
    void setPriceLookup(QuoteBoard::PriceLookup lookup);

    DrawnGrid* sectorGrid() const { return m_sectorGrid; }
    DrawnGrid* symbolGrid() const { return m_symbolGrid; }
    QuoteBoard& board() { return m_board; }

    // Fills the sector grid from the lists folder and the symbol grid with its first
    // sector, and starts the quote board.
    void fillAtStart();

    void LoadGridSector(const QString& tPath);
    bool LoadGridTickers(const QString& path);
    bool SaveGridTicker(const QString& tFile);
    void SaveSymbolList(const QStringList& tList, const QString& txtSaveName);
    void CreateSector(const QString& tSectorName);
    void SymbolListDelete(const QString& name);
    void InsGridTicker(const QString& text);
    void DelGridTicker();
    void RedimGridTickers();

    // The sector grid's current sector (trimmed), and the sector the symbol grid shows.
    QString currentSector() const;
    QString loadedSector() const { return m_loaded; }

    // Column 0 of every row of the symbol grid, as shown.
    QStringList symbolRows() const;
    // New data for a symbol: colours its board rows and starts the board when listed.
    void colourQuote(const QString& tTicker);
    // One tick of QuotesTimer.
    void quotesTick();
    // The board stops for good (the main window is closing).
    void stopQuoteBoard();
    // Both grids leave in-place editing.
    void leaveEditMode();

signals:
    // A symbol of the symbol grid was chosen: the main window puts it into `mTicker`
    // and the current chart draws it. runPlanner: the update planner looks at it too;
    // clicked: a click (the chart goes back to the newest bar, automatic lines follow).
    void symbolChosen(const QString& symbol, bool runPlanner, bool clicked);
    void scanCandlesRequested(const QString& listFile);
    void scanGapsRequested(const QString& listFile);

private:
    void connectSectorGrid();
    void connectSymbolGrid();
    void connectMenus();
    void openCurrentSector();
    void sectorMenu(const QPoint& globalPos);
    void addSector();
    void deleteSector();
    void renameSector(const QString& oldText, const QString& newText);
    void tickerMenu(const QPoint& globalPos);
    void symbolKey(int key, bool rowMoved);
    void symbolEdited(const QString& oldText);
    void showEmptySymbolGrid();
    void startQuoteBoard();
    void selectSector(const QString& name);
    QString folder() const;

    DrawnGrid* m_sectorGrid;
    DrawnGrid* m_symbolGrid;
    ListMenus m_menus;
    QPointer<QTimer> m_quotesTimer;
    QuoteBoard m_board;
    std::function<void(QMenu*, const QPoint&)> m_popup;
    QString m_loaded;       // the sector whose file the symbol grid holds
    bool m_ticking = false;
    bool m_boardStopped = false;
};
