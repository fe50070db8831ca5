#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// One trading day of one symbol as a market-data file gives it. `day` is the date's
// Julian day number (QDate::toJulianDay), so a whole history can be searched and moved
// by days with plain integer arithmetic.
struct PriceRow {
    int day = 0;
    double open = 0;
    double high = 0;
    double low = 0;
    double close = 0;
    qint64 volume = 0;
    double adjClose = 0;

    QDate date() const { return QDate::fromJulianDay(day); }
};

// What a market-data file held: its rows oldest first, one per date, and what was
// wrong with the lines that were left out.
struct PriceTable {
    QVector<PriceRow> rows;
    int badRows = 0;        // data lines skipped (unreadable date or price, duplicate date)
    int firstBadLine = 0;   // 1-based line number of the first of them
    QString error;          // set when the file as a whole cannot be read
};

// Reads a price file as users bring them: a header naming Date, Open, High, Low,
// Close and optionally Volume and Adj Close in any order and any letter case (a file
// without a header is read in that order), ISO (2004-03-15), US (3/15/2004),
// day-month (15-Mar-04) or yyyymmdd dates, CR LF or LF line ends, blank lines, quoted
// fields, oldest-first or newest-first order. Rows come back oldest first; the first
// row of a date wins. A missing open, high or low (0) takes the close.
PriceTable parsePriceCsv(const QByteArray& text);

// What the listings file says about a symbol.
struct SymbolInfo {
    QString name;
    QString exchange;
    double marketCapMillions = 0;   // 0 when unknown
};

// Reads the listings file "Symbol,Name,Exchange,MarketCapMillions" (columns in any
// order, names may be quoted and hold commas). Keys are upper-case symbols.
QHash<QString, SymbolInfo> parseSymbolsCsv(const QByteArray& text, int* badRows = nullptr);

// The fields of one CSV line; double quotes group, "" inside quotes is one quote.
QStringList splitCsvLine(const QString& line);

// A date in one of the forms parsePriceCsv reads; an invalid QDate otherwise.
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
QDate parseMarketDate(const QString& text);
