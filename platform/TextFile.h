#pragma once

#include <QString>
#include <QStringList>

// Sequential text files as the program's formats use them: 8-bit text (Latin-1, a
// character outside it is written as "?"), lines ended by CR LF. Every function
// reports failure by its result and, when `error` is given, a text that names the
// file and the cause; none throws.
namespace TextFile {

// Reads every line of `path`. A line ends at CR LF, at a lone LF or at a lone CR; the
// last line needs no ending; an empty file has no lines. False when the file cannot
// be read (`lines` is then left empty).
bool readLines(const QString& path, QStringList& lines, QString* error = nullptr);

// Replaces `path` with `lines`, each ended by CR LF. The old file stays as it was
// when the new one cannot be written completely.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Appends `line` and CR LF to `path`, creating the file when missing.
bool appendLine(const QString& path, const QString& line, QString* error = nullptr);

// Splits text into lines by the rules of readLines.
QStringList splitLines(const QString& text);

} // namespace TextFile
