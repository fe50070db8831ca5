#include "PriceFile.h"
#include "PriceTestSupport.h"

#include "AppFolders.h"
#include "Dates.h"
#include "QuoteIndex.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

qint32 julianOf(const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); }
QDate dateOf(qint32 j) { return QDate(j / 10000, j / 100 % 100, j % 100); }

// The dates a file holding `bars` must show slot by slot: every weekday from the first
// bar to the last, 0 where no bar was traded.
QVector<qint32> expectedSlotDates(const QVector<DailyBar>& bars)
{
    QSet<qint32> traded;
    for (const DailyBar& b : bars)
        traded.insert(b.Date);
    QVector<qint32> dates;
    for (QDate d = dateOf(bars.first().Date); d <= dateOf(bars.last().Date); d = d.addDays(1)) {
        if (d.dayOfWeek() <= 5)
            dates.append(traded.contains(julianOf(d)) ? julianOf(d) : 0);
    }
    return dates;
}

QVector<DailyBar> asFinal(QVector<DailyBar> bars)
{
    for (DailyBar& b : bars)
        b.Status = BarStatus::Final;
    return bars;
}

QuoteRecord quoteOn(const QString& ticker, const QDate& day, float last)
{
    QuoteRecord q;
    q.Ticker = ticker;
    q.LastTraded = toDateSerial(day, QTime(16, 0));
    q.Open = last - 1;
    q.High = last + 2;
    q.Low = last - 3;
    q.LastPrice = last;
    q.Volume = 123456;
    return q;
}

} // namespace

TEST_F(PriceFileTest, HistoryPutsEveryTradingDayInItsWeekdaySlot)
{
    // January and February 2004: Martin Luther King Day (19 Jan) and Presidents' Day
    // (16 Feb) have no rows and stay empty slots; weekends take no slot at all.
    const QVector<DailyBar> bars = marketBars(QStringLiteral("ORCL"), 20040101, 20040229);
    ASSERT_EQ(bars.size(), 39);
    ASSERT_TRUE(StoreHistory(QStringLiteral("ORCL"), bars));

    const QString path = PriceFileName(QStringLiteral("ORCL"));
    ASSERT_FALSE(path.isEmpty());
    const QVector<qint32> expected = expectedSlotDates(bars);
    EXPECT_EQ(slotDates(path), expected);
    EXPECT_EQ(expected[11], 0);  // 19 January
    EXPECT_EQ(expected[31], 0);  // 16 February
    EXPECT_EQ(CountBars(path), expected.size());

    const QVector<DailyBar> slotBars = fileSlots(path);
    for (const DailyBar& bar : asFinal(bars))
        EXPECT_EQ(slotBars[SlotOffset(20040102, bar.Date)], bar) << bar.Date;
    EXPECT_EQ(GetFirstDate(QStringLiteral("ORCL")), 20040102);

    PriceFileInfo info = GetFileInfo(QStringLiteral("ORCL"));
    EXPECT_EQ(info.FirstDate, 20040102);
    EXPECT_EQ(info.LastDate, 20040227);
    EXPECT_EQ(info.Count, 41);
    ClosePriceFile(info);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(PriceFileTest, BackFillInBlocksGivesTheSameFileAsOneDownload)
{
    // The update planner fetches older history in blocks that end before the file's
    // first date, newest block first; each block shifts the file up.
    const QVector<DailyBar> all = marketBars(QStringLiteral("ORCL"), 20030101, 20040630);
    ASSERT_GT(all.size(), 300);
    ASSERT_TRUE(StoreHistory(QStringLiteral("ORCL"), all));
    const QByteArray whole = fileBytes(PriceFileName(QStringLiteral("ORCL")));

    for (qsizetype end = all.size(); end > 0; end -= 90) {
        const qsizetype begin = std::max<qsizetype>(0, end - 90);
        ASSERT_TRUE(StoreHistory(QStringLiteral("OR"), all.mid(begin, end - begin)));
    }
    EXPECT_EQ(fileBytes(PriceFileName(QStringLiteral("OR"))), whole);
    EXPECT_EQ(slotDates(PriceFileName(QStringLiteral("OR"))), expectedSlotDates(all));
    EXPECT_TRUE(QDir(appFolders().data + "O").entryList({QStringLiteral("*.tmp")}).isEmpty());
}

TEST_F(PriceFileTest, ThreeDayFileMatchesItsDocumentedBytes)
{
    m_clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(22, 0), Qt::UTC));
    const QVector<DailyBar> bars = {
        {20040311, 10.5f, 11.25f, 10.25f, 11.0f, 150000.0f, 0, 0, 0},
        {20040312, 11.0f, 11.5f, 10.75f, 11.25f, 98000.0f, 0, 0, 0},
        {20040315, 11.25f, 12.0f, 11.0f, 11.75f, 201000.0f, 0, 0, 0},
    };
    ASSERT_TRUE(StoreHistory(QStringLiteral("XYZ"), bars));

    QByteArray expected(432, '\0');
    expected.replace(100, 4, QByteArray::fromHex("7bca3101"));          // 20040315
    expected.replace(110, 8, QByteArray::fromHex("00000000a095e240"));  // 38061.0
    expected += QByteArray::fromHex(
        "77ca3101" "00002841" "00003441" "00002441" "00003041" "007c1248" "01000000" "00000000" "00000000"
        "78ca3101" "00003041" "00003841" "00002c41" "00003441" "0068bf47" "01000000" "00000000" "00000000"
        "7bca3101" "00003441" "00004041" "00003041" "00003c41" "004a4448" "01000000" "00000000" "00000000");
    const QString path = appFolders().data + "X/XYZ.std";
    EXPECT_EQ(fileBytes(path).toHex(' '), expected.toHex(' '));
}

