#pragma once

#include "MarketCsv.h"
#include "MarketView.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

// The reply texts of the quote service.
//
// A quote reply is one line per symbol holding the fields that the request's field
// list names, in its order, separated by commas and ended by CR LF. A field list is a
// run of letters, each optionally followed by digits ("s0" is the same as "s"):
//   s symbol            n name            x exchange
//   d1 last trade date ("10/1/2007")      t1 last trade time ("4:00pm", New York)
//   o open   h day's high   g day's low   l1 last price   v volume   p previous close
//   c1 change ("+0.20")   p2 percent change ("+0.93%")
//   k year high   j year low   w year range ("20.10 - 45.80")
//   a2 average daily volume   j1 market capitalisation ("109.68B", "850.00M")
//   j2 shares outstanding ("9,375,492,000", thousands separators, never quoted)
//   q ex-dividend date   r1 dividend pay date
// Text fields (symbol, name, exchange, dates, times, percentages, the year range) are in
// double quotes, numbers are not. A value the data cannot give is N/A: unquoted, except
// that name, exchange, q and r1 are always quoted, because a reader finds the exchange
// by its opening quote. Letters without data here (bid, ask, after-hours trade,
// earnings and dividends, the split note) and unknown letters give N/A. Every field of
// an unknown symbol but its symbol is N/A. No field is ever empty and no value holds
// a comma outside the shares outstanding.

QStringList splitFieldList(const QString& fieldList);

QByteArray quoteLine(const QString& symbol, const QuoteSnapshot& quote, const SymbolInfo& info,
                     const QStringList& fields);

// A history reply body: the header "Date,Open,High,Low,Close,Volume,Adj Close" and one
// LF-ended line per day in the order given, dates written "1-Oct-07".
QByteArray historyTable(const QVector<PriceRow>& rows);

// Prices with two to four decimals: 45.5, 63.4375, 2.179 -> "45.50", "63.4375", "2.179".
QString priceText(double value);
QString quoteDateText(const QDate& date);      // "10/1/2007"
QString quoteTimeText(const QTime& time);      // "4:00pm"
QString historyDateText(const QDate& date);    // "1-Oct-07"
QString groupedText(qint64 value);             // "9,375,492,000"
QString marketCapText(double millions);        // "109.68B", "850.00M"
