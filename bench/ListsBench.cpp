// A sector of 2,000 symbols loaded into the symbol grid, and one quote board tick
// against a quote index of 10,000 symbols.

#include "AppFolders.h"
#include "DrawnGrid.h"
#include "QuoteIndex.h"
#include "SymbolLists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kIndexSymbols = 10000;
constexpr int kListSymbols = 2000;

// Symbols "S00000", "S00001" ...: every one is a record of the index.
QString symbolAt(int i)
{
    return QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0'));
}

// A data root with a 10,000-symbol quote index and the list "Big" of 2,000 of them,
// and the two grids of the main window (the surface the size of the QuickView panel's).
struct BoardSetup {
    QTemporaryDir dir;
    DrawnGrid sectors{{"sGridBox", "sVScroll", "sHScroll", "sDragBox", "stbEditBox"}};
    DrawnGrid symbols{{"tGridBox", "tVScroll", "tHScroll", "tDragBox", "tbEditBox"}};
    QTimer quotesTimer;
    std::unique_ptr<SymbolLists> lists;
    bool ready = false;

    BoardSetup()
    {
        const AppFolders folders = foldersUnder(dir.path() + QLatin1Char('/'));
        QDir().mkpath(folders.lists);
        QDir().mkpath(folders.data);
        setAppFolders(folders);
        if (!openQuoteIndexAt(folders.data + QStringLiteral("Index4.dat")))
            return;
        for (int i = 0; i < kIndexSymbols; ++i) {
            QuoteRecord q;
            q.Ticker = symbolAt(i);
            q.LastPrice = 10.0f + static_cast<float>(i % 500) / 4;
            if (!StoreQuote(q, QuoteKind::Quote))
                return;
        }
        QFile list(folders.lists + QStringLiteral("Big.txt"));
        if (!list.open(QIODevice::WriteOnly))
            return;
        for (int i = 0; i < kListSymbols; ++i)
            list.write(symbolAt(i * (kIndexSymbols / kListSymbols)).toLatin1() + "\r\n");
        list.close();
        sectors.resize(176, 150);
        symbols.resize(176, 420);
        lists = std::make_unique<SymbolLists>(&sectors, &symbols, ListMenus{}, &quotesTimer);
        ready = true;
    }
    ~BoardSetup() { CloseQuoteIndex(); }
    QString bigList() const { return appFolders().lists + QStringLiteral("Big.txt"); }
};

BoardSetup& setup()
{
    static BoardSetup s;
    return s;
}

void BM_LoadSectorOf2000Symbols(benchmark::State& state)
{
    BoardSetup& s = setup();
    if (!s.ready) {
        state.SkipWithError("no data root");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(s.lists->LoadGridTickers(s.bigList()));
    state.SetItemsProcessed(state.iterations() * kListSymbols);
}
BENCHMARK(BM_LoadSectorOf2000Symbols)->Unit(benchmark::kMillisecond);

// One QuotesTimer tick: 50 lookups in the 10,000-symbol index (each letting events
// run), the prices written and painted, every row's colour faded.
void BM_QuoteBoardTick(benchmark::State& state)
{
    BoardSetup& s = setup();
    if (!s.ready || !s.lists->LoadGridTickers(s.bigList())) {
        state.SkipWithError("no data root");
        return;
    }
    GridData& grid = s.symbols.data();
    const bool fading = state.range(0) != 0;
    for (auto _ : state) {
        if (fading) {
            // A third of the rows carry a fresh mark, so the fade repaints them.
            state.PauseTiming();
            for (int row = 0; row < grid.Rows; row += 3)
                grid.Cell(1, row).ForeColor = rgbValue(0, 190, 0);
            state.ResumeTiming();
        }
        s.lists->quotesTick();
    }
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_QuoteBoardTick)->ArgName("fading")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
