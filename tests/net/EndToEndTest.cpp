#include "DownloaderLink.h"
#include "DownloaderTestSupport.h"
#include "NetTestSupport.h"
#include "ScriptedServer.h"

#include "Dates.h"
#include "MainMDI.h"
#include "NetChart.h"
#include "PriceFile.h"
#include "QuoteIndex.h"
#include "QuoteService.h"
#include "Replay.h"
#include "ShellSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Wednesday 3 March 2010, 18:00 UTC: 13:00 in New York, the market is open.
const QDateTime kNow(QDate(2010, 3, 3), QTime(18, 0), Qt::UTC);
constexpr int kFixtureDays = 200;

// A market-data folder of one symbol, ABCD, with kFixtureDays weekdays of history.
void writeMarketFolder(const QString& dir)
{
    QDir().mkpath(dir);
    QFile prices(dir + "/ABCD.csv");
    ASSERT_TRUE(prices.open(QIODevice::WriteOnly));
    QByteArray text = "Date,Open,High,Low,Close,Volume,Adj Close\n";
    QDate day(2009, 5, 1);
    for (int i = 0; i < kFixtureDays; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        const double open = 10 + 0.1 * i;
        text += day.toString("yyyy-MM-dd").toLatin1() + ',' + QByteArray::number(open, 'f', 2) + ','
            + QByteArray::number(open + 1, 'f', 2) + ',' + QByteArray::number(open - 1, 'f', 2) + ','
            + QByteArray::number(open + 0.5, 'f', 2) + ',' + QByteArray::number(100000 + i) + ','
            + QByteArray::number(open + 0.5, 'f', 2) + '\n';
        ++i;
    }
    prices.write(text);
    QFile listings(dir + "/symbols.csv");
    ASSERT_TRUE(listings.open(QIODevice::WriteOnly));
    listings.write("Symbol,Name,Exchange,MarketCapMillions\nABCD,Abcd Holdings Inc,NasdaqNM,1234.5\n");
}

// The program's main window and downloader over a fresh data root, talking to the
// quote service on 127.0.0.1.
class EndToEnd : public testing::Test {
protected:
    EndToEnd() : root(kNow)
    {
        shellSettings() = ShellSettings{};
        writeMarketFolder(root.root() + "market");
        QuoteServiceOptions options;
        options.replay = true;
        options.log = [](const QString&) {};
        service = std::make_unique<QuoteService>(options);
        EXPECT_TRUE(service->load(root.root() + "market"));
        EXPECT_TRUE(service->listen());
        const QString host = QString("127.0.0.1:%1").arg(service->port());

        main.setChartFactory(netChartFactory());
        main.resize(1000, 700);
        main.show();
        main.firstActivation();
        link = std::make_unique<DownloaderLink>(main, ServiceEndpoints{host, host, host});
        ticker = main.findChild<QLineEdit*>("mTicker");
    }
    ~EndToEnd() override
    {
        link.reset();
        shellSettings() = ShellSettings{};
    }

    void type(const QString& symbol)
    {
        ticker->clear();
        QTest::keyClicks(ticker, symbol);
        QTest::keyClick(ticker, Qt::Key_Return);
    }
    Downloader& downloader() { return link->downloader(); }
    bool quiet() { return downloader().requests().used() == 0 && downloader().connections().IdleSlotPercent() == 100; }
    // Lets the timers run until `done` holds.
    bool runUntil(const std::function<bool()>& done, int ms = 30000) { return QTest::qWaitFor(done, ms); }
    QuoteRecord record(QString symbol) { return ReadQuote(FindQuote(symbol)); }

    TempDataRoot root;
    std::unique_ptr<QuoteService> service;
    MainMDI main;
    std::unique_ptr<DownloaderLink> link;
    QLineEdit* ticker = nullptr;
};

