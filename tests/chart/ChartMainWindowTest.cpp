#include "ChartFixture.h"
#include "MainMDI.h"
#include "NetChart.h"
#include "SurfaceWidget.h"
#include "ToolStrip.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest/QTest>

namespace {

constexpr qint32 kFriday = 20040312;

// The main window with the chart window as its chart factory.
class ChartInMainWindow : public ChartEnvironment {
protected:
    void SetUp() override
    {
        ChartEnvironment::SetUp();
        for (const char* symbol : {"AAA", "BBB"}) {
            std::vector<DailyBar> bars;
            for (int k = 9; k >= 0; --k)
                bars.push_back(bar(AddWeekdaysJulian(kFriday, -k), 10, 12, 9, 11, 100));
            writePriceFile(QString::fromLatin1(symbol), bars);
        }
        m_window = std::make_unique<MainMDI>();
        m_window->resize(1000, 700);
        // The first activation sets the moving average on the current chart, which
        // would open a chart; the factory comes after it.
        m_window->firstActivation();
        m_window->show();
        QCoreApplication::processEvents();
        m_window->setChartFactory(netChartFactory());
        m_ticker = m_window->findChild<QLineEdit*>(QStringLiteral("mTicker"));
        ASSERT_NE(m_ticker, nullptr);
    }
    void TearDown() override
    {
        m_window.reset();
        ChartEnvironment::TearDown();
    }

    void enterSymbol(const QString& text)
    {
        m_ticker->setText(text);
        QTest::keyClick(m_ticker, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QList<QMdiSubWindow*> charts() const { return m_window->mdiArea()->subWindowList(); }
    NetChart* chartAt(int k) const { return qobject_cast<NetChart*>(charts().at(k)->widget()); }
    NetChart* active() const
    {
        QMdiSubWindow* w = m_window->mdiArea()->currentSubWindow();
        return w ? qobject_cast<NetChart*>(w->widget()) : nullptr;
    }

    std::unique_ptr<MainMDI> m_window;
    QLineEdit* m_ticker = nullptr;
};

} // namespace

TEST_F(ChartInMainWindow, EnterChartsTheSymbolInANewChartWhenThereIsNone)
{
    ASSERT_TRUE(charts().isEmpty());
    enterSymbol(QStringLiteral(" aaa "));
    ASSERT_EQ(charts().size(), 1);
    QMdiSubWindow* window = charts().front();
    EXPECT_EQ(window->property("tag").toString(), QStringLiteral("NetChart"));
    NetChart* chart = chartAt(0);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Ticker(), QStringLiteral("AAA"));
    EXPECT_EQ(chart->model().view.studyCount, 1);  // the volume pane comes with a new chart
    EXPECT_EQ(chart->model().bars.size(), 10);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("none : No name found : daily chart"));

    // Enter again acts on that chart, back at today's offset.
    QTest::keyClick(chart->picChart(), Qt::Key_Left);
    ASSERT_EQ(chart->model().view.dayOffset, -1);
    m_window->mdiArea()->setActiveSubWindow(window);
    enterSymbol(QStringLiteral("bbb"));
    EXPECT_EQ(charts().size(), 1);
    EXPECT_EQ(chart->Ticker(), QStringLiteral("BBB"));
    EXPECT_EQ(chart->model().view.dayOffset, 0);
}

TEST_F(ChartInMainWindow, MenusAndToolbarActOnTheCurrentChart)
{
    enterSymbol(QStringLiteral("AAA"));
    NetChart* chart = chartAt(0);
    const MainMenus& m = m_window->menus();

    m.mnuCandle->trigger();
    EXPECT_EQ(chart->model().view.chartType, 1);
    m.mnuLineChart->trigger();
    EXPECT_EQ(chart->model().view.chartType, 2);
    m.mnuBarChart->trigger();
    EXPECT_EQ(chart->model().view.chartType, 0);

    m.mnuShowGrid->trigger();
    EXPECT_FALSE(chart->model().showGrid);
    m.mnuShowGrid->trigger();
    EXPECT_TRUE(chart->model().showGrid);

    m.mnuAddStudy->trigger();
    EXPECT_EQ(chart->model().view.studyCount, 2);
    m.mnuRemoveStudy->trigger();
    m.mnuRemoveStudy->trigger();
    EXPECT_EQ(chart->model().view.studyCount, 0);

    auto* toolBar = m_window->findChild<ToolStrip*>(QStringLiteral("mToolBar"));
    ASSERT_NE(toolBar, nullptr);
    emit toolBar->buttonClicked(5);  // "Zoom In"
    emit toolBar->buttonClicked(5);
    EXPECT_EQ(chart->model().view.barSpacing, 8);
    emit toolBar->buttonClicked(4);  // "Zoom out"
    EXPECT_EQ(chart->model().view.barSpacing, 5);
    EXPECT_EQ(charts().size(), 1);
}

TEST_F(ChartInMainWindow, NewBarChartOpensAnotherChartOfTheCurrentSymbol)
{
    enterSymbol(QStringLiteral("AAA"));
    m_window->menus().mnuNewBarChart->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(charts().size(), 2);
    NetChart* second = chartAt(1);
    EXPECT_EQ(second->Ticker(), QStringLiteral("AAA"));
    EXPECT_EQ(second->model().view.studyCount, 1);
    EXPECT_EQ(active(), second);
}

TEST_F(ChartInMainWindow, ActivatingAChartPutsItsSymbolInTheSymbolBox)
{
    enterSymbol(QStringLiteral("AAA"));
    m_window->menus().mnuNewBarChart->trigger();
    enterSymbol(QStringLiteral("BBB"));
    ASSERT_EQ(charts().size(), 2);
    ASSERT_EQ(chartAt(1)->Ticker(), QStringLiteral("BBB"));

    m_window->mdiArea()->setActiveSubWindow(charts().at(0));
    EXPECT_EQ(m_ticker->text(), QStringLiteral("AAA"));
    m_window->mdiArea()->setActiveSubWindow(charts().at(1));
    EXPECT_EQ(m_ticker->text(), QStringLiteral("BBB"));

    // A key typed on the chart starts a new symbol in the box.
    QTest::keyClick(chartAt(1)->picChart(), Qt::Key_M);
    EXPECT_EQ(m_ticker->text(), QStringLiteral("m"));
}

TEST_F(ChartInMainWindow, ResizingLoadsTheSymbolAgainButMinimisingDoesNot)
{
    enterSymbol(QStringLiteral("AAA"));
    QMdiSubWindow* window = charts().front();
    NetChart* chart = chartAt(0);
    ASSERT_EQ(chart->model().bars.size(), 10);

    // Today's bar arrives in the file.
    std::vector<DailyBar> bars;
    for (int k = 10; k >= 0; --k)
        bars.push_back(bar(AddWeekdaysJulian(20040315, -k), 10, 12, 9, 11, 100));
    writePriceFile(QStringLiteral("AAA"), bars);

    window->showMinimized();
    QCoreApplication::processEvents();
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(chart->model().bars.size(), 10);

    window->resize(window->width() + 40, window->height() + 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart->model().bars.size(), 11);
    EXPECT_EQ(chart->model().view.width, chart->picChart()->width());
    EXPECT_EQ(chart->ChartDate(), 20040315);
}