TEST_F(PriceFileTest, FirstQuoteMakesAOneSlotFileWithAZeroHeader)
{
    QuoteRecord quote = quoteOn(QStringLiteral("  orcl "), QDate(2004, 3, 15), 12.5f);
    ASSERT_TRUE(StoreQuoteBar(quote));
    EXPECT_EQ(quote.Ticker, QStringLiteral("orcl"));

    const QString path = appFolders().data + "O/orcl.std";
    const QByteArray bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 468);
    EXPECT_EQ(bytes.left(432), QByteArray(432, '\0'));
    EXPECT_EQ(CountBars(path), 1);
    EXPECT_EQ(fileSlots(path).first(), (DailyBar{20040315, 11.5f, 14.5f, 9.5f, 12.5f, 123456.0f, 2, 0, 0}));
}

TEST_F(PriceFileTest, QuotesNeverReplaceFinalBarsButHistoryReplacesQuotes)
{
    const QVector<DailyBar> march = marketBars(QStringLiteral("ORCL"), 20040301, 20040312);
    ASSERT_TRUE(StoreHistory(QStringLiteral("ORCL"), march));
    const QString path = PriceFileName(QStringLiteral("ORCL"));
    const QByteArray before = fileBytes(path);

    QuoteRecord onFinalDay = quoteOn(QStringLiteral("ORCL"), QDate(2004, 3, 12), 99.0f);
    EXPECT_TRUE(StoreQuoteBar(onFinalDay));
    EXPECT_EQ(fileBytes(path), before);

    // Monday's quote is appended, and a fresher quote replaces it.
    QuoteRecord monday = quoteOn(QStringLiteral("ORCL"), QDate(2004, 3, 15), 13.0f);
    EXPECT_TRUE(StoreQuoteBar(monday));
    monday.LastPrice = 13.5f;
    EXPECT_TRUE(StoreQuoteBar(monday));
    QVector<DailyBar> slotBars = fileSlots(path);
    ASSERT_EQ(slotBars.size(), 11);
    EXPECT_EQ(slotBars.last().Status, BarStatus::Provisional);
    EXPECT_EQ(slotBars.last().Close, 13.5f);

    // Monday's final bar then replaces the quote.
    const QVector<DailyBar> final15 = marketBars(QStringLiteral("ORCL"), 20040315, 20040315);
    ASSERT_TRUE(StoreHistory(QStringLiteral("ORCL"), final15));
    slotBars = fileSlots(path);
    ASSERT_EQ(slotBars.size(), 11);
    EXPECT_EQ(slotBars.last(), asFinal(final15).first());
    EXPECT_EQ(fileBytes(path).left(before.size()), before);
}

TEST_F(PriceFileTest, QuoteOnADamagedFileRewritesSlotZeroOnly)
{
    QVector<DailyBar> slotBars(5);
    slotBars[3] = barOn(20040318);
    slotBars[4] = barOn(20040319);
    const QString path = writeFile(QStringLiteral("ABC"), slotBars);
    QuoteRecord quote = quoteOn(QStringLiteral("ABC"), QDate(2004, 3, 15), 10.0f);
    ASSERT_TRUE(StoreQuoteBar(quote));
    const QVector<DailyBar> after = fileSlots(path);
    ASSERT_EQ(after.size(), 5);
    EXPECT_EQ(after[0].Date, 20040315);
    EXPECT_EQ(after[0].Status, BarStatus::Provisional);
    EXPECT_EQ(after.mid(1), slotBars.mid(1));
}

TEST_F(PriceFileTest, NothingIsStoredWithoutBarsOrWithAnUnsafeSymbol)
{
    EXPECT_TRUE(StoreHistory(QStringLiteral("ORCL"), {}));
    EXPECT_EQ(PriceFileName(QStringLiteral("ORCL")), QString());

    QuoteRecord neverTraded;
    neverTraded.Ticker = QStringLiteral("ORCL");
    neverTraded.LastPrice = 12.0f;
    EXPECT_FALSE(StoreQuoteBar(neverTraded));
    EXPECT_EQ(PriceFileName(QStringLiteral("ORCL")), QString());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    const QVector<DailyBar> bars = {barOn(20040315)};
    for (const QString& symbol : {QStringLiteral("../../x"), QStringLiteral("9X"), QStringLiteral("TOOLONGSYMBOL")}) {
        SCOPED_TRACE(symbol.toStdString());
        m_dialogs.clear();
        EXPECT_FALSE(StoreHistory(symbol, bars));
        QuoteRecord quote = quoteOn(symbol, QDate(2004, 3, 15), 1.0f);
        EXPECT_FALSE(StoreQuoteBar(quote));
        EXPECT_EQ(m_dialogs.messages().size(), 2);
    }
    QDir root(m_root.path());
    EXPECT_EQ(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("Database")});
    EXPECT_TRUE(QDir(appFolders().data).entryList(QDir::Files).isEmpty());
}

