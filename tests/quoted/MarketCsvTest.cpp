#include "MarketCsv.h"
#include "MarketFolder.h"
#include "QuotedTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(MarketCsv, ReadsTheDateFormsUsersBring)
{
    const struct {
        const char* text;
        QDate date;
    } cases[] = {
        {"2004-03-15", QDate(2004, 3, 15)},
        {" 2004-03-05 ", QDate(2004, 3, 5)},
        {"3/15/2004", QDate(2004, 3, 15)},
        {"12/1/2007", QDate(2007, 12, 1)},
        {"3/15/04", QDate(2004, 3, 15)},
        {"3/15/95", QDate(1995, 3, 15)},
        {"15-Mar-04", QDate(2004, 3, 15)},
        {"1-oct-2007", QDate(2007, 10, 1)},
        {"20040315", QDate(2004, 3, 15)},
        {"2004-02-30", QDate()},
        {"13/1/2004", QDate()},
        {"3/15/204", QDate()},
        {"15-Foo-04", QDate()},
        {"2004/03/15x", QDate()},
        {"", QDate()},
        {"abc", QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseMarketDate(QString::fromLatin1(c.text)), c.date);
    }
}

TEST(MarketCsv, ReadsReorderedColumnsUsDatesAndCrLfNewestFirst)
{
    const PriceTable t = parsePriceCsv("\r\nClose,DATE,volume,HIGH,Low,open\r\n"
                                       "63.4375,3/12/2004,53077800,64,62.5,63\r\n"
                                       "\r\n"
                                       "62.25,3/11/2004,26180200,63,61.875,62.5\r\n");
    ASSERT_TRUE(t.error.isEmpty());
    EXPECT_EQ(t.badRows, 0);
    ASSERT_EQ(t.rows.size(), 2);
    EXPECT_EQ(t.rows[0].date(), QDate(2004, 3, 11));
    EXPECT_EQ(t.rows[1].date(), QDate(2004, 3, 12));
    const PriceRow& r = t.rows[1];
    EXPECT_DOUBLE_EQ(r.open, 63);
    EXPECT_DOUBLE_EQ(r.high, 64);
    EXPECT_DOUBLE_EQ(r.low, 62.5);
    EXPECT_DOUBLE_EQ(r.close, 63.4375);
    EXPECT_EQ(r.volume, 53077800);
    EXPECT_DOUBLE_EQ(r.adjClose, 63.4375) << "no Adj Close column: the close stands in";
}

TEST(MarketCsv, SkipsBadRowsAndCountsThem)
{
    const PriceTable t = parsePriceCsv("Date,Open,High,Low,Close,Volume,Adj Close\n"
                                       "2004-03-08,5.00,5.20,4.90,5.10,100,5.10\n"
                                       "2004-03-09,5.10,abc,4.90,5.00,100,5.00\n"   // line 3
                                       "2004-13-10,5.00,5.20,4.90,5.10,100,5.10\n"
                                       "2004-03-10,5.10,5.30,5.00,5.20,100,5.20\n"
                                       "2004-03-11,5.20\n"
                                       "2004-03-10,9,9,9,9,9,9\n"
                                       "2004-03-12,5.30,5.50,5.20,-5.40,100,5.40\n"
                                       "2004-03-15,5.30,5.50,5.20,5.40,,\n");
    EXPECT_EQ(t.badRows, 5);
    EXPECT_EQ(t.firstBadLine, 3);
    ASSERT_EQ(t.rows.size(), 3);
    EXPECT_DOUBLE_EQ(t.rows[1].close, 5.20) << "the first row of a date wins";
    EXPECT_EQ(t.rows[2].volume, 0) << "blank volume and Adj Close are allowed";
    EXPECT_DOUBLE_EQ(t.rows[2].adjClose, 5.40);
}

TEST(MarketCsv, ReadsAFileWithoutHeaderInTheStandardOrder)
{
    const PriceTable t = parsePriceCsv("2004-03-12,1,3,0.5,2,700\n2004-03-11,0,2,1,1.5,600\n");
    ASSERT_EQ(t.rows.size(), 2);
    EXPECT_DOUBLE_EQ(t.rows[1].low, 0.5);
    EXPECT_EQ(t.rows[1].volume, 700);
    EXPECT_DOUBLE_EQ(t.rows[0].open, 1.5) << "a missing open takes the close";
}

