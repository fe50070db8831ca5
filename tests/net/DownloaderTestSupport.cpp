#include "DownloaderTestSupport.h"

#include <QUrlQuery>

QString historyBody(const QDate& from, const QDate& to, double base)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QString out = "Date,Open,High,Low,Close,Volume,Adj Close\n";
    for (QDate d = to; d >= from; d = d.addDays(-1)) {
        if (d.dayOfWeek() > 5)
            continue;
        const double close = base + 0.01 * from.daysTo(d);
        out += QString("%1-%2-%3,%4,%5,%6,%7,%8,%7\n")
                   .arg(d.day())
                   .arg(kMonths[d.month() - 1])
                   .arg(d.year() % 100, 2, 10, QChar('0'))
                   .arg(close - 0.1, 0, 'f', 2)
                   .arg(close + 0.5, 0, 'f', 2)
                   .arg(close - 0.5, 0, 'f', 2)
                   .arg(close, 0, 'f', 2)
                   .arg(1000 + from.daysTo(d));
    }
    return out;
}

QByteArray httpReply(const QString& body)
{
    return "HTTP/1.0 200 OK\r\nServer: tarnbeck-test\r\nContent-Type: text/csv\r\nConnection: close\r\n\r\n"
        + body.toLatin1();
}

QString queryValue(const QByteArray& request, const QString& key)
{
    const QByteArray line = request.left(request.indexOf("\r\n"));
    const QByteArray target = line.mid(4, line.lastIndexOf(' ') - 4);
    const QUrlQuery query(QString::fromLatin1(target.mid(target.indexOf('?') + 1)));
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

QByteArray MiniService::answer(const QByteArray& request) const
{
    const QString s = queryValue(request, "s");
    if (request.startsWith("GET /table.csv")) {
        if (s != symbol)
            return httpReply("<html>The requested URL was not found on this server.</html>\n");
        auto day = [&](const char* m, const char* d, const char* y) {
            return QDate(queryValue(request, y).toInt(), queryValue(request, m).toInt() + 1, queryValue(request, d).toInt());
        };
        const QDate from = qMax(first, day("a", "b", "c"));
        const QDate to = qMin(last, day("d", "e", "f"));
        if (from > to)
            return httpReply("No Prices in this date range\n");
        return httpReply(historyBody(from, to, 20.0 + 0.01 * first.daysTo(from)));
    }
    if (s != symbol)
        return httpReply("\"" + s + "\",N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A,N/A\r\n");
    const bool details = queryValue(request, "f").startsWith("sd1");
    return httpReply((details ? detailsLine : quoteLine) + "\r\n");
}
