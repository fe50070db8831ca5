#pragma once

#include "HttpMessage.h"
#include "MarketFolder.h"

#include <QByteArray>
#include <QDateTime>

// Answers the service's requests from a market folder; no sockets involved.
//
//   /table.csv?a=M&b=D&c=YYYY&d=M&e=D&f=YYYY&s=SYMBOL&g=d   daily history from a/b/c to
//       d/e/f (months counted from 0), newest first; a missing start or end leaves that
//       side open. "No Prices in this date range" when no served day falls in it, a
//       page "not found on this server" (404) for a symbol without a price file.
//   /d/table.csv?s=SYMBOL&f=FIELDS   one quote line per symbol (several joined by "+"
//       or ","), the fields as ReplyFormat.h describes; f defaults to "sl1d1t1c1ohgv".
//
// Query values are percent-decoded and symbols upper-cased, then looked up in the
// folder's map. Anything else is a 400, 404 or 405 page.
class QuoteResponder {
public:
    QuoteResponder(const MarketFolder& market, bool replay) : m_market(market), m_replay(replay) {}

    HttpResponse respond(const QByteArray& method, const QByteArray& target,
                         const QDateTime& nowUtc) const;

private:
    HttpResponse history(const QByteArray& path, const QList<QPair<QByteArray, QString>>& query,
                         const QDateTime& nowUtc) const;
    HttpResponse quotes(const QList<QPair<QByteArray, QString>>& query,
                        const QDateTime& nowUtc) const;

    const MarketFolder& m_market;
    bool m_replay;
};
