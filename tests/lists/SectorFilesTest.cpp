#include "ListsTestSupport.h"
#include "SectorFiles.h"

#include <QDir>

using namespace SectorFiles;

TEST(SectorFiles, NamesThatCannotNameAFile)
{
    struct Row {
        const char* name;
        QString sector;
        const char* says;  // part of the message, empty when the name is fine
    };
    const Row rows[] = {
        {"plain", "Banks", ""},
        {"blanks and underscores", "New_Sector 2", ""},
        {"64 characters", QString(64, u'x'), ""},
        {"empty", "", "needs a name"},
        {"blank", "   ", "needs a name"},
        {"slash", "a/b", "may not contain"},
        {"backslash", "a\\b", "may not contain"},
        {"parent folder", "..", "may not contain"},
        {"parent folder inside", "x..y", "may not contain"},
        {"hidden file", ".hidden", "may not contain"},
        {"control character", "a\tb", "may not contain"},
        {"65 characters", QString(65, u'x'), "too long"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString why = checkName(row.sector);
        if (*row.says == 0)
            EXPECT_TRUE(why.isEmpty()) << why.toStdString();
        else
            EXPECT_TRUE(why.contains(QLatin1String(row.says))) << why.toStdString();
    }
}

using SectorFilesOnDisk = ListsFolderTest;

TEST_F(SectorFilesOnDisk, CreateWritesThePlaceholderAndKeepsExistingLists)
{
    QString message;
    EXPECT_EQ(create(lists(), "Banks", &message), Outcome::Done);
    EXPECT_EQ(readList("Banks"), "empty\r\n");
    EXPECT_TRUE(message.isEmpty());

    writeList("Tech", "MSFT\r\nIBM\r\n");
    EXPECT_EQ(create(lists(), "Tech", &message), Outcome::Unchanged);
    EXPECT_EQ(readList("Tech"), "MSFT\r\nIBM\r\n");
    EXPECT_EQ(message, "The sector \"Tech\" already exists.");

    EXPECT_EQ(create(lists(), "  Oil ", &message), Outcome::Done);
    EXPECT_EQ(readList("Oil"), "empty\r\n") << "the name is trimmed";
    EXPECT_EQ(list(lists() + "*.txt"), (QStringList{"Banks", "Oil", "Tech"}));
}

TEST_F(SectorFilesOnDisk, BadNamesTouchNothing)
{
    writeList("Tech", "MSFT\r\n");
    const QStringList before = allFiles();
    for (const char* name : {"../Escape", "..\\x", "sub/dir", "../../etc/passwd", "", ".profile"}) {
        SCOPED_TRACE(name);
        QString message;
        const QString sector = QString::fromLatin1(name);
        const Outcome created = create(lists(), sector, &message);
        EXPECT_EQ(created, Outcome::Refused);
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(remove(lists(), sector, &message), Outcome::Refused);
        EXPECT_EQ(rename(lists(), "Tech", sector, &message), Outcome::Refused);
        EXPECT_EQ(save(lists(), sector, {"IBM"}, &message), sector.isEmpty() ? Outcome::Unchanged : Outcome::Refused);
    }
    EXPECT_EQ(allFiles(), before);
    EXPECT_EQ(readList("Tech"), "MSFT\r\n");
}

TEST_F(SectorFilesOnDisk, RenameNeverOverwritesAList)
{
    writeList("Tech", "MSFT\r\n");
    writeList("Banks", "C\r\n");
    QString message;
    EXPECT_EQ(rename(lists(), "Tech", " Tech ", &message), Outcome::Unchanged);
    EXPECT_EQ(rename(lists(), "Tech", "Banks", &message), Outcome::Refused);
    EXPECT_EQ(message, "The sector \"Banks\" already exists; the list keeps its name \"Tech\".");
    EXPECT_EQ(readList("Tech"), "MSFT\r\n");
    EXPECT_EQ(readList("Banks"), "C\r\n");

    EXPECT_EQ(rename(lists(), "Tech", "Software", &message), Outcome::Done);
    EXPECT_EQ(readList("Software"), "MSFT\r\n");
    EXPECT_FALSE(QFile::exists(listPath("Tech")));

    EXPECT_EQ(rename(lists(), "Gone", "Other", &message), Outcome::Failed);
    EXPECT_TRUE(message.contains("\"Gone\" cannot be renamed")) << message.toStdString();
}

TEST_F(SectorFilesOnDisk, SaveReplacesAndRemoveDeletes)
{
    writeList("Picks", "OLD\r\n");
    QString message;
    EXPECT_EQ(save(lists(), "Picks", {" IBM ", "MSFT"}, &message), Outcome::Done);
    EXPECT_EQ(readList("Picks"), "IBM\r\nMSFT\r\n");
    EXPECT_EQ(save(lists(), "", {"IBM"}, &message), Outcome::Unchanged);
    EXPECT_EQ(save(lists(), "Picks", {}, &message), Outcome::Unchanged);
    EXPECT_EQ(readList("Picks"), "IBM\r\nMSFT\r\n");

    EXPECT_EQ(remove(lists(), "Picks", &message), Outcome::Done);
    EXPECT_FALSE(QFile::exists(listPath("Picks")));
    EXPECT_EQ(remove(lists(), "Picks", &message), Outcome::Unchanged);
}

TEST_F(SectorFilesOnDisk, ListingTakesOnlyListFiles)
{
    writeList("beta", "");
    writeList("Alpha", "");
    writeList("Gamma", "");
    QFile(lists() + "Upper.TXT").open(QIODevice::WriteOnly);
    QFile(lists() + "notes.csv").open(QIODevice::WriteOnly);
    QFile(lists() + ".txt").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir().mkpath(lists() + "Folder.txt"));
    EXPECT_EQ(list(lists() + "*.txt"), (QStringList{"Alpha", "beta", "Gamma"}));
    EXPECT_TRUE(list(lists() + "nothing/*.txt").isEmpty());
}

TEST_F(SectorFilesOnDisk, PathsOutsideTheListsFolderHaveNoSectorName)
{
    EXPECT_EQ(nameOfPath(lists(), listPath("Tech")), "Tech");
    EXPECT_EQ(nameOfPath(lists(), lists() + "../Tech.txt"), "");
    EXPECT_EQ(nameOfPath(lists(), m_folders.data + "Tech.txt"), "");
    EXPECT_EQ(nameOfPath(lists(), lists() + "Tech.csv"), "");
    EXPECT_EQ(nameOfPath(lists(), lists() + "sub/Tech.txt"), "");
}
