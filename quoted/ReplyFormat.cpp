#include "ReplyFormat.h"

#include <cmath>

namespace {

const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char kNa[] = "N/A";
const int kMaxFields = 100;

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// Text from the listings made safe for a field: no quotes, no commas, no line breaks.
QString fieldText(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1Char(' '));
    out.replace(QLatin1Char(','), QLatin1Char(' '));
    out = out.simplified();
    return out.isEmpty() ? QString::fromLatin1(kNa) : out;
}

QString signedText(double value, const QString& text)
{
    return (value < 0 ? QLatin1String("-") : QLatin1String("+")) + text;
}

QString fieldValue(const QString& letter, const QString& symbol, const QuoteSnapshot& q,
                   const SymbolInfo& info)
{
    if (letter == QLatin1String("s"))
        return quoted(symbol);
    if (letter == QLatin1String("n"))
        return quoted(fieldText(info.name));
    if (letter == QLatin1String("x"))
        return quoted(fieldText(info.exchange));
    if (letter == QLatin1String("q") || letter == QLatin1String("r1"))
        return quoted(QString::fromLatin1(kNa));
    if (!q.traded)
        return QString::fromLatin1(kNa);

    if (letter == QLatin1String("d1"))
        return quoted(quoteDateText(q.date));
    if (letter == QLatin1String("t1"))
        return quoted(quoteTimeText(q.time));
    if (letter == QLatin1String("o"))
        return priceText(q.open);
    if (letter == QLatin1String("h"))
        return priceText(q.high);
    if (letter == QLatin1String("g"))
        return priceText(q.low);
    if (letter == QLatin1String("l1"))
        return priceText(q.last);
    if (letter == QLatin1String("v"))
        return QString::number(q.volume);
    if (letter == QLatin1String("k"))
        return priceText(q.yearHigh);
    if (letter == QLatin1String("j"))
        return priceText(q.yearLow);
    if (letter == QLatin1String("w"))
        return quoted(priceText(q.yearLow) + QLatin1String(" - ") + priceText(q.yearHigh));
    if (letter == QLatin1String("a2"))
        return QString::number(q.averageVolume);
    if (letter == QLatin1String("j1"))
        return info.marketCapMillions > 0 ? marketCapText(info.marketCapMillions)
                                          : QString::fromLatin1(kNa);
    if (letter == QLatin1String("j2"))
        return q.sharesOutstanding > 0 ? groupedText(qint64(q.sharesOutstanding))
                                       : QString::fromLatin1(kNa);
    if (q.previousClose > 0) {
        const double change = std::round((q.last - q.previousClose) * 10000.0) / 10000.0;
        if (letter == QLatin1String("p"))
            return priceText(q.previousClose);
        if (letter == QLatin1String("c1"))
            return signedText(change, priceText(std::abs(change)));
        if (letter == QLatin1String("p2"))
            return quoted(signedText(change, QString::number(std::abs(change) / q.previousClose * 100.0,
                                                             'f', 2))
                          + QLatin1Char('%'));
    }
    return QString::fromLatin1(kNa);
}

} // namespace

QStringList splitFieldList(const QString& fieldList)
{
    QStringList letters;
    for (qsizetype i = 0; i < fieldList.size() && letters.size() < kMaxFields;) {
        const QChar c = fieldList[i++];
        if (!c.isLetter())
            continue;
        QString letter(c);
        while (i < fieldList.size() && fieldList[i].isDigit())
            letter += fieldList[i++];
        if (letter.size() == 2 && letter[1] == QLatin1Char('0'))
            letter.chop(1);
        letters << letter;
    }
    return letters;
}

QByteArray quoteLine(const QString& symbol, const QuoteSnapshot& quote, const SymbolInfo& info,
                     const QStringList& fields)
{
    QStringList values;
    values.reserve(fields.size());
    for (const QString& letter : fields)
        values << fieldValue(letter, symbol, quote, info);
    return values.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray historyTable(const QVector<PriceRow>& rows)
{
    QByteArray out = "Date,Open,High,Low,Close,Volume,Adj Close\n";
    out.reserve(out.size() + rows.size() * 56);
    for (const PriceRow& row : rows) {
        out += historyDateText(row.date()).toLatin1();
        out += ',';
        out += priceText(row.open).toLatin1();
        out += ',';
        out += priceText(row.high).toLatin1();
        out += ',';
        out += priceText(row.low).toLatin1();
        out += ',';
        out += priceText(row.close).toLatin1();
        out += ',';
        out += QByteArray::number(row.volume);
        out += ',';
        out += priceText(row.adjClose).toLatin1();
        out += '\n';
    }
    return out;
}

QString priceText(double value)
{
    QString text = QString::number(value, 'f', 4);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    while (text.size() > point + 3 && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

QString quoteDateText(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString quoteTimeText(const QTime& time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2%3")
        .arg(hour12)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QLatin1String("am") : QLatin1String("pm"));
}

QString historyDateText(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.day())
        .arg(QLatin1String(kMonthNames[date.month() - 1]))
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

QString groupedText(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString marketCapText(double millions)
{
    if (millions >= 1000.0)
        return QString::number(millions / 1000.0, 'f', 2) + QLatin1Char('B');
    return QString::number(millions, 'f', 2) + QLatin1Char('M');
}
