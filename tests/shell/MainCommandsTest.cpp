#include "AppFolders.h"
#include "Clock.h"
#include "DailyBar.h"
#include "PriceFile.h"
#include "QuoteRecord.h"
#include "Dialogs.h"
#include "FakeChart.h"
#include "MainMDI.h"
#include "QuoteIndex.h"
#include "ShellSettings.h"
#include "StatusStrip.h"
#include "WebPage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The main window with its pop-up menus recorded instead of shown.
class TestMainMDI : public MainMDI {
public:
    QStringList popups;

protected:
    void execPopup(QMenu* menu, const QPoint&) override { popups << menu->objectName(); }
};

class MainCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDialogs(&m_dialogs);
        setClock(&m_clock);
        shellSettings() = ShellSettings{};
        setUrlOpener([this](const QUrl& url) {
            m_opened << url.toString();
            return m_openerWorks;
        });
        m_window = std::make_unique<TestMainMDI>();
        m_window->resize(900, 600);
        // Done now, before a test registers charts, so showing the window adds nothing.
        m_window->firstActivation();
    }
    void TearDown() override
    {
        m_window.reset();
        setUrlOpener(nullptr);
        setClock(nullptr);
        setDialogs(nullptr);
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    void useFakeCharts()
    {
        m_window->setChartFactory([this](QMdiArea* area) {
            ++m_chartsMade;
            return addFakeChart(area, QString(), &m_log);
        });
    }

    ScriptedDialogs m_dialogs;
    SettableClock m_clock;
    std::unique_ptr<TestMainMDI> m_window;
    QStringList m_opened;
    bool m_openerWorks = true;
    QStringList m_log;
    int m_chartsMade = 0;
};

} // namespace

TEST_F(MainCommands, UpdateIntervalAsksAndKeepsTheRule)
{
    struct Row {
        const char* answer;
        int expected;
    };
    const Row rows[] = {{"1", 3}, {"", 3}, {"7.5", 8}, {"120", 120}, {"abc", 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer);
        const int before = shellSettings().updateInterval;
        m_dialogs.clear();
        m_dialogs.queueInput(row.answer);
        action("mnuUpdateQuote")->trigger();
        ASSERT_EQ(m_dialogs.entries().size(), 1);
        const ScriptedDialogs::Entry& box = m_dialogs.entries().first();
        EXPECT_EQ(box.kind, ScriptedDialogs::Kind::Input);
        EXPECT_EQ(box.text, "Enter the number of seconds to wait between updates");
        EXPECT_EQ(box.title, "List Update Interval ( SECONDS )");
        EXPECT_EQ(shellSettings().updateInterval, *row.answer ? row.expected : before);
    }
}

TEST_F(MainCommands, SymbolBoxRightClickBeepsOnNothingAndOffersTheTickerMenu)
{
    struct Row {
        const char* text;
        bool beeps;
        const char* title;
    };
    const Row rows[] = {
        {"", true, ""}, {"   ", true, ""}, {"EMPTY", true, ""}, {" empty ", true, ""}, {"eMpTy", true, ""},
        {"msft", false, "msft"}, {" IBM ", false, "IBM"}, {"EMPTYX", false, "EMPTYX"},
    };
    auto* ticker = child<QLineEdit>("mTicker");
    auto* menu = child<QMenu>("mnuTicker");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        m_dialogs.clear();
        m_window->popups.clear();
        for (QAction* a : menu->actions())
            a->setEnabled(true);
        ticker->setText(row.text);
        QTest::mouseClick(ticker, Qt::RightButton);
        EXPECT_EQ(m_dialogs.beeps(), row.beeps ? 1 : 0);
        if (row.beeps) {
            EXPECT_TRUE(m_window->popups.isEmpty());
            continue;
        }
        EXPECT_EQ(m_window->popups, QStringList{"mnuTicker"});
        EXPECT_EQ(menu->title(), row.title);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(menu->actions()[i]->isEnabled(), i >= 3) << i;
    }
}

