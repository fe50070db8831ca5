#include "QuoteIndex.h"
#include "QuoteIndexTestSupport.h"
#include "StoreTestSupport.h"

#include "AppFolders.h"

#include <QCoreApplication>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>
#include <set>
#include <sys/resource.h>

namespace {

class QuoteIndexTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(index.open(path)) << index.errorString().toStdString(); }

    QuoteRecord quote(const QString& ticker, float lastPrice = 0)
    {
        QuoteRecord q;
        q.Ticker = ticker;
        q.LastPrice = lastPrice;
        return q;
    }
    bool store(const QString& ticker, float lastPrice = 0, int kind = QuoteKind::Quote)
    {
        QuoteRecord q = quote(ticker, lastPrice);
        return index.store(q, kind);
    }
    QuoteRecord stored(const QString& ticker)
    {
        QString t = ticker;
        return index.read(index.find(t));
    }
    // Symbols in the order the file's links give them.
    QStringList symbolsByPosition()
    {
        const QByteArray bytes = readWholeFile(path);
        QStringList out;
        for (qint32 link : linksIn(bytes))
            out << decodeQuote(bytes.mid(qsizetype(link - 1) * kQuoteRecordLength, kQuoteRecordLength)).Ticker;
        return out;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Index4.dat"));
    ScopedTestEnvironment env;
    QuoteIndex index;
};

QString randomTicker(std::mt19937& rng)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.";
    const int length = 1 + int(rng() % 5);
    QString t;
    for (int i = 0; i < length; ++i)
        t += QLatin1Char(letters[rng() % (sizeof letters - 1)]);
    return t;
}

} // namespace

TEST_F(QuoteIndexTest, FirstSymbolIsRecordOneLinkingToItself)
{
    EXPECT_EQ(index.count(), 0);
    ASSERT_TRUE(store(QStringLiteral("msft"), 27.5f));
    EXPECT_EQ(index.count(), 1);
    const QByteArray bytes = readWholeFile(path);
    ASSERT_EQ(bytes.size(), 423);
    EXPECT_EQ(linksIn(bytes), std::vector<qint32>({1}));
    EXPECT_EQ(bytes.mid(4, 10), QByteArray("MSFT      "));
}

TEST_F(QuoteIndexTest, InsertingBeforeTheOnlySymbolSwapsTheLinks)
{
    ASSERT_TRUE(store(QStringLiteral("AB")));
    QuoteRecord q = quote(QStringLiteral("AA"));
    ASSERT_TRUE(index.store(q, QuoteKind::Quote));
    EXPECT_EQ(q.OrderLink, 1);
    EXPECT_EQ(linksIn(readWholeFile(path)), std::vector<qint32>({2, 1}));
    EXPECT_EQ(symbolsByPosition(), QStringList({QStringLiteral("AA"), QStringLiteral("AB")}));
    QString aa = QStringLiteral("AA");
    EXPECT_EQ(index.find(aa), 2);
}

TEST_F(QuoteIndexTest, RandomInsertionsFollowTheInsertionRule)
{
    std::mt19937 rng(20040315);
    ReferenceOrder reference;
    std::set<QString> seen;
    for (int i = 0; i < 600; ++i) {
        const QString ticker = randomTicker(rng);
        const int kind = i % 3 == 0 ? QuoteKind::History : (i % 3 == 1 ? QuoteKind::Quote : QuoteKind::Details);
        ASSERT_TRUE(store(ticker.toLower(), float(i), kind));
        if (seen.insert(ticker).second)
            reference.insert(ticker.toLatin1());
    }
    const std::vector<qint32> links = linksIn(readWholeFile(path));
    EXPECT_EQ(links, reference.links);

    // The links are a permutation that lists the symbols in byte order.
    std::vector<qint32> sortedLinks = links;
    std::sort(sortedLinks.begin(), sortedLinks.end());
    for (size_t i = 0; i < sortedLinks.size(); ++i)
        ASSERT_EQ(sortedLinks[i], qint32(i + 1));
    const QStringList bySymbol = symbolsByPosition();
    EXPECT_EQ(bySymbol, QStringList(seen.begin(), seen.end()));
    EXPECT_EQ(index.symbols(), bySymbol);

    // Every symbol is found at its record, also by a fresh handle.
    QuoteIndex again;
    ASSERT_TRUE(again.open(path));
    for (qint32 r = 1; r <= qint32(reference.tickers.size()); ++r) {
        QString t = QString::fromLatin1(reference.tickers[size_t(r - 1)]);
        ASSERT_EQ(index.find(t), r);
        ASSERT_EQ(again.find(t), r);
    }
    QString absent = QStringLiteral("ZZZZZZ");
    EXPECT_EQ(index.find(absent), 0);
}

