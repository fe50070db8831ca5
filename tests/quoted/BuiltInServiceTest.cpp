#include "BuiltInQuoteService.h"
#include "QuotedTestSupport.h"
#include "ServiceHosts.h"

#include <QTcpSocket>

#include <gtest/gtest.h>

namespace {

// A blocking fetch, for a service that runs on a thread of its own.
QByteArray blockingFetch(quint16 port, const QByteArray& path)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(20000))
        return QByteArray();
    socket.write(programRequest(path));
    QByteArray reply;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(20000))
        reply += socket.readAll();
    return reply + socket.readAll();
}

TEST(BuiltInQuoteService, ListensOnAFreePortUntilDestroyed)
{
    MarketFixture fixture;
    quint16 port = 0;
    {
        QuoteServiceOptions options;
        options.nowUtc = [] { return QDateTime(QDate(2026, 12, 11), QTime(22, 0), Qt::UTC); };
        options.log = [](const QString&) {};
        BuiltInQuoteService service(fixture.dir(), options);
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        port = service.port();
        EXPECT_NE(port, 0);
        EXPECT_TRUE(blockingFetch(port, "/d/table.csv?s=AAA&f=sl1").endsWith("\r\n\r\n\"AAA\",10.60\r\n"));
    }
    QTcpSocket after;
    after.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_FALSE(after.waitForConnected(20000)) << "stopped with its owner";
}

TEST(BuiltInQuoteService, ReplaysTheBundledDataSoThatItEndsBeforeToday)
{
    QuoteServiceOptions options = BuiltInQuoteService::defaultOptions();
    ASSERT_TRUE(options.replay);
    options.nowUtc = [] { return QDateTime(QDate(2026, 12, 11), QTime(16, 0), Qt::UTC); };   // 11:00 New York
    BuiltInQuoteService service(QStringLiteral(TARNBECK_TEST_MARKET_DIR), options);
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();

    for (const char* symbol : {"ORCL", "%5EGSPC", "MSFT", "%5EN225"}) {
        SCOPED_TRACE(symbol);
        const QByteArray quote = blockingFetch(service.port(), "/d/table.csv?f=sd1t1&s=" + QByteArray(symbol));
        EXPECT_TRUE(quote.endsWith(",\"12/11/2026\",\"11:00am\"\r\n")) << quote.toStdString();
        const QByteArray history = blockingFetch(
            service.port(), "/table.csv?a=8&b=11&c=2026&d=11&e=11&f=2026&y=0&g=d&ignore=.csv&s=" + QByteArray(symbol));
        EXPECT_TRUE(history.contains("Adj Close\n10-Dec-26,")) << history.left(400).toStdString();
        EXPECT_GT(history.count('\n'), 55);
    }
}

TEST(BuiltInQuoteService, ReportsAFolderItCannotServe)
{
    QuoteServiceOptions options;
    options.log = [](const QString&) {};
    BuiltInQuoteService service(QStringLiteral("/nonexistent/market"), options);
    EXPECT_FALSE(service.isRunning());
    EXPECT_EQ(service.port(), 0);
    EXPECT_TRUE(service.errorString().contains(QStringLiteral("/nonexistent/market")));
}

TEST(ServiceHosts, ReadsEndpointValues)
{
    const struct {
        const char* text;
        bool ok;
        const char* host;
        quint16 port;
    } cases[] = {
        {"quotes.example.net", true, "quotes.example.net", 80},
        {" 127.0.0.1:8580 ", true, "127.0.0.1", 8580},
        {"http://history.example.net:81/", true, "history.example.net", 81},
        {"[::1]:8580", true, "::1", 8580},
        {"::1", true, "::1", 80},
        {"host:0", false, "", 80},
        {"host:65536", false, "", 80},
        {"host:http", false, "", 80},
        {"host:", false, "", 80},
        {"bad host", false, "", 80},
        {"a:1:2", false, "", 80},
        {"", false, "", 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ServiceEndpoint e;
        EXPECT_EQ(parseEndpoint(QString::fromLatin1(c.text), e), c.ok);
        EXPECT_EQ(e.host, QString::fromLatin1(c.host));
        EXPECT_EQ(e.port, c.port);
    }
}

TEST(ServiceHosts, ReadsTheServicesSectionAndLeavesTheRestToTheBuiltInService)
{
    const ServiceHosts hosts = parseServiceHosts(QStringLiteral("; hosts of the quote services\r\n"
                                                                "[other]\r\n"
                                                                "quote=elsewhere.example\r\n"
                                                                "[Services]\r\n"
                                                                "Quote = quotes.example.net\r\n"
                                                                "index=\r\n"
                                                                "history=bad host:99\r\n"));
    EXPECT_EQ(hosts.quote.authority(), QStringLiteral("quotes.example.net:80"));
    EXPECT_FALSE(hosts.index.isSet());
    EXPECT_FALSE(hosts.history.isSet());
    ASSERT_EQ(hosts.problems.size(), 1);
    EXPECT_TRUE(hosts.problems[0].contains(QStringLiteral("line 7")));
    EXPECT_TRUE(hosts.needsBuiltIn());

    const ServiceHosts resolved = hosts.withBuiltIn(43210);
    EXPECT_FALSE(resolved.needsBuiltIn());
    EXPECT_EQ(resolved.quote.authority(), QStringLiteral("quotes.example.net:80"));
    EXPECT_EQ(resolved.index.authority(), QStringLiteral("127.0.0.1:43210"));
    EXPECT_EQ(resolved.history.authority(), QStringLiteral("127.0.0.1:43210"));
}

TEST(ServiceHosts, ReadsServicesIniFromTheDataRoot)
{
    QTemporaryDir root;
    EXPECT_TRUE(readServiceHosts(root.path()).needsBuiltIn()) << "no file: everything built in";

    QFile f(QDir(root.path()).filePath(QStringLiteral("services.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[services]\nquote=quotes.example.net\nindex=127.0.0.1:8580\nhistory=127.0.0.1:8580\n");
    f.close();
    const ServiceHosts hosts = readServiceHosts(root.path());
    EXPECT_FALSE(hosts.needsBuiltIn());
    EXPECT_EQ(hosts.index.authority(), QStringLiteral("127.0.0.1:8580"));
}

TEST(ServiceHosts, FindsTheBundledMarketData)
{
    const QByteArray saved = qgetenv("TARNBECK_MARKET");
    qunsetenv("TARNBECK_MARKET");
    const QString found = bundledMarketDir();
    EXPECT_TRUE(QFileInfo::exists(QDir(found).filePath(QStringLiteral("ORCL.csv")))) << found.toStdString();

    qputenv("TARNBECK_MARKET", "/somewhere/else");
    EXPECT_EQ(bundledMarketDir(), QStringLiteral("/somewhere/else"));
    if (saved.isNull())
        qunsetenv("TARNBECK_MARKET");
    else
        qputenv("TARNBECK_MARKET", saved);
}

} // namespace
