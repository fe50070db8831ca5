#include "QuoteIndex.h"

#include "AppFolders.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Format.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int kEventsEvery = 300;

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool fitsLatin1(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace

QuoteIndex::~QuoteIndex() { close(); }

bool QuoteIndex::open(const QString& path)
{
    close();
    m_error.clear();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        m_error = QStringLiteral("Cannot open the quote index %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return reload();
}

void QuoteIndex::close()
{
    unmap();
    if (m_file.isOpen())
        m_file.close();
    m_links.clear();
    m_keys.clear();
    m_size = 0;
    m_count = 0;
    m_damaged = false;
    m_sorted = true;
}

bool QuoteIndex::flush()
{
    if (!isOpen())
        return false;
    if (m_map && ::msync(m_map, size_t(m_mapLength), MS_SYNC) != 0) {
        fail(QStringLiteral("%1: cannot write to disk: %2").arg(path(), systemError()), false);
        return false;
    }
    if (::fdatasync(m_file.handle()) != 0) {
        fail(QStringLiteral("%1: cannot write to disk: %2").arg(path(), systemError()), false);
        return false;
    }
    return true;
}

qint32 QuoteIndex::count()
{
    syncWithFile();
    return m_count;
}

qint32 QuoteIndex::find(QString& ticker)
{
    ticker = normalisedTicker(ticker);
    if (ticker.isEmpty() || !syncWithFile())
        return 0;
    return findKey(ticker.toLatin1());
}

QuoteRecord QuoteIndex::read(qint32 n)
{
    QByteArray bytes;
    if (!syncWithFile() || n < 1 || n > m_count || !readBytes(n, bytes))
        return QuoteRecord();
    return decodeQuote(bytes);
}

bool QuoteIndex::store(QuoteRecord& q, int kind)
{
    if (!syncWithFile())
        return false;
    const QString ticker = normalisedTicker(q.Ticker);
    if (ticker.isEmpty()) {
        fail(QStringLiteral("A quote without a symbol is not stored."), false);
        return false;
    }
    if (ticker.size() > kTickerWidth || !fitsLatin1(ticker)) {
        fail(QStringLiteral("The symbol \"%1\" does not fit the quote index (at most %2 plain characters); "
                            "its quote is not stored.")
                 .arg(ticker)
                 .arg(kTickerWidth),
             true);
        return false;
    }
    if (!checkWritable())
        return false;
    q.Ticker = ticker;
    const QByteArray key = ticker.toLatin1();
    const qint32 p = findKey(key);
    return p == 0 ? insert(q, kind, key) : update(p, q, kind);
}

bool QuoteIndex::reset(const QString& ticker)
{
    return changeRecord(ticker, [](QuoteRecord& r) {
        r.NoDataStamp = r.HistoricalUpdated = r.QuoteUpdated = r.DetailsUpdated = 0;
        r.ReservedDate1 = r.ReservedDate2 = 0;
        r.HistoryCount = r.HistoryFirst = r.HistoryLast = 0;
    });
}

bool QuoteIndex::markQuoted(const QString& ticker)
{
    return changeRecord(ticker, [](QuoteRecord& r) { r.QuoteUpdated = Now(); });
}

bool QuoteIndex::markNoData(const QString& ticker)
{
    return changeRecord(ticker, [](QuoteRecord& r) { r.NoDataStamp = Now(); });
}

QStringList QuoteIndex::symbols()
{
    QStringList out;
    if (!syncWithFile())
        return out;
    const qint32 n = m_count;
    for (qint32 i = 1; i <= n; ++i) {
        if (i % kEventsEvery == 0 && QCoreApplication::instance()) {
            // Pending events may store symbols or close the index: read the table afresh.
            QCoreApplication::processEvents();
            if (!syncWithFile())
                break;
        }
        if (i > m_count)
            break;
        const QByteArray key = keyOfRecord(m_links[size_t(i - 1)]);
        if (!key.isEmpty())
            out.append(QString::fromLatin1(key));
    }
    return out;
}

template <typename Change>
bool QuoteIndex::changeRecord(const QString& ticker, Change change)
{
    QString t = ticker;
    const qint32 p = find(t);
    if (p == 0)
        return false;
    if (!checkWritable())
        return false;
    QByteArray bytes;
    if (!readBytes(p, bytes))
        return false;
    QuoteRecord r = decodeQuote(bytes);
    change(r);
    return writeRecord(p, encodeQuote(r));
}

bool QuoteIndex::insert(QuoteRecord& q, int kind, const QByteArray& key)
{
    const qint32 n = m_count;
    const qint32 position = insertionPosition(key);
    q.OrderLink = position <= n ? m_links[size_t(n - 1)] : n + 1;

    QuoteRecord written = q;
    if (kind == QuoteKind::History) {
        EmptyQuote(written);
        written.Ticker = q.Ticker;
        written.HistoryCount = q.HistoryCount;
        written.HistoryFirst = q.HistoryFirst;
        written.HistoryLast = q.HistoryLast;
        written.HistoricalUpdated = q.HistoricalUpdated;
        written.OrderLink = q.OrderLink;
    }
    // The new record goes first: if it cannot be written, nothing else has changed.
    if (!writeRecord(n + 1, encodeQuote(written))) {
        if (::ftruncate(m_file.handle(), m_size) != 0)
            reload();
        return false;
    }
    m_size = qint64(kQuoteRecordLength) * (n + 1);
    m_count = n + 1;
    m_keys.push_back(key);
    m_links.insert(m_links.begin() + (position - 1), n + 1);
    return writeLinks(position, n);
}

bool QuoteIndex::update(qint32 p, QuoteRecord& q, int kind)
{
    if (kind != QuoteKind::Quote && kind != QuoteKind::History && kind != QuoteKind::Details) {
        fail(QStringLiteral("Store of kind %1 for %2 writes nothing.").arg(kind).arg(q.Ticker), false);
        return false;
    }
    QByteArray bytes;
    if (!readBytes(p, bytes))
        return false;
    QuoteRecord r = decodeQuote(bytes);
    if (kind == QuoteKind::Quote) {
        r.Ticker = q.Ticker;
        r.LastTraded = q.LastTraded;
        r.Open = q.Open;
        r.High = q.High;
        r.Low = q.Low;
        r.LastPrice = q.LastPrice;
        r.Volume = q.Volume;
        r.PointChange = q.PointChange;
        r.PercentChange = q.PercentChange;
        r.EcnTime = q.EcnTime;
        r.ECN = q.ECN;
        r.Bid = q.Bid;
        r.Ask = q.Ask;
        r.EcnChange = q.EcnChange;
        r.EcnPercent = q.EcnPercent;
        r.QuoteUpdated = Now();
    } else if (kind == QuoteKind::Details) {
        q.OrderLink = r.OrderLink;
        q.DetailsUpdated = Now();
        q.QuoteUpdated = q.DetailsUpdated;
        r = q;
    } else {
        r.HistoryCount = q.HistoryCount;
        r.HistoryFirst = q.HistoryFirst;
        r.HistoryLast = q.HistoryLast;
        r.HistoricalUpdated = q.HistoricalUpdated;
    }
    return writeRecord(p, encodeQuote(r));
}

qint32 QuoteIndex::findKey(const QByteArray& key) const
{
    qint32 lo = 1;
    qint32 hi = m_count;
    while (hi >= lo) {
        const qint32 mid = lo + (hi - lo) / 2;
        const qint32 p = m_links[size_t(mid - 1)];
        const int c = key.compare(keyOfRecord(p));
        if (c < 0)
            hi = mid - 1;
        else if (c > 0)
            lo = mid + 1;
        else
            return p;
    }
    return 0;
}

// The first position whose symbol sorts after `key`, or count + 1. Positions are
// scanned one by one unless the table is known to be in order.
qint32 QuoteIndex::insertionPosition(const QByteArray& key)
{
    const qint32 n = m_count;
    if (m_sorted) {
        qint32 lo = 1;
        qint32 hi = n + 1;
        while (lo < hi) {
            const qint32 mid = lo + (hi - lo) / 2;
            if (key < keyOfRecord(m_links[size_t(mid - 1)]))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }
    bool screwed = false;
    qint32 position = n + 1;
    for (qint32 i = 1; i <= n; ++i) {
        const qint32 link = m_links[size_t(i - 1)];
        screwed = screwed || link < 1 || link > n;
        if (key < keyOfRecord(link)) {
            position = i;
            break;
        }
    }
    if (screwed)
        dialogs().message(QStringLiteral("index is screwed"));
    return position;
}

QByteArray QuoteIndex::keyOfRecord(qint32 record) const
{
    if (record < 1 || record > m_count)
        return QByteArray();
    return m_keys[size_t(record - 1)];
}

namespace {
QuoteIndex g_index;
QString g_openError; // why the last open failed before the file was reached
} // namespace

QuoteIndex& quoteIndex() { return g_index; }

bool OpenQuoteIndex()
{
    const QString folder = appFolders().data;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        g_index.close();
        g_openError = QStringLiteral("Cannot create the data folder \"%1\" for the quote index.").arg(folder);
        return false;
    }
    return openQuoteIndexAt(folder + QStringLiteral("Index4.dat"));
}

bool openQuoteIndexAt(const QString& path)
{
    g_openError.clear();
    return g_index.open(path);
}

QString QuoteIndexError() { return g_openError.isEmpty() ? g_index.errorString() : g_openError; }

void CloseQuoteIndex() { g_index.close(); }

bool FlushQuoteIndex() { return g_index.flush(); }

qint32 CountQuotes() { return g_index.count(); }

qint32 FindQuote(QString& ticker) { return g_index.find(ticker); }

QuoteRecord ReadQuote(qint32 n) { return g_index.read(n); }

bool StoreQuote(QuoteRecord& q, int kind) { return g_index.store(q, kind); }

bool ResetQuote(const QString& ticker) { return g_index.reset(ticker); }

bool MarkQuoted(const QString& ticker) { return g_index.markQuoted(ticker); }

bool MarkNoData(const QString& ticker) { return g_index.markNoData(ticker); }

QString LastPriceText(const QString& ticker)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    QString t = ticker;
    const qint32 p = g_index.find(t);
    if (p == 0)
        return QString();
    return singleText(g_index.read(p).LastPrice);
}

QStringList ListQuoteSymbols() { return g_index.symbols(); }
