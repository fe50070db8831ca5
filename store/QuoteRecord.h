#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The latest quote, company details, update time stamps and history summary of one
// symbol: one record of the quote index file Index4.dat.
//
// On disk (little-endian, packed; txtN = N single-byte characters padded with spaces,
// a field never written holds zero bytes; dates are f64 day serials, 0 = never):
//   OrderLink i32 (4) | Ticker txt10 (10) | LastTraded f64 (8) |
//   Open, High, Low, LastPrice, Volume, PointChange, PercentChange f32 (7 x 4 = 28) |
//   CompanyName txt20 (20) | SharesOutStanding f32 (4) | Exchange txt10 (10) |
//   YearHigh, YearLow, AvgVolume, Marketcap, PE, Earnings, Dividends, Yeild f32 (8 x 4 = 32) |
//   ExDivDate txt8 (8) | DivDate txt8 (8) | Splits txt100 (100) | reserved byte (1) |
//   NoDataStamp f64 (8) | HistoryCount, HistoryFirst, HistoryLast i32 (3 x 4 = 12) |
//   HistoricalUpdated, QuoteUpdated, DetailsUpdated f64 (3 x 8 = 24) |
//   two reserved dates f64 (2 x 8 = 16) | EcnTime f64 (8) |
//   ECN, Bid, Ask, EcnChange, EcnPercent f32 (5 x 4 = 20) |
//   two reserved texts txt20 (2 x 20 = 40) | Industry txt20 (20) | reserved bytes (42)
//   = 423 bytes
struct QuoteRecord {
    // Sorted-order table entry: the record number of the symbol that comes at this
    // record's position in symbol order.
    qint32 OrderLink = 0;
    QString Ticker;
    double LastTraded = 0;
    float Open = 0;
    float High = 0;
    float Low = 0;
    float LastPrice = 0;
    float Volume = 0;
    float PointChange = 0;
    float PercentChange = 0;
    QString CompanyName;
    float SharesOutStanding = 0;
    QString Exchange;
    float YearHigh = 0;
    float YearLow = 0;
    float AvgVolume = 0;
    float Marketcap = 0;
    float PE = 0;
    float Earnings = 0;
    float Dividends = 0;
    float Yeild = 0;
    QString ExDivDate; // as the service delivers it
    QString DivDate;
    QString Splits;
    quint8 ReservedByte = 0;
    double NoDataStamp = 0;    // when the history service last had no data for the symbol
    qint32 HistoryCount = 0;   // price file slots after the last history download
    qint32 HistoryFirst = 0;   // first and last date of the price file then (yyyymmdd)
    qint32 HistoryLast = 0;
    double HistoricalUpdated = 0;
    double QuoteUpdated = 0;
    double DetailsUpdated = 0;
    double ReservedDate1 = 0;  // cleared with the time stamps
    double ReservedDate2 = 0;
    double EcnTime = 0;        // time of the extended-hours price
    float ECN = 0;
    float Bid = 0;
    float Ask = 0;
    float EcnChange = 0;
    float EcnPercent = 0;
    QString ReservedText1;
    QString ReservedText2;
    QString Industry;
    QByteArray ReservedTail;   // kept as read; zeros in a new record
};

// Field widths of the text fields and the record length.
constexpr int kTickerWidth = 10;
constexpr int kCompanyNameWidth = 20;
constexpr int kExchangeWidth = 10;
constexpr int kDivDateWidth = 8;
constexpr int kSplitsWidth = 100;
constexpr int kQuoteTextWidth = 20; // the reserved texts and Industry
constexpr int kReservedTailSize = 42;

constexpr int kQuoteRecordLength = 4 + kTickerWidth + 8 + 7 * 4 + kCompanyNameWidth + 4 + kExchangeWidth + 8 * 4
    + 2 * kDivDateWidth + kSplitsWidth + 1 + 8 + 3 * 4 + 3 * 8 + 2 * 8 + 8 + 5 * 4 + 3 * kQuoteTextWidth
    + kReservedTailSize;
static_assert(kQuoteRecordLength == 423, "a quote record is 423 bytes");

// Byte offsets the index reads directly.
constexpr int kOrderLinkOffset = 0;
constexpr int kTickerOffset = 4;

// What a store writes: the numbers double as the downloader's request types.
namespace QuoteKind {
constexpr int Quote = 1;
constexpr int History = 2;
constexpr int Details = 4;
}

// The 423 bytes of `q`. A null text field is written as zero bytes, any other text
// (even an empty one) is padded with spaces; longer texts are cut to the field width
// and characters outside Latin-1 become '?'.
QByteArray encodeQuote(const QuoteRecord& q);
// Reads a record from `bytes`; a shorter array reads as if padded with zeros. Text
// fields lose trailing spaces and NULs; a field of zero bytes reads as a null text.
QuoteRecord decodeQuote(const QByteArray& bytes);

// Fills `q` as a record for a symbol nothing is known about yet: Ticker "none",
// CompanyName "No name found", Exchange "I dunno", ExDivDate and DivDate "n/a",
// Splits, the reserved texts and Industry "unknown", everything else zero.
void EmptyQuote(QuoteRecord& q);

// The form symbols are compared and stored in: trimmed and upper case.
QString normalisedTicker(const QString& ticker);
