#include "BuiltInQuoteService.h"
#include "DownloaderServices.h"
#include "NetTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace {

void writeServicesIni(const QString& root, const QByteArray& text)
{
    QFile f(QDir(root).filePath("services.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Asks the service behind `authority` ("127.0.0.1:port") for a quote line the way
// the program does, and gives the whole reply.
QByteArray quoteFrom(const QString& authority, const QByteArray& symbol)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, authority.section(':', 1).toUShort());
    if (!socket.waitForConnected(20000))
        return QByteArray();
    socket.write("GET /d/table.csv?s=" + symbol + "&f=sd1 HTTP/1.0\r\nAccept: */*\r\n"
                 "Accept: text/html\r\nConnection: Close\r\n\r\n");
    QByteArray reply;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(20000))
        reply += socket.readAll();
    return reply + socket.readAll();
}

TEST(DownloaderServices, FreshDataRootUsesTheBuiltInServiceOverTheSampleData)
{
    TempDataRoot root;
    const DownloaderServices services = startDownloaderServices(root.root());
    ASSERT_TRUE(services.problems.isEmpty()) << services.problems.join('\n').toStdString();
    ASSERT_NE(services.builtIn, nullptr);
    ASSERT_TRUE(services.builtIn->isRunning());
    const QString own = QString("127.0.0.1:%1").arg(services.builtIn->port());
    EXPECT_EQ(services.endpoints.quote, own);
    EXPECT_EQ(services.endpoints.index, own);
    EXPECT_EQ(services.endpoints.history, own);
    EXPECT_TRUE(quoteFrom(own, "ORCL").contains("\r\n\r\n\"ORCL\",\"")) << "a dated quote of a sample symbol";
}

TEST(DownloaderServices, HostsOfServicesIni)
{
    const struct {
        const char* name;
        QByteArray ini;
        bool builtIn;
        const char* quote;
        const char* index;
        const char* history;   // "own": the built-in service
        int problems;
    } cases[] = {
        {"every host named", "[services]\nquote=quotes.example.net\nindex=127.0.0.1:8580\nhistory=h.example.net:81\n",
         false, "quotes.example.net:80", "127.0.0.1:8580", "h.example.net:81", 0},
        {"one host named", "[services]\r\nhistory=h.example.net\r\n", true, "own", "own", "h.example.net:80", 0},
        {"no host in the file", "; nothing set\n[services]\nquote=\n", true, "own", "own", "own", 0},
        {"a value that is no host", "[services]\nquote=bad host\nindex=i.example.net\nhistory=h.example.net\n",
         true, "own", "i.example.net:80", "h.example.net:80", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDataRoot root;
        writeServicesIni(root.root(), c.ini);
        const DownloaderServices services = startDownloaderServices(root.root());
        EXPECT_EQ(services.problems.size(), c.problems);
        EXPECT_EQ(services.builtIn != nullptr, c.builtIn);
        const QString own = services.builtIn ? QString("127.0.0.1:%1").arg(services.builtIn->port()) : QString();
        const auto expected = [&](const char* text) { return QString(text) == "own" ? own : QString(text); };
        EXPECT_EQ(services.endpoints.quote, expected(c.quote));
        EXPECT_EQ(services.endpoints.index, expected(c.index));
        EXPECT_EQ(services.endpoints.history, expected(c.history));
    }
}

TEST(DownloaderServices, SampleDataThatIsMissingIsReported)
{
    TempDataRoot root;
    const QByteArray saved = qgetenv("TARNBECK_MARKET");
    qputenv("TARNBECK_MARKET", QDir(root.root()).filePath("no-such-folder").toLocal8Bit());
    const DownloaderServices services = startDownloaderServices(root.root());
    if (saved.isNull())
        qunsetenv("TARNBECK_MARKET");
    else
        qputenv("TARNBECK_MARKET", saved);
    ASSERT_EQ(services.problems.size(), 1);
    EXPECT_TRUE(services.problems[0].startsWith("The built-in quote service could not start"))
        << services.problems[0].toStdString();
    EXPECT_TRUE(services.problems[0].contains("no-such-folder"));
}

} // namespace
