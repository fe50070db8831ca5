#include "QuoteRecord.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace {

// Appends fields in record order; the record is complete when 423 bytes are written.
class FieldWriter {
public:
    FieldWriter() { m_out.reserve(kQuoteRecordLength); }

    void i32(qint32 v)
    {
        char b[4];
        qToLittleEndian<qint32>(v, b);
        m_out.append(b, 4);
    }
    void f32(float v)
    {
        char b[4];
        qToLittleEndian<quint32>(std::bit_cast<quint32>(v), b);
        m_out.append(b, 4);
    }
    void f64(double v)
    {
        char b[8];
        qToLittleEndian<quint64>(std::bit_cast<quint64>(v), b);
        m_out.append(b, 8);
    }
    void byte(quint8 v) { m_out.append(char(v)); }
    void text(const QString& s, int width)
    {
        if (s.isNull()) {
            m_out.append(QByteArray(width, '\0'));
            return;
        }
        QByteArray bytes = s.toLatin1().left(width);
        bytes.append(QByteArray(width - bytes.size(), ' '));
        m_out.append(bytes);
    }
    void raw(const QByteArray& b, int width)
    {
        m_out.append(b.left(width));
        m_out.append(QByteArray(width - qMin<qsizetype>(b.size(), width), '\0'));
    }
    QByteArray result() const { return m_out; }

private:
    QByteArray m_out;
};

// Reads fields in record order from a record of exactly 423 bytes.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& record) : m_p(record.constData()) {}

    qint32 i32() { return qFromLittleEndian<qint32>(take(4)); }
    float f32() { return std::bit_cast<float>(qFromLittleEndian<quint32>(take(4))); }
    double f64() { return std::bit_cast<double>(qFromLittleEndian<quint64>(take(8))); }
    quint8 byte() { return quint8(*take(1)); }
    QString text(int width)
    {
        const char* p = take(width);
        int n = width;
        bool untouched = true;
        for (int i = 0; i < width; ++i)
            untouched = untouched && p[i] == '\0';
        if (untouched)
            return QString();
        while (n > 0 && (p[n - 1] == ' ' || p[n - 1] == '\0'))
            --n;
        if (n == 0)
            return QStringLiteral("");
        return QString::fromLatin1(p, n);
    }
    QByteArray raw(int width) { return QByteArray(take(width), width); }

private:
    const char* take(int n)
    {
        const char* p = m_p;
        m_p += n;
        return p;
    }
    const char* m_p;
};

} // namespace

QByteArray encodeQuote(const QuoteRecord& q)
{
    FieldWriter w;
    w.i32(q.OrderLink);
    w.text(q.Ticker, kTickerWidth);
    w.f64(q.LastTraded);
    for (float v : {q.Open, q.High, q.Low, q.LastPrice, q.Volume, q.PointChange, q.PercentChange})
        w.f32(v);
    w.text(q.CompanyName, kCompanyNameWidth);
    w.f32(q.SharesOutStanding);
    w.text(q.Exchange, kExchangeWidth);
    for (float v : {q.YearHigh, q.YearLow, q.AvgVolume, q.Marketcap, q.PE, q.Earnings, q.Dividends, q.Yeild})
        w.f32(v);
    w.text(q.ExDivDate, kDivDateWidth);
    w.text(q.DivDate, kDivDateWidth);
    w.text(q.Splits, kSplitsWidth);
    w.byte(q.ReservedByte);
    w.f64(q.NoDataStamp);
    w.i32(q.HistoryCount);
    w.i32(q.HistoryFirst);
    w.i32(q.HistoryLast);
    for (double v : {q.HistoricalUpdated, q.QuoteUpdated, q.DetailsUpdated, q.ReservedDate1, q.ReservedDate2, q.EcnTime})
        w.f64(v);
    for (float v : {q.ECN, q.Bid, q.Ask, q.EcnChange, q.EcnPercent})
        w.f32(v);
    w.text(q.ReservedText1, kQuoteTextWidth);
    w.text(q.ReservedText2, kQuoteTextWidth);
    w.text(q.Industry, kQuoteTextWidth);
    w.raw(q.ReservedTail, kReservedTailSize);
    const QByteArray out = w.result();
    Q_ASSERT(out.size() == kQuoteRecordLength);
    return out;
}

QuoteRecord decodeQuote(const QByteArray& bytes)
{
    QByteArray record = bytes.left(kQuoteRecordLength);
    record.append(QByteArray(kQuoteRecordLength - record.size(), '\0'));
    FieldReader r(record);
    QuoteRecord q;
    q.OrderLink = r.i32();
    q.Ticker = r.text(kTickerWidth);
    q.LastTraded = r.f64();
    for (float* v : {&q.Open, &q.High, &q.Low, &q.LastPrice, &q.Volume, &q.PointChange, &q.PercentChange})
        *v = r.f32();
    q.CompanyName = r.text(kCompanyNameWidth);
    q.SharesOutStanding = r.f32();
    q.Exchange = r.text(kExchangeWidth);
    for (float* v : {&q.YearHigh, &q.YearLow, &q.AvgVolume, &q.Marketcap, &q.PE, &q.Earnings, &q.Dividends, &q.Yeild})
        *v = r.f32();
    q.ExDivDate = r.text(kDivDateWidth);
    q.DivDate = r.text(kDivDateWidth);
    q.Splits = r.text(kSplitsWidth);
    q.ReservedByte = r.byte();
    q.NoDataStamp = r.f64();
    q.HistoryCount = r.i32();
    q.HistoryFirst = r.i32();
    q.HistoryLast = r.i32();
    for (double* v : {&q.HistoricalUpdated, &q.QuoteUpdated, &q.DetailsUpdated, &q.ReservedDate1, &q.ReservedDate2,
                      &q.EcnTime})
        *v = r.f64();
    for (float* v : {&q.ECN, &q.Bid, &q.Ask, &q.EcnChange, &q.EcnPercent})
        *v = r.f32();
    q.ReservedText1 = r.text(kQuoteTextWidth);
    q.ReservedText2 = r.text(kQuoteTextWidth);
    q.Industry = r.text(kQuoteTextWidth);
    q.ReservedTail = r.raw(kReservedTailSize);
    return q;
}

void EmptyQuote(QuoteRecord& q)
{
    q = QuoteRecord();
    const QString unknown = QStringLiteral("unknown");
    q.Ticker = QStringLiteral("none");
    q.CompanyName = QStringLiteral("No name found");
    q.Exchange = QStringLiteral("I dunno");
    q.ExDivDate = QStringLiteral("n/a");
    q.DivDate = QStringLiteral("n/a");
    q.Splits = unknown;
    q.ReservedText1 = unknown;
    q.ReservedText2 = unknown;
    q.Industry = unknown;
}

QString normalisedTicker(const QString& ticker) { return ticker.trimmed().toUpper(); }
