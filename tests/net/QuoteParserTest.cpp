#include "NetTestSupport.h"
#include "QuoteParser.h"
#include "QuoteRecord.h"

#include "Dates.h"
#include "ReplyFormat.h"
#include "RequestUrl.h"

#include <gtest/gtest.h>

namespace {

const QString kQuoteLine = R"("MSFT","10/1/2007","4:00pm",29.50,29.90,29.10,29.70,57584400,+0.20,"+0.68%",)"
                           R"("4:45pm",29.68,29.71,29.80,+0.30,"+1.01%","20.10 - 45.80")"
                           "\r\n";

TEST(ParseStockQuote, FillsEveryField)
{
    TempDataRoot root;
    QuoteRecord q;
    ASSERT_EQ(ParseStockQuote(kQuoteLine, q), ParseResult::Parsed);
    EXPECT_EQ(q.Ticker, "MSFT");
    EXPECT_DOUBLE_EQ(q.LastTraded, toDateSerial(QDate(2007, 10, 1), QTime(16, 0)));
    EXPECT_EQ(q.Open, 29.5f);
    EXPECT_EQ(q.High, 29.9f);
    EXPECT_EQ(q.Low, 29.1f);
    EXPECT_EQ(q.LastPrice, 29.7f);
    EXPECT_EQ(q.Volume, 57584400.0f);
    EXPECT_EQ(q.PointChange, 0.2f);
    EXPECT_EQ(q.PercentChange, 0.68f);
    EXPECT_DOUBLE_EQ(q.EcnTime, toDateSerial(QDate(2007, 10, 1), QTime(16, 45)));
    EXPECT_EQ(q.Bid, 29.68f);
    EXPECT_EQ(q.Ask, 29.71f);
    EXPECT_EQ(q.ECN, 29.8f);
    EXPECT_EQ(q.EcnChange, 0.3f);
    EXPECT_EQ(q.EcnPercent, 1.01f);
    EXPECT_EQ(q.YearLow, 20.1f);
    EXPECT_EQ(q.YearHigh, 45.8f);
    EXPECT_TRUE(root.dialogs().messages().isEmpty());
}

TEST(ParseStockQuote, ResultCodes)
{
    struct Row {
        const char* name;
        QString line;
        int result;
        double lastTraded;
    };
    const double day = toDateSerial(QDate(2007, 10, 1));
    const Row rows[] = {
        {"symbol unknown", R"("ZZZZ",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A)", ParseResult::Nothing, -1},
        {"date is no date", R"("MSFT","soon","4:00pm",1,2,3,4,5,6,7)", ParseResult::Retry, 0},
        {"empty line", "", ParseResult::Retry, 0},
        {"binary garbage", QString::fromLatin1("\x01\xff,\x7f\"%%,,\x80"), ParseResult::Retry, 0},
        {"time is no time", R"("MSFT","10/1/2007","late",1,2,3,4,5,6,7)", ParseResult::Parsed, day},
        {"index quote", R"("^GSPC","10/1/2007","4:00pm",1547.04,1549.02,1536.14,1547.04,0,+0.42,"+0.03%")",
         ParseResult::Parsed, day + 16.0 / 24},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QuoteRecord q;
        q.LastTraded = -1;
        EXPECT_EQ(ParseStockQuote(r.line, q), r.result);
        EXPECT_NEAR(q.LastTraded, r.lastTraded, 1e-9);
    }
}

TEST(ParseStockQuote, UnknownSymbolSetsOnlyTheTicker)
{
    QuoteRecord q;
    EmptyQuote(q);
    const QByteArray before = encodeQuote(q);
    ASSERT_EQ(ParseStockQuote(R"("ZZZZ",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,"N/A")", q), ParseResult::Nothing);
    EXPECT_EQ(q.Ticker, "ZZZZ");
    q.Ticker = "none";
    EXPECT_EQ(encodeQuote(q), before);
}

TEST(ParseStockQuote, IndexQuoteLeavesExtendedFieldsAtZero)
{
    QuoteRecord q;
    ASSERT_EQ(ParseStockQuote(R"("^GSPC","10/1/2007","4:00pm",1547.04,1549.02,1536.14,1547.04,0,+0.42,"+0.03%")", q),
              ParseResult::Parsed);
    EXPECT_EQ(q.EcnTime, 0);
    EXPECT_EQ(q.Bid, 0);
    EXPECT_EQ(q.Ask, 0);
    EXPECT_EQ(q.ECN, 0);
    EXPECT_EQ(q.YearLow, 0);
    EXPECT_EQ(q.YearHigh, 0);
    EXPECT_EQ(q.LastPrice, 1547.04f);
}

// The lines the quote service writes for the program's own field lists read back
// field for field; neither list asks for a year range, so the record keeps its own.
TEST(ParseStockQuote, ReadsTheServicesAnswerToEachFieldList)
{
    QuoteSnapshot s;
    s.traded = true;
    s.date = QDate(2010, 3, 3);
    s.time = QTime(13, 5);
    s.open = 24.5;
    s.high = 25.25;
    s.low = 24.125;
    s.last = 25;
    s.volume = 31250000;
    s.previousClose = 24;
    s.yearHigh = 26;
    s.yearLow = 15;
    const double traded = toDateSerial(QDate(2010, 3, 3), QTime(13, 5));
    for (const char* fields : {kQuoteFields, kIndexQuoteFields}) {
        SCOPED_TRACE(fields);
        const QByteArray line = quoteLine("ORCL", s, SymbolInfo(), splitFieldList(QString::fromLatin1(fields)));
        QuoteRecord q;
        q.YearLow = 11;
        q.YearHigh = 22;
        ASSERT_EQ(ParseStockQuote(QString::fromLatin1(line), q), ParseResult::Parsed) << line.constData();
        EXPECT_EQ(q.Ticker, "ORCL");
        EXPECT_DOUBLE_EQ(q.LastTraded, traded);
        EXPECT_EQ(q.Open, 24.5f);
        EXPECT_EQ(q.High, 25.25f);
        EXPECT_EQ(q.Low, 24.125f);
        EXPECT_EQ(q.LastPrice, 25.0f);
        EXPECT_EQ(q.Volume, 31250000.0f);
        EXPECT_EQ(q.PointChange, 1.0f);
        EXPECT_EQ(q.PercentChange, 4.17f);
        EXPECT_EQ(q.YearLow, 11.0f) << "no year range was asked for";
        EXPECT_EQ(q.YearHigh, 22.0f);
        EXPECT_EQ(q.ECN, 0);
    }
}

TEST(ParseStockQuote, SixteenthMeansTheRegularSession)
{
    QuoteRecord q;
    const QString line = R"("MSFT","10/1/2007","4:00pm",29.50,29.90,29.10,29.70,100,+0.20,"+0.68%",)"
                         R"("5:00pm",0,0,0.0625,+9,+9,"1 - 2")";
    ASSERT_EQ(ParseStockQuote(line, q), ParseResult::Parsed);
    EXPECT_EQ(q.ECN, q.LastPrice);
    EXPECT_EQ(q.EcnChange, q.PointChange);
    EXPECT_EQ(q.EcnPercent, q.PercentChange);
    EXPECT_DOUBLE_EQ(q.EcnTime, q.LastTraded);
}

TEST(ParseStockQuote, MissingOpenHighLowTakeTheLastPrice)
{
    QuoteRecord q;
    ASSERT_EQ(ParseStockQuote(R"("MSFT","10/1/2007","4:00pm",0,30.1,0,29.70,100,+0.20,"+0.68%")", q), ParseResult::Parsed);
    EXPECT_EQ(q.Open, 29.7f);
    EXPECT_EQ(q.High, 30.1f);
    EXPECT_EQ(q.Low, 29.7f);
}

TEST(ParseStockQuote, ValueBeyondSingleIsReported)
{
    TempDataRoot root;
    QuoteRecord q;
    const QString line = R"("MSFT","10/1/2007","4:00pm",1e39,1,1,1,1,1,1)";
    EXPECT_EQ(ParseStockQuote(line, q), ParseResult::Nothing);
    EXPECT_EQ(root.dialogs().messages(), QStringList{"ParseStockQuote Error"});
    EXPECT_EQ(root.read("ParseError.txt"), line.toLatin1() + "\r\n");
}

QString detailsReply(const QString& fields) { return withHttpHead(fields + "\r\n"); }

const QString kDetails = R"("MSFT","10/1/2007","4:00pm",29.50,29.90,29.10,29.70,57584400,+0.20,"+0.68%",)"
                         R"("MICROSOFT CP",  9,375,492,000,"NasdaqNM",31.84,26.60,60000000,279.1B,23.1,1.28,)"
                         R"(0.44,1.50,"14-Aug","13-Sep","<a>Split: 2:1 on 18-Feb-03</a>")";

TEST(ParseDetails, FillsEveryField)
{
    TempDataRoot root;
    QuoteRecord q;
    ASSERT_EQ(ParseDetails(detailsReply(kDetails), q), ParseResult::Parsed);
    EXPECT_EQ(q.Ticker, "MSFT");
    EXPECT_DOUBLE_EQ(q.LastTraded, toDateSerial(QDate(2007, 10, 1), QTime(16, 0)));
    EXPECT_EQ(q.Open, 29.5f);
    EXPECT_EQ(q.LastPrice, 29.7f);
    EXPECT_EQ(q.Volume, 57584400.0f);
    EXPECT_EQ(q.PointChange, 0.2f);
    EXPECT_EQ(q.PercentChange, 0.68f);
    EXPECT_EQ(q.CompanyName, "Microsoft Cp");
    EXPECT_EQ(q.SharesOutStanding, 9375492000.0f);
    EXPECT_EQ(q.Exchange, "NasdaqNM");
    EXPECT_EQ(q.YearHigh, 31.84f);
    EXPECT_EQ(q.YearLow, 26.6f);
    EXPECT_EQ(q.AvgVolume, 60000000.0f);
    EXPECT_EQ(q.Marketcap, float(279100000000.0));
    EXPECT_EQ(q.PE, 23.1f);
    EXPECT_EQ(q.Earnings, 1.28f);
    EXPECT_EQ(q.Dividends, 0.44f);
    EXPECT_EQ(q.Yeild, 1.5f);
    EXPECT_EQ(q.ExDivDate, "14-Aug");
    EXPECT_EQ(q.DivDate, "13-Sep");
    EXPECT_EQ(q.Splits, " 2:1 on 18-Feb-03");
    EXPECT_EQ(q.Industry, "unknown");
}

TEST(ParseDetails, Variants)
{
    const QString kSplit = " 2:1 on 18-Feb-03";
    struct Row {
        const char* name;
        QString from, to;   // a replacement in kDetails
        int result;
        QString company, exchange, splits;
        float shares, marketcap;
    };
    const Row rows[] = {
        {"shares not known", "  9,375,492,000", "N/A", 1, "Microsoft Cp", "NasdaqNM", kSplit, 0, float(279100000000.0)},
        {"millions", "279.1B", "850M", 1, "Microsoft Cp", "NasdaqNM", kSplit, 9375492000.0f, 850000000.0f},
        {"thousands", "279.1B", "950K", 1, "Microsoft Cp", "NasdaqNM", kSplit, 9375492000.0f, 0},
        {"no name", "\"MICROSOFT CP\"", "\"  \"", 1, "Name Not Found", "NasdaqNM", kSplit, 9375492000.0f,
         float(279100000000.0)},
        {"long name cut", "MICROSOFT CP", "INTERNATIONAL BUSINESS MACHINES", 1, "International Busin", "NasdaqNM",
         kSplit, 9375492000.0f, float(279100000000.0)},
        {"split note is a link", "<a>Split: 2:1", "<a href=http://x/y>2:1", 1, "Microsoft Cp", "NasdaqNM", "none",
         9375492000.0f, float(279100000000.0)},
        {"symbol unknown", "\"10/1/2007\"", "\"N/A\"", 4, "", "", "", 0, 0},
        {"date is no date", "\"10/1/2007\"", "\"later\"", 2, "", "", "", 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TempDataRoot root;
        QString fields = kDetails;
        ASSERT_TRUE(fields.contains(r.from));
        fields.replace(r.from, r.to);
        QuoteRecord q;
        EXPECT_EQ(ParseDetails(detailsReply(fields), q), r.result);
        EXPECT_EQ(q.CompanyName, r.company);
        EXPECT_EQ(q.Exchange, r.exchange);
        EXPECT_EQ(q.Splits, r.splits);
        EXPECT_EQ(q.SharesOutStanding, r.shares);
        EXPECT_EQ(q.Marketcap, r.marketcap);
        EXPECT_TRUE(root.dialogs().messages().isEmpty());
    }
}

TEST(ParseDetails, ValueBeyondSingleIsReported)
{
    TempDataRoot root;
    QString fields = kDetails;
    fields.replace("279.1B", "9e35B");
    const QString reply = detailsReply(fields);
    QuoteRecord q;
    EXPECT_EQ(ParseDetails(reply, q), ParseResult::NoData);
    EXPECT_EQ(root.dialogs().messages(), QStringList{"ParseDetails Error"});
    EXPECT_EQ(root.read("ParseError.txt"), reply.toLatin1() + "\r\n");
}

// Any start of a reply, and garbage, gives a result code and never a crash.
TEST(ParseDetails, CutAnywhere)
{
    TempDataRoot root;
    const QString reply = detailsReply(kDetails);
    for (int n = 0; n <= reply.size(); ++n) {
        QuoteRecord q;
        const int r = ParseDetails(reply.left(n), q);
        EXPECT_TRUE(r == ParseResult::Parsed || r == ParseResult::Retry) << n;
        QuoteRecord line;
        const int s = ParseStockQuote(ReplyBody(reply.left(n)), line);
        EXPECT_TRUE(s == ParseResult::Parsed || s == ParseResult::Retry) << n;
    }
    EXPECT_TRUE(root.dialogs().messages().isEmpty());
}

TEST(ReplyBody, TextAfterTheBlankLine)
{
    EXPECT_EQ(ReplyBody("HTTP/1.0 200 OK\r\nA: b\r\n\r\nbody\r\n\r\nmore"), "body\r\n\r\nmore");
    EXPECT_EQ(ReplyBody("no head\nat all\n\n"), "");
    EXPECT_EQ(ReplyBody(""), "");
}

} // namespace
