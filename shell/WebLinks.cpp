#include "WebLinks.h"

#include <QUrl>

namespace {

const char* const kLinkPages[kLinkCount] = {
    "https://broker.example.com/secure/login",         // 0 broker log-in
    "https://futures.example.com/quotes/delayed",      // 1 futures exchange, delayed intraday quotes
    "https://markets.example.com/indices/world",       // 2 world market indices
    "https://markets.example.com/us/most-active",      // 3 most active US stocks
    "https://ecn.example.com/leaders/top20",           // 4 the ECN's top-20 list
    "https://finance.example.com/lookup",              // 5 symbol lookup
    "https://markets.example.com/short-interest/top20",// 6 top-20 short positions
    "https://finance.example.com/calendar/earnings",   // 7 today's earnings calendar
};

const QString kPortal = QStringLiteral("https://finance.example.com");
const QString kMessageBoards = QStringLiteral("https://messages.example.com/search");
const QString kEcnQuote = QStringLiteral("https://ecn.example.com/SERVICE/QUOTE?STOCK=");
const QString kChartService = QStringLiteral("https://charts.example.net/chart.gif");
// The intraday chart service's demonstration account.
const QString kChartUser = QStringLiteral("demo");
const QString kChartPassword = QStringLiteral("demo");

QString encoded(const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); }

} // namespace

QString homePageUrl() { return QStringLiteral("https://www.tarnbeck.example/"); }
QString chatRoomUrl() { return QStringLiteral("https://www.tarnbeck.example/chat"); }
QString clubUrl() { return QStringLiteral("https://www.tarnbeck.example/club"); }

QString linkPageUrl(int i)
{
    if (i < 0 || i >= kLinkCount)
        return QString();
    return QString::fromLatin1(kLinkPages[i]);
}

QString tickerPageUrl(int action, const QString& symbol)
{
    const QString s = symbol.trimmed();
    if (s.isEmpty())
        return QString();
    const QString firstLetter = encoded(s.left(1).toUpper());
    const QString portalPage = firstLetter + u'/' + encoded(s) + QStringLiteral(".html");
    switch (action) {
    case 3: return kPortal + QStringLiteral("/n/") + portalPage;
    case 4: return kPortal + QStringLiteral("/c/") + portalPage;
    case 5: return kPortal + QStringLiteral("/p/") + portalPage;
    case 6: return kPortal + QStringLiteral("/t/") + portalPage;
    case 7: return kMessageBoards + QStringLiteral("?action=q&board=") + encoded(s);
    case 8: return kEcnQuote + encoded(s.toUpper());
    case 9:
        return kChartService + QStringLiteral("?User=") + kChartUser + QStringLiteral("&Pswd=") + kChartPassword
            + QStringLiteral("&DataType=GIF&Symbol=") + encoded(s)
            + QStringLiteral("&Interval=5&Ht=480&Wd=1600&Display=2&Study=MA&Param1=21&Param2=0&Param3=0&FontSize=9");
    default: return QString();
    }
}
