#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Number, text and date formatting with the program's format patterns.
//
// Numbers: "0" a digit always shown, "#" a digit shown when significant, "," between
// digit placeholders groups thousands, "." the decimal point (always shown when the
// pattern has one: "0.##" shows 5 as "5."); the value is rounded to the decimals given,
// halves away from zero, on its 15-significant-digit decimal form (so 1.005 with "0.00"
// is "1.01"); other characters (a space, "%", a letter such as "B") are copied; a
// backslash copies the next character and "..." copies the quoted text. Digits beyond
// the placeholders widen the number; integer digits of 0 under "#" are not shown.
// A negative value gets "-" at the very front; a value that rounds to zero shows no
// sign. Sections separated by ";" give the formats of positive; negative (shown
// without its sign); zero values. Commas right after the last integer placeholder
// divide by 1000 each. A pattern without digit placeholders shows only its literal
// characters; an empty pattern gives doubleText(value). NaN and infinities give "".
//   "####0.00" 3.5 -> "3.50"; "#,###,###.00" 1234.56 -> "1,234.56", 0.5 -> ".50",
//   0 -> ".00"; "##" 0 -> ""; "00.0 " 3.24 -> "03.2 "; "0.00\ " 3.5 -> "3.50 ";
//   "#,###,###.00B" 2.5 -> "2.50B"; "#,###,##0.00" -0.5 -> "-0.50".
QString formatNumber(double value, const QString& pattern);

// Text: "@" a character or a space, "&" a character or nothing, "<" lower case, ">"
// upper case, "!" fills the placeholders left to right (otherwise right to left, the
// extra characters of a longer text going before the first placeholder, or after the
// last one with "!"); "\" and "..." copy literally; other characters are copied. A
// pattern without "@" or "&" puts the whole text after its literal characters:
//   "\ !" "AAPL" -> " AAPL"; "@@@@@" "ab" -> "   ab"; "!@@@@@" "ab" -> "ab   ".
QString formatText(const QString& text, const QString& pattern);

// A text shown through a column's pattern: text patterns (with "@", "&", "!", "<" or
// ">") go through formatText; a text that is a whole number (blanks around it and
// grouping commas allowed: " 1,234.5 ") goes through formatNumber; any other text,
// and any text with an empty pattern, is returned unchanged.
QString formatString(const QString& text, const QString& pattern);

// Dates and times, letters in any case: "yyyy" year, "yy" two-digit year, "y" day of
// the year, "mmmm" month name, "mmm" month abbreviation (Jan ... Dec), "mm"/"m" month
// with/without leading zero, "dddd" weekday name, "ddd" weekday abbreviation (Sun ...
// Sat), "dd"/"d" day with/without leading zero, "ddddd" the short date "m/d/yyyy",
// "h"/"hh" hour, "mm"/"m" right after an hour (with or without ":" between) minutes,
// "nn"/"n" minutes, "ss"/"s" seconds, "q" quarter, "w" weekday number (1 = Sunday),
// "ww" week of the year, "c" the general form ("m/d/yyyy h:mm:ss AMPM", the date
// alone at midnight, the time alone on 30 December 1899). "AMPM" and "AM/PM" a 12-hour
// clock with "AM" or "PM" ("am/pm" lower case, "A/P" one letter); without them hours
// run 0-23. "/" and ":" are copied, as is every other character; "\" and "..." copy
// literally. Names are English whatever the locale. An invalid date gives "".
//   "yyyymmdd" -> "20040315"; "mmm  d  yyyy" -> "Mar  15  2004";
//   " h:mm AMPM" at 16:05 -> " 4:05 PM"; "hh:mm:ss AMPM" at 00:07:09 -> "12:07:09 AM".
QString formatDateTime(const QDateTime& dateTime, const QString& pattern);
QString formatDate(const QDate& date, const QString& pattern);

// The text a single-precision value turns into when used as text: at most seven
// significant digits, trailing zeros dropped, the exponent form when the decimal
// exponent is below -4 or above 6 ("5.75844E+07", "1E-05", "1.234568E+07"), a leading
// zero before the point ("0.5") and a leading "-" for negatives; no leading blank.
// 0 and -0 give "0"; 12.5 gives "12.5".
QString singleText(float value);
// The same for a double-precision value with fifteen significant digits (exponent
// form when the decimal exponent is below -4 or above 14).
QString doubleText(double value);

// The numeric value of a text: blanks, tabs and line feeds are skipped wherever they
// stand (" 1 2 3" -> 123); then an optional sign, digits with at most one decimal
// point and an optional exponent ("E" or "D", optional sign, digits) make the number,
// which ends at the first other character ("12abc" -> 12, "1,234" -> 1). "&H" and "&O"
// read hexadecimal and octal whole numbers as 16-bit (up to &HFFFF) or 32-bit (up to
// &HFFFFFFFF) signed values ("&HFF" -> 255, "&HFFFF" -> -1). 0 when there is no number,
// and for a number too large for a double or a hexadecimal number above 32 bits.
double textValue(const QString& text);

// Rounds to the nearest integer, halves to even: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
double roundHalfEven(double value);
// Rounds to `decimals` decimals, halves to even, by scaling with 10^decimals: the
// four-decimal fixed-point conversion is roundHalfEven(value, 4). A negative count
// rounds to tens, hundreds...
double roundHalfEven(double value, int decimals);
