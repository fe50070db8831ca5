#pragma once

#include <QString>

#include <memory>

class RecordFile;

// Shared by the price file sources; not for other modules.
namespace pricefile {

// A fresh record file object from the installed opener.
std::unique_ptr<RecordFile> newRecordFile();
// Tells the downloader to drop queued requests for `symbol`.
void cancelRequestsFor(const QString& symbol);
// The symbol a price file path belongs to (its base name).
QString symbolOfPath(const QString& path);
// Deletes `path`; a file that is already gone counts as deleted.
bool removeFile(const QString& path, QString* error = nullptr);
// The message for a failed read or write; the file keeps its earlier bars.
QString ioFailureMessage(const QString& path, const QString& error);

} // namespace pricefile