TEST_F(MainCommands, EnterInTheSymbolBoxNormalisesAndChartsTheSymbol)
{
    useFakeCharts();
    QSignalSpy planned(m_window.get(), &MainMDI::updateTickerRequested);
    auto* ticker = child<QLineEdit>("mTicker");
    QSignalSpy returnPressed(ticker, &QLineEdit::returnPressed);
    m_window->show();
    ticker->setFocus();
    ticker->setText("  msft ");
    QTest::keyClick(ticker, Qt::Key_Return);

    EXPECT_EQ(ticker->text(), "MSFT");
    EXPECT_EQ(ticker->selectedText(), "MSFT");
    EXPECT_EQ(returnPressed.count(), 0) << "the key is consumed";
    EXPECT_EQ(m_chartsMade, 1);
    EXPECT_EQ(m_log.mid(m_log.size() - 2), QStringList({":ResetOffset(0)", ":DrawChart(MSFT)"}));
    ASSERT_EQ(planned.count(), 1);
    EXPECT_EQ(planned.first().first().toString(), "MSFT");

    // CrMticker acts the same way on the chart that is open now.
    ticker->setText("ibm");
    m_log.clear();
    m_window->CrMticker();
    EXPECT_EQ(ticker->text(), "IBM");
    EXPECT_EQ(m_chartsMade, 1);
    EXPECT_EQ(m_log, QStringList({"MSFT:ResetOffset(0)", "MSFT:DrawChart(IBM)"}));
}

TEST_F(MainCommands, SymbolThatCannotHaveAPriceFileIsRefusedWithItsReason)
{
    useFakeCharts();
    QSignalSpy planned(m_window.get(), &MainMDI::updateTickerRequested);
    auto* ticker = child<QLineEdit>("mTicker");
    m_window->show();
    const char* typed[] = {"../etc", "a/b", "c\\d", "toolongsymbol", "9ABC"};
    for (const char* text : typed) {
        SCOPED_TRACE(text);
        m_dialogs.clear();
        ticker->setText(QString::fromLatin1(text));
        QTest::keyClick(ticker, Qt::Key_Return);
        const auto& entries = m_dialogs.entries();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].kind, ScriptedDialogs::Kind::Message);
        EXPECT_TRUE(entries[0].text.startsWith(QStringLiteral("No price file for \"")));
    }
    EXPECT_EQ(m_chartsMade, 0);
    EXPECT_EQ(planned.count(), 0);
}

TEST_F(MainCommands, FocusInSelectsTheWholeSymbol)
{
    auto* ticker = child<QLineEdit>("mTicker");
    auto* other = child<QPushButton>("cmdWrenLines");
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    ticker->setText("MSFT");
    other->setFocus();
    ticker->deselect();
    ticker->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ticker->selectedText(), "MSFT");
}

TEST_F(MainCommands, ChartCommandsWithoutAChartModuleDoNothing)
{
    for (const char* name : {"mnuClearTrendLines", "mnuCandle", "mnuAddStudy", "mnuNewBarChart", "mnuShowGrid"})
        action(name)->trigger();
    child<QPushButton>("cmdWrenLines")->click();
    EXPECT_TRUE(m_window->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(m_dialogs.entries().isEmpty());
}

TEST_F(MainCommands, ChartCommandsReachTheCurrentChart)
{
    useFakeCharts();
    struct Row {
        const char* item;
        const char* call;
    };
    const Row rows[] = {
        {"mnuClearTrendLines", "ClearTrendLines"}, {"mnuCandle", "SetChartType(1)"},
        {"mnuLineChart", "SetChartType(2)"},       {"mnuBarChart", "SetChartType(0)"},
        {"mnuShowGrid", "SetGrid(0)"},             {"mnuCursorTracking", "SetCursorTracking(1)"},
        {"mnuWrenBands", "SetWrenBands(1)"},       {"mnuAddStudy", "StudyAdd"},
        {"mnuRemoveStudy", "StudyRemove"},         {"mnuChartCopy_1", "CopyChart(400,267)"},
        {"mnuChartCopy_0", "CopyChart(0,0)"},      {"mnuChartCopy_3", "CopyChart(600,400)"},
    };
    m_window->show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        m_log.clear();
        action(row.item)->trigger();
        EXPECT_EQ(m_log, QStringList{QStringLiteral(":") + row.call});
    }
    EXPECT_EQ(m_chartsMade, 1) << "the first command made a chart, the others used it";
}

