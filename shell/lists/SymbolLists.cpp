#include "SymbolLists.h"

#include "AppFolders.h"
#include "Dialogs.h"
#include "DrawnGrid.h"
#include "ListFile.h"
#include "QuoteIndex.h"
#include "SectorFiles.h"
#include "SymbolGrids.h"

#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("Symbol Lists");

void tell(const QString& message)
{
    if (!message.isEmpty())
        dialogs().message(message, kTitle, MessageIcon::Exclamation);
}

} // namespace

SymbolLists::SymbolLists(DrawnGrid* sectorGrid, DrawnGrid* symbolGrid, const ListMenus& menus, QTimer* quotesTimer,
                         QObject* parent)
    : QObject(parent), m_sectorGrid(sectorGrid), m_symbolGrid(symbolGrid), m_menus(menus), m_quotesTimer(quotesTimer),
      m_board([](const QString& symbol) { return LastPriceText(symbol); },
              [this](int row) { m_symbolGrid->PaintCell(row, 1); }),
      m_popup([](QMenu*, const QPoint&) {})
{
    m_symbolGrid->data().EditCol = 0;
    if (m_quotesTimer)
        connect(m_quotesTimer, &QTimer::timeout, this, &SymbolLists::quotesTick);
    connectSectorGrid();
    connectSymbolGrid();
    connectMenus();
}

SymbolLists::~SymbolLists() = default;

void SymbolLists::setPriceLookup(QuoteBoard::PriceLookup lookup)
{
    m_board = QuoteBoard(std::move(lookup), [this](int row) { m_symbolGrid->PaintCell(row, 1); });
}

QString SymbolLists::folder() const
{
    return appFolders().lists;
}

void SymbolLists::fillAtStart()
{
    if (folder().isEmpty())
        return;
    LoadGridSector(folder() + QStringLiteral("*.txt"));
    const QString first = m_sectorGrid->data().Rows > 0 ? CellTextTrimmed(m_sectorGrid->data(), 0, 0) : QString();
    if (!first.isEmpty() && LoadGridTickers(SectorFiles::filePath(folder(), first)))
        startQuoteBoard();
}

void SymbolLists::LoadGridSector(const QString& tPath)
{
    m_sectorGrid->AttachGrid();
    GridData& grid = m_sectorGrid->data();
    grid.Setup = sectorGridColumns(m_sectorGrid->zeroWidth());
    FillSectorGrid(grid, SectorFiles::list(tPath));
    selectSector(m_loaded);
    m_sectorGrid->RefreshGrid();
}

void SymbolLists::selectSector(const QString& name)
{
    GridData& grid = m_sectorGrid->data();
    for (int r = 0; r < grid.Rows; ++r)
        if (CellTextTrimmed(grid, 0, r) == name) {
            grid.CurRow = r;
            break;
        }
}

bool SymbolLists::LoadGridTickers(const QString& path)
{
    const QString name = SectorFiles::nameOfPath(folder(), path);
    if (name.isEmpty()) {
        tell(QStringLiteral("\"%1\" is not a symbol list of the lists folder.").arg(path));
        return false;
    }
    QVector<ListEntry> entries;
    QString error;
    if (!readListFile(path, entries, &error)) {
        tell(QStringLiteral("The symbol list \"%1\" cannot be read.\r\n%2").arg(name, error));
        return false;
    }
    m_symbolGrid->AttachGrid();
    GridData& grid = m_symbolGrid->data();
    grid.Setup = symbolGridColumns(m_symbolGrid->zeroWidth());
    FillSymbolGrid(grid, entries);
    m_loaded = name;
    m_board.setCursor(0);
    m_symbolGrid->RefreshGrid();
    return true;
}

void SymbolLists::showEmptySymbolGrid()
{
    m_symbolGrid->AttachGrid();
    GridData& grid = m_symbolGrid->data();
    grid.Setup = symbolGridColumns(m_symbolGrid->zeroWidth());
    FillSymbolGrid(grid, {});
    m_loaded.clear();
    m_board.setCursor(0);
    m_symbolGrid->RefreshGrid();
}

