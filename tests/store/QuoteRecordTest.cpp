#include "QuoteRecord.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytesAt(const QByteArray& record, int offset, int width) { return record.mid(offset, width); }

// A record with every field set to a value of its own.
QuoteRecord fullRecord()
{
    QuoteRecord q;
    q.OrderLink = 7;
    q.Ticker = QStringLiteral("IBM");
    q.LastTraded = 38061.6875;
    q.Open = 1.5f;
    q.High = 2.5f;
    q.Low = 0.5f;
    q.LastPrice = 2.25f;
    q.Volume = 123456.0f;
    q.PointChange = -0.25f;
    q.PercentChange = -1.125f;
    q.CompanyName = QStringLiteral("Intl Business Mach");
    q.SharesOutStanding = 1.7e9f;
    q.Exchange = QStringLiteral("NYSE");
    q.YearHigh = 3;
    q.YearLow = 0.25f;
    q.AvgVolume = 99;
    q.Marketcap = 1e11f;
    q.PE = 21.5f;
    q.Earnings = 4.75f;
    q.Dividends = 0.64f;
    q.Yeild = 0.7f;
    q.ExDivDate = QStringLiteral("Feb 6");
    q.DivDate = QStringLiteral("");
    q.Splits = QStringLiteral("2:1 on 27-May-99");
    q.ReservedByte = 0;
    q.NoDataStamp = 38000.25;
    q.HistoryCount = 1300;
    q.HistoryFirst = 19990104;
    q.HistoryLast = 20040315;
    q.HistoricalUpdated = 38061.5;
    q.QuoteUpdated = 38061.75;
    q.DetailsUpdated = 38060.0;
    q.ReservedDate1 = 1.0;
    q.ReservedDate2 = 2.0;
    q.EcnTime = 38061.8;
    q.ECN = 2.3f;
    q.Bid = 2.2f;
    q.Ask = 2.4f;
    q.EcnChange = 0.05f;
    q.EcnPercent = 2.2f;
    q.ReservedText1 = QStringLiteral("unknown");
    q.ReservedText2 = QStringLiteral("unknown");
    q.Industry = QStringLiteral("Computer Hardware");
    q.ReservedTail = QByteArray(kReservedTailSize, '\x5a');
    return q;
}

} // namespace

TEST(QuoteRecord, FieldsSitAtTheirOffsetsLittleEndian)
{
    QuoteRecord q;
    q.OrderLink = 0x01020304;
    q.Ticker = QStringLiteral("MSFT");
    q.LastPrice = 27.5f;
    q.HistoryFirst = 20040315;
    q.QuoteUpdated = 38061.5;
    q.Industry = QStringLiteral("Software");
    const QByteArray b = encodeQuote(q);
    ASSERT_EQ(b.size(), 423);
    EXPECT_EQ(bytesAt(b, 0, 4), QByteArray::fromHex("04030201"));
    EXPECT_EQ(bytesAt(b, 4, 10), QByteArray("MSFT      "));
    EXPECT_EQ(bytesAt(b, 34, 4), QByteArray::fromHex("0000dc41"));
    EXPECT_EQ(bytesAt(b, 50, 20), QByteArray(20, '\0')) << "a text never set stays zero bytes";
    EXPECT_EQ(bytesAt(b, 245, 4), QByteArray::fromHex("7bca3101"));
    EXPECT_EQ(bytesAt(b, 261, 8), QByteArray::fromHex("00000000b095e240"));
    EXPECT_EQ(bytesAt(b, 361, 20), QByteArray("Software            "));
    EXPECT_EQ(bytesAt(b, 381, 42), QByteArray(42, '\0'));

    QuoteRecord all = fullRecord();
    const QByteArray f = encodeQuote(all);
    EXPECT_EQ(bytesAt(f, 42, 4), QByteArray::fromHex("000080be")) << "PointChange";
    EXPECT_EQ(bytesAt(f, 116, 8), QByteArray("Feb 6   ")) << "ExDivDate";
    EXPECT_EQ(bytesAt(f, 124, 8), QByteArray(8, ' ')) << "an empty DivDate is spaces";
    EXPECT_EQ(bytesAt(f, 132, 16), QByteArray("2:1 on 27-May-99")) << "Splits";
    EXPECT_EQ(bytesAt(f, 249, 4), QByteArray::fromHex("7bca3101")) << "HistoryLast";
    EXPECT_EQ(f.at(232), '\0');
    EXPECT_EQ(bytesAt(f, 321, 20), QByteArray("unknown             "));
}