TEST_F(MainCommands, ActiveChartBecomesCurrentAndIsRestored)
{
    useFakeCharts();
    m_window->show();
    QMdiSubWindow* msft = addFakeChart(m_window->mdiArea(), "MSFT", &m_log);
    QMdiSubWindow* ibm = addFakeChart(m_window->mdiArea(), "IBM", &m_log);
    m_window->mdiArea()->setActiveSubWindow(msft);
    msft->showMinimized();
    m_window->mdiArea()->setActiveSubWindow(msft);
    action("mnuAddStudy")->trigger();
    EXPECT_EQ(m_log, QStringList{"MSFT:StudyAdd"});
    EXPECT_FALSE(msft->isMinimized());

    m_log.clear();
    m_window->mdiArea()->setActiveSubWindow(ibm);
    action("mnuClearTrendLines")->trigger();
    EXPECT_EQ(m_log, QStringList{"IBM:ClearTrendLines"});

    // A child that is no chart leaves the current chart in charge.
    m_log.clear();
    QMdiSubWindow* other = m_window->mdiArea()->addSubWindow(new QWidget);
    other->show();
    m_window->mdiArea()->setActiveSubWindow(other);
    action("mnuAddStudy")->trigger();
    EXPECT_EQ(m_log, QStringList{"IBM:StudyAdd"});

    // Once that chart is closed, a new chart takes the command instead of a stale one.
    ibm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_window->mdiArea()->setActiveSubWindow(other);
    m_log.clear();
    action("mnuAddStudy")->trigger();
    EXPECT_EQ(m_chartsMade, 1);
    EXPECT_EQ(m_log, QStringList{":StudyAdd"});
}

TEST_F(MainCommands, CopyWithoutAChartSaysSo)
{
    useFakeCharts();
    action("mnuChartCopy_2")->trigger();
    EXPECT_EQ(m_dialogs.messages(), QStringList{"no form"});
    EXPECT_EQ(m_chartsMade, 0);
}

TEST_F(MainCommands, ToolbarZoomAndMovingAverageReachTheChart)
{
    useFakeCharts();
    m_window->show();
    addFakeChart(m_window->mdiArea(), "MSFT", &m_log);
    auto* toolbar = child("mToolBar");
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, QPoint(4 * 24 + 12, 12));
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, QPoint(5 * 24 + 12, 12));
    child<QScrollBar>("HScroll1")->setValue(50);
    EXPECT_EQ(m_log, QStringList({"MSFT:SpacingSmaller", "MSFT:SpacingBigger", "MSFT:SetMA(50)"}));
    EXPECT_EQ(child<QLabel>("lblMa")->text(), "50 day moving average");
}

TEST_F(MainCommands, WrenLinesDrawsBothLinesAndWaitsBeforeTheNextPress)
{
    useFakeCharts();
    m_window->show();
    addFakeChart(m_window->mdiArea(), "MSFT", &m_log);
    auto* button = child<QPushButton>("cmdWrenLines");
    auto* lineWait = child<QTimer>("LineWait");
    button->click();
    EXPECT_EQ(m_log, QStringList({"MSFT:ClearTrendLines", "MSFT:DrawAutoLine(120,0,1)",
                                  "MSFT:DrawAutoLine(120,0,0)"}));
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(lineWait->isActive());
    m_log.clear();
    button->click();  // a disabled button takes no second press
    EXPECT_TRUE(m_log.isEmpty());
    QMetaObject::invokeMethod(lineWait, "timeout");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(lineWait->isActive());
}

TEST_F(MainCommands, UpdateBoxPutsTheDownloaderOnLine)
{
    auto* check1 = child<QCheckBox>("Check1");
    auto* updateTimer = child<QTimer>("UpdateTimer");
    check1->click();
    EXPECT_TRUE(action("mnuOnline")->isChecked());
    EXPECT_TRUE(shellSettings().online);
    EXPECT_TRUE(updateTimer->isActive());
    EXPECT_EQ(updateTimer->interval(), 300);
    check1->click();
    EXPECT_FALSE(updateTimer->isActive());
    EXPECT_TRUE(action("mnuOnline")->isChecked());
}

