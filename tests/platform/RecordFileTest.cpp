#include "RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RecordFile, ReadPastTheEndGivesZerosAndWritePastTheEndExtends)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.dat"));
    RecordFile f;
    ASSERT_TRUE(f.open(path, 4));
    EXPECT_EQ(f.recordCount(), 0);
    EXPECT_EQ(f.read(3), QByteArray(4, '\0'));

    ASSERT_TRUE(f.write(3, QByteArrayLiteral("abcd")));
    EXPECT_EQ(f.recordCount(), 3);
    EXPECT_EQ(f.read(1), QByteArray(4, '\0'));
    EXPECT_EQ(f.read(3), QByteArrayLiteral("abcd"));
    ASSERT_TRUE(f.flush());

    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), QByteArray(8, '\0') + "abcd");
}

TEST(RecordFile, PartialLastRecordReadsAsZeroPadded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.dat"));
    {
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
        raw.write("abcdef");
    }
    RecordFile f;
    ASSERT_TRUE(f.open(path, 4));
    EXPECT_EQ(f.recordCount(), 1);
    EXPECT_EQ(f.read(2), QByteArray("ef") + QByteArray(2, '\0'));
}

TEST(RecordFile, RejectsWrongSizedWritesAndRecordZero)
{
    QTemporaryDir dir;
    RecordFile f;
    ASSERT_TRUE(f.open(dir.filePath(QStringLiteral("r.dat")), 4));
    EXPECT_FALSE(f.write(1, QByteArrayLiteral("abc")));
    EXPECT_FALSE(f.write(0, QByteArrayLiteral("abcd")));
    EXPECT_EQ(f.size(), 0);
}
