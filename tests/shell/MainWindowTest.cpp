#include "Clock.h"
#include "Dialogs.h"
#include "MainMDI.h"
#include "ShellSettings.h"
#include "StatusStrip.h"
#include "ToolStrip.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest/QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Item {
    const char* name;
    const char* caption;
    bool checkable = false;
};

struct MenuSpec {
    const char* name;
    const char* caption;
    std::vector<Item> items;  // a submenu's items follow its own entry, indented by its name
};

// Lists a menu as "name|caption|checkable" lines, submenus inline after their entry.
void listMenu(const QMenu* menu, QStringList& out)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (QMenu* sub = a->menu()) {
            out << sub->objectName() + u'|' + sub->title() + QStringLiteral("|0");
            listMenu(sub, out);
        } else {
            out << a->objectName() + u'|' + a->text() + (a->isCheckable() ? QStringLiteral("|1") : QStringLiteral("|0"));
        }
    }
}

QStringList expectedLines(const std::vector<Item>& items)
{
    QStringList out;
    for (const Item& i : items)
        out << QString::fromLatin1(i.name) + u'|' + QString::fromUtf8(i.caption) + (i.checkable ? "|1" : "|0");
    return out;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDialogs(&m_dialogs);
        setClock(&m_clock);
        m_window = std::make_unique<MainMDI>();
    }
    void TearDown() override
    {
        m_window.reset();
        setClock(nullptr);
        setDialogs(nullptr);
    }

    ScriptedDialogs m_dialogs;
    SettableClock m_clock{QDateTime(QDate(2004, 3, 15), QTime(15, 30, 0), Qt::UTC)};
    std::unique_ptr<MainMDI> m_window;
};

} // namespace

TEST_F(MainWindow, MenuBarHoldsEveryMenuAndItemInOrder)
{
    const std::vector<MenuSpec> menus = {
        {"mnuFile", "&File ",
         {{"mnuExportCsv", "Export CSV"}, {"mnuNew", "New"}, {"mnuNewBarChart", "Bar Chart"},
          {"mnuNewDetails", "New Info Grid"}, {"mnuNewGrid", "Data Grid"}, {"mnuExit", "Exit"}}},
        {"mnuChart", "&Chart ",
         {{"mnuClearTrendLines", "Clear trendLines"}, {"mnuCursorTracking", "Cursor Tracking", true},
          {"mnuShowGrid", "Show Grid", true}, {"mnuWrenBands", "WrenBands", true}, {"mnuChartType", "ChartType"},
          {"mnuBarChart", "Bar Chart", true}, {"mnuCandle", "Candles", true}, {"mnuLineChart", "Line Chart", true},
          {"mnuCopy", "Copy"}, {"mnuChartCopy_0", "Copy to clipboard"}, {"mnuChartCopy_1", "400x267"},
          {"mnuChartCopy_2", "500x333"}, {"mnuChartCopy_3", "600x400"}, {"mnuAddStudy", "Add Study"},
          {"mnuRemoveStudy", "Remove Study"}, {"mnuChartColors", "Colors"}}},
        {"mnuView", "&View ",
         {{"mnuToolBox", "ToolBox", true}, {"mnuCandleScan", "Candle Scanner"}, {"mnuGapScan", "Gap Scanner"},
          {"mnuPortfolio", "Portfolio", true}}},
        {"mnuData", "&Data ",
         {{"mnuDeleteData", "Delete Data for curent symbol"}, {"mnuFilterSymbols", "Filter Symbols"},
          {"mnuBackTester", "BackTester"}, {"mnuBackTester5", "BackTester5"}, {"mnuOnline", "On line", true},
          {"mnuUpdateQuote", "Update Interval"}, {"mnuChartGen", "Chart Generator"},
          {"mnuNYCsavings", "New York Daylight Savings", true}}},
        {"mnuLinks", "&Links ",
         {{"mnuLinkActions_0", "Datek Login"}, {"mnuLinkActions_1", "CME Prices"},
          {"mnuLinkActions_2", "World Markets"}, {"mnuLinkActions_3", "US Stock Leaders"},
          {"mnuLinkActions_4", "Island Leaders"}, {"mnuLinkActions_5", "Symbol Lookup"},
          {"mnuLinkActions_6", "Shares Short"}, {"mnuLinkActions_7", "Earnings Today"}}},
        {"mnuWindow", "&Window ",
         {{"mnuTileVertical", "Tile Vertical"}, {"mnuTileHorizontal", "Tile Horizontal"},
          {"mnuArrangeIcons", "Arrange Icons"}}},
        {"mnuHelp", "&Help ",
         {{"mnuTarnbeckcom", "www.tarnbeck.example"}, {"mnuChatRoom", "Visit the ChatRoom"},
          {"mnuClub", "Visit the Tarnbeck Club"}, {"mnuDebug", "Debug Message's", true},
          {"mnuWinsock", "WinSock Version"}}},
    };
    const QList<QAction*> bar = m_window->menuBar()->actions();
    ASSERT_EQ(bar.size(), qsizetype(menus.size()));
    for (size_t i = 0; i < menus.size(); ++i) {
        SCOPED_TRACE(menus[i].name);
        QMenu* menu = bar[qsizetype(i)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), menus[i].name);
        EXPECT_EQ(menu->title(), menus[i].caption);
        EXPECT_EQ(m_window->findChild<QMenu*>(menus[i].name), menu);
        QStringList lines;
        listMenu(menu, lines);
        EXPECT_EQ(lines, expectedLines(menus[i].items));
    }
}