TEST_F(MainCommands, GoingOffLineClearsEveryOnLineMarkAndSaysWhy)
{
    QSignalSpy offLine(m_window.get(), &MainMDI::goneOffLine);
    child<QCheckBox>("Check1")->click();
    m_window->Go_OffLine("Cant open socket waited 3 seconds on Server - 10.0.0.1");

    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(action("mnuOnline")->isChecked());
    EXPECT_FALSE(shellSettings().online);
    EXPECT_FALSE(child<QTimer>("UpdateTimer")->isActive());
    EXPECT_EQ(offLine.count(), 1);
    EXPECT_EQ(m_dialogs.messages(),
              QStringList{"Going off line Server Not Responding\r\nClick Data>On line to go back on line\r\n"
                          "Cant open socket waited 3 seconds on Server - 10.0.0.1\r\n"});

    action("mnuOnline")->trigger();
    EXPECT_TRUE(shellSettings().online);
}

TEST_F(MainCommands, DebugAndDaylightChecksToggle)
{
    action("mnuDebug")->trigger();
    EXPECT_TRUE(shellSettings().debug);
    EXPECT_TRUE(action("mnuDebug")->isChecked());
    action("mnuDebug")->trigger();
    EXPECT_FALSE(shellSettings().debug);

    m_clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(15, 0, 0), Qt::UTC));
    auto* daylight = action("mnuNYCsavings");
    daylight->setChecked(false);
    m_window->showNewYorkTime();
    auto* strip = child<StatusStrip>("mStatusBox");
    EXPECT_EQ(strip->clockText(), "  New York Time 10:00:00 AM      ");
    daylight->trigger();
    EXPECT_TRUE(daylight->isChecked());
    m_window->showNewYorkTime();
    EXPECT_EQ(strip->clockText(), "  New York Time 11:00:00 AM      ");
}

TEST_F(MainCommands, WebPagesOpenAndAFailureIsReported)
{
    action("mnuLinkActions_5")->trigger();
    action("mnuTarnbeckcom")->trigger();
    ASSERT_EQ(m_opened.size(), 2);
    EXPECT_EQ(m_opened[0], "https://finance.example.com/lookup");
    EXPECT_EQ(m_opened[1], "https://www.tarnbeck.example/");
    EXPECT_TRUE(m_dialogs.entries().isEmpty());

    ASSERT_TRUE(m_window->prepareTickerMenu(" MSFT"));
    action("mnuTickerActions_3")->trigger();
    EXPECT_EQ(m_opened.last(), "https://finance.example.com/n/M/MSFT.html");

    m_openerWorks = false;
    action("mnuClub")->trigger();
    ASSERT_EQ(m_dialogs.entries().size(), 1);
    const ScriptedDialogs::Entry& e = m_dialogs.entries().first();
    EXPECT_EQ(e.text, "Web Page not Opened");
    EXPECT_EQ(e.title, "URL Failed");
    EXPECT_EQ(e.icon, MessageIcon::Exclamation);
}

