#include "RequestUrl.h"

#include "Dates.h"

#include <QUrl>

QString queryTicker(const QString& ticker)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(ticker));
}

QString requestPath(const DownloadRequest& req)
{
    const QString ticker = queryTicker(req.Ticker);
    switch (req.Type) {
    case RequestType::Quote:
        return QStringLiteral("/d/table.csv?s=") + ticker + QStringLiteral("&f=")
            + QLatin1String(req.Ticker.contains(QLatin1Char('^')) ? kIndexQuoteFields : kQuoteFields);
    case RequestType::Details:
        return QStringLiteral("/d/table.csv?s=") + ticker + QStringLiteral("&f=") + QLatin1String(kDetailsFields);
    case RequestType::History: {
        const int end = req.Date;
        const int start = AddMonthsJulian(end, -3);
        QString sy, sm, sd, ey, em, ed;
        JulianToStrings(start, sy, sm, sd);
        JulianToStrings(end, ey, em, ed);
        return QStringLiteral("/table.csv?a=") + sm + QStringLiteral("&b=") + sd + QStringLiteral("&c=") + sy
            + QStringLiteral("&d=") + em + QStringLiteral("&e=") + ed + QStringLiteral("&f=") + ey
            + QStringLiteral("&s=") + ticker + QStringLiteral("&y=0&g=d&ignore=.csv");
    }
    default:
        return QString();
    }
}

QString requestUrl(const DownloadRequest& req, const ServiceEndpoints& hosts)
{
    const QString path = requestPath(req);
    if (path.isEmpty())
        return QString();
    QString host;
    if (req.Type == RequestType::History)
        host = hosts.history;
    else if (req.Type == RequestType::Quote && req.Ticker.contains(QLatin1Char('^')))
        host = hosts.index;
    else
        host = hosts.quote;
    return QStringLiteral("http://") + host + path;
}

namespace {

QString withoutScheme(const QString& url)
{
    const QString s = url.trimmed();
    if (s.left(7).toLower() == QLatin1String("http://"))
        return s.mid(7);
    return s;
}

} // namespace

QString HostFromUrl(const QString& url)
{
    const QString rest = withoutScheme(url);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    return slash < 0 ? rest : rest.left(slash);
}

QString PathFromUrl(const QString& url)
{
    const QString rest = withoutScheme(url);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : rest.mid(slash + 1);
}

bool splitHostPort(const QString& hostText, QString& host, quint16& port)
{
    QString portText;
    if (hostText.startsWith(QLatin1Char('['))) {
        const qsizetype close = hostText.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        host = hostText.mid(1, close - 1);
        const QString after = hostText.mid(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(QLatin1Char(':')))
                return false;
            portText = after.mid(1);
        }
    } else {
        const qsizetype colon = hostText.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0 && hostText.indexOf(QLatin1Char(':')) == colon) {
            host = hostText.left(colon);
            portText = hostText.mid(colon + 1);
        } else {
            host = hostText;
        }
    }
    port = 80;
    if (host.isEmpty())
        return false;
    if (portText.isNull())
        return true;
    bool ok = false;
    const uint n = portText.toUInt(&ok);
    if (!ok || n < 1 || n > 65535)
        return false;
    port = quint16(n);
    return true;
}

QByteArray BuildGetRequest(const QString& url)
{
    const QString text = QStringLiteral("GET /") + PathFromUrl(url) + QStringLiteral(" HTTP/1.0\r\n")
        + QStringLiteral("Accept: */*\r\n") + QStringLiteral("Accept: text/html\r\n")
        + QStringLiteral("Connection: Close\r\n") + QStringLiteral("\r\n");
    return text.toLatin1();
}
