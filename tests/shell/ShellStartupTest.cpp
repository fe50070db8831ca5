#include "AppFolders.h"
#include "Dialogs.h"
#include "QuoteIndex.h"
#include "ShellStartup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList defaultListNames()
{
    QStringList names;
    for (int n = 1; n <= 6; ++n)
        names << QStringLiteral("MyStocks%1.txt").arg(n);
    return names;
}

class ShellStartup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldHome = qgetenv("TARNBECK_HOME");
        setDialogs(&m_dialogs);
    }
    void TearDown() override
    {
        CloseQuoteIndex();
        setDialogs(nullptr);
        qputenv("TARNBECK_HOME", m_oldHome);
    }
    QString root() const { return m_dir.path() + QStringLiteral("/home"); }

    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    ScriptedDialogs m_dialogs;
};

} // namespace

TEST_F(ShellStartup, FreshDataRootGetsFoldersDefaultListsAndIndex)
{
    qputenv("TARNBECK_HOME", root().toLocal8Bit());
    ASSERT_TRUE(startShell(parseCommandLine({}), defaultDataRoot()));

    const AppFolders f = appFolders();
    EXPECT_EQ(f.root, root() + u'/');
    for (const QString& folder : {f.data, f.lists, f.csv})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(QDir(f.lists).entryList(QDir::Files, QDir::Name), defaultListNames());
    for (const QString& name : defaultListNames())
        EXPECT_EQ(readAll(f.lists + name), QByteArray("  empty\r\n")) << name.toStdString();
    EXPECT_TRUE(quoteIndex().isOpen());
    EXPECT_TRUE(QFileInfo::exists(f.data + "Index4.dat"));
    EXPECT_TRUE(m_dialogs.entries().isEmpty());
}

TEST_F(ShellStartup, DefaultListsOnlyWhenTheListFolderHoldsNoFile)
{
    struct Row {
        const char* name;
        QStringList existing;  // files in TickerLists/ before start-up
        QStringList expected;
    };
    const Row rows[] = {
        {"empty list folder gets the defaults", {}, defaultListNames()},
        {"one list of the user's own", {"Banks.txt"}, {"Banks.txt"}},
        {"a file that is no list still counts", {"notes.dat"}, {"notes.dat"}},
        {"a changed default list is kept as it is", {"MyStocks1.txt"}, {"MyStocks1.txt"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const AppFolders f = foldersUnder(dir.path());
        ASSERT_TRUE(QDir().mkpath(f.lists));
        for (const QString& name : row.existing)
            writeFile(f.lists + name, "MSFT\r\nIBM\r\n");
        QString error;
        ASSERT_TRUE(prepareDataFolders(f, &error)) << error.toStdString();
        EXPECT_EQ(QDir(f.lists).entryList(QDir::Files, QDir::Name), row.expected);
        for (const QString& name : row.existing)
            EXPECT_EQ(readAll(f.lists + name), QByteArray("MSFT\r\nIBM\r\n"));
    }
}

TEST_F(ShellStartup, UnwritableDataRootGivesOneMessageAndFails)
{
    // A plain file where the data root should be: nothing can be created under it.
    const QString blocker = m_dir.path() + QStringLiteral("/blocker");
    writeFile(blocker, "x");
    EXPECT_FALSE(startShell(parseCommandLine({}), blocker + QStringLiteral("/home/")));
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.entries().size(), 1);
    EXPECT_TRUE(m_dialogs.messages().first().contains("cannot be created")) << m_dialogs.messages().first().toStdString();
    EXPECT_EQ(m_dialogs.entries().first().icon, MessageIcon::Critical);
    EXPECT_FALSE(quoteIndex().isOpen());
}

TEST_F(ShellStartup, IndexThatCannotBeOpenedGivesOneMessageAndFails)
{
    const AppFolders f = foldersUnder(root());
    ASSERT_TRUE(QDir().mkpath(f.data + QStringLiteral("Index4.dat")));  // a folder in the file's place
    EXPECT_FALSE(startShell(parseCommandLine({}), root()));
    ASSERT_EQ(m_dialogs.entries().size(), 1);
    EXPECT_TRUE(m_dialogs.messages().first().startsWith("The quote file")) << m_dialogs.messages().first().toStdString();
    EXPECT_FALSE(quoteIndex().isOpen());
}

TEST_F(ShellStartup, StartResetsTheSettingsAndNotesTheLogWords)
{
    shellSettings().updateInterval = 7;
    shellSettings().online = true;
    ASSERT_TRUE(startShell(parseCommandLine({"socks", "url"}), root()));
    EXPECT_EQ(shellSettings().updateInterval, 60);
    EXPECT_FALSE(shellSettings().online);
    EXPECT_TRUE(shellSettings().logSockets);
    EXPECT_TRUE(shellSettings().logUrls);
}

TEST(ProgramEntry, InstallWindowComesFirstOnlyForInstall)
{
    struct Row {
        const char* name;
        QStringList args;
        QStringList expected;
    };
    const Row rows[] = {
        {"install", {" install "}, {"install", "main"}},
        {"no command line", {}, {"main"}},
        {"another word", {"installer"}, {"main"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList shown;
        runProgramEntry(parseCommandLine(row.args), [&] { shown << "install"; }, [&] { shown << "main"; });
        EXPECT_EQ(shown, row.expected);
    }
}
