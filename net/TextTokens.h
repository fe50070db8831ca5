#pragma once

#include <QString>

// Small text functions that cut service replies and list lines into fields.
// Every comparison is exact and case-sensitive. Positions count from 1.

// The text before the first `d` in `s`; empty when `d` does not occur.
QString BeforeFirst(const QString& s, const QString& d);
// The text after the first `d` in `s`; empty when `d` does not occur.
QString AfterFirst(const QString& s, const QString& d);
// Takes the field before the first `d` and leaves the rest in `s`. An empty field
// returns empty and leaves `s` unchanged, so an empty field stops a walk, and the
// last field of a line (no `d` after it) is never returned.
QString TakeToken(QString& s, const QString& d);
// `s` without any occurrence of `c`.
QString RemoveAll(const QString& s, QChar c);

// What ReadToken returns when it finds no field within reach.
inline constexpr char kEndOfSearch[] = "EOS";
// What ReadToken leaves in `eol` when the field ended at the end of its line.
inline constexpr char kEndOfLine[] = "EOL";

// Reads the field that starts after position `pos` of `buffer` and ends before the
// delimiter `d`; `pos` is moved onto the delimiter's last character, so the next call
// starts right after it. A field longer than `limit` characters is out of reach and
// gives "EOS"; the search never looks further ahead than that.
//
// With a line end given in `eol`: a field that reaches the line end is cut there, `pos`
// is moved onto the line end and `eol` becomes "EOL"; when `d` is not within reach the
// field may end at the line end instead. With an empty `eol` lines mean nothing.
QString ReadToken(const QString& buffer, const QString& d, int& pos, int limit, QString& eol);

// A magnitude written with a suffix: "279.1B" is 279100000000, "850M" 850000000.
// "N/A", a value of 0 and any other suffix give 0; a magnitude beyond the
// single-precision range is infinite.
float SuffixValue(const QString& s);

// Trimmed, lower-cased, with the first character and every character after a space,
// "&" or "-" upper-cased: " international business " -> "International Business".
QString ProperCase(const QString& s);
