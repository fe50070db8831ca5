#include "ListFile.h"
#include "ListsTestSupport.h"

#include <QDir>

TEST(ListFile, FieldsOfALine)
{
    struct Row {
        const char* name;
        QString line;
        QStringList fields;
    };
    const Row rows[] = {
        {"one symbol", "MSFT", {"MSFT"}},
        {"leading and trailing blanks", "   IBM  ", {"IBM"}},
        {"placeholder with blanks", "  empty", {"empty"}},
        {"a comma makes two entries", "IBM,MSFT", {"IBM", "MSFT"}},
        {"blanks after the comma", "IBM, MSFT ,ORCL", {"IBM", "MSFT", "ORCL"}},
        {"label and symbol", "Microsoft Corp:MSFT", {"Microsoft Corp:MSFT"}},
        {"quoted field keeps its comma", "\"Micro, Inc:MSFT\",IBM", {"Micro, Inc:MSFT", "IBM"}},
        {"unclosed quote runs to the end", "\"AB, C", {"AB, C"}},
        {"blank line", "   ", {}},
        {"empty fields are left out", "A,,B,", {"A", "B"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitListFields(row.line), row.fields);
    }
}

TEST(ListFile, EntriesWithLabels)
{
    struct Row {
        QString field;
        QString label;
        QString symbol;
        QString line;
    };
    const Row rows[] = {
        {"MSFT", "", "MSFT", "MSFT"},
        {"Microsoft Corp:MSFT", "Microsoft Corp:", "MSFT", "Microsoft Corp:MSFT"},
        {"Microsoft Corp: MSFT", "Microsoft Corp:", "MSFT", "Microsoft Corp:MSFT"},
        {"a:b:c", "a:", "b:c", "a:b:c"},
        {"Micro, Inc:MSFT", "Micro, Inc:", "MSFT", "\"Micro, Inc:MSFT\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field.toStdString());
        const ListEntry e = parseListEntry(row.field);
        EXPECT_EQ(e.label, row.label);
        EXPECT_EQ(e.symbol, row.symbol);
        EXPECT_EQ(e.line(), row.line);
        const QStringList reread = splitListFields(e.line());
        ASSERT_EQ(reread.size(), 1) << "the written line reads back as one entry";
        EXPECT_EQ(parseListEntry(reread.first()), e);
    }
}

TEST(ListFile, PlaceholderInAnyCase)
{
    for (const char* text : {"empty", "  empty", " EMPTY", "Empty "})
        EXPECT_TRUE(isPlaceholder(QString::fromLatin1(text))) << text;
    for (const char* text : {"", "empt", "emptyx", "MT"})
        EXPECT_FALSE(isPlaceholder(QString::fromLatin1(text))) << text;
}

using ListFileOnDisk = ListsFolderTest;

TEST_F(ListFileOnDisk, ReadsEveryEntryOfEveryLine)
{
    writeList("Tech", "Microsoft Corp:MSFT\r\nIBM,ORCL\r\n  empty\r\nintc\n\r\nAAPL");
    QVector<ListEntry> entries;
    bool repaired = true;
    ASSERT_TRUE(readListFile(listPath("Tech"), entries, nullptr, &repaired));
    EXPECT_FALSE(repaired);
    QStringList symbols;
    for (const ListEntry& e : entries)
        symbols << e.symbol;
    EXPECT_EQ(symbols, (QStringList{"MSFT", "IBM", "ORCL", "empty", "intc", "AAPL"}))
        << "the line with two entries costs no other entry";
    EXPECT_EQ(entries[0].label, "Microsoft Corp:");
    EXPECT_EQ(readList("Tech"), "Microsoft Corp:MSFT\r\nIBM,ORCL\r\n  empty\r\nintc\n\r\nAAPL") << "reading writes nothing";
}

TEST_F(ListFileOnDisk, AListWithoutEntriesGetsThePlaceholder)
{
    struct Row {
        const char* name;
        bool exists;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"empty file", true, ""},
        {"only blank lines", true, "\r\n   \r\n"},
        {"missing file", false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(listPath("Empty"));
        if (row.exists)
            writeList("Empty", row.bytes);
        QVector<ListEntry> entries;
        bool repaired = false;
        ASSERT_TRUE(readListFile(listPath("Empty"), entries, nullptr, &repaired));
        EXPECT_TRUE(repaired);
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].symbol, "empty");
        EXPECT_EQ(readList("Empty"), " empty\r\n");
    }
}

TEST_F(ListFileOnDisk, UnreadableAndUnwritableFilesReportAndKeepEverything)
{
    // A folder where the list file should be cannot be read as a list.
    ASSERT_TRUE(QDir().mkpath(listPath("Folder")));
    QVector<ListEntry> entries;
    QString error;
    EXPECT_FALSE(readListFile(listPath("Folder"), entries, &error));
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_TRUE(error.contains("Folder.txt")) << error.toStdString();

    writeList("Kept", "IBM\r\n");
    EXPECT_FALSE(writeListFile(lists() + "missing/Kept.txt", {"MSFT"}, &error));
    EXPECT_FALSE(writeListFile(listPath("Folder"), {"MSFT"}, &error));
    EXPECT_TRUE(QFileInfo(listPath("Folder")).isDir());
    EXPECT_TRUE(writeListFile(listPath("Kept"), {"MSFT", "empty"}, &error));
    EXPECT_EQ(readList("Kept"), "MSFT\r\nempty\r\n");
}
