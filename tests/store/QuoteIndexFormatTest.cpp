#include "QuoteIndex.h"
#include "QuoteIndexTestSupport.h"
#include "StoreTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The worked example of docs/FORMATS.md, byte for byte: MSFT stored from a quote,
// then IBM first seen through a history download.

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text)); }

QByteArray padded(const char* text, int width) { return QByteArray(text).leftJustified(width, ' '); }

void put(QByteArray& file, int record, int offset, const QByteArray& bytes)
{
    file.replace((record - 1) * kQuoteRecordLength + offset, bytes.size(), bytes);
}

TEST(QuoteIndexFormat, DocumentedExampleIsWhatTheProgramWrites)
{
    QTemporaryDir dir;
    ScopedTestEnvironment env;
    env.clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(23, 0), Qt::UTC));
    QuoteIndex index;
    const QString path = dir.filePath(QStringLiteral("Index4.dat"));
    ASSERT_TRUE(index.open(path));

    QuoteRecord msft;
    msft.Ticker = QStringLiteral("MSFT");
    msft.LastTraded = 38061.0 + 2.0 / 3.0;  // 15 March 2004, 4 pm
    msft.LastPrice = 27.5f;
    ASSERT_TRUE(index.store(msft, QuoteKind::Quote));

    QuoteRecord ibm;
    ibm.Ticker = QStringLiteral("IBM");
    ibm.HistoryCount = 3;
    ibm.HistoryFirst = 20040311;
    ibm.HistoryLast = 20040315;
    ibm.HistoricalUpdated = 38061.75;  // 6 pm
    ASSERT_TRUE(index.store(ibm, QuoteKind::History));
    index.close();

    QByteArray expected(2 * kQuoteRecordLength, '\0');
    put(expected, 1, 0, hex("02000000"));
    put(expected, 1, 4, padded("MSFT", 10));
    put(expected, 1, 14, hex("55555555b595e240"));
    put(expected, 1, 34, hex("0000dc41"));

    put(expected, 2, 0, hex("01000000"));
    put(expected, 2, 4, padded("IBM", 10));
    put(expected, 2, 50, padded("No name found", 20));
    put(expected, 2, 74, padded("I dunno", 10));
    put(expected, 2, 116, padded("n/a", 8));
    put(expected, 2, 124, padded("n/a", 8));
    put(expected, 2, 132, padded("unknown", 100));
    put(expected, 2, 241, hex("0300000077ca31017bca3101"));
    put(expected, 2, 253, hex("00000000b895e240"));
    for (int offset : {321, 341, 361})
        put(expected, 2, offset, padded("unknown", 20));

    const QByteArray written = readWholeFile(path);
    ASSERT_EQ(written.size(), 846);
    for (int i = 0; i < written.size(); ++i) {
        if (written[i] != expected[i]) {
            ADD_FAILURE() << "record " << i / kQuoteRecordLength + 1 << " offset " << i % kQuoteRecordLength
                          << ": written " << int(quint8(written[i])) << ", documented "
                          << int(quint8(expected[i]));
            break;
        }
    }
}

} // namespace
