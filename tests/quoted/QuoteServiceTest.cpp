#include "QuoteService.h"
#include "QuotedTestSupport.h"

#include "Clock.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kQuoteFields = "s0d1t1o0h0g0l1v0c1p2t5b1a3l9c6p4";
const QByteArray kIndexFields = "s0d1t1o0h0g0l1v0c1p2";
const QByteArray kDetailsFields = "sd1t1ohgl1vc1p2nj2xkja2j1redyqr1t2";

// The fixture folder served as it stands on a port of its own.
class QuoteServiceTest : public ::testing::Test {
protected:
    void SetUp() override { start(QuoteServiceOptions()); }

    void start(QuoteServiceOptions options)
    {
        options.log = [this](const QString& line) { log << line; };
        if (!options.nowUtc)
            options.nowUtc = [] { return QDateTime(QDate(2026, 12, 11), QTime(17, 0), Qt::UTC); };
        service = std::make_unique<QuoteService>(options);
        ASSERT_TRUE(service->load(fixture.dir())) << service->errorString().toStdString();
        ASSERT_TRUE(service->listen()) << service->errorString().toStdString();
        port = service->port();
    }

    Exchange get(const QByteArray& path) { return exchange(port, programRequest(path)); }

    MarketFixture fixture;
    QStringList log;
    std::unique_ptr<QuoteService> service;
    quint16 port = 0;
};

TEST_F(QuoteServiceTest, AnswersTheProgramsHistoryRequest)
{
    // Three months ending 12 March 2004, months counted from 0.
    const Exchange e = get("/table.csv?a=11&b=12&c=2003&d=2&e=12&f=2004&s=AAA&y=0&g=d&ignore=.csv");
    ASSERT_TRUE(e.closedByServer);
    EXPECT_EQ(e.statusLine(), "HTTP/1.0 200 OK");
    EXPECT_EQ(e.body(), QByteArray("Date,Open,High,Low,Close,Volume,Adj Close\n"
                                   "12-Mar-04,10.05,10.65,10.05,10.60,10000,10.60\n"
                                   "11-Mar-04,10.40,10.50,10.00,10.05,9000,10.05\n"
                                   "10-Mar-04,10.30,10.60,10.20,10.40,8000,10.40\n"
                                   "9-Mar-04,9.80,10.40,9.70,10.30,7000,10.30\n"
                                   "8-Mar-04,9.60,9.90,9.40,9.80,6000,9.80\n"
                                   "5-Mar-04,10.10,10.30,9.50,9.60,5000,9.60\n"
                                   "4-Mar-04,10.50,10.70,10.00,10.10,4000,10.10\n"
                                   "3-Mar-04,10.80,11.00,10.40,10.50,3000,10.50\n"
                                   "2-Mar-04,10.20,10.90,10.10,10.80,2000,10.80\n"
                                   "1-Mar-04,10.00,10.50,9.80,10.20,1000,10.20\n"));
    // The program's reader finds the table by the first "Close" within 1000 characters.
    const qsizetype close = e.reply.indexOf("Close");
    EXPECT_GT(close, e.reply.indexOf("\r\n\r\n"));
    EXPECT_LT(close, 1000);
}

