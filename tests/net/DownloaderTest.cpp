#include "Downloader.h"
#include "DownloaderTestSupport.h"
#include "NetTestSupport.h"
#include "ScriptedServer.h"

#include "Dates.h"
#include "PriceFile.h"
#include "QuoteIndex.h"
#include "RecordFile.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// Wednesday 3 March 2010, 18:00, local time equal to UTC.
const QDateTime kNow(QDate(2010, 3, 3), QTime(18, 0), Qt::UTC);

DownloadRequest req(qint16 type, const QString& ticker, qint32 date = 0)
{
    DownloadRequest r;
    r.Type = type;
    r.Ticker = ticker;
    r.Date = date;
    return r;
}

// A downloader over a fresh data root, its hosts all pointing at one scripted server.
class DownloaderTest : public testing::Test {
protected:
    DownloaderTest() : root(kNow), downloader(shell)
    {
        shell.downloader = &downloader;
        downloader.setEndpoints({server.host(), server.host(), server.host()});
        setDownloader(&downloader);
    }
    ~DownloaderTest() override { setDownloader(nullptr); }

    // The requests in the table that are not free, as "type ticker date".
    QStringList table() const
    {
        QStringList out;
        for (int i = 0; i < RequestQueue::kSize; ++i) {
            const DownloadRequest& r = downloader.requests().at(i);
            if (r.Status != RequestStatus::Free)
                out << QString("%1 %2 %3").arg(r.Type).arg(r.Ticker).arg(r.Date);
        }
        return out;
    }
    // Ticks like dNetTimer until `done` holds.
    bool pumpUntil(const std::function<bool()>& done)
    {
        return QTest::qWaitFor([&] {
            downloader.tick();
            return done();
        }, 15000);
    }
    bool idle() const { return downloader.connections().IdleSlotPercent() == 100; }

    TempDataRoot root;
    ScriptedServer server;
    FakeShell shell;
    Downloader downloader;
};

TEST_F(DownloaderTest, NothingIsQueuedOffLineAndAFullTableIsToldInDebug)
{
    shell.m_online = false;
    downloader.AddRequest(req(RequestType::Quote, "MSFT"));
    EXPECT_EQ(downloader.requests().used(), 0);

    shell.m_online = true;
    for (int i = 0; i < RequestQueue::kSize; ++i)
        downloader.AddRequest(req(RequestType::Quote, QString("S%1").arg(i)));
    downloader.requests().at(0).Status = RequestStatus::Started;
    downloader.AddRequest(req(RequestType::Quote, "LATE"));
    EXPECT_TRUE(root.dialogs().messages().isEmpty());
    shell.m_debug = true;
    downloader.AddRequest(req(RequestType::Quote, "LATE"));
    EXPECT_EQ(root.dialogs().messages(), QStringList{"Request not added, is already in progress"});
}

TEST_F(DownloaderTest, NewSymbolGetsHistoryThenDetails)
{
    EXPECT_TRUE(UpdateTicker(" orcl "));
    EXPECT_EQ(table(), (QStringList{"2 ORCL 20100303", "4 ORCL 0"}));

    for (const char* t : {"", " empty", "EMPTY", "../X", "A/B", "TOOLONGSYMBOL"}) {
        SCOPED_TRACE(t);
        EXPECT_FALSE(UpdateTicker(t));
    }
    EXPECT_EQ(downloader.requests().used(), 2);
}

