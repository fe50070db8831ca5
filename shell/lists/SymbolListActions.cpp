// What the mouse, the keys and the menus do to the sector grid and the symbol grid.
#include "SymbolLists.h"

#include "AppFolders.h"
#include "Dialogs.h"
#include "DrawnGrid.h"
#include "ListFile.h"
#include "SectorFiles.h"
#include "SymbolGrids.h"

#include <QAction>
#include <QMenu>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void SymbolLists::connectSectorGrid()
{
    connect(m_sectorGrid, &DrawnGrid::rowClicked, this, &SymbolLists::openCurrentSector);
    connect(m_sectorGrid, &DrawnGrid::keyPressed, this, [this](int key, bool) {
        if (isEnter(key))
            openCurrentSector();
    });
    connect(m_sectorGrid, &DrawnGrid::rightClicked, this, &SymbolLists::sectorMenu);
    connect(m_sectorGrid, &DrawnGrid::editCommitted, this, &SymbolLists::renameSector);
}

void SymbolLists::connectSymbolGrid()
{
    connect(m_symbolGrid, &DrawnGrid::rowClicked, this, [this] {
        const QString symbol = SymbolOfRow(m_symbolGrid->data(), m_symbolGrid->data().CurRow);
        if (!symbol.isEmpty())
            emit symbolChosen(symbol, true, true);
    });
    connect(m_symbolGrid, &DrawnGrid::keyPressed, this, &SymbolLists::symbolKey);
    connect(m_symbolGrid, &DrawnGrid::rightClicked, this, &SymbolLists::tickerMenu);
    connect(m_symbolGrid, &DrawnGrid::editCommitted, this, &SymbolLists::symbolEdited);
}

void SymbolLists::connectMenus()
{
    const ListMenus& m = m_menus;
    if (m.mnuSectorInsert)
        connect(m.mnuSectorInsert, &QAction::triggered, this, &SymbolLists::addSector);
    if (m.mnuSectorDelete)
        connect(m.mnuSectorDelete, &QAction::triggered, this, &SymbolLists::deleteSector);
    if (m.mnuSectorRename)
        connect(m.mnuSectorRename, &QAction::triggered, this, [this] { m_sectorGrid->StartEdit(); });
    if (m.mnuScanCandles)
        connect(m.mnuScanCandles, &QAction::triggered, this, [this] {
            if (const QString name = currentSector(); !name.isEmpty())
                emit scanCandlesRequested(name + QStringLiteral(".txt"));
        });
    if (m.mnuScanGaps)
        connect(m.mnuScanGaps, &QAction::triggered, this, [this] {
            if (const QString name = currentSector(); !name.isEmpty())
                emit scanGapsRequested(name + QStringLiteral(".txt"));
        });
    if (m.mnuTickerActions[0])
        connect(m.mnuTickerActions[0], &QAction::triggered, this,
                [this] { InsGridTicker(QString::fromLatin1(kPlaceholderShown)); });
    if (m.mnuTickerActions[1])
        connect(m.mnuTickerActions[1], &QAction::triggered, this, &SymbolLists::DelGridTicker);
    if (m.mnuTickerActions[2])
        connect(m.mnuTickerActions[2], &QAction::triggered, this, [this] { m_symbolGrid->StartEdit(); });
}

void SymbolLists::openCurrentSector()
{
    const QString name = currentSector();
    if (name.isEmpty())
        return;
    if (LoadGridTickers(SectorFiles::filePath(folder(), name)))
        startQuoteBoard();
}

void SymbolLists::sectorMenu(const QPoint& globalPos)
{
    if (!m_menus.mnuSector)
        return;
    const bool hasSector = !currentSector().isEmpty();
    for (QAction* a : {m_menus.mnuSectorDelete, m_menus.mnuSectorRename, m_menus.mnuScanCandles, m_menus.mnuScanGaps})
        if (a)
            a->setEnabled(hasSector);
    m_popup(m_menus.mnuSector, globalPos);
}

void SymbolLists::addSector()
{
    const QString answer = dialogs().input(QStringLiteral("Enter a name for the sector you want to create"),
                                           QStringLiteral("Add new sector"), QStringLiteral("New_Sector"));
    if (answer.trimmed().isEmpty())
        return;
    CreateSector(answer);
}

void SymbolLists::deleteSector()
{
    const QString name = currentSector();
    if (name.isEmpty())
        return;
    if (dialogs().ask(QStringLiteral("Delete symbol list : ") + name, QString(), MessageButtons::YesNo)
        == Answer::Yes)
        SymbolListDelete(name);
}

void SymbolLists::renameSector(const QString& oldText, const QString& newText)
{
    const QString oldName = oldText.trimmed();
    const QString newName = newText.trimmed();
    GridData& grid = m_sectorGrid->data();
    QString message;
    const SectorFiles::Outcome done = SectorFiles::rename(folder(), oldName, newName, &message);
    if (done == SectorFiles::Outcome::Done) {
        SetCellText(grid, 0, grid.CurRow, newName);
        if (m_loaded == oldName)
            m_loaded = newName;
    } else {
        SetCellText(grid, 0, grid.CurRow, oldName);
        if (!message.isEmpty())
            dialogs().message(message, QStringLiteral("Rename"), MessageIcon::Exclamation);
    }
    m_sectorGrid->PaintCell(grid.CurRow, 0);
}

void SymbolLists::tickerMenu(const QPoint& globalPos)
{
    if (!m_menus.mnuTicker || m_loaded.isEmpty()) {
        dialogs().beep();
        return;
    }
    const GridData& grid = m_symbolGrid->data();
    m_menus.mnuTicker->setTitle(CellTextTrimmed(grid, 0, grid.CurRow));
    static const char* const kCaptions[] = {"Insert", "Delete", "Rename", "News"};
    for (int i = 0; i < 4; ++i)
        if (QAction* a = m_menus.mnuTickerActions[i]) {
            a->setText(QString::fromLatin1(kCaptions[i]));
            a->setEnabled(true);
        }
    m_popup(m_menus.mnuTicker, globalPos);
}

void SymbolLists::symbolKey(int key, bool rowMoved)
{
    const GridData& grid = m_symbolGrid->data();
    if (key == Qt::Key_Delete) {
        DelGridTicker();
    } else if (key == Qt::Key_Insert) {
        InsGridTicker(QString::fromLatin1(kPlaceholderShown));
        if (!m_loaded.isEmpty())
            m_symbolGrid->StartEdit();
    } else if (isEnter(key) || rowMoved) {
        const QString symbol = SymbolOfRow(grid, grid.CurRow);
        if (!symbol.isEmpty())
            emit symbolChosen(symbol, isEnter(key), false);
    }
}

void SymbolLists::symbolEdited(const QString& oldText)
{
    GridData& grid = m_symbolGrid->data();
    const int row = grid.CurRow;
    if (row < 0 || row >= grid.Rows)
        return;
    GridCell& cell = grid.Cell(0, row);
    cell.Text = CommittedSymbolText(cell.Text);
    // A label belongs to the symbol it was written with.
    if (cell.Text.trimmed().compare(oldText.trimmed(), Qt::CaseInsensitive) != 0)
        cell.Tag.clear();
    m_symbolGrid->PaintCell(row, 0);
    if (!m_loaded.isEmpty())
        SaveGridTicker(m_loaded);
    const QString symbol = SymbolOfRow(grid, row);
    if (!symbol.isEmpty())
        emit symbolChosen(symbol, true, false);
}