TEST_F(MainWindow, PopupMenusAreNotOnTheMenuBar)
{
    const std::vector<MenuSpec> popups = {
        {"mnuTicker", "Ticker Menu",
         {{"mnuTickerActions_0", "&Insert"}, {"mnuTickerActions_1", "&Delete"}, {"mnuTickerActions_2", "Rename"},
          {"mnuTickerActions_3", "News"}, {"mnuTickerActions_4", "Upgrades"}, {"mnuTickerActions_5", "Profile"},
          {"mnuTickerActions_6", "Insider"}, {"mnuTickerActions_7", "Messages"}, {"mnuTickerActions_8", "Island"},
          {"mnuTickerActions_9", "Intraday (delayed)"}, {"mnuTickerActions_10", "Delete Data"},
          {"mnuTickerActions_11", "Export  CSV"}}},
        {"mnuSector", "",
         {{"mnuSectorInsert", "&Add"}, {"mnuSectorDelete", "&Delete"}, {"mnuSectorRename", "Rename"},
          {"mnuScanCandles", "Scan Candles"}, {"mnuScanGaps", "Scan for Gaps"}}},
    };
    for (const MenuSpec& popup : popups) {
        SCOPED_TRACE(popup.name);
        auto* menu = m_window->findChild<QMenu*>(popup.name);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), popup.caption);
        QStringList lines;
        listMenu(menu, lines);
        EXPECT_EQ(lines, expectedLines(popup.items));
        for (QAction* a : m_window->menuBar()->actions())
            EXPECT_NE(a->menu(), menu);
    }
}

TEST_F(MainWindow, ChartTypeChecksAreMutuallyExclusive)
{
    auto* bar = m_window->findChild<QAction*>("mnuBarChart");
    auto* candle = m_window->findChild<QAction*>("mnuCandle");
    auto* line = m_window->findChild<QAction*>("mnuLineChart");
    EXPECT_TRUE(bar->isChecked());
    candle->trigger();
    EXPECT_FALSE(bar->isChecked());
    EXPECT_TRUE(candle->isChecked());
    EXPECT_FALSE(line->isChecked());
    candle->trigger();  // choosing the checked type again keeps it checked
    EXPECT_TRUE(candle->isChecked());
    line->trigger();
    EXPECT_FALSE(candle->isChecked());
    EXPECT_TRUE(line->isChecked());
}

TEST_F(MainWindow, TimersStartAsTheWindowIsCreated)
{
    struct Row {
        const char* name;
        int interval;
        bool active;
    };
    const Row rows[] = {
        {"Timer1", 0, true},       {"Timer2", 1000, true},       {"dNetTimer", 200, true},
        {"QuotesTimer", 500, false}, {"UpdateTimer", 30, false}, {"LineWait", 400, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* timer = m_window->findChild<QTimer*>(row.name);
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->parent(), m_window.get());
        EXPECT_EQ(timer->interval(), row.interval);
        EXPECT_EQ(timer->isActive(), row.active);
    }
}

