#pragma once

#include <QDateTime>
#include <QString>

// Number, text and date formatting with the program's format patterns.
//
// Numbers: "0" a digit always shown, "#" a digit shown when significant, "," groups
// thousands, "." the decimal point; the value is rounded to the decimals given; other
// characters are copied; a backslash copies the next character.
//   "####0.00" 3.5 -> "3.50"; "#,###,###.00" 1234.56 -> "1,234.56", 0.5 -> ".50";
//   "00.0 " 3.24 -> "03.2 ".
// Text: "!" stands for the text, "\ " copies a space: "\ !" puts a space before it.
// Dates and times: "yyyy"/"yy" year, "mm" month, "mmm" month abbreviation, "dd"/"d"
// day, "ddd" weekday abbreviation, "h"/"hh" hour, "mm" after an hour minutes, "ss"
// seconds, "AMPM" a 12-hour clock with AM or PM.

QString formatNumber(double value, const QString& pattern);
QString formatText(const QString& text, const QString& pattern);
QString formatDateTime(const QDateTime& dateTime, const QString& pattern);

// The short text of a single-precision value: at most seven significant digits, the
// exponent form when needed ("5.75844E+07", "1E-05"), no leading zero before the
// point (".5"), a leading "-" for negatives.
QString singleText(float value);
// The short text of a double-precision value: fifteen significant digits likewise.
QString doubleText(double value);

// The numeric value of a text: leading blanks skipped, then the longest number at the
// start (sign, digits, point, exponent); 0 when there is none. "12abc" -> 12.
double textValue(const QString& text);

// Rounds to the nearest integer, halves to even: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
double roundHalfEven(double value);
// Rounds to `decimals` decimals, halves to even.
double roundHalfEven(double value, int decimals);
