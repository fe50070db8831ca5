#include "NetTestSupport.h"
#include "RequestUrl.h"

#include <gtest/gtest.h>

namespace {

DownloadRequest req(qint16 type, const QString& ticker, qint32 date = 0)
{
    DownloadRequest r;
    r.Type = type;
    r.Ticker = ticker;
    r.Date = date;
    return r;
}

const ServiceEndpoints kHosts{"quotes.example.net", "127.0.0.1:8580", "history.example.net:81"};

TEST(RequestUrl, UrlOfEachRequestType)
{
    struct Row {
        const char* name;
        DownloadRequest r;
        QString url;
    };
    const Row rows[] = {
        {"quote", req(RequestType::Quote, "MSFT"),
         "http://quotes.example.net/d/table.csv?s=MSFT&f=s0d1t1o0h0g0l1v0c1p2t5b1a3l9c6p4"},
        {"index quote", req(RequestType::Quote, "^GSPC"),
         "http://127.0.0.1:8580/d/table.csv?s=%5EGSPC&f=s0d1t1o0h0g0l1v0c1p2"},
        {"details", req(RequestType::Details, "ORCL"),
         "http://quotes.example.net/d/table.csv?s=ORCL&f=sd1t1ohgl1vc1p2nj2xkja2j1redyqr1t2"},
        {"history", req(RequestType::History, "ORCL", 20070315),
         "http://history.example.net:81/table.csv?a=11&b=15&c=2006&d=2&e=15&f=2007&s=ORCL&y=0&g=d&ignore=.csv"},
        {"history in January", req(RequestType::History, "GOOG", 20080131),
         "http://history.example.net:81/table.csv?a=9&b=31&c=2007&d=00&e=31&f=2008&s=GOOG&y=0&g=d&ignore=.csv"},
        {"unknown type", req(3, "MSFT"), ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(requestUrl(r.r, kHosts), r.url);
    }
}

// Whatever a symbol holds, it stays one value of the key "s" inside the path.
TEST(RequestUrl, SymbolCannotAddKeysOrLeaveThePath)
{
    const QString hostile[] = {"A&f=x", "../../etc", "MS FT", "X?y=1", "A#b", "A/B", "A%41", "A\r\nHost: x"};
    for (const QString& t : hostile) {
        SCOPED_TRACE(t.toStdString());
        const QString q = queryTicker(t);
        for (const char c : {'&', '=', '?', '#', '/', ' ', '\r', '\n'})
            EXPECT_FALSE(q.contains(QLatin1Char(c))) << q.toStdString();
        const QString url = requestUrl(req(RequestType::Quote, t), kHosts);
        EXPECT_EQ(HostFromUrl(url), "quotes.example.net");
        EXPECT_EQ(url.count('&'), 1);
    }
    EXPECT_EQ(queryTicker("BRK-B.X_~"), "BRK-B.X_~");
}

TEST(RequestUrl, UrlSplitting)
{
    struct Row {
        const char* name;
        QString url, host, path;
    };
    const Row rows[] = {
        {"plain", "http://host/d/table.csv?s=A", "host", "d/table.csv?s=A"},
        {"no scheme, no slash", "host", "host", ""},
        {"scheme in capitals", "HTTP://Host/x", "Host", "x"},
        {"blanks around", "  http://h:8580/a/b  ", "h:8580", "a/b"},
        {"empty path", "http://h/", "h", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(HostFromUrl(r.url), r.host);
        EXPECT_EQ(PathFromUrl(r.url), r.path);
    }
}

TEST(RequestUrl, HostAndPort)
{
    struct Row {
        const char* text;
        bool ok;
        QString host;
        quint16 port;
    };
    const Row rows[] = {
        {"quotes.example.net", true, "quotes.example.net", 80},
        {"127.0.0.1:8580", true, "127.0.0.1", 8580},
        {"[::1]:8580", true, "::1", 8580},
        {"[::1]", true, "::1", 80},
        {"::1", true, "::1", 80},
        {"h:0", false, "h", 80},
        {"h:65536", false, "h", 80},
        {"h:x", false, "h", 80},
        {":80", false, "", 80},
        {"", false, "", 80},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        QString host;
        quint16 port = 1;
        EXPECT_EQ(splitHostPort(QString::fromLatin1(r.text), host, port), r.ok);
        if (r.ok) {
            EXPECT_EQ(host, r.host);
            EXPECT_EQ(port, r.port);
        }
    }
}

TEST(RequestUrl, GetRequestText)
{
    EXPECT_EQ(BuildGetRequest("http://h:8580/d/table.csv?s=MSFT&f=s0"),
              QByteArray("GET /d/table.csv?s=MSFT&f=s0 HTTP/1.0\r\n"
                         "Accept: */*\r\n"
                         "Accept: text/html\r\n"
                         "Connection: Close\r\n"
                         "\r\n"));
    EXPECT_TRUE(BuildGetRequest("host").startsWith("GET / HTTP/1.0\r\n"));
}

} // namespace