TEST_F(QuoteIndexTest, UnorderedTableIsScannedPositionByPosition)
{
    // Valid links that do not sort the symbols: the scan stops at the first position
    // whose symbol sorts after the new one, wherever that is.
    index.close();
    ReferenceOrder reference;
    reference.tickers = {"MM", "CC", "TT", "GG"};
    reference.links = {3, 1, 4, 2};
    QByteArray file;
    for (qint32 r = 1; r <= 4; ++r)
        file += recordBytes(reference.links[size_t(r - 1)], QString::fromLatin1(reference.tickers[size_t(r - 1)]));
    writeWholeFile(path, file);
    ASSERT_TRUE(index.open(path));
    for (const char* t : {"HH", "AA", "ZZ", "NN"}) {
        ASSERT_TRUE(store(QString::fromLatin1(t)));
        reference.insert(t);
        EXPECT_EQ(linksIn(readWholeFile(path)), reference.links) << t;
    }
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
}

TEST_F(QuoteIndexTest, BrokenLinkIsReportedAndNothingOutsideTheRecordsChanges)
{
    index.close();
    ReferenceOrder reference;
    reference.tickers = {"BB", "DD", "FF"};
    reference.links = {99, 1, 2};
    QByteArray file;
    for (qint32 r = 1; r <= 3; ++r)
        file += recordBytes(reference.links[size_t(r - 1)], QString::fromLatin1(reference.tickers[size_t(r - 1)]), 1.5f);
    writeWholeFile(path, file);
    ASSERT_TRUE(index.open(path));

    QString ff = QStringLiteral("ff");
    EXPECT_EQ(index.find(ff), 0) << "no position names FF";
    ASSERT_TRUE(store(QStringLiteral("CC"), 2.0f));
    reference.insert("CC");
    EXPECT_EQ(env.dialogs.messages(), QStringList({QStringLiteral("index is screwed")}));

    const QByteArray after = readWholeFile(path);
    ASSERT_EQ(after.size(), 4 * 423);
    EXPECT_EQ(linksIn(after), reference.links);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(after.mid(r * 423 + 4, 419), file.mid(r * 423 + 4, 419)) << "record " << r + 1;
    EXPECT_EQ(index.symbols(), QStringList({QStringLiteral("BB"), QStringLiteral("CC"), QStringLiteral("DD")}));
    QString cc = QStringLiteral("CC");
    EXPECT_EQ(index.find(cc), 4);
}

TEST_F(QuoteIndexTest, FindQuoteNormalisesTheCallersVariable)
{
    index.close();
    ASSERT_TRUE(openQuoteIndexAt(path));
    for (const char* t : {"MSFT", "IBM", "AAPL"}) {
        QuoteRecord q = quote(QString::fromLatin1(t));
        ASSERT_TRUE(StoreQuote(q, QuoteKind::Quote));
    }
    struct Row {
        const char* given;
        const char* after;
        qint32 record;
    };
    const Row rows[] = {
        {" msft ", "MSFT", 1}, {"ibm", "IBM", 2}, {"\taapl", "AAPL", 3},
        {"   ", "", 0},        {"MSF", "MSF", 0}, {"msftx", "MSFTX", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.given);
        QString ticker = QString::fromLatin1(row.given);
        EXPECT_EQ(FindQuote(ticker), row.record);
        EXPECT_EQ(ticker, QString::fromLatin1(row.after));
    }
    EXPECT_EQ(CountQuotes(), 3);
    CloseQuoteIndex();
    QString msft = QStringLiteral("MSFT");
    EXPECT_EQ(FindQuote(msft), 0) << "a closed index finds nothing";
}