// The state of a known symbol decides what the planner asks for.
TEST_F(DownloaderTest, PlannerForKnownSymbols)
{
    struct Row {
        const char* name;
        QDateTime historyUpdated;    // invalid: never
        int historyLast;
        int quoteAgeSeconds;
        QDateTime noData;            // invalid: never
        int firstDate;               // 0: no price file
        bool result;
        QStringList queued;
        bool fileKept;
    };
    const QDateTime today9 = kNow.addSecs(-9 * 3600);
    const Row rows[] = {
        {"fresh history and quote", today9, 20100302, 59, {}, 20081231, false, {}, true},
        {"quote due", today9, 20100302, 60, {}, 20081231, false, {"1 ORCL 0"}, true},
        {"back-fill", today9, 20100302, 59, {}, 20090102, true, {"2 ORCL 20090101"}, true},
        {"no data today stops the back-fill", today9, 20100302, 59, today9, 20090102, false, {}, true},
        {"history three weekdays old", kNow.addDays(-5), 20100226, 59, {}, 20081231, true, {"2 ORCL 20100519"}, true},
        {"history 21 weekdays old starts again", kNow.addDays(-29), 20100129, 59, {}, 20090102, true,
         {"2 ORCL 20100527"}, false},
        {"never downloaded", {}, 0, 59, {}, 0, true, {"2 ORCL 20100527"}, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        downloader.ClearRequests();
        TempDataRoot fresh(kNow.addSecs(-r.quoteAgeSeconds));
        QuoteRecord q;
        EmptyQuote(q);
        q.Ticker = "ORCL";
        q.QuoteUpdated = toDateSerial(kNow.addSecs(-r.quoteAgeSeconds));
        ASSERT_TRUE(StoreQuote(q, 1));
        q.HistoricalUpdated = r.historyUpdated.isValid() ? toDateSerial(r.historyUpdated) : 0;
        q.HistoryLast = r.historyLast;
        ASSERT_TRUE(StoreQuote(q, 2));
        if (r.noData.isValid()) {
            fresh.clock().setUtc(r.noData);
            ASSERT_TRUE(MarkNoData("ORCL"));
        }
        if (r.firstDate != 0) {
            DailyBar b;
            b.Date = r.firstDate;
            b.Close = 1;
            ASSERT_TRUE(StoreHistory("ORCL", {b}));
        }
        fresh.clock().setUtc(kNow);

        EXPECT_EQ(downloader.UpdateTicker("ORCL"), r.result);
        EXPECT_EQ(table(), r.queued);
        EXPECT_EQ(!PriceFileName(QString("ORCL")).isEmpty(), r.fileKept && r.firstDate != 0);
        if (!r.fileKept) {
            QString t = "ORCL";
            EXPECT_EQ(ReadQuote(FindQuote(t)).HistoricalUpdated, 0) << "the record was reset";
        }
    }
}

// A new symbol through to the end of its back-fill, against a service that has its
// history from 1 June 2009 to yesterday.
TEST_F(DownloaderTest, NewSymbolIsLoadedAndBackFilled)
{
    MiniService service{"ORCL", QDate(2009, 6, 1), QDate(2010, 3, 2),
                        R"("ORCL","3/3/2010","1:15pm",24.50,24.90,24.10,24.80,20000000,+0.30,"+1.22%",N/A,N/A,N/A,N/A,N/A,N/A)",
                        R"("ORCL","3/3/2010","1:00pm",24.50,24.90,24.10,24.70,19000000,+0.20,"+0.82%","ORACLE CORP",)"
                        R"(5,020,000,000,"NasdaqNM",25.35,13.80,36000000,123.9B,N/A,N/A,N/A,N/A,"N/A","N/A",N/A)"};
    server.setAnswer([&service](const QByteArray& request) { return service.answer(request); });
    ASSERT_TRUE(UpdateTicker("ORCL"));
    EXPECT_EQ(table(), (QStringList{"2 ORCL 20100303", "4 ORCL 0"}));
    ASSERT_TRUE(pumpUntil([&] { return downloader.requests().used() == 0 && idle(); }));

    EXPECT_TRUE(shell.broadcasts.contains(qMakePair(QString("ORCL"), 2)));
    EXPECT_TRUE(shell.broadcasts.contains(qMakePair(QString("ORCL"), 4)));
    EXPECT_TRUE(server.requests().value(0).startsWith("GET /table.csv?a=11&b=03&c=2009&d=2&e=03&f=2010&s=ORCL&"));
    EXPECT_EQ(GetFirstDate("ORCL"), 20090601);
    QVector<DailyBar> bars;
    ASSERT_EQ(LoadBars("ORCL", bars).status, BarLoad::Status::Loaded);
    EXPECT_EQ(bars.size(), WeekdaysBetween(toDateSerial(QDate(2009, 6, 1)), toDateSerial(QDate(2010, 3, 3))) + 1);
    EXPECT_EQ(bars.first().Date, 20100303);
    EXPECT_EQ(bars.first().Status, BarStatus::Provisional) << "today's bar comes from a quote";
    for (int i = 1; i < bars.size(); ++i) {
        ASSERT_EQ(bars[i].Status, BarStatus::Final) << i;
        ASSERT_EQ(bars[i].Date, AddWeekdaysJulian(20100303, -i)) << "no gaps between the blocks";
    }

    QString t = "ORCL";
    const QuoteRecord q = ReadQuote(FindQuote(t));
    EXPECT_EQ(q.CompanyName, "Oracle Corp");
    EXPECT_EQ(q.Exchange, "NasdaqNM");
    EXPECT_EQ(q.SharesOutStanding, 5020000000.0f);
    EXPECT_GT(q.NoDataStamp, 0) << "the back-fill ended on the service's no-prices answer";
    EXPECT_EQ(downloader.UpdateTicker("ORCL"), false) << "nothing more is due today";
}

TEST_F(DownloaderTest, QuoteStoresAProvisionalBar)
{
    DailyBar b;
    b.Date = 20100302;
    b.Close = 20;
    ASSERT_TRUE(StoreHistory("MSFT", {b}));
    server.setAnswer(httpReply(R"("MSFT","3/3/2010","1:15pm",28.5,28.9,28.1,28.7,1000,+0.2,"+0.7%",N/A,N/A,N/A,N/A,N/A,N/A)"
                               "\r\n"));
    downloader.AddRequest(req(RequestType::Quote, "MSFT"));
    ASSERT_TRUE(pumpUntil([&] { return !shell.broadcasts.isEmpty() && idle(); }));
    EXPECT_EQ(shell.broadcasts.first(), qMakePair(QString("MSFT"), 1));
    QVector<DailyBar> bars;
    ASSERT_EQ(LoadBars("MSFT", bars).status, BarLoad::Status::Loaded);
    ASSERT_EQ(bars.size(), 2);
    EXPECT_EQ(bars[0].Date, 20100303);
    EXPECT_EQ(bars[0].Close, 28.7f);
    EXPECT_EQ(bars[0].Status, BarStatus::Provisional);
    QString t = "MSFT";
    EXPECT_DOUBLE_EQ(ReadQuote(FindQuote(t)).QuoteUpdated, toDateSerial(kNow.date(), kNow.time()));
}

TEST_F(DownloaderTest, UnknownSymbolIsMarkedQuoted)
{
    QuoteRecord q;
    EmptyQuote(q);
    q.Ticker = "ZZZZ";
    root.clock().setUtc(kNow.addDays(-1));
    ASSERT_TRUE(StoreQuote(q, 1));
    root.clock().setUtc(kNow);
    server.setAnswer(httpReply("\"ZZZZ\",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A\r\n"));
    downloader.AddRequest(req(RequestType::Quote, "ZZZZ"));
    ASSERT_TRUE(pumpUntil([&] { return server.requests().size() == 1 && idle(); }));
    QString t = "ZZZZ";
    EXPECT_DOUBLE_EQ(ReadQuote(FindQuote(t)).QuoteUpdated, toDateSerial(kNow.date(), kNow.time()));
    EXPECT_TRUE(shell.broadcasts.isEmpty());
    EXPECT_EQ(downloader.requests().used(), 0);
}

TEST_F(DownloaderTest, UnusableReplyIsKeptInFailedTxt)
{
    struct Row {
        const char* name;
        qint16 type;
        QByteArray answer;
        QByteArray kept;
    };
    const QByteArray junk = "HTTP/1.0 500 Oops\r\n\r\n" + QByteArray(150, '#');
    const QByteArray empty = httpReply("Date,Open,High,Low,Close,Volume,Adj Close\n");
    const Row rows[] = {
        {"no table", RequestType::History, junk, junk + "\r\n"},
        {"a table without rows", RequestType::History, empty, empty + "\r\n"},
    };
    shell.m_debug = true;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        root.dialogs().clear();
        server.setAnswer(r.answer);
        downloader.AddRequest(req(r.type, "MSFT", 20100303));
        ASSERT_TRUE(pumpUntil([&] { return root.exists("Database/failed.txt") && idle(); }));
        EXPECT_EQ(root.read("Database/failed.txt"), r.kept);
        QFile::remove(root.folders().data + "failed.txt");
        EXPECT_EQ(downloader.requests().used(), 0) << "the request is dropped";
    }
    EXPECT_TRUE(root.dialogs().messages().contains("Downloader reply tReply%0 Requests(tReqN%)2"))
        << root.dialogs().messages().join("|").toStdString();
}