TEST_F(QuoteServiceTest, HistoryRangesAndItsRefusals)
{
    const struct {
        const char* name;
        QByteArray path;
        QByteArray status;
        QByteArray bodyHas;
    } cases[] = {
        {"part of the range", "/table.csv?a=2&b=9&c=2004&d=2&e=10&f=2004&s=AAA&g=d", "200 OK",
         "\n10-Mar-04,10.30,10.60,10.20,10.40,8000,10.40\n9-Mar-04,"},
        {"US dates and reordered columns", "/table.csv?a=2&b=11&c=2004&d=2&e=12&f=2004&s=bbb",
         "200 OK",
         "Adj Close\n12-Mar-04,63.00,64.00,62.50,63.4375,53077800,63.4375\n11-Mar-04,62.50,63.00,61.875,62.25,"},
        {"good rows of a file with bad ones", "/table.csv?a=2&b=9&c=2004&d=2&e=9&f=2004&s=CCC",
         "404 Not Found", "No Prices in this date range"},
        {"before the data", "/table.csv?a=0&b=1&c=1990&d=11&e=31&f=1990&s=AAA", "404 Not Found",
         "No Prices in this date range"},
        {"start after end", "/table.csv?a=2&b=12&c=2004&d=2&e=1&f=2004&s=AAA", "404 Not Found",
         "No Prices in this date range"},
        {"open range", "/table.csv?s=%5EIDX", "200 OK",
         "Adj Close\n12-Mar-04,1105.50,1120.25,1100.00,1118.75,5792140000,1118.75\n11-Mar-04,"},
        {"31 February rolls into March", "/table.csv?a=1&b=31&c=2004&d=2&e=2&f=2004&s=AAA", "200 OK",
         "Adj Close\n2-Mar-04,10.20,10.90,10.10,10.80,2000,10.80\n"},
        {"unknown symbol", "/table.csv?a=0&b=1&c=2004&d=2&e=12&f=2004&s=NOPE", "404 Not Found",
         "not found on this server"},
        {"listed without prices", "/table.csv?s=ZZZ", "404 Not Found", "not found on this server"},
        {"path in the symbol", "/table.csv?s=../SECRET", "404 Not Found", "not found on this server"},
        {"encoded path in the symbol", "/table.csv?s=%2E%2E%2FSECRET", "404 Not Found",
         "not found on this server"},
        {"no symbol", "/table.csv?a=0&b=1&c=2004", "400 Bad Request", "no symbol"},
        {"letters for a month", "/table.csv?a=x&b=1&c=2004&s=AAA", "400 Bad Request", "not dates"},
        {"month 12", "/table.csv?a=12&b=1&c=2004&s=AAA", "400 Bad Request", "not dates"},
        {"weekly prices", "/table.csv?s=AAA&g=w", "400 Bad Request", "daily"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Exchange e = get(c.path);
        EXPECT_TRUE(e.closedByServer);
        EXPECT_EQ(e.statusLine(), "HTTP/1.0 " + c.status);
        EXPECT_TRUE(e.body().contains(c.bodyHas)) << e.reply.toStdString();
        if (!c.status.startsWith("200"))
            EXPECT_GE(e.reply.size(), 110) << "shorter replies read as no data at all";
    }
}

TEST_F(QuoteServiceTest, AnswersQuoteIndexAndDetailsRequests)
{
    const struct {
        const char* name;
        QByteArray path;
        QByteArray body;
    } cases[] = {
        {"quote", "/d/table.csv?s=AAA&f=" + kQuoteFields,
         "\"AAA\",\"3/12/2004\",\"4:00pm\",10.05,10.65,10.05,10.60,10000,+0.55,\"+5.47%\","
         "N/A,N/A,N/A,N/A,N/A,N/A\r\n"},
        {"lower-case symbol", "/d/table.csv?s=bbb&f=" + kIndexFields,
         "\"BBB\",\"3/12/2004\",\"4:00pm\",63.00,64.00,62.50,63.4375,53077800,+1.1875,\"+1.91%\"\r\n"},
        {"index, percent-encoded", "/d/table.csv?s=%5EIDX&f=" + kIndexFields,
         "\"^IDX\",\"3/12/2004\",\"4:00pm\",1105.50,1120.25,1100.00,1118.75,5792140000,+13.25,\"+1.20%\"\r\n"},
        {"details", "/d/table.csv?s=AAA&f=" + kDetailsFields,
         "\"AAA\",\"3/12/2004\",\"4:00pm\",10.05,10.65,10.05,10.60,10000,+0.55,\"+5.47%\","
         "\"Alpha Inc.\",884,480,000,\"NYSE\",11.00,9.40,5500,9.38B,N/A,N/A,N/A,N/A,\"N/A\",\"N/A\",N/A\r\n"},
        {"details without a market capitalisation", "/d/table.csv?s=CCC&f=snj2xj1",
         "\"CCC\",\"Gamma Quoted Co\",N/A,\"AMEX\",N/A\r\n"},
        {"unknown symbol", "/d/table.csv?s=nope&f=" + kQuoteFields,
         "\"NOPE\",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A\r\n"},
        {"path in the symbol", "/d/table.csv?s=../SECRET&f=sl1",
         "\"../SECRET\",N/A\r\n"},
        {"quote characters in the symbol", "/d/table.csv?s=%22A%22%2C%22B&f=sl1",
         "\"A\",N/A\r\n\"B\",N/A\r\n"},
        {"several symbols", "/d/table.csv?s=AAA+CCC&f=sl1", "\"AAA\",10.60\r\n\"CCC\",5.40\r\n"},
        {"default field list", "/d/table.csv?s=CCC",
         "\"CCC\",5.40,\"3/12/2004\",\"4:00pm\",+0.10,5.30,5.50,5.20,100\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Exchange e = get(c.path);
        EXPECT_TRUE(e.closedByServer);
        EXPECT_EQ(e.statusLine(), "HTTP/1.0 200 OK");
        EXPECT_EQ(e.body(), c.body);
    }
}

TEST_F(QuoteServiceTest, ServesHttp11ClientsWithAHostHeader)
{
    const Exchange e = exchange(port, "GET /d/table.csv?s=AAA&f=sl1 HTTP/1.1\r\nHost: 127.0.0.1:"
                                          + QByteArray::number(port) + "\r\nUser-Agent: test\r\n\r\n");
    EXPECT_TRUE(e.closedByServer);
    EXPECT_EQ(e.statusLine(), "HTTP/1.1 200 OK");
    EXPECT_TRUE(e.reply.contains("\r\nContent-Length: 13\r\n"));
    EXPECT_TRUE(e.reply.contains("\r\nConnection: close\r\n"));
    EXPECT_EQ(e.body(), "\"AAA\",10.60\r\n");

    const Exchange head = exchange(port, "HEAD /d/table.csv?s=AAA&f=sl1 HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(head.statusLine(), "HTTP/1.1 200 OK");
    EXPECT_EQ(head.body(), "");

    const Exchange absolute = exchange(port, "GET http://127.0.0.1/d/table.csv?s=AAA&f=sl1 HTTP/1.1\r\n\r\n");
    EXPECT_EQ(absolute.body(), "\"AAA\",10.60\r\n");
}

TEST_F(QuoteServiceTest, RequestSentInSmallPiecesIsAnswered)
{
    const Exchange e = exchange(port, programRequest("/d/table.csv?s=AAA&f=sl1"), 20000, 3);
    EXPECT_EQ(e.body(), "\"AAA\",10.60\r\n");
}

TEST_F(QuoteServiceTest, BadRequestsGetAClearErrorAndTheServiceGoesOn)
{
    const struct {
        const char* name;
        QByteArray request;
        QByteArray status;
    } cases[] = {
        {"malformed request line", "HELLO\r\n\r\n", "400 Bad Request"},
        {"binary noise", QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\x03\x03\r\n\r\n", 15), "400 Bad Request"},
        {"unknown path", programRequest("/etc/passwd"), "404 Not Found"},
        {"encoded dots in the path", programRequest("/%2E%2E/table.csv?s=AAA"), "404 Not Found"},
        {"POST", "POST /d/table.csv?s=AAA HTTP/1.0\r\nContent-Length: 3\r\n\r\nabc", "405 Method Not Allowed"},
        {"huge request line", "GET /table.csv?s=" + QByteArray(100000, 'A') + " HTTP/1.0\r\n\r\n", "414 URI Too Long"},
        {"huge headers", "GET / HTTP/1.0\r\n" + QByteArray("Cookie: ").append(QByteArray(1000, 'c')).append("\r\n").repeated(100) + "\r\n",
         "431 Request Header Fields Too Large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Exchange e = exchange(port, c.request);
        EXPECT_TRUE(e.closedByServer);
        EXPECT_EQ(e.statusLine(), "HTTP/1.0 " + c.status);
        EXPECT_TRUE(e.reply.contains("Content-Type: text/html"));
    }
    EXPECT_EQ(get("/d/table.csv?s=AAA&f=sl1").body(), "\"AAA\",10.60\r\n");
}

TEST_F(QuoteServiceTest, ClosesASilentClientAfterTheTimeOut)
{
    QuoteServiceOptions options;
    options.timeoutMs = 300;
    start(options);
    QSignalSpy finished(service.get(), &QuoteService::connectionFinished);
    const Exchange e = exchange(port, QByteArray());
    EXPECT_TRUE(e.closedByServer);
    EXPECT_EQ(e.statusLine(), "HTTP/1.0 408 Request Timeout");
    ASSERT_TRUE(finished.count() > 0 || finished.wait(20000));
    EXPECT_EQ(service->openConnections(), 0);

    const Exchange half = exchange(port, "GET /d/table.csv?s=AAA HTTP/1.0\r\nAccept: */*\r\n");
    EXPECT_TRUE(half.closedByServer);
    EXPECT_EQ(half.statusLine(), "HTTP/1.0 408 Request Timeout");
}

TEST_F(QuoteServiceTest, ServesManyClientsAtOnce)
{
    const int kClients = 40;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    std::vector<QByteArray> replies(kClients);
    int closed = 0;
    QEventLoop loop;
    for (int i = 0; i < kClients; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket* s = sockets.back().get();
        const QByteArray path = i % 2 ? "/d/table.csv?s=AAA&f=sl1"
                                      : "/table.csv?a=2&b=12&c=2004&d=2&e=12&f=2004&s=AAA";
        QObject::connect(s, &QTcpSocket::connected, [s, path] { s->write(programRequest(path)); });
        QObject::connect(s, &QTcpSocket::readyRead, [s, &replies, i] { replies[i] += s->readAll(); });
        QObject::connect(s, &QTcpSocket::disconnected, [&] {
            if (++closed == kClients)
                loop.quit();
        });
        s->connectToHost(QHostAddress::LocalHost, port);
    }
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(closed, kClients);
    for (int i = 0; i < kClients; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(replies[i].endsWith(i % 2 ? "\"AAA\",10.60\r\n"
                                              : "12-Mar-04,10.05,10.65,10.05,10.60,10000,10.60\n"));
    }
}

TEST_F(QuoteServiceTest, TurnsAwayClientsBeyondItsLimit)
{
    QuoteServiceOptions options;
    options.maxConnections = 1;
    options.timeoutMs = 20000;
    start(options);
    QTcpSocket silent;
    silent.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(silent.waitForConnected(20000));
    QSignalSpy spy(service.get(), &QuoteService::connectionFinished);
    for (int i = 0; i < 1000 && service->openConnections() < 1; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(service->openConnections(), 1);

    EXPECT_EQ(get("/d/table.csv?s=AAA&f=sl1").statusLine(), "HTTP/1.0 503 Service Unavailable");
    silent.abort();
    while (service->openConnections() > 0)
        ASSERT_TRUE(spy.wait(20000));
    EXPECT_EQ(get("/d/table.csv?s=AAA&f=sl1").body(), "\"AAA\",10.60\r\n");
}

TEST_F(QuoteServiceTest, ReportsEachBadDataFileOnce)
{
    EXPECT_EQ(log, QStringList({"CCC.csv: skipped 3 bad rows, the first at line 3"}));
}

// Replay with the program's clock: on Friday 11 December 2026 the fixture's last day
// (Friday 12 March 2004) trades as today and the history ends on Thursday.
TEST_F(QuoteServiceTest, ReplayMakesTheDataCurrent)
{
    SettableClock clock(QDateTime(QDate(2026, 12, 11), QTime(13, 0), Qt::UTC));   // 8:00 New York
    setClock(&clock);
    const std::shared_ptr<void> restoreClock(nullptr, [this](void*) {
        service.reset();
        setClock(nullptr);
    });
    QuoteServiceOptions options;
    options.replay = true;
    options.nowUtc = [] { return appClock().nowUtc(); };
    start(options);

    const QByteArray quote = "/d/table.csv?s=AAA&f=sd1t1ol1hgv";
    EXPECT_EQ(get(quote).body(), "\"AAA\",\"12/10/2026\",\"4:00pm\",10.40,10.05,10.50,10.00,9000\r\n");

    clock.setUtc(QDateTime(QDate(2026, 12, 11), QTime(17, 15), Qt::UTC));   // 12:15
    const QList<QByteArray> mid = get(quote).body().trimmed().split(',');
    ASSERT_EQ(mid.size(), 8);
    EXPECT_EQ(mid[1], "\"12/11/2026\"");
    EXPECT_EQ(mid[2], "\"12:15pm\"");
    EXPECT_EQ(mid[3], "10.05");
    EXPECT_GE(mid[4].toDouble(), 10.05);
    EXPECT_LE(mid[4].toDouble(), 10.65);
    EXPECT_GT(mid[7].toLongLong(), 0);
    EXPECT_LT(mid[7].toLongLong(), 10000);

    const QByteArray history = "/table.csv?a=8&b=11&c=2026&d=11&e=11&f=2026&s=AAA&g=d";
    QByteArray body = get(history).body();
    EXPECT_TRUE(body.startsWith("Date,Open,High,Low,Close,Volume,Adj Close\n"
                                "10-Dec-26,10.40,10.50,10.00,10.05,9000,10.05\n"
                                "9-Dec-26,"))
        << body.toStdString();
    EXPECT_EQ(body.count('\n'), 10);

    clock.setUtc(QDateTime(QDate(2026, 12, 11), QTime(21, 30), Qt::UTC));   // 16:30
    EXPECT_EQ(get(quote).body(), "\"AAA\",\"12/11/2026\",\"4:00pm\",10.05,10.60,10.65,10.05,10000\r\n");
    body = get(history).body();
    EXPECT_TRUE(body.startsWith("Date,Open,High,Low,Close,Volume,Adj Close\n"
                                "11-Dec-26,10.05,10.65,10.05,10.60,10000,10.60\n"));
    EXPECT_EQ(body.count('\n'), 11);
}

} // namespace
