#include "QuotedTestSupport.h"
#include "ReplyFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplyFormat, WritesNumbersDatesAndTimesInTheReplyForms)
{
    const struct {
        QString got;
        const char* expected;
    } cases[] = {
        {priceText(45.5), "45.50"},
        {priceText(63.4375), "63.4375"},
        {priceText(2.1790), "2.179"},
        {priceText(2874.56), "2874.56"},
        {priceText(0.00004), "0.00"},
        {quoteDateText(QDate(2007, 10, 1)), "10/1/2007"},
        {quoteDateText(QDate(2026, 1, 9)), "1/9/2026"},
        {quoteTimeText(QTime(16, 0)), "4:00pm"},
        {quoteTimeText(QTime(9, 31)), "9:31am"},
        {quoteTimeText(QTime(12, 5)), "12:05pm"},
        {quoteTimeText(QTime(0, 0)), "12:00am"},
        {historyDateText(QDate(2007, 10, 1)), "1-Oct-07"},
        {historyDateText(QDate(2003, 9, 19)), "19-Sep-03"},
        {historyDateText(QDate(2000, 1, 3)), "3-Jan-00"},
        {groupedText(9375492000), "9,375,492,000"},
        {groupedText(999), "999"},
        {groupedText(1000), "1,000"},
        {marketCapText(279100.0), "279.10B"},
        {marketCapText(850.0), "850.00M"},
        {marketCapText(1000.0), "1.00B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.got, QString::fromLatin1(c.expected));
    }
}

TEST(ReplyFormat, SplitsFieldListsIntoLetters)
{
    EXPECT_EQ(splitFieldList(QStringLiteral("s0d1t1o0h0g0l1v0c1p2t5b1a3l9c6p4")),
              QStringList({"s", "d1", "t1", "o", "h", "g", "l1", "v", "c1", "p2", "t5", "b1", "a3",
                           "l9", "c6", "p4"}));
    EXPECT_EQ(splitFieldList(QStringLiteral("sd1t1ohgl1vc1p2nj2xkja2j1redyqr1t2")).size(), 24);
    EXPECT_EQ(splitFieldList(QStringLiteral("s l1,%9x")), QStringList({"s", "l1", "x"}));
    EXPECT_EQ(splitFieldList(QString(5000, QLatin1Char('s'))).size(), 100) << "bounded";
}

QuoteSnapshot sampleQuote()
{
    QuoteSnapshot q;
    q.traded = true;
    q.date = QDate(2007, 10, 1);
    q.time = QTime(16, 0);
    q.open = 29.5;
    q.high = 29.9;
    q.low = 29.1;
    q.last = 29.7;
    q.volume = 57584400;
    q.previousClose = 29.5;
    q.yearHigh = 31.25;
    q.yearLow = 20.125;
    q.averageVolume = 40000000;
    q.sharesOutstanding = 9375492000;
    return q;
}

TEST(ReplyFormat, QuoteLineHoldsTheRequestedFieldsInOrder)
{
    SymbolInfo info;
    info.name = QStringLiteral("Oracle Corporation");
    info.exchange = QStringLiteral("NASDAQ");
    info.marketCapMillions = 279100;
    const QStringList fields = splitFieldList(QStringLiteral("s0d1t1o0h0g0l1v0c1p2t5b1a3l9c6p4zz9w"));
    EXPECT_EQ(quoteLine(QStringLiteral("ORCL"), sampleQuote(), info, fields),
              QByteArray("\"ORCL\",\"10/1/2007\",\"4:00pm\",29.50,29.90,29.10,29.70,57584400,+0.20,"
                         "\"+0.68%\",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,\"20.125 - 31.25\"\r\n"));

    QuoteSnapshot down = sampleQuote();
    down.last = 29.25;
    EXPECT_EQ(quoteLine(QStringLiteral("X"), down, info, splitFieldList(QStringLiteral("c1p2p"))),
              QByteArray("-0.25,\"-0.85%\",29.50\r\n"));

    EXPECT_EQ(quoteLine(QStringLiteral("NOPE"), QuoteSnapshot(), SymbolInfo(),
                        splitFieldList(QStringLiteral("sd1t1l1nxqj2"))),
              QByteArray("\"NOPE\",N/A,N/A,N/A,\"N/A\",\"N/A\",\"N/A\",N/A\r\n"));
}

// Walks a details line the way the program's details reader does and checks that every
// value lands in its field: the name's comma and quotes must not shift the fields, and
// the shares outstanding are found by the exchange's opening quote.
TEST(ReplyFormat, DetailsLineReadsBackThroughTheProgramsFieldWalk)
{
    SymbolInfo info;
    info.name = QStringLiteral("Alpha, \"The\" Inc.");
    info.exchange = QStringLiteral("NYSE");
    info.marketCapMillions = 279100;
    QString body = QString::fromUtf8(quoteLine(
        QStringLiteral("AAA"), sampleQuote(), info,
        splitFieldList(QStringLiteral("sd1t1ohgl1vc1p2nj2xkja2j1redyqr1t2"))));
    const auto unquote = [](QString s) { return s.remove(QLatin1Char('"')); };

    EXPECT_EQ(unquote(takeToken(body, ",")), QStringLiteral("AAA"));
    EXPECT_EQ(unquote(takeToken(body, ",")), QStringLiteral("10/1/2007"));
    EXPECT_EQ(unquote(takeToken(body, ",")), QStringLiteral("4:00pm"));
    const QStringList prices = {"29.50", "29.90", "29.10", "29.70", "57584400", "+0.20"};
    for (const QString& p : prices)
        EXPECT_EQ(takeToken(body, ","), p);
    EXPECT_EQ(unquote(takeToken(body, ",")).remove(QLatin1Char('%')), QStringLiteral("+0.68"));
    EXPECT_EQ(unquote(takeToken(body, ",")).trimmed(), QStringLiteral("Alpha The Inc."));
    QString shares = takeToken(body, "\"");
    shares.chop(1);
    EXPECT_EQ(shares.remove(QLatin1Char(',')).trimmed(), QStringLiteral("9375492000"));
    EXPECT_EQ(unquote(takeToken(body, ",")), QStringLiteral("NYSE"));
    EXPECT_EQ(takeToken(body, ","), QStringLiteral("31.25"));
    EXPECT_EQ(takeToken(body, ","), QStringLiteral("20.125"));
    EXPECT_EQ(takeToken(body, ","), QStringLiteral("40000000"));
    EXPECT_EQ(takeToken(body, ","), QStringLiteral("279.10B"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(takeToken(body, ","), QStringLiteral("N/A")) << "P/E, earnings, dividend, yield";
    EXPECT_EQ(unquote(takeToken(body, ",")), QStringLiteral("N/A"));
    EXPECT_EQ(unquote(takeToken(body, ",")), QStringLiteral("N/A"));
    EXPECT_EQ(body, QStringLiteral("N/A\r\n")) << "the split note is last";
}

TEST(ReplyFormat, HistoryTableListsRowsUnderTheHeader)
{
    QVector<PriceRow> rows;
    rows.append({int(QDate(2007, 10, 2).toJulianDay()), 29.7, 30, 29.5, 29.8, 1000, 29.8});
    rows.append({int(QDate(2007, 10, 1).toJulianDay()), 29.5, 29.9, 29.1, 29.7, 57584400, 29.65});
    EXPECT_EQ(historyTable(rows), QByteArray("Date,Open,High,Low,Close,Volume,Adj Close\n"
                                             "2-Oct-07,29.70,30.00,29.50,29.80,1000,29.80\n"
                                             "1-Oct-07,29.50,29.90,29.10,29.70,57584400,29.65\n"));
}

} // namespace
