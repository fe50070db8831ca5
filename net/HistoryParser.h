#pragma once

#include "DailyBar.h"

#include <QString>
#include <QVector>

// Replies of the history service: a table under a column header that holds "Close",
// one day per line, "date,open,high,low,close[,volume[,...]]", newest day first.

// Bars taken from one reply at most: three months of thirty days.
inline constexpr int kHistoryBarLimit = 90;
// A shorter reply (headers included) holds no table.
inline constexpr int kShortestHistoryReply = 110;
// How far ahead a field or the column header may lie.
inline constexpr int kHistoryReach = 1000;

struct HistoryReply {
    int result = 0;         // a ParseResult code
    bool noData = false;    // the service said it has nothing: stamp the symbol's NoDataStamp
    QVector<DailyBar> bars; // final bars (status 1), oldest first
};

// Reads a whole reply without storing anything.
//  - "No Prices in this date range": 3 with noData; "not found on this server": 2;
//    "No data available for": 4 with noData; a reply under 110 characters: 4.
//  - No column header within reach: 0. A table without rows: 0.
//  - Rows are read until a line does not start with a date; a line with fewer than
//    five fields or with a blank price is passed over; a line that is cut short at the end of the reply (fewer
//    fields than the column header names) is not taken; a number that does not fit a
//    single ends the reading. The volume is the value of the sixth field, 0 when the
//    line ends after the close.
//  - 1 when at least one bar was read.
// When the reply starts with an HTTP status line, the column header is looked for in
// its body, so a header line of the HTTP reply is never taken for it.
HistoryReply readHistoryReply(const QString& reply);

// Reads a history reply for `ticker` and stores what it holds: the bars through
// StoreHistory (nothing is stored for a reply without bars), the no-data answers
// through MarkNoData. Lets pending events run first. Returns the result code; a reply
// whose bars could not be stored counts as unusable (0).
int ParseHistory(const QString& reply, int tReqN, const QString& ticker);

// ParseHistory for a request of the days from `firstDay` to `lastDay` (yyyymmdd). A
// reply whose bars all lie outside that range did not answer the request: nothing is
// stored, the symbol's NoDataStamp is set and the result is 3, as for "No Prices in
// this date range", so that a service answering with other days can never keep the
// back-fill asking for the same block.
int ParseHistory(const QString& reply, int tReqN, const QString& ticker, int firstDay, int lastDay);
