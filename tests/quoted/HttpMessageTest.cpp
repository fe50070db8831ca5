#include "HttpMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpRequestReader, ReadsAHeadArrivingByteByByte)
{
    const QByteArray request = "GET /d/table.csv?s=ORCL&f=sl1 HTTP/1.0\r\nAccept: */*\r\n"
                               "Accept: text/html\r\nConnection: Close\r\n\r\n";
    HttpRequestReader reader;
    for (qsizetype i = 0; i + 1 < request.size(); ++i)
        ASSERT_EQ(reader.feed(request.mid(i, 1)), HttpRequestReader::State::Reading) << i;
    ASSERT_EQ(reader.feed(request.right(1)), HttpRequestReader::State::Complete);
    EXPECT_EQ(reader.method(), "GET");
    EXPECT_EQ(reader.target(), "/d/table.csv?s=ORCL&f=sl1");
    EXPECT_EQ(reader.minorVersion(), 0);
    EXPECT_EQ(reader.header("connection"), "Close");
    EXPECT_EQ(reader.header("Host"), "");
}

TEST(HttpRequestReader, AcceptsBareLineFeedsAndHttp11WithHost)
{
    HttpRequestReader reader;
    ASSERT_EQ(reader.feed("\r\nGET /table.csv HTTP/1.1\nHost: 127.0.0.1:8580\n\nbody bytes"),
              HttpRequestReader::State::Complete);
    EXPECT_EQ(reader.minorVersion(), 1);
    EXPECT_EQ(reader.header("HOST"), "127.0.0.1:8580");
}

TEST(HttpRequestReader, RefusesMalformedAndOversizedHeads)
{
    const QByteArray longTarget = "GET /" + QByteArray(9000, 'a') + " HTTP/1.0\r\n\r\n";
    const QByteArray longHeaders = "GET / HTTP/1.0\r\n" + QByteArray(200, 'X').append(": y\r\n").repeated(50) + "\r\n";
    const struct {
        const char* name;
        QByteArray head;
        int status;
    } cases[] = {
        {"no version", "GET /table.csv\r\n\r\n", 400},
        {"two spaces", "GET  /table.csv HTTP/1.0\r\n\r\n", 400},
        {"not http", "GET / FTP/1.0\r\n\r\n", 400},
        {"garbage", "\x16\x03\x01\x02 \x01\x02 x\r\n\r\n", 400},
        {"header without colon", "GET / HTTP/1.0\r\nbroken header\r\n\r\n", 400},
        {"header name with blank", "GET / HTTP/1.0\r\nBad Name: x\r\n\r\n", 400},
        {"control character in target", "GET /a\x01 HTTP/1.0\r\n\r\n", 400},
        {"HTTP/2", "GET / HTTP/2.0\r\n\r\n", 505},
        {"request line too long", longTarget, 414},
        {"headers too long", longHeaders, 431},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HttpRequestReader reader(8192);
        EXPECT_EQ(reader.feed(c.head), HttpRequestReader::State::Failed);
        EXPECT_EQ(reader.errorStatus(), c.status);
        EXPECT_EQ(reader.feed("more"), HttpRequestReader::State::Failed) << "stays failed";
    }
}

TEST(HttpRequestReader, RefusesAnEndlessHeadAtItsLimit)
{
    HttpRequestReader reader(1024);
    HttpRequestReader::State state = reader.feed("GET / HTTP/1.0\r\n");
    int fed = 0;
    while (state == HttpRequestReader::State::Reading && fed < 100) {
        state = reader.feed("X-Header: " + QByteArray(90, 'v') + "\r\n");
        ++fed;
    }
    EXPECT_EQ(state, HttpRequestReader::State::Failed);
    EXPECT_LE(fed, 12);
    EXPECT_EQ(reader.errorStatus(), 431);
}

TEST(HttpResponse, NeverWritesTheWordCloseCapitalisedBeforeTheBody)
{
    HttpResponse r;
    r.contentType = "text/csv";
    r.body = "Date,Open,High,Low,Close,Volume,Adj Close\n";
    const QByteArray bytes = r.toBytes(0);
    EXPECT_TRUE(bytes.startsWith("HTTP/1.0 200 OK\r\n"));
    EXPECT_TRUE(bytes.contains("Connection: close\r\n"));
    EXPECT_TRUE(bytes.contains("Content-Length: 42\r\n"));
    EXPECT_EQ(bytes.indexOf("Close"), bytes.indexOf("\r\n\r\n") + 4 + 19);
    EXPECT_TRUE(r.toBytes(1, true).startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(r.toBytes(1, true).endsWith("\r\n\r\n"));
}

} // namespace