TEST_F(MainWindow, DaylightSavingsCheckFollowsTodayAtStart)
{
    struct Row {
        const char* name;
        QDate today;
        bool checked;
    };
    const Row rows[] = {
        {"summer", QDate(2004, 7, 1), true},
        {"winter", QDate(2004, 1, 15), false},
        {"early April before the first Sunday", QDate(2004, 4, 2), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_clock.setUtc(QDateTime(row.today, QTime(12, 0), Qt::UTC));
        MainMDI window;
        EXPECT_EQ(window.findChild<QAction*>("mnuNYCsavings")->isChecked(), row.checked);
    }
}

TEST_F(MainWindow, StatusStripShowsConnectionsAndTheNewYorkClock)
{
    auto* strip = m_window->findChild<StatusStrip*>("mStatusBox");
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(m_window->findChild<QLabel*>("Label1")->text(), "Internet Connections :");
    auto* box0 = strip->findChild<DownloaderBox*>("dtbDownloader_0");
    auto* box1 = strip->findChild<DownloaderBox*>("dtbDownloader_1");
    ASSERT_NE(box0, nullptr);
    ASSERT_NE(box1, nullptr);
    EXPECT_EQ(strip->connectionBoxes().size(), 2);
    EXPECT_EQ(box0->color(), DownloaderBox::idleColor());
    EXPECT_EQ(box1->geometry().left(), box0->geometry().right());  // one pixel of overlap

    m_window->findChild<QAction*>("mnuNYCsavings")->setChecked(false);
    m_clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(19, 45, 30), Qt::UTC));
    QMetaObject::invokeMethod(m_window->findChild<QTimer*>("Timer2"), "timeout");
    EXPECT_EQ(strip->clockText(), "  New York Time 2:45:30 PM      ");

    m_window->resize(900, 600);
    m_window->show();
    const QImage image = strip->grab().toImage();
    const QRect clock = strip->clockRect();
    EXPECT_EQ(clock.right(), strip->width() - 1);
    const int y = strip->height() / 2;
    EXPECT_EQ(QColor(image.pixel(clock.left() - 2, y)), StatusStrip::grooveDark());
    EXPECT_EQ(QColor(image.pixel(clock.left() - 1, y)), StatusStrip::grooveLight());
}

TEST_F(MainWindow, ClockMovesInWhenTheWindowIsMaximised)
{
    auto* strip = m_window->findChild<StatusStrip*>("mStatusBox");
    strip->setWindowMaximized(false);
    const int normalRight = strip->clockRect().right();
    strip->setWindowMaximized(true);
    EXPECT_EQ(strip->clockRect().right(), normalRight - 2);
}

TEST_F(MainWindow, ToolbarButtonsHaveTipsAndImages)
{
    const char* tips[] = {"Quick view", "New Chart", "New Info Grid", "New Data Grid", "Zoom out", "Zoom In"};
    auto* toolbar = m_window->findChild<ToolStrip*>("mToolBar");
    ASSERT_NE(toolbar, nullptr);
    const auto* source = m_window->findChild<QLabel*>("picSource");
    ASSERT_NE(source, nullptr);
    const QImage strip = source->pixmap().toImage();
    ASSERT_EQ(strip.width(), ToolStrip::kButtonCount * ToolStrip::kButtonImage);
    for (int i = 0; i < ToolStrip::kButtonCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ToolStrip::tipOf(i), tips[i]);
        EXPECT_EQ(ToolStrip::buttonAt(ToolStrip::buttonRect(i).center()), i);
        int inked = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = i * ToolStrip::kButtonImage; x < (i + 1) * ToolStrip::kButtonImage; ++x)
                inked += qAlpha(strip.pixel(x, y)) > 0;
        EXPECT_GT(inked, 20) << "button image is blank";
    }
    // The zoom buttons differ by their sign.
    EXPECT_NE(strip.copy(4 * ToolStrip::kButtonImage, 0, ToolStrip::kButtonImage, ToolStrip::kButtonImage),
              strip.copy(5 * ToolStrip::kButtonImage, 0, ToolStrip::kButtonImage, ToolStrip::kButtonImage));
}

TEST_F(MainWindow, KeyboardFocusStartsInTheSymbolBox)
{
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    EXPECT_EQ(QApplication::focusWidget(), m_window->findChild<QWidget*>("mTicker"));
}

TEST_F(MainWindow, FirstActivationGoesOnLineAndShowsQuickView)
{
    auto* online = m_window->findChild<QAction*>("mnuOnline");
    auto* toolBox = m_window->findChild<QWidget*>("tbToolBox");
    EXPECT_FALSE(online->isChecked());
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    EXPECT_TRUE(online->isChecked());
    EXPECT_TRUE(shellSettings().online);
    EXPECT_TRUE(toolBox->isVisible());
    EXPECT_TRUE(m_window->findChild<QAction*>("mnuToolBox")->isChecked());
    EXPECT_EQ(m_window->findChild<QLabel*>("lblMa")->text(), "21 day moving average");
    for (const char* name : {"Label3", "tbCaption", "tbToolBar", "tbClosebtn", "sGridBox", "tGridBox", "Check1"})
        EXPECT_NE(toolBox->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(toolBox->findChild<QLabel*>("Label3")->text(), "QuickView");
    EXPECT_FALSE(m_window->findChild<QWidget*>("picPortFolio")->isVisible());
}
