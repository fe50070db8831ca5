#include "ListFile.h"

#include "TextFile.h"

#include <QFileInfo>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QString ListEntry::line() const
{
    QString text = label + symbol;
    text.remove(u'"');
    if (text.contains(u','))
        return u'"' + text + u'"';
    return text;
}

bool isPlaceholder(const QString& text)
{
    return text.trimmed().compare(QLatin1String(kPlaceholder), Qt::CaseInsensitive) == 0;
}

QStringList splitListFields(const QString& line)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n)
            break;
        QString field;
        if (line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = line.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            // Whatever stands between the closing quote and the next comma is dropped.
            const qsizetype comma = line.indexOf(u',', i);
            i = comma < 0 ? n : comma + 1;
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            const qsizetype end = comma < 0 ? n : comma;
            field = line.mid(i, end - i);
            while (!field.isEmpty() && isBlank(field.back()))
                field.chop(1);
            i = comma < 0 ? n : comma + 1;
        }
        if (!field.isEmpty())
            fields << field;
    }
    return fields;
}

ListEntry parseListEntry(const QString& field)
{
    ListEntry e;
    const qsizetype colon = field.indexOf(u':');
    if (colon < 0) {
        e.symbol = field.trimmed();
    } else {
        e.label = field.left(colon + 1);
        e.symbol = field.mid(colon + 1).trimmed();
    }
    return e;
}

bool readListFile(const QString& path, QVector<ListEntry>& entries, QString* error, bool* repaired)
{
    entries.clear();
    if (repaired)
        *repaired = false;
    QStringList lines;
    if (QFileInfo::exists(path) && !TextFile::readLines(path, lines, error))
        return false;
    for (const QString& line : lines)
        for (const QString& field : splitListFields(line))
            entries.append(parseListEntry(field));
    if (!entries.isEmpty())
        return true;
    if (!TextFile::writeLines(path, {QString::fromLatin1(kRepairLine)}, error))
        return false;
    entries.append(parseListEntry(QString::fromLatin1(kRepairLine)));
    if (repaired)
        *repaired = true;
    return true;
}

bool writeListFile(const QString& path, const QStringList& lines, QString* error)
{
    return TextFile::writeLines(path, lines, error);
}