TEST_F(QuoteIndexTest, KindsDecideWhatAKnownSymbolKeeps)
{
    env.clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(16, 0), Qt::UTC));
    QuoteRecord first = quote(QStringLiteral("MSFT"), 25.0f);
    first.CompanyName = QStringLiteral("Microsoft");
    first.Industry = QStringLiteral("Software");
    ASSERT_TRUE(index.store(first, QuoteKind::Details));
    ASSERT_TRUE(store(QStringLiteral("AAPL")));

    env.clock.advanceSeconds(60);
    QuoteRecord q = quote(QStringLiteral("msft"), 26.0f);
    q.CompanyName = QStringLiteral("Other name");
    q.Bid = 25.9f;
    q.HistoryCount = 500;
    ASSERT_TRUE(index.store(q, QuoteKind::Quote));
    QuoteRecord r = stored(QStringLiteral("MSFT"));
    EXPECT_EQ(r.CompanyName, QStringLiteral("Microsoft"));
    EXPECT_EQ(r.Industry, QStringLiteral("Software"));
    EXPECT_FLOAT_EQ(r.LastPrice, 26.0f);
    EXPECT_FLOAT_EQ(r.Bid, 25.9f);
    EXPECT_EQ(r.HistoryCount, 0);
    EXPECT_DOUBLE_EQ(r.QuoteUpdated, Now());
    EXPECT_DOUBLE_EQ(r.DetailsUpdated, 0.0);

    env.clock.advanceSeconds(60);
    QuoteRecord h = quote(QStringLiteral("MSFT"), 99.0f);
    h.HistoryCount = 1300;
    h.HistoryFirst = 19990104;
    h.HistoryLast = 20040312;
    h.HistoricalUpdated = Now();
    h.CompanyName = QStringLiteral("Ignored");
    ASSERT_TRUE(index.store(h, QuoteKind::History));
    r = stored(QStringLiteral("MSFT"));
    EXPECT_EQ(r.HistoryCount, 1300);
    EXPECT_EQ(r.HistoryFirst, 19990104);
    EXPECT_EQ(r.HistoryLast, 20040312);
    EXPECT_DOUBLE_EQ(r.HistoricalUpdated, Now());
    EXPECT_FLOAT_EQ(r.LastPrice, 26.0f);
    EXPECT_EQ(r.CompanyName, QStringLiteral("Microsoft"));

    env.clock.advanceSeconds(60);
    QuoteRecord d = quote(QStringLiteral("Msft"), 1.0f);
    d.CompanyName = QStringLiteral("Microsoft Corp");
    d.OrderLink = 77;
    ASSERT_TRUE(index.store(d, QuoteKind::Details));
    EXPECT_EQ(d.OrderLink, 2) << "the stored link is kept";
    r = stored(QStringLiteral("MSFT"));
    EXPECT_EQ(r.CompanyName, QStringLiteral("Microsoft Corp"));
    EXPECT_TRUE(r.Industry.isNull()) << "details replace the whole record";
    EXPECT_EQ(r.HistoryCount, 0);
    EXPECT_EQ(r.OrderLink, 2);
    EXPECT_DOUBLE_EQ(r.DetailsUpdated, Now());
    EXPECT_DOUBLE_EQ(r.QuoteUpdated, Now());
    EXPECT_EQ(symbolsByPosition(), QStringList({QStringLiteral("AAPL"), QStringLiteral("MSFT")}));

    const QByteArray before = readWholeFile(path);
    EXPECT_FALSE(store(QStringLiteral("MSFT"), 5.0f, 3));
    EXPECT_EQ(readWholeFile(path), before);
}

