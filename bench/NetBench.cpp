// Downloader benchmarks.
//   BM_ParseHistory*: history replies read per second, in bars per second.
//   BM_TypeSymbolToChart: ORCL typed into the main window of a fresh data root, with
//     the built-in quote service on loopback over the sample market data: the time
//     until its chart shows bars, and until the back-fill in three-month blocks has
//     ended, split into fetching (lookup, connect, transfer), handling the replies
//     (parsing, storing, planning, redrawing the chart) and waiting for the downloader
//     tick that starts the next request.

#include "AppFolders.h"
#include "BuiltInQuoteService.h"
#include "Clock.h"
#include "Dialogs.h"
#include "DownloaderLink.h"
#include "HistoryParser.h"
#include "MainMDI.h"
#include "NetChart.h"
#include "PriceFile.h"
#include "QuoteIndex.h"
#include "ShellSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

QString monthName(int m)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return QString::fromLatin1(kMonths[m - 1]);
}

// A reply of `days` weekdays, newest first, as the history service sends it.
QString historyReply(int days)
{
    QString out = QStringLiteral("HTTP/1.0 200 OK\r\nContent-Type: text/csv\r\nConnection: close\r\n\r\n"
                                 "Date,Open,High,Low,Close,Volume,Adj Close\n");
    QDate d(2010, 3, 2);
    for (int i = 0; i < days; d = d.addDays(-1)) {
        if (d.dayOfWeek() > 5)
            continue;
        out += QStringLiteral("%1-%2-%3,29.76,29.97,29.52,29.96,92433800,29.79\n")
                   .arg(d.day())
                   .arg(monthName(d.month()))
                   .arg(d.year() % 100, 2, 10, QLatin1Char('0'));
        ++i;
    }
    return out;
}

void BM_ParseHistoryBlock(benchmark::State& state)
{
    const QString reply = historyReply(int(state.range(0)));
    qint64 bars = 0;
    for (auto _ : state) {
        const HistoryReply r = readHistoryReply(reply);
        bars += r.bars.size();
        benchmark::DoNotOptimize(r.bars.data());
    }
    state.SetItemsProcessed(bars);
    state.SetLabel("items = bars");
}
BENCHMARK(BM_ParseHistoryBlock)->Arg(65)->Arg(90);

void BM_ParseHistoryRecordedReply(benchmark::State& state)
{
    QFile f(QStringLiteral(TARNBECK_BENCH_DATA_DIR "/replies/history-msft-2003.csv"));
    if (!f.open(QIODevice::ReadOnly)) {
        state.SkipWithError("recorded reply missing");
        return;
    }
    const QString reply = QString::fromLatin1(f.readAll());
    qint64 bars = 0;
    for (auto _ : state) {
        const HistoryReply r = readHistoryReply(reply);
        bars += r.bars.size();
        benchmark::DoNotOptimize(r.bars.data());
    }
    state.SetItemsProcessed(bars);
}
BENCHMARK(BM_ParseHistoryRecordedReply);

// Runs the event loop until `done` holds, looking every millisecond (a test wait sleeps
// 10 ms between looks, which would count in every step here).
bool runUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start();
    if (!done())
        loop.exec();
    return done();
}

// Time spent while a slot fetched (from the lookup to the server's close) and while
// replies were handled.
struct Breakdown {
    QElapsedTimer clock;
    qint64 fetchingNs = 0;
    qint64 handlingNs = 0;
    int fetches = 0;
    int historyReplies = 0;
    QHash<int, qint64> fetchStart;
};

void BM_TypeSymbolToChart(benchmark::State& state)
{
    const QString symbol = QStringLiteral("ORCL");
    for (auto _ : state) {
        QTemporaryDir dir;
        const AppFolders folders = foldersUnder(dir.path());
        QDir().mkpath(folders.data);
        QDir().mkpath(folders.lists);
        setAppFolders(folders);
        openQuoteIndexAt(folders.data + QStringLiteral("Index4.dat"));
        shellSettings() = ShellSettings{};

        BuiltInQuoteService service(QStringLiteral(TARNBECK_BENCH_MARKET_DIR));
        if (!service.isRunning()) {
            state.SkipWithError("the quote service did not start");
            return;
        }
        const QString host = QStringLiteral("127.0.0.1:%1").arg(service.port());

        auto main = std::make_unique<MainMDI>();
        main->setChartFactory(netChartFactory());
        main->resize(1200, 800);
        main->show();
        main->firstActivation();
        auto link = std::make_unique<DownloaderLink>(*main, ServiceEndpoints{host, host, host});
        Downloader& d = link->downloader();

        Breakdown b;
        b.clock.start();
        QObject::connect(&d.connections(), &ConnSlots::slotStatusChanged, [&b](int slot, int status) {
            if (status == SlotStatus::LookingUp) {
                b.fetchStart[slot] = b.clock.nsecsElapsed();
            } else if (status == SlotStatus::Complete && b.fetchStart.contains(slot)) {
                b.fetchingNs += b.clock.nsecsElapsed() - b.fetchStart.take(slot);
                ++b.fetches;
            }
        });
        d.connections().setReplyHandler([&b, &d](const QString& reply, int tReqN, int slot) {
            const qint64 start = b.clock.nsecsElapsed();
            if (RequestQueue::isIndex(tReqN) && d.requests().at(tReqN).Type == RequestType::History)
                ++b.historyReplies;
            d.DownloaderReply(reply, tReqN, slot);
            b.handlingNs += b.clock.nsecsElapsed() - start;
        });

        auto* ticker = main->findChild<QLineEdit*>(QStringLiteral("mTicker"));
        QTest::keyClicks(ticker, symbol);
        const qint64 typed = b.clock.nsecsElapsed();
        QTest::keyClick(ticker, Qt::Key_Return);
        auto* chart = main->findChild<NetChart*>();
        runUntil([&] { return chart && !chart->model().bars.isEmpty(); }, 60000);
        const qint64 charted = b.clock.nsecsElapsed();
        runUntil([&] { return d.requests().used() == 0 && d.connections().IdleSlotPercent() == 100; }, 300000);
        const qint64 done = b.clock.nsecsElapsed();

        state.SetIterationTime(double(done - typed) / 1e9);
        state.counters["to_chart_ms"] = double(charted - typed) / 1e6;
        state.counters["to_backfill_end_ms"] = double(done - typed) / 1e6;
        state.counters["fetching_ms"] = double(b.fetchingNs) / 1e6;
        state.counters["handling_ms"] = double(b.handlingNs) / 1e6;
        state.counters["waiting_for_tick_ms"] = double(done - typed - b.fetchingNs - b.handlingNs) / 1e6;
        state.counters["fetches"] = b.fetches;
        state.counters["history_blocks"] = b.historyReplies;
        state.counters["bars"] = chart ? double(chart->model().bars.size()) : 0;

        link.reset();
        main.reset();
        CloseQuoteIndex();
    }
}
BENCHMARK(BM_TypeSymbolToChart)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