// Replies that bring nothing to store: what each tells the user with debug on, what it
// stamps, and whether the request is fetched again.
TEST_F(DownloaderTest, RepliesWithoutData)
{
    const QString filler = "<html><body>" + QString(120, ' ') + "</body></html>";
    struct Row {
        const char* name;
        qint16 type;
        QByteArray answer;
        const char* message;   // shown with debug on, "" for none
        bool noDataStamp;
        int fetches;
    };
    const Row rows[] = {
        {"no prices in the range", RequestType::History,
         httpReply(filler + "No Prices in this date range for MSFT."), "No Prices in this date range", true, 1},
        {"no data for the symbol", RequestType::History, httpReply(filler + "No data available for MSFT"),
         "No Quote/Details Found or no Historical Data", true, 1},
        {"history reply too short", RequestType::History, httpReply("Date,Close\n"),
         "No Quote/Details Found or no Historical Data", false, 1},
        {"details of an unknown symbol", RequestType::Details,
         httpReply(R"("MSFT",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,"N/A",N/A,"N/A",N/A)"),
         "No Quote/Details Found or no Historical Data", false, 1},
        {"quote without a trade date", RequestType::Quote, httpReply(R"("MSFT","soon","4:00pm",1,2,3,4,5,6,7)"), "",
         false, 5},
        {"details without a trade date", RequestType::Details, httpReply(R"("MSFT","-","4:00pm",1,2,3,4,5,6,7)"), "",
         false, 5},
    };
    shell.m_debug = true;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QuoteRecord q;
        EmptyQuote(q);
        q.Ticker = "MSFT";
        root.clock().setUtc(kNow.addDays(-7));
        ASSERT_TRUE(StoreQuote(q, RequestType::Details));
        ResetQuote("MSFT");
        root.clock().setUtc(kNow);
        root.dialogs().clear();
        const qsizetype fetchedBefore = server.requests().size();
        server.setAnswer(r.answer);

        downloader.AddRequest(req(r.type, "MSFT", 20100303));
        ASSERT_TRUE(pumpUntil([&] { return downloader.requests().used() == 0 && idle(); }));
        EXPECT_EQ(server.requests().size() - fetchedBefore, r.fetches);
        EXPECT_EQ(root.dialogs().messages(), *r.message ? QStringList{r.message} : QStringList{});
        QString t = "MSFT";
        EXPECT_EQ(ReadQuote(FindQuote(t)).NoDataStamp > 0, r.noDataStamp);
        EXPECT_TRUE(shell.broadcasts.isEmpty());
        EXPECT_FALSE(root.exists("Database/failed.txt"));
    }
}

