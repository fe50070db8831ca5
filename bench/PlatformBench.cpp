#include "DrawingSurface.h"
#include "Format.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void FormatPrice(benchmark::State& state)
{
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(v, QStringLiteral("#,###,###.00  ")));
        v += 0.01;
    }
}
BENCHMARK(FormatPrice);

void FormatJulianDate(benchmark::State& state)
{
    const QDateTime at(QDate(2004, 3, 15), QTime(16, 5));
    for (auto _ : state)
        benchmark::DoNotOptimize(formatDateTime(at, QStringLiteral("yyyymmdd")));
}
BENCHMARK(FormatJulianDate);

void SingleTextOfPrice(benchmark::State& state)
{
    float v = 12.34f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(singleText(v));
        v += 0.01f;
    }
}
BENCHMARK(SingleTextOfPrice);

void TextValueOfReplyField(benchmark::State& state)
{
    const QString field = QStringLiteral("  1234.5678abc");
    for (auto _ : state)
        benchmark::DoNotOptimize(textValue(field));
}
BENCHMARK(TextValueOfReplyField);

// One bar of an OHLC chart: a six-point polyline on an 800 x 600 surface.
void PolylineBar(benchmark::State& state)
{
    DrawingSurface s(800, 600);
    int x = 10;
    for (auto _ : state) {
        s.polyline({{x - 1, 300}, {x, 300}, {x, 200}, {x, 401}, {x, 350}, {x + 3, 350}});
        x = x > 780 ? 10 : x + 4;
    }
}
BENCHMARK(PolylineBar);

// The dotted grid line across the chart, drawn and undrawn in XOR mode.
void DottedXorLine(benchmark::State& state)
{
    DrawingSurface s(800, 600);
    s.setLineStyle(LineStyle::Dot);
    s.setDrawMode(DrawMode::Xor);
    for (auto _ : state)
        s.line(0, 300, 799, 300, 0xC0C0C0);
}
BENCHMARK(DottedXorLine);

// Text needs the font database of a (display-less) application.
void ensureApplication()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_platform";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

void CentredLabel(benchmark::State& state)
{
    ensureApplication();
    DrawingSurface s(800, 600);
    for (auto _ : state)
        s.drawText({700, 100, 800, 120}, QStringLiteral(" 1,234.56"), 4);
}
BENCHMARK(CentredLabel);

void ClearSurface(benchmark::State& state)
{
    DrawingSurface s(800, 600);
    for (auto _ : state)
        s.cls();
}
BENCHMARK(ClearSurface);

} // namespace

BENCHMARK_MAIN();
