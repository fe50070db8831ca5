#include "PriceFile.h"
#include "PriceTestSupport.h"

#include "AppFolders.h"

#include <QDir>
#include <QFileInfo>

TEST(PriceFile, CheckSymbolAcceptsOnlyNamesThatStayInTheirFolder)
{
    struct Row {
        const char* name;
        QString symbol;
        bool usable;
    };
    const Row rows[] = {
        {"plain", QStringLiteral("MSFT"), true},
        {"blanks around", QStringLiteral("  msft "), true},
        {"index", QStringLiteral("^DJI"), true},
        {"underscore", QStringLiteral("_X"), true},
        {"bracket", QStringLiteral("[A"), true},
        {"class share with a dot", QStringLiteral("BRK.B"), true},
        {"ten characters", QStringLiteral("ABCDEFGHIJ"), true},
        {"eleven characters", QStringLiteral("ABCDEFGHIJK"), false},
        {"empty", QString(), false},
        {"only blanks", QStringLiteral("   "), false},
        {"starts with a digit", QStringLiteral("1ABC"), false},
        {"starts with a dot", QStringLiteral(".AB"), false},
        {"starts with a brace", QStringLiteral("{AB"), false},
        {"slash", QStringLiteral("A/B"), false},
        {"backslash inside", QStringLiteral("A\\B"), false},
        {"backslash first", QStringLiteral("\\AB"), false},
        {"parent folder", QStringLiteral("A..B"), false},
        {"inner blank", QStringLiteral("A B"), false},
        {"NUL", QString::fromLatin1("A\0B", 3), false},
        {"tab", QStringLiteral("A\tB"), false},
        {"not ASCII", QStringLiteral("A\u00c4"), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(checkSymbol(row.symbol).isEmpty(), row.usable) << checkSymbol(row.symbol).toStdString();
        EXPECT_EQ(PriceFolder(row.symbol).isEmpty(), !row.usable);
    }
}

TEST_F(PriceFileTest, PriceFolderIsTheUpperCasedFirstCharacterAndTrimsInPlace)
{
    const QString data = appFolders().data;
    EXPECT_EQ(PriceFolder(QStringLiteral("msft")), data + "M/");
    EXPECT_EQ(PriceFolder(QStringLiteral("^DJI")), data + "^/");
    EXPECT_EQ(PriceFolder(QStringLiteral("_X")), data + "_/");

    QString symbol = QStringLiteral("  ibm ");
    EXPECT_EQ(PriceFolder(symbol), data + "I/");
    EXPECT_EQ(symbol, QStringLiteral("ibm"));
}

TEST_F(PriceFileTest, PriceFileNameOnlyForAnExistingFileInTheCallersCase)
{
    EXPECT_EQ(PriceFileName(QStringLiteral("msft")), QString());  // no folder yet

    const QString made = MakePriceFileName(QStringLiteral(" msft "));
    EXPECT_EQ(made, appFolders().data + "M/msft.std");
    EXPECT_TRUE(QFileInfo(appFolders().data + "M").isDir());
    EXPECT_FALSE(QFileInfo::exists(made));
    EXPECT_EQ(PriceFileName(QStringLiteral("msft")), QString());  // folder but no file

    writeBytes(made, QByteArray(468, '\0'));
    EXPECT_EQ(PriceFileName(QStringLiteral("msft")), made);
    EXPECT_EQ(PriceFileName(QStringLiteral("MSFT")), QString());  // names keep their case
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(PriceFileTest, MakePriceFileNameRefusesUnsafeSymbolsAndCreatesNothing)
{
    for (const QString& symbol : {QStringLiteral("../etc"), QStringLiteral("1ABC"), QStringLiteral("A\\B")}) {
        SCOPED_TRACE(symbol.toStdString());
        m_dialogs.clear();
        EXPECT_EQ(MakePriceFileName(symbol), QString());
        ASSERT_EQ(m_dialogs.messages().size(), 1);
        EXPECT_TRUE(m_dialogs.messages().first().startsWith(QStringLiteral("No price file for \"") + symbol))
            << m_dialogs.messages().first().toStdString();
    }
    EXPECT_TRUE(QDir(appFolders().data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(QDir(m_root.path()).entryList({QStringLiteral("etc*")}).isEmpty());
}

TEST_F(PriceFileTest, CountBarsRoundsTheRecordCountHalvesToEven)
{
    struct Row {
        qint64 length;
        int slotCount;
    };
    const Row rows[] = {
        {0, 0}, {431, 0}, {432, 0}, {449, 0},
        {450, 0},  // 12.5 records round to 12
        {451, 1}, {468, 1}, {485, 1},
        {486, 2},  // 13.5 records round to 14
        {504, 2},
        {522, 2},  // 14.5 records round to 14
        {540, 3},
    };
    const QString path = m_root.filePath(QStringLiteral("sized.std"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.length);
        writeBytes(path, QByteArray(row.length, '\0'));
        EXPECT_EQ(CountBars(path), row.slotCount);
    }
    EXPECT_EQ(CountBars(m_root.filePath(QStringLiteral("missing.std"))), 0);
}