TEST_F(QuoteIndexTest, NewSymbolFromAHistorySummaryIsAnEmptyRecord)
{
    for (int existing : {0, 1}) {
        SCOPED_TRACE(existing ? "after another symbol" : "into an empty file");
        if (existing)
            ASSERT_TRUE(store(QStringLiteral("AAA"), 3.0f));
        QuoteRecord h = quote(QStringLiteral(" zz "), 12.0f);
        h.CompanyName = QStringLiteral("Not kept");
        h.HistoryCount = 40;
        h.HistoryFirst = 20040102;
        h.HistoryLast = 20040227;
        h.HistoricalUpdated = 38061.25;
        ASSERT_TRUE(index.store(h, QuoteKind::History));
        const QuoteRecord r = stored(QStringLiteral("ZZ"));
        EXPECT_EQ(r.Ticker, QStringLiteral("ZZ"));
        EXPECT_EQ(r.CompanyName, QStringLiteral("No name found"));
        EXPECT_EQ(r.Exchange, QStringLiteral("I dunno"));
        EXPECT_EQ(r.Industry, QStringLiteral("unknown"));
        EXPECT_EQ(r.DivDate, QStringLiteral("n/a"));
        EXPECT_FLOAT_EQ(r.LastPrice, 0.0f);
        EXPECT_EQ(r.HistoryCount, 40);
        EXPECT_EQ(r.HistoryFirst, 20040102);
        EXPECT_EQ(r.HistoryLast, 20040227);
        EXPECT_DOUBLE_EQ(r.HistoricalUpdated, 38061.25);
        EXPECT_EQ(r.OrderLink, h.OrderLink);
        index.close();
        QFile::remove(path);
        ASSERT_TRUE(index.open(path));
    }
}

TEST_F(QuoteIndexTest, ResetAndMarksChangeOnlyTheirFields)
{
    env.clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(21, 5, 30), Qt::UTC));
    env.clock.setLocalOffsetSeconds(-5 * 3600);
    QuoteRecord q = quote(QStringLiteral("IBM"), 91.5f);
    q.CompanyName = QStringLiteral("IBM Corp");
    q.HistoryCount = 10;
    q.HistoryFirst = 20040301;
    q.HistoryLast = 20040312;
    q.HistoricalUpdated = q.NoDataStamp = q.QuoteUpdated = q.DetailsUpdated = 38000;
    q.ReservedDate1 = q.ReservedDate2 = 1;
    ASSERT_TRUE(index.store(q, QuoteKind::Quote));
    ASSERT_TRUE(store(QStringLiteral("AA")));

    ASSERT_TRUE(index.markQuoted(QStringLiteral(" ibm")));
    EXPECT_EQ(fromDateSerial(stored(QStringLiteral("IBM")).QuoteUpdated),
              QDateTime(QDate(2004, 3, 15), QTime(16, 5, 30)));
    env.clock.advanceSeconds(3600);
    ASSERT_TRUE(index.markNoData(QStringLiteral("IBM")));
    QuoteRecord r = stored(QStringLiteral("IBM"));
    EXPECT_EQ(fromDateSerial(r.NoDataStamp), QDateTime(QDate(2004, 3, 15), QTime(17, 5, 30)));
    EXPECT_EQ(fromDateSerial(r.QuoteUpdated), QDateTime(QDate(2004, 3, 15), QTime(16, 5, 30)));
    EXPECT_DOUBLE_EQ(r.DetailsUpdated, 38000);

    ASSERT_TRUE(index.reset(QStringLiteral("ibm")));
    r = stored(QStringLiteral("IBM"));
    for (double stamp : {r.NoDataStamp, r.HistoricalUpdated, r.QuoteUpdated, r.DetailsUpdated, r.ReservedDate1,
                         r.ReservedDate2})
        EXPECT_EQ(stamp, 0.0);
    EXPECT_EQ(r.HistoryCount, 0);
    EXPECT_EQ(r.HistoryFirst, 0);
    EXPECT_EQ(r.HistoryLast, 0);
    EXPECT_FLOAT_EQ(r.LastPrice, 91.5f);
    EXPECT_EQ(r.CompanyName, QStringLiteral("IBM Corp"));
    EXPECT_EQ(r.OrderLink, 2);

    const QByteArray before = readWholeFile(path);
    EXPECT_FALSE(index.reset(QStringLiteral("XYZ")));
    EXPECT_FALSE(index.markQuoted(QStringLiteral("XYZ")));
    EXPECT_FALSE(index.markNoData(QStringLiteral("")));
    EXPECT_EQ(readWholeFile(path), before);
}