bool SymbolLists::SaveGridTicker(const QString& tFile)
{
    const QString name = tFile.trimmed();
    if (const QString why = SectorFiles::checkName(name); !why.isEmpty()) {
        tell(why);
        return false;
    }
    QString error;
    if (!writeListFile(SectorFiles::filePath(folder(), name), SymbolGridLines(m_symbolGrid->data()), &error)) {
        tell(QStringLiteral("The symbol list \"%1\" cannot be saved.\r\n%2").arg(name, error));
        return false;
    }
    return true;
}

void SymbolLists::SaveSymbolList(const QStringList& tList, const QString& txtSaveName)
{
    QString message;
    const SectorFiles::Outcome done = SectorFiles::save(folder(), txtSaveName, tList, &message);
    tell(message);
    if (done != SectorFiles::Outcome::Done)
        return;
    // The symbol grid must not write its old entries over the list just saved.
    if (txtSaveName.trimmed() == m_loaded)
        LoadGridTickers(SectorFiles::filePath(folder(), m_loaded));
    LoadGridSector(folder() + QStringLiteral("*.txt"));
}

void SymbolLists::CreateSector(const QString& tSectorName)
{
    if (tSectorName.trimmed().isEmpty())
        return;
    QString message;
    SectorFiles::create(folder(), tSectorName, &message);
    tell(message);
    LoadGridSector(folder() + QStringLiteral("*.txt"));
}

void SymbolLists::SymbolListDelete(const QString& name)
{
    if (name.trimmed().isEmpty())
        return;
    QString message;
    const SectorFiles::Outcome done = SectorFiles::remove(folder(), name.trimmed(), &message);
    tell(message);
    const bool wasLoaded = name.trimmed() == m_loaded;
    if (wasLoaded && done != SectorFiles::Outcome::Refused && done != SectorFiles::Outcome::Failed)
        m_loaded.clear();
    LoadGridSector(folder() + QStringLiteral("*.txt"));
    if (wasLoaded && m_loaded.isEmpty()) {
        // The grid showed the deleted list: show the first list left, or none.
        const GridData& sectors = m_sectorGrid->data();
        if (sectors.Rows == 0
            || !LoadGridTickers(SectorFiles::filePath(folder(), CellTextTrimmed(sectors, 0, sectors.CurRow))))
            showEmptySymbolGrid();
    }
}

void SymbolLists::InsGridTicker(const QString& text)
{
    if (m_loaded.isEmpty()) {
        dialogs().beep();
        return;
    }
    InsertSymbolRow(m_symbolGrid->data(), text);
    RedimGridTickers();
    m_symbolGrid->RefreshGrid();
    SaveGridTicker(m_loaded);
}

void SymbolLists::DelGridTicker()
{
    if (m_loaded.isEmpty() || !DeleteSymbolRow(m_symbolGrid->data())) {
        dialogs().beep();
        return;
    }
    RedimGridTickers();
    m_symbolGrid->RefreshGrid();
    SaveGridTicker(m_loaded);
}

void SymbolLists::RedimGridTickers()
{
    m_symbolGrid->RedimGrid();
}

QString SymbolLists::currentSector() const
{
    const GridData& grid = m_sectorGrid->data();
    return CellTextTrimmed(grid, 0, grid.CurRow);
}

QStringList SymbolLists::symbolRows() const
{
    const GridData& grid = m_symbolGrid->data();
    QStringList rows;
    rows.reserve(grid.Rows);
    for (int r = 0; r < grid.Rows && grid.Cols > 0; ++r)
        rows << grid.Cell(0, r).Text;
    return rows;
}

void SymbolLists::startQuoteBoard()
{
    if (m_quotesTimer && !m_boardStopped && !m_quotesTimer->isActive())
        m_quotesTimer->start();
}

void SymbolLists::stopQuoteBoard()
{
    m_boardStopped = true;
    if (m_quotesTimer)
        m_quotesTimer->stop();
}

void SymbolLists::colourQuote(const QString& tTicker)
{
    if (m_board.colourQuote(m_symbolGrid->data(), tTicker))
        startQuoteBoard();
}

void SymbolLists::quotesTick()
{
    if (m_ticking)
        return;
    m_ticking = true;
    const bool running = m_board.tick(m_symbolGrid->data());
    if (running && m_quotesTimer)
        m_quotesTimer->setInterval(QuoteBoard::kInterval);
    m_ticking = false;
}

void SymbolLists::leaveEditMode()
{
    m_sectorGrid->cancelEdit();
    m_symbolGrid->cancelEdit();
}
