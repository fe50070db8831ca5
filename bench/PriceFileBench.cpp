#include "AppFolders.h"
#include "PriceFile.h"
#include "RecordFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSlots = 6000;
constexpr int kBlock = 90;

qint32 julianOf(const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); }

// `count` weekdays from `first` on, one bar each.
QVector<DailyBar> weekdayBars(QDate first, int count)
{
    QVector<DailyBar> bars;
    for (QDate d = first; bars.size() < count; d = d.addDays(1)) {
        if (d.dayOfWeek() > 5)
            continue;
        const float p = 20.0f + float(bars.size() % 50);
        bars.append(DailyBar{julianOf(d), p, p + 1, p - 1, p + 0.5f, 1e6f, BarStatus::Final, 0, 0});
    }
    return bars;
}

// A data folder holding BIG.std: 6000 final bars on consecutive weekdays from 2 Jan 1981.
class BigFile {
public:
    BigFile()
    {
        setAppFolders(foldersUnder(m_root.path()));
        QDir().mkpath(appFolders().data + "B");
        m_path = appFolders().data + "B/BIG.std";
        const QVector<DailyBar> bars = weekdayBars(QDate(1981, 1, 2), kSlots);
        m_bytes = QByteArray(kHeaderAreaSize, '\0');
        for (const DailyBar& b : bars)
            m_bytes += encodeBar(b);
        m_first = bars.first().Date;
        m_next = QDate(bars.last().Date / 10000, bars.last().Date / 100 % 100, bars.last().Date % 100).addDays(1);
        restore();
    }
    void restore() const
    {
        QFile f(m_path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(m_bytes);
    }
    qint32 first() const { return m_first; }
    QDate dayAfterLast() const { return m_next; }

private:
    QTemporaryDir m_root;
    QString m_path;
    QByteArray m_bytes;
    qint32 m_first = 0;
    QDate m_next;
};

BigFile& bigFile()
{
    static BigFile file;
    return file;
}

void BM_StoreHistoryAppended(benchmark::State& state)
{
    BigFile& file = bigFile();
    const QVector<DailyBar> block = weekdayBars(file.dayAfterLast(), kBlock);
    for (auto _ : state) {
        state.PauseTiming();
        file.restore();
        state.ResumeTiming();
        benchmark::DoNotOptimize(StoreHistory(QStringLiteral("BIG"), block));
    }
}
BENCHMARK(BM_StoreHistoryAppended)->Unit(benchmark::kMicrosecond);

void BM_StoreHistoryShiftedInFront(benchmark::State& state)
{
    BigFile& file = bigFile();
    const QDate first(file.first() / 10000, file.first() / 100 % 100, file.first() % 100);
    const QVector<DailyBar> block = weekdayBars(first.addDays(-140), kBlock);
    for (auto _ : state) {
        state.PauseTiming();
        file.restore();
        state.ResumeTiming();
        benchmark::DoNotOptimize(StoreHistory(QStringLiteral("BIG"), block));
    }
}
BENCHMARK(BM_StoreHistoryShiftedInFront)->Unit(benchmark::kMicrosecond);

void BM_LoadBars(benchmark::State& state)
{
    bigFile().restore();
    QVector<DailyBar> bars;
    for (auto _ : state) {
        LoadBars(QStringLiteral("BIG"), bars, 6001);
        benchmark::DoNotOptimize(bars.data());
    }
    state.SetItemsProcessed(state.iterations() * kSlots);
}
BENCHMARK(BM_LoadBars)->Unit(benchmark::kMicrosecond);

// The same load done a record at a time, for comparison.
void BM_LoadBarsRecordByRecord(benchmark::State& state)
{
    bigFile().restore();
    const QString path = PriceFileName(QStringLiteral("BIG"));
    QVector<DailyBar> bars(kSlots);
    for (auto _ : state) {
        auto file = OpenPriceFileReadOnly(path);
        const int count = CountBars(path);
        for (int i = 0; i < count; ++i)
            bars[i] = ReadBar(*file, kFirstSlotRecord + count - 1 - i);
        benchmark::DoNotOptimize(bars.data());
    }
    state.SetItemsProcessed(state.iterations() * kSlots);
}
BENCHMARK(BM_LoadBarsRecordByRecord)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
