#include "HistoryParser.h"
#include "NetTestSupport.h"
#include "QuoteParser.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const QString kHeader = "Date,Open,High,Low,Close,Volume,Adj Close\n";

DailyBar bar(qint32 date, float o, float h, float l, float c, float v)
{
    DailyBar b;
    b.Date = date;
    b.Open = o;
    b.High = h;
    b.Low = l;
    b.Close = c;
    b.Volume = v;
    b.Status = BarStatus::Final;
    return b;
}

TEST(HistoryParser, RecordedReply)
{
    const QString body = recordedHistoryReply();
    ASSERT_FALSE(body.isEmpty());
    for (const QString& reply : {body, withHttpHead(body)}) {
        const HistoryReply r = readHistoryReply(reply);
        ASSERT_EQ(r.result, ParseResult::Parsed);
        EXPECT_FALSE(r.noData);
        ASSERT_EQ(r.bars.size(), 65);
        EXPECT_EQ(r.bars.first(), bar(20030619, 26.09f, 26.39f, 26.01f, 26.07f, 63626900))
            << "the last line of the reply has no line end and is still whole";
        EXPECT_EQ(r.bars.last(), bar(20030919, 29.76f, 29.97f, 29.52f, 29.96f, 92433800));
        for (int i = 1; i < r.bars.size(); ++i)
            EXPECT_LT(r.bars[i - 1].Date, r.bars[i].Date) << "oldest first";
    }
}

TEST(HistoryParser, ReplyLines)
{
    struct Row {
        const char* name;
        QString rows;
        int result;
        QVector<DailyBar> bars;
    };
    const DailyBar oct1 = bar(20071001, 29.5f, 29.9f, 29.1f, 29.7f, 57584400);
    const DailyBar oct1NoVolume = bar(20071001, 29.5f, 29.9f, 29.1f, 29.7f, 0);
    const DailyBar oct2 = bar(20071002, 30, 31, 29, 30.5f, 1000);
    const Row rows[] = {
        {"one day", "1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7\n", 1, {oct1}},
        {"ends after the close", "1-Oct-07,29.5,29.9,29.1,29.7\n", 1, {oct1NoVolume}},
        {"ISO dates, oldest first", "2007-10-01,29.5,29.9,29.1,29.7,57584400,29.7\n2007-10-02,30,31,29,30.5,1000,30.5\n",
         1, {oct1, oct2}},
        {"US dates, CR LF", "10/2/2007,30,31,29,30.5,1000,30.5\r\n10/1/2007,29.5,29.9,29.1,29.7,57584400,29.7\r\n", 1,
         {oct1, oct2}},
        {"header but no rows", "", 0, {}},
        {"short line passed over", "2-Oct-07,30,31\n1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7\n", 1, {oct1}},
        {"reading stops at a line without a date", "1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7\n<!-- x -->\n2-Oct-07,30,31,29,30.5,1000,30.5\n",
         1, {oct1}},
        {"blank line ends the table", "\n1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7\n", 0, {}},
        {"number beyond a single ends the reading",
         "2-Oct-07,30,31,29,30.5,1000,30.5\n1-Oct-07,1e39,29.9,29.1,29.7,57584400,29.7\n", 1, {oct2}},
        {"enormous volume", "1-Oct-07,29.5,29.9,29.1,29.7,9e99,29.7\n", 0, {}},
        {"blank prices passed over", "2-Oct-07,,,,\n1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7\n", 1, {oct1}},
        {"last line cut in the price", "2-Oct-07,30,31,29,30.5,1000,30.5\n1-Oct-07,29.5,29.9,29", 1, {oct2}},
        {"last line whole without line end", "1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7", 1, {oct1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const HistoryReply h = readHistoryReply(withHttpHead(kHeader + r.rows));
        EXPECT_EQ(h.result, r.result);
        EXPECT_EQ(h.bars, r.bars);
    }
}

TEST(HistoryParser, ServiceAnswers)
{
    struct Row {
        const char* name;
        QString reply;
        int result;
        bool noData;
    };
    const QString pad(120, QLatin1Char(' '));
    const Row rows[] = {
        {"no prices", withHttpHead("No Prices in this date range" + pad), 3, true},
        {"not found", withHttpHead("<html>The symbol was not found on this server.</html>" + pad), 2, false},
        {"no data", withHttpHead("No data available for ZZZ" + pad), 4, true},
        {"too short", "HTTP/1.0 200 OK\r\n\r\n" + kHeader, 4, false},
        {"no column header", withHttpHead("Date,Open,High,Low\n1-Oct-07,1,2,3\n" + pad), 0, false},
        {"column header out of reach", withHttpHead(QString(1200, 'x') + kHeader + "1-Oct-07,1,2,3,4,5\n"), 0, false},
        {"HTTP head says Close", "HTTP/1.0 200 OK\r\nConnection: Close\r\n\r\n" + kHeader
             + "1-Oct-07,29.5,29.9,29.1,29.7,57584400,29.7\n", 1, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const HistoryReply h = readHistoryReply(r.reply);
        EXPECT_EQ(h.result, r.result);
        EXPECT_EQ(h.noData, r.noData);
    }
}

TEST(HistoryParser, TakesTheNewestNinetyDays)
{
    QString rows;
    QDate day(2007, 12, 31);
    for (int i = 0; i < 120; ++i, day = day.addDays(-1))
        rows += day.toString("yyyy-MM-dd") + ",1,2,0.5,1.5,100\n";
    const HistoryReply h = readHistoryReply(withHttpHead(kHeader + rows));
    ASSERT_EQ(h.bars.size(), kHistoryBarLimit);
    EXPECT_EQ(h.bars.last().Date, 20071231);
    EXPECT_EQ(h.bars.first().Date, 20071003);
}

// A reply cut after any character never yields a bar that differs from the same day
// of the whole reply.
TEST(HistoryParser, CutAnywhereKeepsOnlyWholeBars)
{
    const QString full = withHttpHead(recordedHistoryReply());
    const HistoryReply whole = readHistoryReply(full);
    QHash<qint32, DailyBar> byDate;
    for (const DailyBar& b : whole.bars)
        byDate.insert(b.Date, b);
    for (int n = 0; n <= full.size(); ++n) {
        const HistoryReply cut = readHistoryReply(full.left(n));
        ASSERT_TRUE(cut.result == ParseResult::Parsed || cut.result == ParseResult::Unusable
                    || cut.result == ParseResult::NoData)
            << n;
        for (const DailyBar& b : cut.bars)
            ASSERT_EQ(b, byDate.value(b.Date)) << "cut after " << n;
    }
}

TEST(HistoryParser, GarbageNeverCrashes)
{
    QRandomGenerator random(2003);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random.bounded(4000)), Qt::Uninitialized);
        for (char& c : bytes)
            c = char(random.bounded(256));
        if (round % 3 == 0)
            bytes.prepend(kHeader.toLatin1());
        if (round % 5 == 0)
            bytes.replace('\x00', ',');
        const HistoryReply h = readHistoryReply(QString::fromLatin1(bytes));
        EXPECT_GE(h.result, 0);
        EXPECT_LE(h.result, 4);
        for (const DailyBar& b : h.bars)
            EXPECT_EQ(b.Status, BarStatus::Final);
    }
}

} // namespace
