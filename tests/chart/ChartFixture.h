#pragma once

#include "AppFolders.h"
#include "Clock.h"
#include "DailyBar.h"
#include "Dates.h"
#include "Dialogs.h"
#include "PriceFile.h"
#include "QuoteIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <vector>

// A fresh data root with an open quote index, the clock standing on Monday 15 March
// 2004 and dialogs answered from a script.
class ChartEnvironment : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_savedFolders = appFolders();
        setAppFolders(foldersUnder(m_root.path() + QLatin1Char('/')));
        QDir().mkpath(appFolders().data);
        ASSERT_TRUE(openQuoteIndexAt(appFolders().data + QStringLiteral("Index4.dat")));
        setClock(&m_clock);
        setDialogs(&m_dialogs);
    }
    void TearDown() override
    {
        setDialogs(nullptr);
        setClock(nullptr);
        CloseQuoteIndex();
        setAppFolders(m_savedFolders);
    }

    static DailyBar bar(qint32 date, float open, float high, float low, float close, float volume = 0)
    {
        DailyBar b;
        b.Date = date;
        b.Open = open;
        b.High = high;
        b.Low = low;
        b.Close = close;
        b.Volume = volume;
        b.Status = BarStatus::Final;
        return b;
    }

    // Writes the symbol's price file with `bars` (oldest first) in their weekday slots.
    static QString writePriceFile(const QString& symbol, const std::vector<DailyBar>& bars)
    {
        const QString path = MakePriceFileName(symbol);
        QByteArray bytes(kHeaderAreaSize, '\0');
        if (!bars.empty()) {
            const qint32 first = bars.front().Date;
            for (const DailyBar& b : bars) {
                const qsizetype at = kHeaderAreaSize + qsizetype(SlotOffset(first, b.Date)) * kDailyBarSize;
                if (bytes.size() < at + kDailyBarSize)
                    bytes.resize(at + kDailyBarSize, '\0');
                encodeBar(b, bytes.data() + at);
            }
        }
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The daily bars of a market-data CSV file of the project (Date,Open,High,Low,Close,Volume,...).
    static std::vector<DailyBar> marketBars(const QString& name)
    {
        std::vector<DailyBar> out;
        QFile file(QStringLiteral(TARNBECK_DATA_DIR "/market/") + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
        QTextStream in(&file);
        in.readLine();
        while (!in.atEnd()) {
            const QStringList f = in.readLine().split(QLatin1Char(','));
            if (f.size() < 6)
                continue;
            const qint32 date = QString(f[0]).remove(QLatin1Char('-')).toInt();
            out.push_back(bar(date, f[1].toFloat(), f[2].toFloat(), f[3].toFloat(), f[4].toFloat(), f[5].toFloat()));
        }
        return out;
    }

    static void storeQuote(QuoteRecord q)
    {
        ASSERT_TRUE(StoreQuote(q, QuoteKind::Quote));
    }

    QTemporaryDir m_root;
    AppFolders m_savedFolders;
    SettableClock m_clock{QDateTime(QDate(2004, 3, 15), QTime(15, 30), Qt::UTC)};
    ScriptedDialogs m_dialogs;
};
