#pragma once

#include <QString>
#include <QStringList>

// The sectors: the list files of the lists folder, named "<sector name>.txt". Every
// operation takes the folder (ending with "/") and refuses names that would reach
// outside it, so no file outside the folder is ever touched.
namespace SectorFiles {

inline constexpr int kMaxNameLength = 64;

// Empty when `name` can name a sector file; otherwise the message that says why not:
// an empty name, a name with "/", "\", "..", a control character, a leading "." or
// more than kMaxNameLength characters.
QString checkName(const QString& name);

// folder + name + ".txt".
QString filePath(const QString& folder, const QString& name);
// The sector name of a list file path inside `folder`, or an empty text when the path
// is not a list file of that folder.
QString nameOfPath(const QString& folder, const QString& path);

// The sector names of the files matching `pattern` (a folder and a file pattern such
// as "<folder>/*.txt"): each file name without its last four characters, sorted by
// name ignoring case. Folders, hidden files and names ending otherwise than ".txt"
// in lower case are left out.
QStringList list(const QString& pattern);

enum class Outcome { Done, Unchanged, Refused, Failed };

// Creates "<name>.txt" holding "empty" + CR LF. An existing file is kept as it is
// (Unchanged, with a message). The name is trimmed first.
Outcome create(const QString& folder, const QString& name, QString* message);
// Deletes the sector's file.
Outcome remove(const QString& folder, const QString& name, QString* message);
// Gives the sector's file a new name. The same name (after trimming) changes nothing;
// a name already taken is refused, so no list is ever overwritten.
Outcome rename(const QString& folder, const QString& oldName, const QString& newName, QString* message);
// Writes `entries` (trimmed, one per line) as the sector's file, replacing an
// existing one. Nothing happens for an empty name or no entries.
Outcome save(const QString& folder, const QString& name, const QStringList& entries, QString* message);

} // namespace SectorFiles
