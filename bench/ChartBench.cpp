#include "AppFolders.h"
#include "Clock.h"
#include "Dates.h"
#include "NetChart.h"
#include "PriceFile.h"
#include "QuoteIndex.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr int kSlots = 6000;
constexpr qint32 kNewest = 20141231;

// A data root holding BIG.std: 6000 weekday slots up to 31 December 2014, a random
// walk of prices with every 40th weekday a holiday, and a quote record for it.
class ChartData {
public:
    ChartData() : m_clock(QDateTime(QDate(2015, 1, 2), QTime(18, 0), Qt::UTC))
    {
        setClock(&m_clock);
        setAppFolders(foldersUnder(m_root.path() + QLatin1Char('/')));
        QDir().mkpath(appFolders().data);
        openQuoteIndexAt(appFolders().data + QStringLiteral("Index4.dat"));

        QByteArray bytes(kHeaderAreaSize, '\0');
        const qint32 first = AddWeekdaysJulian(kNewest, -(kSlots - 1));
        double price = 20;
        unsigned seed = 12345;
        for (int k = 0; k < kSlots; ++k) {
            seed = seed * 1103515245u + 12345u;
            const double step = (double(seed >> 16 & 0x7FFF) / 0x7FFF - 0.5) * 0.04;
            const double open = price;
            price = std::max(1.0, price * (1 + step));
            DailyBar bar;
            if (k % 40 != 17) {
                bar.Date = AddWeekdaysJulian(first, k);
                bar.Open = float(open);
                bar.Close = float(price);
                bar.High = float(std::max(open, price) * 1.01);
                bar.Low = float(std::min(open, price) * 0.99);
                bar.Volume = float(1e6 + (seed & 0xFFFFF) * 10);
                bar.Status = BarStatus::Final;
            }
            bytes += encodeBar(bar);
        }
        QFile file(MakePriceFileName(QStringLiteral("BIG")));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();

        QuoteRecord q;
        q.Ticker = QStringLiteral("BIG");
        q.CompanyName = QStringLiteral("Big Company");
        q.LastPrice = q.ECN = float(price);
        q.Bid = float(price * 0.999);
        q.Ask = float(price * 1.001);
        StoreQuote(q, QuoteKind::Quote);

        m_chart = std::make_unique<NetChart>();
        m_chart->resize(1200, 800);
        m_chart->show();
        QCoreApplication::processEvents();
        m_chart->StudyAdd();
        m_chart->DrawChart(QStringLiteral("BIG"));
    }
    ~ChartData()
    {
        m_chart.reset();
        CloseQuoteIndex();
        setClock(nullptr);
    }

    NetChart& chart() { return *m_chart; }

private:
    QTemporaryDir m_root;
    SettableClock m_clock;
    std::unique_ptr<NetChart> m_chart;
};

// Made on first use and destroyed before the application object.
std::unique_ptr<ChartData> g_data;

ChartData& data()
{
    if (!g_data)
        g_data = std::make_unique<ChartData>();
    return *g_data;
}

void setUp(NetChart& chart, int chartType, int spacing)
{
    chart.scrollTo(0);
    chart.SetChartType(chartType);
    while (chart.model().view.barSpacing < spacing)
        chart.SpacingBigger();
    while (chart.model().view.barSpacing > spacing)
        chart.SpacingSmaller();
}

// Loading the 6000-slot file and one full redraw: what Enter in the symbol box costs.
void BM_LoadAndRedraw(benchmark::State& state)
{
    NetChart& chart = data().chart();
    setUp(chart, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        chart.DrawChart(QStringLiteral("BIG"));
    state.counters["slots"] = double(chart.model().bars.size());
}
BENCHMARK(BM_LoadAndRedraw)->ArgNames({"type", "spacing"})->Args({0, 4})->Args({1, 4})->Args({0, 1})->Args({1, 1})->Args({2, 1})->Unit(benchmark::kMillisecond);

// The load alone.
void BM_LoadBars(benchmark::State& state)
{
    data();
    QVector<DailyBar> bars;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadBars(QStringLiteral("BIG"), bars, 6001));
}
BENCHMARK(BM_LoadBars)->Unit(benchmark::kMillisecond);

// One full redraw of the loaded chart.
void BM_Redraw(benchmark::State& state)
{
    NetChart& chart = data().chart();
    setUp(chart, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        chart.ChartRedraw();
}
BENCHMARK(BM_Redraw)->ArgNames({"type", "spacing"})->Args({0, 4})->Args({1, 4})->Args({0, 1})->Args({1, 12})->Args({0, 40})->Unit(benchmark::kMillisecond);

// A scroll step: one weekday back or forth, then the redraw, as an arrow key does.
void BM_ScrollStep(benchmark::State& state)
{
    NetChart& chart = data().chart();
    setUp(chart, 0, 4);
    int offset = -1000;
    for (auto _ : state) {
        offset += offset == -1000 ? -1 : 1;
        chart.scrollTo(offset);
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond);

// A zoom step in or out, then the redraw, as the toolbar's zoom buttons do.
void BM_ZoomStep(benchmark::State& state)
{
    NetChart& chart = data().chart();
    setUp(chart, 0, 4);
    bool bigger = true;
    for (auto _ : state) {
        if (bigger)
            chart.SpacingBigger();
        else
            chart.SpacingSmaller();
        bigger = !bigger;
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_data.reset();
    return 0;
}
