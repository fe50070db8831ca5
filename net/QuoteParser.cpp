#include "QuoteParser.h"

#include "Dates.h"
#include "Dialogs.h"
#include "NetLog.h"
#include "QuoteRecord.h"
#include "ReplyValues.h"
#include "TextTokens.h"

#include <cmath>

namespace {

const QChar kQuote(u'"');

// Reads fields as numbers and remembers whether any of them did not fit.
class ValueReader {
public:
    float operator()(const QString& text)
    {
        float v = 0;
        if (!singleValue(text, v))
            m_overflow = true;
        return v;
    }
    bool overflow() const { return m_overflow; }

private:
    bool m_overflow = false;
};

DateSerial momentSerial(const QDate& date, const QTime& time)
{
    return toDateSerial(date, time.isValid() ? time : QTime(0, 0));
}

// The trade date and time: the date alone when the time field is no time.
DateSerial tradeMoment(const QDate& date, const QString& timeField)
{
    QTime t;
    return readTime(timeField, t) ? momentSerial(date, t) : momentSerial(date, QTime());
}

int quoteError(const QString& line)
{
    dialogs().message(QStringLiteral("ParseStockQuote Error"));
    appendRootLog(QString::fromLatin1(kParseErrorFile), line);
    return ParseResult::Nothing;
}

int detailsError(const QString& reply)
{
    dialogs().message(QStringLiteral("ParseDetails Error"));
    appendRootLog(QString::fromLatin1(kParseErrorFile), reply);
    return ParseResult::NoData;
}

} // namespace

QString ReplyBody(const QString& reply)
{
    return AfterFirst(reply, QStringLiteral("\r\n\r\n"));
}

int ParseStockQuote(const QString& line, QuoteRecord& q)
{
    QString copy = line;
    copy.remove(kQuote);
    copy.remove(QLatin1Char('%'));
    copy += QLatin1Char(',');
    const QString comma = QStringLiteral(",");
    QString f[18];
    for (int i = 1; i <= 17; ++i)
        f[i] = TakeToken(copy, comma);

    q.Ticker = f[1];
    if (f[2] == QLatin1String("N/A"))
        return ParseResult::Nothing;
    QDate day;
    if (!readDate(f[2], day)) {
        q.LastTraded = 0;
        return ParseResult::Retry;
    }
    q.LastTraded = tradeMoment(day, f[3]);

    ValueReader value;
    q.Open = value(f[4]);
    q.High = value(f[5]);
    q.Low = value(f[6]);
    q.LastPrice = value(f[7]);
    q.Volume = value(f[8]);
    q.PointChange = value(f[9]);
    q.PercentChange = value(f[10]);

    // The extended-hours time is either a whole date or a time of the trade day.
    const ReplyMoment ecn = readMoment(f[11]);
    if (ecn.hasDate)
        q.EcnTime = momentSerial(ecn.date, ecn.time);
    else if (ecn.hasTime)
        q.EcnTime = momentSerial(day, ecn.time);

    q.Bid = value(f[12]);
    q.Ask = value(f[13]);
    // The ordinary field list asks for sixteen fields and no year range; the year range
    // comes with the details. A line that does carry one as a seventeenth field gives
    // it; a line without one leaves the record's year range as it was.
    if (!f[17].isEmpty()) {
        q.YearLow = value(BeforeFirst(f[17], QStringLiteral("-")).trimmed());
        q.YearHigh = value(AfterFirst(f[17], QStringLiteral("-")).trimmed());
    }

    const float ecnPrice = value(f[14]);
    if (ecnPrice > 0) {
        if (ecnPrice != 0.0625f) {
            q.ECN = ecnPrice;
            q.EcnChange = value(f[15]);
            q.EcnPercent = value(f[16]);
        } else {
            q.ECN = q.LastPrice;
            q.EcnChange = q.PointChange;
            q.EcnPercent = q.PercentChange;
            q.EcnTime = q.LastTraded;
        }
    }
    if (value.overflow())
        return quoteError(line);

    if (q.Open == 0)
        q.Open = q.LastPrice;
    if (q.High == 0)
        q.High = q.LastPrice;
    if (q.Low == 0)
        q.Low = q.LastPrice;
    return ParseResult::Parsed;
}

int ParseDetails(const QString& reply, QuoteRecord& q)
{
    QString body = ReplyBody(reply);
    const QString comma = QStringLiteral(",");
    auto next = [&body, &comma]() { return RemoveAll(TakeToken(body, comma), kQuote); };

    q.Ticker = next();
    const QString date = next();
    if (date == QLatin1String("N/A"))
        return ParseResult::NoData;
    QDate day;
    if (!readDate(date, day)) {
        q.LastTraded = 0;
        return ParseResult::Retry;
    }
    q.LastTraded = tradeMoment(day, next());

    ValueReader value;
    q.Open = value(next());
    q.High = value(next());
    q.Low = value(next());
    q.LastPrice = value(next());
    q.Volume = value(next());
    q.PointChange = value(next());
    q.PercentChange = value(RemoveAll(next(), QLatin1Char('%')));

    QString name = RemoveAll(TakeToken(body, comma).left(20), kQuote).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Name not found");
    q.CompanyName = ProperCase(name);

    // Shares outstanding come unquoted, possibly with thousands separators: everything
    // up to the opening quote of the exchange, less the comma before that quote.
    QString shares = TakeToken(body, QString(kQuote));
    shares.chop(1);
    if (value(shares) != 0)
        q.SharesOutStanding = value(RemoveAll(shares, QLatin1Char(',')));
    q.Exchange = next();

    q.YearHigh = value(next());
    q.YearLow = value(next());
    q.AvgVolume = value(next());
    q.Marketcap = SuffixValue(next());
    if (!std::isfinite(q.Marketcap))
        return detailsError(reply);
    q.PE = value(next());
    q.Earnings = value(next());
    q.Dividends = value(next());
    q.Yeild = value(next());
    q.ExDivDate = next();
    q.DivDate = next();
    if (value.overflow())
        return detailsError(reply);

    QString splits = BeforeFirst(AfterFirst(body, QStringLiteral(":")), QStringLiteral("<"));
    if (splits.contains(QLatin1String("//")))
        splits = QStringLiteral("none");
    q.Splits = splits;
    q.Industry = QStringLiteral("unknown");
    return ParseResult::Parsed;
}