TEST_F(DownloaderTest, ServerThatNeverClosesIsRetriedFourTimesThenDropped)
{
    server.setMode(ScriptedServer::Mode::Silent);
    downloader.AddRequest(req(RequestType::Quote, "MSFT"));
    QList<int> retries;
    for (int fetch = 1; fetch <= 5; ++fetch) {
        ASSERT_TRUE(pumpUntil([&] { return server.requests().size() == fetch; }));
        root.clock().advanceSeconds(21);
        downloader.tick();
        root.clock().advanceSeconds(3);
        downloader.tick();   // "Failed": queued again or dropped
        for (int i = 0; i < RequestQueue::kSize; ++i) {
            if (downloader.requests().at(i).Status != RequestStatus::Free)
                retries << downloader.requests().at(i).Retries;
        }
    }
    EXPECT_EQ(retries, (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(downloader.requests().used(), 0);
    QTest::qWait(50);
    downloader.tick();
    EXPECT_EQ(server.requests().size(), 5);
    EXPECT_TRUE(shell.offLine.isEmpty());
    EXPECT_EQ(downloader.connections().openSockets(), 0);
}

TEST_F(DownloaderTest, RetryAnswerIsQueuedAgainLikeAFailedFetch)
{
    server.setAnswer(httpReply("<html><body>The requested URL was not found on this server.</body></html>\n"));
    downloader.AddRequest(req(RequestType::History, "ZZZZ", 20100303));
    ASSERT_TRUE(pumpUntil([&] { return server.requests().size() == 5 && downloader.requests().used() == 0 && idle(); }));
    QTest::qWait(100);
    downloader.tick();
    EXPECT_EQ(server.requests().size(), 5);
    EXPECT_TRUE(shell.broadcasts.isEmpty());
}

TEST_F(DownloaderTest, ReplyOfAClearedRequestOnlyFreesTheSlot)
{
    server.setAnswer(httpReply(historyBody(QDate(2009, 12, 3), QDate(2010, 3, 2))));
    downloader.AddRequest(req(RequestType::History, "ORCL", 20100303));
    downloader.StartNextRequest();
    downloader.ClearRequests();
    ASSERT_TRUE(pumpUntil([&] { return server.requests().size() == 1 && idle(); }));
    EXPECT_EQ(GetFirstDate("ORCL"), 0);
    EXPECT_TRUE(shell.broadcasts.isEmpty());
}

// A reply belongs to the request it was fetched for, even when that request was
// cancelled and its entry given to another one meanwhile.
TEST_F(DownloaderTest, ReplyNeverReachesALaterRequestInTheSameEntry)
{
    server.setAnswer(httpReply(historyBody(QDate(2009, 12, 3), QDate(2010, 3, 2))));
    downloader.AddRequest(req(RequestType::History, "ORCL", 20100303));
    for (int i = 1; i < RequestQueue::kSize; ++i) {
        downloader.AddRequest(req(RequestType::Quote, QString("S%1").arg(i)));
        downloader.requests().at(i).Status = RequestStatus::Free;
    }
    ASSERT_EQ(downloader.requests().nextReq(), 0);
    downloader.StartNextRequest();
    downloader.CancelRequestsFor("ORCL");
    downloader.AddRequest(req(RequestType::History, "MSFT", 20100303));
    ASSERT_EQ(downloader.requests().at(0).Ticker, "MSFT");

    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1 && idle(); }, 15000));
    EXPECT_EQ(GetFirstDate("MSFT"), 0) << "ORCL's bars must not land in MSFT's file";
    EXPECT_EQ(GetFirstDate("ORCL"), 0);
    EXPECT_EQ(downloader.requests().at(0).Status, RequestStatus::Queued);
}

