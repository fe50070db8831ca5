#pragma once

#include <QString>

// The downloader's small log files. "wsock.txt", "urls.txt" and "ParseError.txt" are
// appended in the data root; "failed.txt" is rewritten in the data folder.

inline constexpr char kSocketLogFile[] = "wsock.txt";
inline constexpr char kUrlLogFile[] = "urls.txt";
inline constexpr char kParseErrorFile[] = "ParseError.txt";
inline constexpr char kFailedReplyFile[] = "failed.txt";

// Appends `line` and CR LF to the file `name` in the data root. False when the file
// cannot be written.
bool appendRootLog(const QString& name, const QString& line);
// Replaces the content of `name` in the data folder by `text` and CR LF.
bool writeDataFile(const QString& name, const QString& text);

// The longest text written for one entry; a longer reply is cut there.
inline constexpr int kLogEntryLimit = 65536;