TEST(QuoteRecord, RoundTripKeepsEveryByte)
{
    const QByteArray bytes = encodeQuote(fullRecord());
    const QuoteRecord back = decodeQuote(bytes);
    EXPECT_EQ(encodeQuote(back), bytes);
    EXPECT_EQ(back.Ticker, QStringLiteral("IBM"));
    EXPECT_EQ(back.CompanyName, QStringLiteral("Intl Business Mach"));
    EXPECT_FALSE(back.DivDate.isNull());
    EXPECT_TRUE(back.DivDate.isEmpty());
    EXPECT_EQ(back.HistoryLast, 20040315);
    EXPECT_DOUBLE_EQ(back.EcnTime, 38061.8);
    EXPECT_FLOAT_EQ(back.Yeild, 0.7f);

    // Bytes from elsewhere: a reserved byte and tail that this program never sets.
    QByteArray foreign = bytes;
    foreign[232] = '\x11';
    foreign[422] = '\x22';
    EXPECT_EQ(encodeQuote(decodeQuote(foreign)), foreign);

    const QByteArray zeros(423, '\0');
    EXPECT_EQ(encodeQuote(decodeQuote(zeros)), zeros);
    EXPECT_EQ(encodeQuote(QuoteRecord()), zeros);
}

TEST(QuoteRecord, TextsAreTrimmedOnReadAndCutOnWrite)
{
    QByteArray b(423, '\0');
    b.replace(4, 10, QByteArray("AB\0\0\0\0\0\0\0\0", 10));
    b.replace(50, 20, QByteArray("  Acme Corp  \0\0\0\0\0\0\0", 20));
    const QuoteRecord q = decodeQuote(b.left(100)); // a short record reads as zero-padded
    EXPECT_EQ(q.Ticker, QStringLiteral("AB"));
    EXPECT_EQ(q.CompanyName, QStringLiteral("  Acme Corp"));
    EXPECT_TRUE(q.Exchange.isNull());

    QuoteRecord longOnes;
    longOnes.CompanyName = QStringLiteral("A company name that is far too long");
    longOnes.Splits = QString(150, u'x');
    const QByteArray out = encodeQuote(longOnes);
    ASSERT_EQ(out.size(), 423);
    EXPECT_EQ(bytesAt(out, 50, 20), QByteArray("A company name that "));
    EXPECT_EQ(bytesAt(out, 70, 4), QByteArray(4, '\0')) << "the next field is untouched";
    EXPECT_EQ(bytesAt(out, 132, 100), QByteArray(100, 'x'));
    EXPECT_EQ(out.at(232), '\0');
}

TEST(QuoteRecord, EmptyQuoteDefaults)
{
    QuoteRecord q = fullRecord();
    EmptyQuote(q);
    EXPECT_EQ(q.Ticker, QStringLiteral("none"));
    EXPECT_EQ(q.CompanyName, QStringLiteral("No name found"));
    EXPECT_EQ(q.Exchange, QStringLiteral("I dunno"));
    EXPECT_EQ(q.ExDivDate, QStringLiteral("n/a"));
    EXPECT_EQ(q.DivDate, QStringLiteral("n/a"));
    for (const QString& t : {q.Splits, q.ReservedText1, q.ReservedText2, q.Industry})
        EXPECT_EQ(t, QStringLiteral("unknown"));

    // Every number, date and reserved byte is zero: only the texts differ from a fresh record.
    QuoteRecord texts;
    texts.Ticker = q.Ticker;
    texts.CompanyName = q.CompanyName;
    texts.Exchange = q.Exchange;
    texts.ExDivDate = q.ExDivDate;
    texts.DivDate = q.DivDate;
    texts.Splits = q.Splits;
    texts.ReservedText1 = q.ReservedText1;
    texts.ReservedText2 = q.ReservedText2;
    texts.Industry = q.Industry;
    EXPECT_EQ(encodeQuote(q), encodeQuote(texts));
}

TEST(QuoteRecord, TickersAreComparedTrimmedAndUpperCase)
{
    EXPECT_EQ(normalisedTicker(QStringLiteral(" msft ")), QStringLiteral("MSFT"));
    EXPECT_EQ(normalisedTicker(QStringLiteral("\tbrk.b\n")), QStringLiteral("BRK.B"));
    EXPECT_TRUE(normalisedTicker(QStringLiteral("   ")).isEmpty());
}