// When the planner writes its next request into the entry whose reply is being handled,
// that request survives.
TEST_F(DownloaderTest, PlannerMayReuseTheEntryOfTheReplyItFollows)
{
    server.setAnswer([](const QByteArray& request) {
        return request.startsWith("GET /table.csv") ? httpReply(historyBody(QDate(2009, 12, 3), QDate(2010, 3, 2)))
                                                    : QByteArray();
    });
    downloader.AddRequest(req(RequestType::History, "ORCL", 20100303));
    for (int i = 1; i < RequestQueue::kSize; ++i) {
        downloader.AddRequest(req(RequestType::Quote, QString("S%1").arg(i)));
        downloader.requests().at(i).Status = RequestStatus::Free;
    }
    downloader.StartNextRequest();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shell.broadcasts.isEmpty() && idle(); }, 15000));
    EXPECT_EQ(table(), (QStringList{"1 ORCL 0", "2 ORCL 20091202"}));
}

TEST_F(DownloaderTest, FailedConnectGoesOffLineAndEmptiesTheTable)
{
    const QString dead = QString("127.0.0.1:%1").arg(closedPort());
    downloader.setEndpoints({dead, dead, dead});
    UpdateTicker("ORCL");
    downloader.AddRequest(req(RequestType::Quote, "MSFT"));
    ASSERT_TRUE(pumpUntil([&] { return !shell.offLine.isEmpty(); }));
    EXPECT_EQ(shell.offLine.first(), "Cant open socket waited 0 seconds on Server - 127.0.0.1");
    EXPECT_EQ(downloader.requests().used(), 0);
    EXPECT_EQ(downloader.connections().openSockets(), 0);
    downloader.AddRequest(req(RequestType::Quote, "MSFT"));
    EXPECT_EQ(downloader.requests().used(), 0) << "off line";
    root.clock().advanceSeconds(3);
    downloader.tick();
    EXPECT_TRUE(idle()) << "the failed slots are free again";
}

TEST_F(DownloaderTest, UrlsAreLoggedOnRequest)
{
    downloader.AddRequest(req(RequestType::Quote, "^GSPC"));
    downloader.setLogSwitches(false, true);
    const QString url = downloader.BuildRequestUrl(0);
    EXPECT_EQ(root.read("urls.txt"), (url + "\r\n").toLatin1());
    EXPECT_TRUE(url.contains("s=%5EGSPC&f=s0d1t1o0h0g0l1v0c1p2"));
}

} // namespace