TEST_F(QuoteIndexTest, AnotherReaderSeesEveryWriteAtOnce)
{
    QFile other(path);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const auto seen = [&other] {
        other.seek(0);
        return other.readAll();
    };
    ASSERT_TRUE(store(QStringLiteral("MM"), 1.0f));
    EXPECT_EQ(seen().size(), 423);
    ASSERT_TRUE(store(QStringLiteral("AA"), 2.0f));
    ASSERT_TRUE(store(QStringLiteral("BB"), 3.0f));
    EXPECT_EQ(linksIn(seen()), std::vector<qint32>({2, 3, 1}));
    ASSERT_TRUE(store(QStringLiteral("MM"), 4.5f));
    EXPECT_FLOAT_EQ(decodeQuote(seen().left(423)).LastPrice, 4.5f);
    ASSERT_TRUE(index.markNoData(QStringLiteral("BB")));
    EXPECT_DOUBLE_EQ(decodeQuote(seen().mid(2 * 423, 423)).NoDataStamp, Now());
    EXPECT_EQ(seen(), readWholeFile(path));
}

TEST_F(QuoteIndexTest, WritesThroughAnotherHandleAreTakenIntoAccount)
{
    QuoteIndex second;
    ASSERT_TRUE(second.open(path));
    ASSERT_TRUE(store(QStringLiteral("MM")));
    QuoteRecord q = quote(QStringLiteral("AA"));
    ASSERT_TRUE(second.store(q, QuoteKind::Quote));
    ASSERT_TRUE(store(QStringLiteral("BB")));
    ReferenceOrder reference;
    for (const char* t : {"MM", "AA", "BB"})
        reference.insert(t);
    EXPECT_EQ(linksIn(readWholeFile(path)), reference.links);
    QString aa = QStringLiteral("aa");
    EXPECT_EQ(index.find(aa), 2);
    EXPECT_EQ(second.count(), 3);
}

TEST_F(QuoteIndexTest, SymbolsThatCannotBeStoredChangeNothing)
{
    ASSERT_TRUE(store(QStringLiteral("MSFT")));
    const QByteArray before = readWholeFile(path);
    struct Row {
        const char* ticker;
        bool tellsUser;
    };
    const Row rows[] = {{"", false}, {"   ", false}, {"ABCDEFGHIJK", true}, {" abcdefghijkl ", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ticker);
        env.dialogs.clear();
        EXPECT_FALSE(store(QString::fromLatin1(row.ticker), 1.0f));
        EXPECT_FALSE(index.errorString().isEmpty());
        EXPECT_EQ(env.dialogs.messages().size(), row.tellsUser ? 1 : 0);
        if (row.tellsUser)
            EXPECT_TRUE(env.dialogs.messages().constFirst().contains(QString::fromLatin1(row.ticker).trimmed().toUpper()));
        EXPECT_EQ(readWholeFile(path), before);
    }
    // Ten characters fit exactly.
    EXPECT_TRUE(store(QStringLiteral("ABCDEFGHIJ")));
}

