#include "SectorFiles.h"

#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SectorFiles {

namespace {

const QString kExtension = QStringLiteral(".txt");

bool hasControl(const QString& name)
{
    for (QChar c : name)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

bool set(QString* message, const QString& text)
{
    if (message)
        *message = text;
    return false;
}

QString quoted(const QString& name)
{
    return u'"' + name + u'"';
}

} // namespace

QString checkName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("A sector needs a name.");
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QLatin1String("..")) || hasControl(name)
        || name.startsWith(u'.'))
        return QStringLiteral("The sector name %1 cannot be used: a name may not contain \"/\", \"\\\", \"..\" "
                              "or control characters, nor start with \".\".")
            .arg(quoted(name));
    if (name.size() > kMaxNameLength)
        return QStringLiteral("The sector name %1 is too long: a name has at most %2 characters.")
            .arg(quoted(name))
            .arg(kMaxNameLength);
    return {};
}

QString filePath(const QString& folder, const QString& name)
{
    return folder + name + kExtension;
}

QString nameOfPath(const QString& folder, const QString& path)
{
    const QFileInfo info(path);
    if (folder.isEmpty() || !info.fileName().endsWith(kExtension))
        return {};
    if (QDir::cleanPath(QFileInfo(info.path()).absoluteFilePath()) != QDir::cleanPath(QFileInfo(folder).absoluteFilePath()))
        return {};
    const QString name = info.fileName().chopped(kExtension.size());
    return checkName(name).isEmpty() ? name : QString();
}

QStringList list(const QString& pattern)
{
    const QFileInfo info(pattern);
    QDir dir(info.path(), info.fileName(), QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::CaseSensitive);
    QStringList names;
    for (const QString& file : dir.entryList())
        if (file.endsWith(kExtension) && file.size() > kExtension.size())
            names << file.chopped(4);
    return names;
}

Outcome create(const QString& folder, const QString& rawName, QString* message)
{
    const QString name = rawName.trimmed();
    if (const QString why = checkName(name); !why.isEmpty())
        return set(message, why), Outcome::Refused;
    const QString path = filePath(folder, name);
    if (QFileInfo::exists(path))
        return set(message, QStringLiteral("The sector %1 already exists.").arg(quoted(name))), Outcome::Unchanged;
    QString error;
    if (!TextFile::writeLines(path, {QStringLiteral("empty")}, &error))
        return set(message, QStringLiteral("The sector %1 cannot be created.\r\n%2").arg(quoted(name), error)),
               Outcome::Failed;
    return Outcome::Done;
}

Outcome remove(const QString& folder, const QString& name, QString* message)
{
    if (const QString why = checkName(name); !why.isEmpty())
        return set(message, why), Outcome::Refused;
    QFile file(filePath(folder, name));
    if (!file.exists())
        return Outcome::Unchanged;
    if (!file.remove())
        return set(message, QStringLiteral("The symbol list %1 cannot be deleted.\r\n%2")
                                .arg(quoted(name), file.errorString())),
               Outcome::Failed;
    return Outcome::Done;
}

Outcome rename(const QString& folder, const QString& rawOld, const QString& rawNew, QString* message)
{
    const QString oldName = rawOld.trimmed();
    const QString newName = rawNew.trimmed();
    if (oldName == newName)
        return Outcome::Unchanged;
    for (const QString& name : {oldName, newName})
        if (const QString why = checkName(name); !why.isEmpty())
            return set(message, why), Outcome::Refused;
    const QString to = filePath(folder, newName);
    if (QFileInfo::exists(to))
        return set(message, QStringLiteral("The sector %1 already exists; the list keeps its name %2.")
                                .arg(quoted(newName), quoted(oldName))),
               Outcome::Refused;
    QFile file(filePath(folder, oldName));
    if (!file.rename(to))
        return set(message, QStringLiteral("The symbol list %1 cannot be renamed.\r\n%2")
                                .arg(quoted(oldName), file.errorString())),
               Outcome::Failed;
    return Outcome::Done;
}

Outcome save(const QString& folder, const QString& rawName, const QStringList& entries, QString* message)
{
    const QString name = rawName.trimmed();
    if (name.isEmpty() || entries.isEmpty())
        return Outcome::Unchanged;
    if (const QString why = checkName(name); !why.isEmpty())
        return set(message, why), Outcome::Refused;
    QStringList lines;
    for (const QString& e : entries)
        lines << e.trimmed();
    QString error;
    if (!TextFile::writeLines(filePath(folder, name), lines, &error))
        return set(message, QStringLiteral("The symbol list %1 cannot be saved.\r\n%2").arg(quoted(name), error)),
               Outcome::Failed;
    return Outcome::Done;
}

} // namespace SectorFiles