TEST_F(PriceFileTest, GetFirstDateOfMissingEmptyAndStoredFiles)
{
    EXPECT_EQ(GetFirstDate(QStringLiteral("ABC")), 0);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    const QString path = writeFile(QStringLiteral("ABC"), {});
    EXPECT_EQ(GetFirstDate(QStringLiteral("ABC")), 0);
    EXPECT_EQ(m_dialogs.messages(), QStringList{QStringLiteral("GetFirstDate& no records")});

    writeFile(QStringLiteral("ABC"), {barOn(20040315), barOn(20040316)});
    EXPECT_EQ(GetFirstDate(QStringLiteral("ABC")), 20040315);
    EXPECT_EQ(path, PriceFileName(QStringLiteral("ABC")));
}

TEST_F(PriceFileTest, LoadBarsGivesSlotsNewestFirstKeepingEmptySlots)
{
    QVector<DailyBar> out{barOn(20040101)};
    EXPECT_EQ(LoadBars(QStringLiteral("ABC"), out).status, BarLoad::Status::NoFile);
    EXPECT_TRUE(out.isEmpty());

    const QVector<DailyBar> slotBars = {barOn(20040315), DailyBar(), barOn(20040317), barOn(20040318, 2)};
    const QString path = writeFile(QStringLiteral("ABC"), slotBars);
    const BarLoad load = LoadBars(QStringLiteral("ABC"), out, 4);
    EXPECT_EQ(load.status, BarLoad::Status::Loaded);
    EXPECT_EQ(load.path, path);
    EXPECT_EQ(load.slotCount, 4);
    EXPECT_EQ(out, (QVector<DailyBar>{slotBars[3], slotBars[2], slotBars[1], slotBars[0]}));

    // A last slot cut short reads as if padded with zeros.
    writeBytes(path, fileBytes(path).left(432 + 3 * 36 + 20));
    ASSERT_EQ(LoadBars(QStringLiteral("ABC"), out).status, BarLoad::Status::Loaded);
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0].Date, 20040318);
    EXPECT_EQ(out[0].Status, 0);

    const BarLoad tooMany = LoadBars(QStringLiteral("ABC"), out, 3);
    EXPECT_EQ(tooMany.status, BarLoad::Status::TooManySlots);
    EXPECT_EQ(tooMany.slotCount, 4);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(PriceFileTest, DeleteSymbolDataForgetsTheQuoteAndTheFile)
{
    ASSERT_TRUE(openQuoteIndexAt(appFolders().data + "Index4.dat"));
    QuoteRecord quote = quoteOn(QStringLiteral("ORCL"), QDate(2004, 3, 15), 12.0f);
    ASSERT_TRUE(StoreQuote(quote, 1));
    quote.HistoryCount = 41;
    quote.HistoryFirst = 20040102;
    quote.HistoryLast = 20040227;
    quote.HistoricalUpdated = 38061.5;
    ASSERT_TRUE(StoreQuote(quote, 2));
    ASSERT_TRUE(StoreHistory(QStringLiteral("ORCL"), marketBars(QStringLiteral("ORCL"), 20040101, 20040229)));
    const QString path = PriceFileName(QStringLiteral("ORCL"));
    ASSERT_FALSE(path.isEmpty());

    QStringList cancelled;
    setCancelRequestsHook([&](const QString& s) { cancelled << s; });
    EXPECT_TRUE(DeleteSymbolData(QStringLiteral(" ORCL ")));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(cancelled, QStringList{QStringLiteral("ORCL")});
    QString ticker = QStringLiteral("ORCL");
    const QuoteRecord reset = ReadQuote(FindQuote(ticker));
    EXPECT_EQ(reset.HistoryCount, 0);
    EXPECT_EQ(reset.HistoryFirst, 0);
    EXPECT_EQ(reset.HistoryLast, 0);
    EXPECT_EQ(reset.HistoricalUpdated, 0.0);
    EXPECT_EQ(reset.QuoteUpdated, 0.0);
    EXPECT_EQ(reset.LastPrice, 12.0f);

    // Deleting again finds nothing to delete and says nothing.
    EXPECT_TRUE(DeleteSymbolData(QStringLiteral("ORCL")));
    EXPECT_EQ(cancelled.size(), 1);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    CloseQuoteIndex();
}
