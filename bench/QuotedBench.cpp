#include "BuiltInQuoteService.h"
#include "QuoteResponder.h"
#include "QuoteService.h"

#include <QCoreApplication>
#include <QTcpSocket>

#include <benchmark/benchmark.h>

namespace {

const char kMarketDir[] = TARNBECK_BENCH_MARKET_DIR;
const char* const kSymbols[] = {"ORCL", "%5EGSPC", "YHOO", "NVDA", "GOOG", "MSFT", "%5EN225"};

// A Wednesday, 17:00 UTC (noon in New York): replay is mid-session.
QDateTime benchNow() { return QDateTime(QDate(2026, 12, 9), QTime(17, 0), Qt::UTC); }

QuoteServiceOptions benchOptions()
{
    QuoteServiceOptions options;
    options.replay = true;
    options.nowUtc = benchNow;
    return options;
}

// Three months ending on the bench's day, as the program asks for them.
QByteArray historyPath(int i)
{
    return "/table.csv?a=8&b=9&c=2026&d=11&e=9&f=2026&s=" + QByteArray(kSymbols[i % 7])
           + "&y=0&g=d&ignore=.csv";
}

QByteArray quotePath(int i)
{
    return "/d/table.csv?s=" + QByteArray(kSymbols[i % 7]) + "&f=s0d1t1o0h0g0l1v0c1p2t5b1a3l9c6p4";
}

// One request on a connection of its own, read until the service closes it.
qint64 fetch(quint16 port, const QByteArray& path)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(10000))
        return -1;
    socket.write("GET " + path + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\nConnection: Close\r\n\r\n");
    qint64 received = 0;
    while (socket.waitForReadyRead(10000))
        received += socket.readAll().size();
    return received + socket.readAll().size();
}

// Reading the whole sample folder and starting to listen.
void BM_StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        QuoteService service(benchOptions());
        if (!service.load(QString::fromLatin1(kMarketDir)) || !service.listen()) {
            state.SkipWithError("the service did not start");
            break;
        }
        benchmark::DoNotOptimize(service.port());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

void runRequests(benchmark::State& state, QByteArray (*path)(int))
{
    BuiltInQuoteService service(QString::fromLatin1(kMarketDir), benchOptions());
    if (!service.isRunning()) {
        state.SkipWithError("the service did not start");
        return;
    }
    int i = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const qint64 got = fetch(service.port(), path(i++));
        if (got <= 0) {
            state.SkipWithError("no reply");
            break;
        }
        bytes += got;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(bytes);
}

// Three-month history requests over loopback, one connection each.
void BM_HistoryRequests(benchmark::State& state) { runRequests(state, historyPath); }
BENCHMARK(BM_HistoryRequests)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Quote requests over loopback, one connection each.
void BM_QuoteRequests(benchmark::State& state) { runRequests(state, quotePath); }
BENCHMARK(BM_QuoteRequests)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The answer to a three-month history request without the sockets.
void BM_HistoryAnswer(benchmark::State& state)
{
    MarketFolder market;
    market.load(QString::fromLatin1(kMarketDir));
    const QuoteResponder responder(market, true);
    const QDateTime now = benchNow();
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(responder.respond("GET", historyPath(i++), now).body.size());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HistoryAnswer)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
