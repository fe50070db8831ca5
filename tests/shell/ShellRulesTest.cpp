#include "Clock.h"
#include "MdiArrange.h"
#include "NewYorkClock.h"
#include "ShellSettings.h"
#include "WebLinks.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

TEST(UpdateInterval, AnswerBecomesWholeSecondsOfAtLeastThree)
{
    struct Row {
        const char* name;
        QString answer;
        int current;
        int expected;
    };
    const int top = std::numeric_limits<std::int32_t>::max();
    const Row rows[] = {
        {"one is raised to three", "1", 60, 3},
        {"empty keeps the interval", "", 45, 45},
        {"blank keeps the interval", "   ", 45, 45},
        {"plain number", "90", 60, 90},
        {"three stays", "3", 60, 3},
        {"half rounds to even upward", "7.5", 60, 8},
        {"half rounds to even downward", "8.5", 60, 8},
        {"fraction rounds", "4.4", 60, 4},
        {"two and a half rounds to two, raised to three", "2.5", 60, 3},
        {"text is no number", "abc", 60, 3},
        {"leading number is read", "120 seconds", 60, 120},
        {"negative", "-20", 60, 3},
        {"far too large is held at the top", "1e12", 60, top},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(updateIntervalFromAnswer(row.answer, row.current), row.expected);
    }
}

TEST(CommandLine, InstallAndLogWords)
{
    struct Row {
        const char* name;
        QStringList args;
        bool install;
        bool socks;
        bool url;
    };
    const Row rows[] = {
        {"nothing", {}, false, false, false},
        {"install", {"install"}, true, false, false},
        {"install surrounded by spaces", {"  install  "}, true, false, false},
        {"install is case-sensitive", {"Install"}, false, false, false},
        {"install with more words", {"install", "socks"}, false, true, false},
        {"socks and url anywhere", {"--logsocks", "myurl"}, false, true, true},
        {"capital SOCKS does not count", {"SOCKS", "URL"}, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine c = parseCommandLine(row.args);
        EXPECT_EQ(c.install, row.install);
        EXPECT_EQ(c.socks, row.socks);
        EXPECT_EQ(c.url, row.url);
    }
}

TEST(NewYorkClock, TextShowsNewYorkTimeOfTheSettableClock)
{
    struct Row {
        const char* name;
        QDateTime utc;
        bool daylight;
        QString expected;
    };
    const Row rows[] = {
        {"standard time, morning", QDateTime(QDate(2004, 3, 15), QTime(15, 30, 0), Qt::UTC), false,
         "  New York Time 10:30:00 AM      "},
        {"daylight time is an hour later", QDateTime(QDate(2004, 3, 15), QTime(15, 30, 0), Qt::UTC), true,
         "  New York Time 11:30:00 AM      "},
        {"afternoon", QDateTime(QDate(2004, 7, 1), QTime(20, 5, 9), Qt::UTC), true,
         "  New York Time 4:05:09 PM      "},
        {"early UTC morning is the evening before", QDateTime(QDate(2004, 1, 2), QTime(3, 7, 0), Qt::UTC), false,
         "  New York Time 10:07:00 PM      "},
        {"midnight", QDateTime(QDate(2004, 1, 2), QTime(5, 0, 1), Qt::UTC), false,
         "  New York Time 12:00:01 AM      "},
        {"noon", QDateTime(QDate(2004, 6, 2), QTime(16, 0, 0), Qt::UTC), true, "  New York Time 12:00:00 PM      "},
    };
    SettableClock clock;
    setClock(&clock);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clock.setUtc(row.utc);
        EXPECT_EQ(newYorkClockText(row.daylight), row.expected);
    }
    setClock(nullptr);
}

TEST(WebLinks, TickerPagesCarryTheSymbol)
{
    struct Row {
        int action;
        QString symbol;
        QString expected;
    };
    const Row rows[] = {
        {3, "MSFT", "https://finance.example.com/n/M/MSFT.html"},
        {4, "MSFT", "https://finance.example.com/c/M/MSFT.html"},
        {5, "msft", "https://finance.example.com/p/M/msft.html"},
        {6, " IBM ", "https://finance.example.com/t/I/IBM.html"},
        {7, "MSFT", "https://messages.example.com/search?action=q&board=MSFT"},
        {8, "msft", "https://ecn.example.com/SERVICE/QUOTE?STOCK=MSFT"},
        {9, "MSFT",
         "https://charts.example.net/chart.gif?User=demo&Pswd=demo&DataType=GIF&Symbol=MSFT&Interval=5&Ht=480"
         "&Wd=1600&Display=2&Study=MA&Param1=21&Param2=0&Param3=0&FontSize=9"},
        {7, "A&B", "https://messages.example.com/search?action=q&board=A%26B"},
        {3, "^DJI", "https://finance.example.com/n/%5E/%5EDJI.html"},
        {5, "../X", "https://finance.example.com/p/./..%2FX.html"},
        {2, "MSFT", ""},
        {10, "MSFT", ""},
        {3, "  ", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE((QString::number(row.action) + u' ' + row.symbol).toStdString());
        EXPECT_EQ(tickerPageUrl(row.action, row.symbol), row.expected);
    }
}

TEST(WebLinks, EveryLinkHasAnAddress)
{
    for (int i = 0; i < kLinkCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(linkPageUrl(i).startsWith("https://"));
    }
    EXPECT_TRUE(linkPageUrl(kLinkCount).isEmpty());
    EXPECT_TRUE(linkPageUrl(-1).isEmpty());
}

TEST(MdiArrange, TilesCoverTheAreaExactly)
{
    struct Row {
        const char* name;
        QRect area;
        int count;
        bool sideBySide;
        QList<QRect> expected;
    };
    const Row rows[] = {
        {"three side by side", QRect(0, 0, 300, 200), 3, true,
         {QRect(0, 0, 100, 200), QRect(100, 0, 100, 200), QRect(200, 0, 100, 200)}},
        {"leftover pixels go to later windows", QRect(10, 5, 100, 50), 3, true,
         {QRect(10, 5, 33, 50), QRect(43, 5, 33, 50), QRect(76, 5, 34, 50)}},
        {"two one above the other", QRect(0, 0, 300, 201), 2, false,
         {QRect(0, 0, 300, 100), QRect(0, 100, 300, 101)}},
        {"one window fills the area", QRect(0, 0, 80, 60), 1, false, {QRect(0, 0, 80, 60)}},
        {"no windows", QRect(0, 0, 80, 60), 0, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tileRects(row.area, row.count, row.sideBySide), row.expected);
    }
}

TEST(MdiArrange, IconsRowUpFromTheBottomLeft)
{
    const QList<QSize> sizes(5, QSize(100, 20));
    const QList<QPoint> expected = {QPoint(0, 180), QPoint(100, 180), QPoint(200, 180), QPoint(0, 160),
                                    QPoint(100, 160)};
    EXPECT_EQ(iconPositions(QRect(0, 0, 320, 200), sizes), expected);
}