TEST_F(EndToEnd, TypedSymbolIsLoadedChartedAndQuoted)
{
    QSignalSpy broadcasts(&main, &MainMDI::newData);
    type("abcd");
    EXPECT_EQ(ticker->text(), "ABCD");
    auto* chart = main.findChild<NetChart*>();
    ASSERT_NE(chart, nullptr) << "Enter opened a chart";
    EXPECT_TRUE(chart->model().bars.isEmpty());

    ASSERT_TRUE(runUntil([&] { return broadcasts.size() >= 2 && quiet(); }));

    // The service replays the data: it serves the rows that fall before today.
    const SymbolHistory* served = service->market().find("ABCD");
    ASSERT_NE(served, nullptr);
    const ReplayPlan plan = planReplay(served->rows, kNow.date());
    ASSERT_GT(plan.historyEnd, 60);

    QVector<DailyBar> bars;
    ASSERT_EQ(LoadBars("ABCD", bars).status, BarLoad::Status::Loaded);
    int finals = 0;
    for (const DailyBar& b : bars)
        finals += b.Status == BarStatus::Final;
    EXPECT_EQ(finals, plan.historyEnd) << "the history and its back-fill in three-month blocks";
    EXPECT_EQ(bars.first().Date, 20100303);
    EXPECT_EQ(bars.first().Status, BarStatus::Provisional) << "today's bar comes from the quote";
    EXPECT_EQ(bars[1].Status, BarStatus::Final);
    EXPECT_NEAR(bars[1].Close, served->rows[plan.historyEnd - 1].close, 1e-4) << "the last day served";
    EXPECT_EQ(bars[1].Date, 20100302);
    EXPECT_GE(GetFirstDate("ABCD"), 20090101);

    const QuoteRecord q = record("ABCD");
    EXPECT_EQ(q.CompanyName, "Abcd Holdings Inc");
    EXPECT_EQ(q.Exchange, "NasdaqNM");
    EXPECT_GT(q.DetailsUpdated, 0);
    EXPECT_GT(q.LastPrice, 0);

    EXPECT_EQ(chart->model().bars.size(), bars.size()) << "the chart was redrawn with the new data";
    EXPECT_EQ(chart->ChartDate(), 20100303);
    EXPECT_FALSE(downloader().UpdateTicker("ABCD")) << "nothing more is due";

    // Two minutes later a click in the symbol box brings a fresh quote.
    root.clock().advanceSeconds(120);
    const double quotedBefore = q.QuoteUpdated;
    QTest::mouseClick(ticker, Qt::LeftButton);
    ASSERT_TRUE(runUntil([&] { return record("ABCD").QuoteUpdated > quotedBefore && quiet(); }));
    const QuoteRecord later = record("ABCD");
    ASSERT_EQ(LoadBars("ABCD", bars).status, BarLoad::Status::Loaded);
    EXPECT_EQ(bars.first().Date, 20100303);
    EXPECT_EQ(bars.first().Status, BarStatus::Provisional);
    EXPECT_EQ(bars.first().Close, later.LastPrice);
    EXPECT_TRUE(root.dialogs().messages().isEmpty()) << root.dialogs().messages().join("|").toStdString();
}

