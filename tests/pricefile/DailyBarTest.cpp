#include "DailyBar.h"

#include <gtest/gtest.h>

TEST(DailyBar, EncodesFieldsLittleEndianAtTheirOffsets)
{
    DailyBar bar;
    bar.Date = 20040315;
    bar.Open = 1.5f;
    bar.High = 2.25f;
    bar.Low = -0.5f;
    bar.Close = 100.125f;
    bar.Volume = 1234567.0f;
    bar.Status = BarStatus::Provisional;
    bar.Spare1 = 7.0f;  // readers' scratch; never reaches the disk
    bar.Spare2 = -3.0f;

    const QByteArray expected = QByteArray::fromHex(
        "7bca3101" "0000c03f" "00001040" "000000bf" "0040c842"
        "38b49649" "02000000" "00000000" "00000000");
    const QByteArray bytes = encodeBar(bar);
    ASSERT_EQ(bytes.size(), kDailyBarSize);
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));

    DailyBar stored = bar;
    stored.Spare1 = stored.Spare2 = 0;
    EXPECT_EQ(decodeBar(bytes), stored);
}

TEST(DailyBar, ShortRecordDecodesAsZeroPadded)
{
    const QByteArray full = encodeBar(DailyBar{20040315, 1, 2, 3, 4, 5, 1, 0, 0});
    const DailyBar bar = decodeBar(full.left(8));
    EXPECT_EQ(bar.Date, 20040315);
    EXPECT_EQ(bar.Open, 1.0f);
    EXPECT_EQ(bar.High, 0.0f);
    EXPECT_EQ(bar.Status, 0);
    EXPECT_TRUE(decodeBar(QByteArray()).isEmpty());
}