TEST_F(MainCommands, BroadcastRedrawsEveryChartOfTheSymbol)
{
    m_window->show();
    addFakeChart(m_window->mdiArea(), "MSFT", &m_log);
    addFakeChart(m_window->mdiArea(), "IBM", &m_log);
    addFakeChart(m_window->mdiArea(), "MSFT", &m_log);
    QSignalSpy newData(m_window.get(), &MainMDI::newData);
    struct Row {
        int type;
        QStringList expected;
    };
    const Row rows[] = {
        {1, {"MSFT:DrawChart(MSFT)", "MSFT:DrawChart(MSFT)"}},
        {2, {"MSFT:DrawChart(MSFT)", "MSFT:DrawChart(MSFT)"}},
        {4, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        m_log.clear();
        newData.clear();
        m_window->BroadCastNewData(" MSFT ", row.type);
        EXPECT_EQ(m_log, row.expected);
        ASSERT_EQ(newData.count(), 1);
        EXPECT_EQ(newData.first().at(0).toString(), "MSFT");
        EXPECT_EQ(newData.first().at(1).toInt(), row.type);
    }
}

TEST_F(MainCommands, ToolBoxAndPortfolioPanelsToggle)
{
    m_window->show();
    auto* toolBox = child("tbToolBox");
    auto* portfolio = child("picPortFolio");
    EXPECT_FALSE(portfolio->isVisible());
    action("mnuPortfolio")->trigger();
    EXPECT_TRUE(portfolio->isVisible());
    child<QToolButton>("pfClosebtn")->click();
    EXPECT_FALSE(portfolio->isVisible());
    EXPECT_FALSE(action("mnuPortfolio")->isChecked());

    const bool shown = toolBox->isVisible();
    QTest::mouseClick(child("mToolBar"), Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(toolBox->isVisible(), !shown);
    EXPECT_EQ(action("mnuToolBox")->isChecked(), !shown);
    action("mnuToolBox")->trigger();
    EXPECT_EQ(toolBox->isVisible(), shown);
    if (toolBox->isVisible()) {
        child<QToolButton>("tbClosebtn")->click();
        EXPECT_FALSE(toolBox->isVisible());
        EXPECT_FALSE(action("mnuToolBox")->isChecked());
    }
}

TEST_F(MainCommands, TileVerticalPutsChildrenSideBySide)
{
    m_window->show();
    QList<QMdiSubWindow*> windows;
    for (int i = 0; i < 3; ++i) {
        windows << m_window->mdiArea()->addSubWindow(new QWidget);
        windows.last()->show();
    }
    action("mnuTileVertical")->trigger();
    const QRect area = m_window->mdiArea()->viewport()->rect();
    int left = 0;
    for (QMdiSubWindow* w : windows) {
        EXPECT_EQ(w->geometry().left(), left);
        EXPECT_EQ(w->geometry().height(), area.height());
        left = w->geometry().right() + 1;
    }
    EXPECT_EQ(left, area.width());

    action("mnuTileHorizontal")->trigger();
    for (QMdiSubWindow* w : windows)
        EXPECT_EQ(w->geometry().width(), area.width());
}

TEST_F(MainCommands, ShutDownClosesWindowsConnectionsAndTheIndex)
{
    QTemporaryDir dir;
    ASSERT_TRUE(openQuoteIndexAt(dir.filePath("Index4.dat")));
    m_window->show();
    QPointer<QMdiSubWindow> chart = addFakeChart(m_window->mdiArea(), "MSFT", &m_log);
    QPointer<QMdiSubWindow> toolbox = m_window->mdiArea()->addSubWindow(new QWidget);
    toolbox->setProperty(kTagProperty, QString::fromLatin1(kToolboxTag));
    toolbox->show();
    QSignalSpy connections(m_window.get(), &MainMDI::closingConnections);
    QSignalSpy finished(m_window.get(), &MainMDI::shutDownFinished);
    child<QTimer>("QuotesTimer")->start();

    action("mnuExit")->trigger();

    EXPECT_FALSE(child<QTimer>("QuotesTimer")->isActive());
    EXPECT_TRUE(chart.isNull() || chart->isHidden());
    ASSERT_FALSE(toolbox.isNull());
    EXPECT_FALSE(toolbox->isHidden()) << "a tool-box window is left open";
    EXPECT_EQ(connections.count(), 1);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(quoteIndex().isOpen());
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(MainCommands, DeleteDataRemovesThePriceFileAndForgetsTheHistory)
{
    QTemporaryDir dir;
    const AppFolders saved = appFolders();
    setAppFolders(foldersUnder(dir.path()));
    ASSERT_TRUE(QDir().mkpath(appFolders().data));
    ASSERT_TRUE(openQuoteIndexAt(appFolders().data + QStringLiteral("Index4.dat")));
    const DailyBar bar{20040315, 10.f, 11.f, 9.f, 10.5f, 1000.f, 1};
    ASSERT_TRUE(StoreHistory(QStringLiteral("MSFT"), {bar}));
    QuoteRecord summary;
    EmptyQuote(summary);
    summary.Ticker = QStringLiteral("MSFT");
    summary.HistoryCount = 1;
    ASSERT_TRUE(StoreQuote(summary, 2));
    const QString file = PriceFileName(QStringLiteral("MSFT"));
    ASSERT_TRUE(QFile::exists(file));
    QSignalSpy newData(m_window.get(), &MainMDI::newData);

    child<QLineEdit>("mTicker")->setText(QStringLiteral(" msft "));
    action("mnuDeleteData")->trigger();

    EXPECT_FALSE(QFile::exists(file));
    QString ticker = QStringLiteral("MSFT");
    EXPECT_EQ(ReadQuote(FindQuote(ticker)).HistoryCount, 0);
    ASSERT_EQ(newData.count(), 1);
    EXPECT_EQ(newData.front().at(0).toString(), QStringLiteral("MSFT"));

    CloseQuoteIndex();
    setAppFolders(saved);
}
