// Storing new symbols in random order into an empty quote index, and finding them.

#include "QuoteIndex.h"

#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kSymbols = 10000;

// kSymbols distinct symbols of one to six letters, in random order.
QStringList randomSymbols()
{
    std::mt19937 rng(423);
    QSet<QString> seen;
    QStringList out;
    while (out.size() < kSymbols) {
        const int length = 1 + int(rng() % 6);
        QString t;
        for (int i = 0; i < length; ++i)
            t += QLatin1Char(char('A' + rng() % 26));
        if (!seen.contains(t)) {
            seen.insert(t);
            out << t;
        }
    }
    return out;
}

void BM_StoreNewSymbolsInRandomOrder(benchmark::State& state)
{
    const QStringList symbols = randomSymbols();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        QuoteIndex index;
        if (!index.open(dir.filePath(QStringLiteral("Index4.dat")))) {
            state.SkipWithError("cannot open the index");
            return;
        }
        state.ResumeTiming();
        for (const QString& s : symbols) {
            QuoteRecord q;
            q.Ticker = s;
            q.LastPrice = 1.5f;
            if (!index.store(q, QuoteKind::Quote)) {
                state.SkipWithError("store failed");
                return;
            }
        }
        state.PauseTiming();
        index.close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kSymbols);
}
BENCHMARK(BM_StoreNewSymbolsInRandomOrder)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindQuote(benchmark::State& state)
{
    const QStringList symbols = randomSymbols();
    QTemporaryDir dir;
    QuoteIndex index;
    if (!index.open(dir.filePath(QStringLiteral("Index4.dat")))) {
        state.SkipWithError("cannot open the index");
        return;
    }
    for (const QString& s : symbols) {
        QuoteRecord q;
        q.Ticker = s;
        index.store(q, QuoteKind::Quote);
    }
    // Lower-case with a blank around, as typed into the symbol box.
    QStringList typed;
    for (const QString& s : symbols)
        typed << QLatin1Char(' ') + s.toLower();
    qsizetype i = 0;
    for (auto _ : state) {
        QString ticker = typed[i];
        benchmark::DoNotOptimize(index.find(ticker));
        i = (i + 1) % typed.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindQuote)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
