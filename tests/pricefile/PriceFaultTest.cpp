#include "PriceFile.h"
#include "PriceTestSupport.h"

#include "AppFolders.h"
#include "Dates.h"
#include "QuoteRecord.h"

#include <QDir>
#include <QFileInfo>

#include <climits>
#include <functional>

namespace {

// ORCL's March 2004, the file every case starts from (unless it starts from nothing).
QVector<DailyBar> oldBars() { return marketBars(QStringLiteral("ORCL"), 20040301, 20040331); }

struct Scenario {
    const char* name;
    bool startWithFile;
    std::function<bool()> store;
};

QuoteRecord quoteFor(const QDate& day)
{
    QuoteRecord q;
    q.Ticker = QStringLiteral("ORCL");
    q.LastTraded = toDateSerial(day, QTime(15, 0));
    q.Open = q.High = q.Low = q.LastPrice = 12.0f;
    q.Volume = 1000;
    return q;
}

const Scenario kScenarios[] = {
    {"history overlapping the end and appending past Good Friday", true,
     [] { return StoreHistory(QStringLiteral("ORCL"), marketBars(QStringLiteral("ORCL"), 20040325, 20040531)); }},
    {"older history shifted in at the front", true,
     [] { return StoreHistory(QStringLiteral("ORCL"), marketBars(QStringLiteral("ORCL"), 20040102, 20040305)); }},
    {"history into a new file", false,
     [] { return StoreHistory(QStringLiteral("ORCL"), marketBars(QStringLiteral("ORCL"), 20040301, 20040415)); }},
    {"a quote three weekdays after the last bar", true,
     [] {
         QuoteRecord q = quoteFor(QDate(2004, 4, 5));
         return StoreQuoteBar(q);
     }},
    {"a quote making a new file", false,
     [] {
         QuoteRecord q = quoteFor(QDate(2004, 4, 5));
         return StoreQuoteBar(q);
     }},
};

} // namespace

class PriceFaultTest : public PriceFileTest {
protected:
    QString path() const { return appFolders().data + "O/ORCL.std"; }

    void prepare(bool withFile)
    {
        QDir(appFolders().data + "O").removeRecursively();
        if (withFile)
            ASSERT_TRUE(StoreHistory(QStringLiteral("ORCL"), oldBars()));
        m_dialogs.clear();
    }

    // Every bar in the file sits in the slot its date belongs to.
    void expectConsistent()
    {
        const QVector<DailyBar> slotBars = fileSlots(path());
        if (slotBars.isEmpty())
            return;
        // A file starts and ends with a bar: no half-done append is left behind.
        ASSERT_FALSE(slotBars.first().isEmpty());
        ASSERT_FALSE(slotBars.last().isEmpty());
        for (int s = 0; s < slotBars.size(); ++s) {
            if (!slotBars[s].isEmpty())
                EXPECT_EQ(SlotOffset(slotBars.first().Date, slotBars[s].Date), s) << "slot " << s;
        }
    }

    // Every bar the file held before is still there, in the slot of its date.
    void expectOldBarsKept(const QVector<DailyBar>& old)
    {
        const QVector<DailyBar> slotBars = fileSlots(path());
        ASSERT_FALSE(slotBars.isEmpty());
        for (const DailyBar& bar : old) {
            const int s = SlotOffset(slotBars.first().Date, bar.Date);
            ASSERT_TRUE(s >= 0 && s < slotBars.size()) << bar.Date;
            EXPECT_EQ(slotBars[s], bar) << bar.Date;
        }
    }
};

TEST_F(PriceFaultTest, FullDiskAtAnyWriteKeepsTheStoredBarsAndARetryCompletes)
{
    QVector<DailyBar> old = oldBars();
    for (DailyBar& b : old)
        b.Status = BarStatus::Final;

    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        prepare(scenario.startWithFile);
        int writes = 0;
        {
            FailingWrites count(INT_MAX);
            ASSERT_TRUE(scenario.store());
            writes = count.attempted();
        }
        ASSERT_GT(writes, 0);
        const QByteArray complete = fileBytes(path());
        ASSERT_FALSE(complete.isEmpty());

        for (int good = 0; good < writes; ++good) {
            SCOPED_TRACE(good);
            prepare(scenario.startWithFile);
            const QByteArray before = fileBytes(path());
            {
                FailingWrites fail(good);
                EXPECT_FALSE(scenario.store());
            }
            ASSERT_FALSE(m_dialogs.messages().isEmpty());
            EXPECT_TRUE(m_dialogs.messages().last().contains(QStringLiteral("No space left on device")))
                << m_dialogs.messages().last().toStdString();
            EXPECT_TRUE(QDir(appFolders().data + "O").entryList({QStringLiteral("*.tmp")}).isEmpty());
            if (scenario.startWithFile) {
                expectOldBarsKept(old);
                // Nothing was lost and nothing half-done was left behind.
                EXPECT_EQ(fileBytes(path()).left(251), before.left(251));
            } else if (good == 0) {
                EXPECT_FALSE(QFileInfo::exists(path()));
            }
            expectConsistent();

            EXPECT_TRUE(scenario.store());
            EXPECT_EQ(fileBytes(path()), complete);
        }
    }
}
