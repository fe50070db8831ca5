#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Symbol list files: "<lists folder>/<sector name>.txt", 8-bit text, one entry per
// line, lines ended by CR LF, no header.
//
// A line is read as delimited fields: leading blanks are skipped, a comma ends a
// field (so "IBM,MSFT" holds two entries), a field that starts with a double quote
// runs to the closing quote (commas inside it belong to it), trailing blanks are
// dropped. An entry holding ":" stands for the text after its first ":", so a line
// may carry a label such as a company name before its symbol. The entry "empty"
// (any case) is a placeholder row that holds no symbol.

// One entry of a list file.
struct ListEntry {
    QString label;   // the text up to and including the first ":", or empty
    QString symbol;  // what the grid shows: the text after the first ":", trimmed

    // The entry as it is written back: label and symbol, quoted when it holds a comma.
    QString line() const;
    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

// The placeholder entry, as written by the program ("empty") and as it is shown in a
// symbol grid (" empty").
inline constexpr char kPlaceholder[] = "empty";
inline constexpr char kPlaceholderShown[] = " empty";
// What an empty list file is given when it is loaded.
inline constexpr char kRepairLine[] = " empty";

// True for the placeholder entry in any case and with any blanks around it.
bool isPlaceholder(const QString& text);

// The fields of one line by the delimited-field rules. Empty fields are left out.
QStringList splitListFields(const QString& line);
// One field split into label and symbol.
ListEntry parseListEntry(const QString& field);

// Reads the entries of a list file. A file without any entry (empty, or only blank
// lines, or missing) is given the placeholder line " empty" and read as holding it;
// `repaired` then says so. False with a message when the file cannot be read, or
// cannot be repaired: nothing is changed then.
bool readListFile(const QString& path, QVector<ListEntry>& entries, QString* error = nullptr,
                  bool* repaired = nullptr);

// Replaces a list file with `lines`, each ended by CR LF. When that fails the old
// file stays as it was.
bool writeListFile(const QString& path, const QStringList& lines, QString* error = nullptr);
