#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
}

TEST(TextFile, ReadsEveryLineEnding)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"CR LF", "AAPL\r\nMSFT\r\n", {"AAPL", "MSFT"}},
        {"LF alone", "AAPL\nMSFT\n", {"AAPL", "MSFT"}},
        {"CR alone", "AAPL\rMSFT\r", {"AAPL", "MSFT"}},
        {"missing last ending", "AAPL\r\nMSFT", {"AAPL", "MSFT"}},
        {"empty lines kept", "A\r\n\r\nB\r\n", {"A", "", "B"}},
        {"LF CR is two endings", "A\n\rB", {"A", "", "B"}},
        {"one empty line", "\r\n", {""}},
        {"empty file", "", {}},
        {"8-bit characters", "Soci\xe9t\xe9\r\n", {QString::fromLatin1("Soci\xe9t\xe9")}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeRaw(path, c.bytes);
        QStringList lines{QStringLiteral("stale")};
        QString error;
        EXPECT_TRUE(TextFile::readLines(path, lines, &error)) << error.toStdString();
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(TextFile, UnreadableFileFailsWithItsName)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    QStringList lines{QStringLiteral("stale")};
    QString error;
    EXPECT_FALSE(TextFile::readLines(missing, lines, &error));
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();

    EXPECT_FALSE(TextFile::readLines(dir.path(), lines, &error)) << "a folder is not a text file";
}

TEST(TextFile, WriteReplacesAndEndsEveryLineWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    writeRaw(path, "old content that is longer\r\n");
    ASSERT_TRUE(TextFile::writeLines(path, {QStringLiteral("A"), QString(), QStringLiteral("B")}));
    EXPECT_EQ(readRaw(path), QByteArray("A\r\n\r\nB\r\n"));
    ASSERT_TRUE(TextFile::writeLines(path, {}));
    EXPECT_EQ(readRaw(path), QByteArray());
}

TEST(TextFile, FailedWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nofolder/out.txt"));
    QString error;
    EXPECT_FALSE(TextFile::writeLines(path, {QStringLiteral("A")}, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(TextFile, AppendCreatesThenExtends)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    ASSERT_TRUE(TextFile::appendLine(path, QStringLiteral("first")));
    ASSERT_TRUE(TextFile::appendLine(path, QStringLiteral("second")));
    EXPECT_EQ(readRaw(path), QByteArray("first\r\nsecond\r\n"));

    QString error;
    EXPECT_FALSE(TextFile::appendLine(dir.filePath(QStringLiteral("nofolder/log.txt")), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, WrittenLinesReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.txt"));
    const QStringList lines{QStringLiteral(" AAPL"), QStringLiteral(""), QStringLiteral("x,y,z")};
    ASSERT_TRUE(TextFile::writeLines(path, lines));
    QStringList back;
    ASSERT_TRUE(TextFile::readLines(path, back));
    EXPECT_EQ(back, lines);
}

} // namespace