TEST_F(QuoteIndexTest, FileOfPartRecordsIsReadButNeverWritten)
{
    struct Row {
        const char* name;
        int extraBytes;
        qint32 count;
    };
    const Row rows[] = {{"a short tail rounds down", 100, 2}, {"a long tail rounds up", 300, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        index.close();
        env.dialogs.clear();
        const QByteArray damaged = recordBytes(2, QStringLiteral("BB"), 2.0f) + recordBytes(1, QStringLiteral("AA"))
            + QByteArray(row.extraBytes, '\x7f');
        writeWholeFile(path, damaged);
        ASSERT_TRUE(index.open(path));
        EXPECT_TRUE(index.isDamaged());
        ASSERT_EQ(env.dialogs.messages().size(), 1);
        EXPECT_TRUE(env.dialogs.messages().constFirst().contains(QStringLiteral("not a whole number")));
        EXPECT_EQ(index.count(), row.count);
        QString bb = QStringLiteral("BB");
        EXPECT_EQ(index.find(bb), 1);
        EXPECT_FLOAT_EQ(index.read(1).LastPrice, 2.0f);

        EXPECT_FALSE(store(QStringLiteral("CC")));
        EXPECT_FALSE(store(QStringLiteral("BB"), 5.0f));
        EXPECT_FALSE(index.markQuoted(QStringLiteral("AA")));
        EXPECT_FALSE(index.reset(QStringLiteral("AA")));
        EXPECT_EQ(readWholeFile(path), damaged);
        EXPECT_EQ(env.dialogs.messages().size(), 1) << "the damage is reported once";
    }
}

TEST_F(QuoteIndexTest, FailedGrowthLeavesTheFileAsItWas)
{
    for (const char* t : {"AA", "BB", "CC"})
        ASSERT_TRUE(store(QString::fromLatin1(t)));
    const QByteArray before = readWholeFile(path);

    // The file may grow by 100 bytes only: the new record cannot be written whole.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = rlim_t(before.size() + 100);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool stored = store(QStringLiteral("AB"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_FALSE(stored);
    EXPECT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(readWholeFile(path), before);
    EXPECT_EQ(index.count(), 3);
    QString ab = QStringLiteral("AB");
    EXPECT_EQ(index.find(ab), 0);

    ASSERT_TRUE(store(QStringLiteral("AB")));
    ReferenceOrder reference;
    for (const char* t : {"AA", "BB", "CC", "AB"})
        reference.insert(t);
    EXPECT_EQ(linksIn(readWholeFile(path)), reference.links);
}

TEST(QuoteIndexOpen, FolderThatCannotBeMadeIsReported)
{
    ScopedTestEnvironment env;
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    writeWholeFile(blocker, "x");
    const AppFolders saved = appFolders();
    setAppFolders(foldersUnder(blocker));
    EXPECT_FALSE(OpenQuoteIndex());
    EXPECT_TRUE(QuoteIndexError().contains(blocker)) << QuoteIndexError().toStdString();
    QuoteRecord q;
    q.Ticker = QStringLiteral("MSFT");
    EXPECT_FALSE(StoreQuote(q, QuoteKind::Quote));

    setAppFolders(foldersUnder(dir.filePath(QStringLiteral("root"))));
    ASSERT_TRUE(OpenQuoteIndex()) << QuoteIndexError().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("root/Database/Index4.dat"))));
    EXPECT_TRUE(StoreQuote(q, QuoteKind::Quote));
    EXPECT_TRUE(FlushQuoteIndex());
    CloseQuoteIndex();
    setAppFolders(saved);

    QuoteIndex index;
    EXPECT_FALSE(index.open(blocker + QStringLiteral("/Index4.dat")));
    EXPECT_TRUE(index.errorString().contains(blocker));
}

TEST(QuoteIndexEvents, LookupsLetPendingEventsRunFirst)
{
    ScopedTestEnvironment env;
    QTemporaryDir dir;
    int argc = 1;
    char name[] = "test_store";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ASSERT_TRUE(openQuoteIndexAt(dir.filePath(QStringLiteral("Index4.dat"))));
    QStringList all;
    for (int i = 649; i >= 0; --i) {
        QuoteRecord q;
        q.Ticker = QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0'));
        q.LastPrice = float(i) / 4;
        ASSERT_TRUE(StoreQuote(q, QuoteKind::Quote));
        all.prepend(q.Ticker);
    }
    const auto storeLater = [&app](const QString& ticker, float price) {
        QMetaObject::invokeMethod(
            &app,
            [ticker, price] {
                QuoteRecord q;
                q.Ticker = ticker;
                q.LastPrice = price;
                StoreQuote(q, QuoteKind::Quote);
            },
            Qt::QueuedConnection);
    };
    storeLater(QStringLiteral("ZZZ"), 9.25f);
    EXPECT_EQ(LastPriceText(QStringLiteral("zzz")), QStringLiteral("9.25"));
    EXPECT_EQ(LastPriceText(QStringLiteral("S006")), QStringLiteral("1.5"));
    EXPECT_EQ(LastPriceText(QStringLiteral("S000")), QStringLiteral("0"));
    EXPECT_EQ(LastPriceText(QStringLiteral("NONE")), QString());
    all << QStringLiteral("ZZZ");

    // A symbol stored while the list is being read (it sorts last, beyond the count
    // the listing started with).
    storeLater(QStringLiteral("ZZZZ"), 1.0f);
    EXPECT_EQ(ListQuoteSymbols(), all);
    EXPECT_EQ(CountQuotes(), 652);
    CloseQuoteIndex();
}
