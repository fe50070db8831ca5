// The main window's symbol lists: the grids of the QuickView panel, their menus, and
// what choosing a symbol in them does.
#include "MainMDI.h"

#include "ChartCommands.h"
#include "DrawnGrid.h"
#include "Panels.h"
#include "SymbolLists.h"
#include "TickerBox.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

void MainMDI::connectLists()
{
    ListMenus menus;
    menus.mnuSector = m_menus.mnuSector;
    menus.mnuSectorInsert = m_menus.mnuSectorInsert;
    menus.mnuSectorDelete = m_menus.mnuSectorDelete;
    menus.mnuSectorRename = m_menus.mnuSectorRename;
    menus.mnuScanCandles = m_menus.mnuScanCandles;
    menus.mnuScanGaps = m_menus.mnuScanGaps;
    menus.mnuTicker = m_menus.mnuTicker;
    for (int i = 0; i < 4; ++i)
        menus.mnuTickerActions[i] = m_menus.mnuTickerActions[i];

    m_lists = new SymbolLists(m_toolBox->sectorGrid(), m_toolBox->symbolGrid(), menus, m_quotesTimer, this);
    m_lists->setPopup([this](QMenu* menu, const QPoint& pos) { execPopup(menu, pos); });
    connect(m_lists, &SymbolLists::symbolChosen, this, &MainMDI::symbolChosen);
    // New data colours the symbol's rows on the quote board.
    connect(this, &MainMDI::newData, m_lists, [this](const QString& tTicker, int) { m_lists->colourQuote(tTicker); });
    connect(m_ticker, &TickerBox::focusGained, m_lists, &SymbolLists::leaveEditMode);
}

void MainMDI::symbolChosen(const QString& symbol, bool runPlanner, bool clicked)
{
    if (runPlanner)
        emit updateTickerRequested(symbol);
    m_ticker->setText(symbol);
    if (ChartTarget* chart = currentChart()) {
        if (clicked)
            chart->ResetOffset(false);
        chart->DrawChart(symbol);
    }
    if (clicked && m_autoWrenLines->isChecked() && m_wrenLinesButton->isEnabled())
        wrenLines();
}

QStringList MainMDI::symbolGridRows() const { return m_lists->symbolRows(); }

void MainMDI::LoadGridSector(const QString& tPath) { m_lists->LoadGridSector(tPath); }
void MainMDI::LoadGridTickers(const QString& path) { m_lists->LoadGridTickers(path); }
void MainMDI::SaveGridTicker(const QString& tFile) { m_lists->SaveGridTicker(tFile); }
void MainMDI::SaveSymbolList(const QStringList& tList, const QString& txtSaveName)
{
    m_lists->SaveSymbolList(tList, txtSaveName);
}
void MainMDI::CreateSector(const QString& tSectorName) { m_lists->CreateSector(tSectorName); }
void MainMDI::SymbolListDelete(const QString& name) { m_lists->SymbolListDelete(name); }
void MainMDI::InsGridTicker(const QString& text) { m_lists->InsGridTicker(text); }
void MainMDI::DelGridTicker() { m_lists->DelGridTicker(); }
void MainMDI::RedimGridTickers() { m_lists->RedimGridTickers(); }
