#include "NetLog.h"

#include "AppFolders.h"

#include <QFile>

namespace {

bool writeLine(const QString& path, const QString& text, QIODevice::OpenMode mode)
{
    QFile file(path);
    if (!file.open(mode))
        return false;
    QByteArray bytes = text.left(kLogEntryLimit).toLatin1();
    bytes += "\r\n";
    return file.write(bytes) == bytes.size();
}

} // namespace

bool appendRootLog(const QString& name, const QString& line)
{
    return writeLine(appFolders().root + name, line, QIODevice::WriteOnly | QIODevice::Append);
}

bool writeDataFile(const QString& name, const QString& text)
{
    return writeLine(appFolders().data + name, text, QIODevice::WriteOnly | QIODevice::Truncate);
}
