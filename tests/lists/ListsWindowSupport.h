#pragma once

#include "ChartCommands.h"
#include "DrawnGrid.h"
#include "GridGeometry.h"
#include "ListsTestSupport.h"
#include "MainMDI.h"
#include "QuoteIndex.h"
#include "QuoteRecord.h"
#include "ShellSettings.h"
#include "SurfaceWidget.h"
#include "SymbolLists.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <functional>
#include <memory>

// A chart that notes the calls that matter to the lists.
class NotingChart : public QWidget, public ChartTarget {
public:
    explicit NotingChart(QStringList* log) : m_log(log) {}
    QString Ticker() const override { return m_ticker; }
    void DrawChart(const QString& t) override
    {
        m_ticker = t;
        *m_log << QStringLiteral("DrawChart(%1)").arg(t);
    }
    void ResetOffset(bool r) override { *m_log << QStringLiteral("ResetOffset(%1)").arg(r); }
    void SetChartType(int) override {}
    void SetGrid(bool) override {}
    void SetCursorTracking(bool) override {}
    void SetWrenBands(bool) override {}
    void SetMA(int) override {}
    void SpacingBigger() override {}
    void SpacingSmaller() override {}
    void ClearTrendLines() override { *m_log << QStringLiteral("ClearTrendLines"); }
    void DrawAutoLine(int, int, bool) override {}
    void StudyAdd() override {}
    void StudyRemove() override {}
    void CopyChart(int, int) override {}

private:
    QString m_ticker;
    QStringList* m_log;
};

// The main window with its pop-up menus recorded, and an action of the shown menu
// triggered when the test has named one.
class ListsMainMDI : public MainMDI {
public:
    QStringList popups;
    std::function<void(QMenu*)> onPopup;

protected:
    void execPopup(QMenu* menu, const QPoint&) override
    {
        popups << menu->objectName();
        if (onPopup)
            onPopup(menu);
    }
};

// The main window on a fresh data root with lists written before its first activation,
// its quote index open, and charts that note their calls.
class ListsWindowTest : public ListsFolderTest {
protected:
    void SetUp() override
    {
        ListsFolderTest::SetUp();
        shellSettings() = ShellSettings{};
        ASSERT_TRUE(QDir().mkpath(m_folders.data));
        ASSERT_TRUE(openQuoteIndexAt(m_folders.data + QStringLiteral("Index4.dat")));
    }
    void TearDown() override
    {
        m_window.reset();
        CloseQuoteIndex();
        ListsFolderTest::TearDown();
    }

    void openWindow()
    {
        m_window = std::make_unique<ListsMainMDI>();
        m_window->setChartFactory([this](QMdiArea* area) {
            QMdiSubWindow* w = area->addSubWindow(new NotingChart(&m_chartLog));
            w->setProperty(kTagProperty, QString::fromLatin1(kChartTag));
            w->show();
            return w;
        });
        m_window->resize(1000, 700);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->firstActivation();
        QApplication::processEvents();
        sectors()->RefreshGrid();
        symbols()->RefreshGrid();
    }

    SymbolLists* lists() const { return m_window->symbolLists(); }
    DrawnGrid* sectors() const { return lists()->sectorGrid(); }
    DrawnGrid* symbols() const { return lists()->symbolGrid(); }

    QStringList column(DrawnGrid* grid, int col = 0) const
    {
        QStringList texts;
        for (int r = 0; r < grid->data().Rows; ++r)
            texts << grid->data().Cell(col, r).Text;
        return texts;
    }

    void send(DrawnGrid* grid, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        SurfaceWidget* s = grid->surfaceWidget();
        QMouseEvent e(type, QPointF(pos), QPointF(s->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(s, &e);
    }
    QPoint cellCentre(DrawnGrid* grid, int row, int col = 0) const
    {
        const GridRect r = CellRect(grid->data(), col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void click(DrawnGrid* grid, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint p = cellCentre(grid, row);
        send(grid, QEvent::MouseButtonPress, p, button, button);
        send(grid, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    }
    void key(DrawnGrid* grid, Qt::Key k)
    {
        grid->surfaceWidget()->setFocus();
        QTest::keyClick(grid->surfaceWidget(), k);
    }
    // Picks the action named `name` when the next menu pops up.
    void pickOnPopup(const char* name)
    {
        const QString wanted = QString::fromLatin1(name);
        m_window->onPopup = [wanted](QMenu* menu) {
            for (QAction* a : menu->actions())
                if (a->objectName() == wanted)
                    a->trigger();
        };
    }

    void storePrice(const QString& symbol, float price)
    {
        QuoteRecord q;
        q.Ticker = symbol;
        q.LastPrice = price;
        ASSERT_TRUE(StoreQuote(q, 1));
    }

    std::unique_ptr<ListsMainMDI> m_window;
    QStringList m_chartLog;
};