TEST_F(EndToEnd, StoppedServiceTakesTheProgramOffLine)
{
    service->close();
    service.reset();
    main.findChild<QCheckBox*>("Check1")->click();
    ASSERT_TRUE(main.findChild<QCheckBox*>("Check1")->isChecked());
    type("ABCD");
    ASSERT_TRUE(runUntil([&] { return !root.dialogs().messages().isEmpty(); }));
    EXPECT_EQ(root.dialogs().messages().first(),
              "Going off line Server Not Responding\r\nClick Data>On line to go back on line\r\n"
              "Cant open socket waited 0 seconds on Server - 127.0.0.1\r\n");
    EXPECT_EQ(downloader().requests().used(), 0) << "the queue was emptied";
    EXPECT_FALSE(main.menus().mnuOnline->isChecked());
    EXPECT_FALSE(main.findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_EQ(downloader().connections().openSockets(), 0);

    type("ORCL");
    EXPECT_EQ(downloader().requests().used(), 0) << "off line, nothing is queued";
    main.menus().mnuOnline->trigger();
    type("ORCL");
    EXPECT_EQ(downloader().requests().used(), 2) << "back on line";
}

TEST_F(EndToEnd, SymbolTheServiceDoesNotKnow)
{
    type("ZZZZ");
    ASSERT_TRUE(runUntil([&] { return quiet(); }));
    QTest::qWait(500);
    ASSERT_TRUE(runUntil([&] { return quiet(); }));
    EXPECT_TRUE(PriceFileName(QString("ZZZZ")).isEmpty());
    QString unknown = "ZZZZ";
    EXPECT_EQ(FindQuote(unknown), 0);
    EXPECT_TRUE(main.menus().mnuOnline->isChecked());
    EXPECT_TRUE(root.dialogs().messages().isEmpty());
}

// A history reply that ends in the middle of a line stores only the whole lines.
TEST_F(EndToEnd, ReplyCutInTheMiddle)
{
    ScriptedServer cutter;
    const QString body = historyBody(QDate(2009, 12, 3), QDate(2010, 3, 2));
    const QByteArray whole = httpReply(body);
    const QByteArray cut = whole.left(whole.indexOf("\n15-Jan-10") + 14);   // "15-Jan-10,20.4"
    cutter.setAnswer([&](const QByteArray& request) {
        return request.startsWith("GET /table.csv") ? cut : QByteArray("HTTP/1.0 200 OK\r\n\r\n\"X\",N/A\r\n");
    });
    downloader().setEndpoints({cutter.host(), cutter.host(), cutter.host()});
    main.findChild<QTimer*>("dNetTimer")->stop();
    downloader().AddRequest([] {
        DownloadRequest r;
        r.Type = RequestType::History;
        r.Ticker = "CUT";
        r.Date = 20100303;
        return r;
    }());
    main.findChild<QTimer*>("dNetTimer")->start();
    ASSERT_TRUE(runUntil([&] { return GetFirstDate("CUT") != 0 && quiet(); }));
    QVector<DailyBar> bars;
    ASSERT_EQ(LoadBars("CUT", bars).status, BarLoad::Status::Loaded);
    EXPECT_EQ(bars.last().Date, 20100118) << "15 January was cut: the oldest whole day is the 18th";
    EXPECT_EQ(bars.first().Date, 20100302);
    for (const DailyBar& b : bars)
        EXPECT_EQ(b.Status, BarStatus::Final);
    QString cutSymbol = "CUT";
    EXPECT_GT(record(cutSymbol).NoDataStamp, 0)
        << "the back-fill got the same days again, not the block it asked for, and stopped";
}

TEST_F(EndToEnd, ServerThatNeverClosesIsDroppedAfterRetries)
{
    ScriptedServer silent;
    silent.setMode(ScriptedServer::Mode::Silent);
    downloader().setEndpoints({silent.host(), silent.host(), silent.host()});
    // Connections made so far; the clock moves on only while the server has seen the
    // request of each of them, so that no fetch times out before it was sent.
    int connections = 0;
    QObject counter;
    QObject::connect(&downloader().connections(), &ConnSlots::slotStatusChanged, &counter,
                     [&](int, int status) { connections += status == SlotStatus::Fetching; });
    type("ABCD");
    // Each fetch waits for the 20-second limit, then 2 seconds in the error state.
    ASSERT_TRUE(runUntil([&] {
        if (silent.requests().size() == connections)
            root.clock().advanceSeconds(3);
        return quiet();
    }, 60000));
    EXPECT_EQ(silent.requests().size(), 10) << "history and details, five fetches each";
    EXPECT_TRUE(main.menus().mnuOnline->isChecked()) << "the connections were made: not off line";
    EXPECT_EQ(downloader().connections().openSockets(), 0);
}

} // namespace