TEST(MarketCsv, RefusesAFileWithoutPriceColumns)
{
    const PriceTable t = parsePriceCsv("Day,Price\n2004-03-12,5\n");
    EXPECT_TRUE(t.rows.isEmpty());
    EXPECT_FALSE(t.error.isEmpty());
}

TEST(MarketCsv, ReadsListingsWithQuotedNamesInAnyColumnOrder)
{
    int bad = -1;
    const auto symbols = parseSymbolsCsv("Exchange,MarketCapMillions,Name,Symbol\n"
                                         "NYSE,12852.3,\"Agilent Technologies, Inc.\",a\n"
                                         "NASDAQ,,\"Say \"\"Hi\"\" Corp\",HI\n"
                                         "NYSE,1\n",
                                         &bad);
    EXPECT_EQ(bad, 1);
    ASSERT_TRUE(symbols.contains(QStringLiteral("A")));
    EXPECT_EQ(symbols[QStringLiteral("A")].name, QStringLiteral("Agilent Technologies, Inc."));
    EXPECT_EQ(symbols[QStringLiteral("A")].exchange, QStringLiteral("NYSE"));
    EXPECT_DOUBLE_EQ(symbols[QStringLiteral("A")].marketCapMillions, 12852.3);
    EXPECT_EQ(symbols[QStringLiteral("HI")].name, QStringLiteral("Say \"Hi\" Corp"));
    EXPECT_DOUBLE_EQ(symbols[QStringLiteral("HI")].marketCapMillions, 0);
}

TEST(MarketFolder, IndexesSymbolsByFileNameAndReportsEachBadFileOnce)
{
    MarketFixture fixture;
    fixture.write(QStringLiteral("broken.csv"), "Nothing,Useful\n1,2\n");
    fixture.write(QStringLiteral("notes.txt"), "not market data");
    QStringList log;
    MarketFolder market;
    ASSERT_TRUE(market.load(fixture.dir(), [&](const QString& line) { log << line; }));

    EXPECT_EQ(market.symbols(), QStringList({"AAA", "BBB", "CCC", "^IDX"}));
    ASSERT_EQ(log.size(), 2) << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(log.filter(QStringLiteral("CCC.csv: skipped 3 bad rows, the first at line 3")).size() == 1)
        << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(log.filter(QStringLiteral("broken.csv")).size() == 1);

    const SymbolHistory* ccc = market.find(QStringLiteral("ccc"));
    ASSERT_NE(ccc, nullptr);
    EXPECT_EQ(ccc->rows.size(), 4);
    EXPECT_EQ(ccc->info.exchange, QStringLiteral("AMEX"));
    EXPECT_EQ(market.find(QStringLiteral("AAA"))->info.name, QStringLiteral("Alpha, Inc."));
    EXPECT_EQ(market.find(QStringLiteral("SECRET")), nullptr);
    EXPECT_EQ(market.find(QStringLiteral("../SECRET")), nullptr);
    EXPECT_EQ(market.info(QStringLiteral("zzz")).name, QStringLiteral("Listed Without Prices"));
}

TEST(MarketFolder, FailsOnAFolderWithoutPriceFiles)
{
    MarketFolder market;
    EXPECT_FALSE(market.load(QStringLiteral("/nonexistent/market")));
    EXPECT_FALSE(market.errorString().isEmpty());

    QTemporaryDir empty;
    QFile f(QDir(empty.path()).filePath(QStringLiteral("symbols.csv")));
    f.open(QIODevice::WriteOnly);
    f.write("Symbol,Name\nA,Alpha\n");
    f.close();
    EXPECT_FALSE(market.load(empty.path()));
}

TEST(MarketFolder, ReadsTheBundledSampleData)
{
    MarketFolder market;
    QStringList log;
    ASSERT_TRUE(market.load(QStringLiteral(TARNBECK_TEST_MARKET_DIR), [&](const QString& l) { log << l; }));
    EXPECT_TRUE(log.isEmpty()) << log.join(QLatin1Char('\n')).toStdString();
    for (const char* symbol : {"ORCL", "^GSPC", "YHOO", "NVDA", "GOOG", "MSFT", "^N225"}) {
        SCOPED_TRACE(symbol);
        const SymbolHistory* h = market.find(QString::fromLatin1(symbol));
        ASSERT_NE(h, nullptr);
        EXPECT_GT(h->rows.size(), 200);
        EXPECT_FALSE(h->info.name.isEmpty());
    }
    EXPECT_EQ(market.find(QStringLiteral("ORCL"))->rows.size(), 5036);
}

} // namespace
