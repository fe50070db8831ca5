#include "TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

QByteArray encodeLine(const QString& line)
{
    return line.toLatin1() + QByteArrayLiteral("\r\n");
}

bool fail(QString* error, const QString& path, const QString& what, const QString& cause)
{
    if (error)
        *error = QStringLiteral("%1: %2: %3").arg(path, what, cause);
    return false;
}

} // namespace

namespace TextFile {

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool readLines(const QString& path, QStringList& lines, QString* error)
{
    lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, path, QStringLiteral("cannot open for reading"), file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, path, QStringLiteral("cannot read"), file.errorString());
    lines = splitLines(QString::fromLatin1(data));
    return true;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, QStringLiteral("cannot open for writing"), file.errorString());
    QByteArray data;
    for (const QString& line : lines)
        data += encodeLine(line);
    if (file.write(data) != data.size()) {
        const QString cause = file.errorString();
        file.cancelWriting();
        return fail(error, path, QStringLiteral("cannot write"), cause);
    }
    if (!file.commit())
        return fail(error, path, QStringLiteral("cannot write"), file.errorString());
    return true;
}

bool appendLine(const QString& path, const QString& line, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail(error, path, QStringLiteral("cannot open for appending"), file.errorString());
    const QByteArray data = encodeLine(line);
    if (file.write(data) != data.size() || !file.flush())
        return fail(error, path, QStringLiteral("cannot append"), file.errorString());
    return true;
}

} // namespace TextFile
