#include "QuoteResponder.h"

#include "MarketView.h"
#include "ReplyFormat.h"

#include <QRegularExpression>

namespace {

using Query = QList<QPair<QByteArray, QString>>;

const char kDefaultFields[] = "sl1d1t1c1ohgv";
const int kMaxSymbolsPerQuote = 200;
const int kMaxEchoedSymbol = 20;

Query parseQuery(const QByteArray& query)
{
    Query out;
    for (const QByteArray& pair : query.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype eq = pair.indexOf('=');
        const QByteArray key = QByteArray::fromPercentEncoding(eq < 0 ? pair : pair.left(eq));
        const QByteArray value = eq < 0 ? QByteArray() : QByteArray::fromPercentEncoding(pair.mid(eq + 1));
        out.append({key, QString::fromUtf8(value)});
    }
    return out;
}

bool has(const Query& query, const char* key)
{
    for (const auto& kv : query)
        if (kv.first == key)
            return true;
    return false;
}

QString value(const Query& query, const char* key)
{
    for (const auto& kv : query)
        if (kv.first == key)
            return kv.second;
    return QString();
}

// A symbol as the request wrote it, made safe to write back into a quote line.
QString echoSymbol(const QString& symbol)
{
    QString out;
    for (QChar c : symbol) {
        if (out.size() >= kMaxEchoedSymbol)
            break;
        if (c.unicode() > 0x20 && c.unicode() < 0x7F && c != QLatin1Char('"') && c != QLatin1Char(','))
            out += c;
    }
    return out;
}

// A history date from its month (0-11), day and year keys; an invalid date with `ok`
// false when a key is not a number in range, an invalid date with `ok` true when the
// request leaves that end open.
QDate rangeDate(const Query& query, const char* month, const char* day, const char* year, bool& ok)
{
    if (!has(query, month) && !has(query, day) && !has(query, year))
        return QDate();
    bool okM = false, okD = false, okY = false;
    const int m = value(query, month).trimmed().toInt(&okM);
    const int d = value(query, day).trimmed().toInt(&okD);
    const int y = value(query, year).trimmed().toInt(&okY);
    if (!okM || !okD || !okY || m < 0 || m > 11 || d < 1 || d > 31 || y < 1 || y > 9999) {
        ok = false;
        return QDate();
    }
    // A day past the month's end rolls into the next month (31 April is 1 May).
    return QDate(y, m + 1, 1).addDays(d - 1);
}

HttpResponse notFound(const QByteArray& path)
{
    return errorPage(404, QStringLiteral("The requested URL %1 was not found on this server.")
                              .arg(QString::fromUtf8(path)));
}

} // namespace

HttpResponse QuoteResponder::respond(const QByteArray& method, const QByteArray& rawTarget,
                                     const QDateTime& nowUtc) const
{
    if (method != "GET" && method != "HEAD") {
        HttpResponse r = errorPage(405, QStringLiteral("Only GET and HEAD requests are served."));
        r.extraHeaders = "Allow: GET, HEAD\r\n";
        return r;
    }
    QByteArray target = rawTarget;
    if (target.left(7).toLower() == "http://") {
        const qsizetype slash = target.indexOf('/', 7);
        target = slash < 0 ? QByteArray("/") : target.mid(slash);
    }
    if (!target.startsWith('/'))
        return errorPage(400, QStringLiteral("The request target does not start with \"/\"."));

    const qsizetype mark = target.indexOf('?');
    const QByteArray path = QByteArray::fromPercentEncoding(mark < 0 ? target : target.left(mark));
    const Query query = parseQuery(mark < 0 ? QByteArray() : target.mid(mark + 1));

    if (path == "/table.csv")
        return history(path, query, nowUtc);
    if (path == "/d/table.csv")
        return quotes(query, nowUtc);
    return notFound(path.left(200));
}

HttpResponse QuoteResponder::history(const QByteArray& path, const Query& query,
                                     const QDateTime& nowUtc) const
{
    const QString symbol = value(query, "s").trimmed();
    if (symbol.isEmpty())
        return errorPage(400, QStringLiteral("The request names no symbol (s=)."));
    const QString frequency = value(query, "g");
    if (!frequency.isEmpty() && frequency != QLatin1String("d"))
        return errorPage(400, QStringLiteral("Only daily prices (g=d) are served."));
    bool ok = true;
    QDate from = rangeDate(query, "a", "b", "c", ok);
    QDate to = rangeDate(query, "d", "e", "f", ok);
    if (!ok)
        return errorPage(400, QStringLiteral("The date range keys a to f are not dates."));

    const SymbolHistory* data = m_market.find(symbol);
    if (!data)
        return notFound(path);

    const SymbolView view(*data, m_replay, newYorkTime(nowUtc));
    if (!from.isValid())
        from = QDate(1, 1, 1);
    if (!to.isValid())
        to = QDate(9999, 12, 31);
    const QVector<PriceRow> rows = view.rowsBetween(from, to);
    if (rows.isEmpty())
        return errorPage(404, QStringLiteral("No Prices in this date range for %1.").arg(data->symbol));

    HttpResponse r;
    r.contentType = "text/csv";
    r.body = historyTable(rows);
    return r;
}

HttpResponse QuoteResponder::quotes(const Query& query, const QDateTime& nowUtc) const
{
    static const QRegularExpression separators(QStringLiteral("[+,]"));
    const QStringList symbols =
        value(query, "s").split(separators, Qt::SkipEmptyParts).mid(0, kMaxSymbolsPerQuote);
    if (symbols.isEmpty())
        return errorPage(400, QStringLiteral("The request names no symbol (s=)."));
    const QStringList fields =
        splitFieldList(has(query, "f") ? value(query, "f") : QString::fromLatin1(kDefaultFields));
    const MarketTime now = newYorkTime(nowUtc);

    HttpResponse r;
    r.contentType = "text/csv";
    for (const QString& requested : symbols) {
        const QString symbol = requested.trimmed().toUpper();
        const SymbolHistory* data = m_market.find(symbol);
        if (data)
            r.body += quoteLine(data->symbol, SymbolView(*data, m_replay, now).quote(), data->info, fields);
        else
            r.body += quoteLine(echoSymbol(symbol), QuoteSnapshot(), m_market.info(symbol), fields);
    }
    return r;
}
