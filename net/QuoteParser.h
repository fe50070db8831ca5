#pragma once

#include <QString>

struct QuoteRecord;

// What a parser made of a reply.
namespace ParseResult {
constexpr int Unusable = 0;  // nothing recognisable: the reply is kept in failed.txt
constexpr int Parsed = 1;    // data stored, or ready to store
constexpr int Retry = 2;     // the service asks to be tried again
constexpr int Nothing = 3;   // nothing for this symbol or date range
constexpr int NoData = 4;    // no data
}

// The text after the first CR LF CR LF of a reply; empty when there is none.
QString ReplyBody(const QString& reply);

// Fills `q` from one quote line: symbol, trade date and time, open, high, low, last,
// volume, change, percent change, then (ordinary symbols only) the extended-hours time,
// bid, ask, extended-hours price, change and percent. A seventeenth field, the year
// range "low - high", is read when the line has one; otherwise the year range of `q`
// is left alone (the ordinary field list does not ask for it; the details bring it).
// "N/A" as the trade date: 3 (the service does not know the symbol), with only Ticker
// set. A trade date that is not a date: 2. A value too large for the record: 3, the
// message "ParseStockQuote Error", and the line appended to "ParseError.txt".
int ParseStockQuote(const QString& line, QuoteRecord& q);

// Fills `q` from a whole details reply (headers included). "N/A" as the trade date: 4;
// a trade date that is not a date: 2. A value too large for the record: 4, the message
// "ParseDetails Error", and the reply appended to "ParseError.txt".
int ParseDetails(const QString& reply, QuoteRecord& q);
