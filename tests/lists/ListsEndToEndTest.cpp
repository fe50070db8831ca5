#include "ListsWindowSupport.h"

#include "Clock.h"
#include "DownloaderLink.h"
#include "Format.h"
#include "QuoteService.h"

#include <QCheckBox>
#include <QTimer>

namespace {

// Wednesday 3 March 2010, 18:00 UTC: 13:00 in New York, the market is open.
const QDateTime kNow(QDate(2010, 3, 3), QTime(18, 0), Qt::UTC);

// A market-data folder of three symbols with 60 weekdays of history each, at prices
// far apart (about 10, 50 and 200).
void writeMarket(const QString& dir)
{
    ASSERT_TRUE(QDir().mkpath(dir));
    const QList<QPair<QByteArray, double>> symbols = {{"AAA", 10}, {"BBB", 50}, {"CCC", 200}};
    QByteArray listing = "Symbol,Name,Exchange,MarketCapMillions\n";
    for (const auto& [symbol, base] : symbols) {
        QByteArray text = "Date,Open,High,Low,Close,Volume,Adj Close\n";
        QDate day(2009, 11, 2);
        for (int i = 0; i < 60; day = day.addDays(1)) {
            if (day.dayOfWeek() > 5)
                continue;
            const double open = base + 0.1 * i;
            text += day.toString("yyyy-MM-dd").toLatin1() + ',' + QByteArray::number(open, 'f', 2) + ','
                + QByteArray::number(open * 1.05, 'f', 2) + ',' + QByteArray::number(open * 0.95, 'f', 2) + ','
                + QByteArray::number(open * 1.02, 'f', 2) + ",100000," + QByteArray::number(open * 1.02, 'f', 2)
                + '\n';
            ++i;
        }
        QFile prices(dir + '/' + symbol + ".csv");
        ASSERT_TRUE(prices.open(QIODevice::WriteOnly));
        prices.write(text);
        listing += symbol + ',' + symbol + " Corp,NYSE,100\n";
    }
    QFile listings(dir + "/symbols.csv");
    ASSERT_TRUE(listings.open(QIODevice::WriteOnly));
    listings.write(listing);
}

bool isGreen(ColorValue c) { return greenOf(c) > 0 && redOf(c) == 0 && blueOf(c) == 0; }
bool isRed(ColorValue c) { return redOf(c) > 0 && greenOf(c) == 0 && blueOf(c) == 0; }

class ListsEndToEnd : public ListsWindowTest {
protected:
    void SetUp() override
    {
        ListsWindowTest::SetUp();
        setClock(&m_clock);
        writeMarket(m_folders.root + "market");
        QuoteServiceOptions options;
        options.replay = true;
        options.log = [](const QString&) {};
        m_service = std::make_unique<QuoteService>(options);
        ASSERT_TRUE(m_service->load(m_folders.root + "market"));
        ASSERT_TRUE(m_service->listen());
        writeList("Trio", "AAA\r\nBBB\r\nCCC\r\n");
    }
    void TearDown() override
    {
        m_link.reset();
        m_window.reset();
        m_service.reset();
        setClock(nullptr);
        ListsWindowTest::TearDown();
    }

    void start()
    {
        openWindow();
        const QString host = QStringLiteral("127.0.0.1:%1").arg(m_service->port());
        m_link = std::make_unique<DownloaderLink>(*m_window, ServiceEndpoints{host, host, host});
    }
    QString stored(const QString& symbol) const
    {
        const QString price = LastPriceText(symbol);
        return price.isEmpty() ? QString() : formatString(price, QStringLiteral("0.00\\ "));
    }

    SettableClock m_clock{kNow};
    std::unique_ptr<QuoteService> m_service;
    std::unique_ptr<DownloaderLink> m_link;
};

} // namespace

TEST_F(ListsEndToEnd, UpdateCycleRefreshesAndColoursTheBoard)
{
    start();
    ASSERT_EQ(lists()->loadedSector(), "Trio");
    const GridData& g = symbols()->data();
    const QStringList trio{"AAA", "BBB", "CCC"};

    // "Update" ticked: UpdateTimer hands the rows to the update planner one per tick;
    // what they store reaches the board.
    m_window->findChild<QCheckBox*>("Check1")->click();
    const auto boardShowsStoredPrices = [&] {
        for (int row = 0; row < 3; ++row)
            if (stored(trio[row]).isEmpty() || g.Cell(1, row).Text != stored(trio[row]))
                return false;
        return true;
    };
    ASSERT_TRUE(QTest::qWaitFor(boardShowsStoredPrices, 60000));
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(textValue(g.Cell(1, row).Text), 0) << trio[row].toStdString();

    // A later cycle quotes again; a rise from what the board showed turns green, a
    // fall red, and the third row shows its fresh quote in a colour of its own. The
    // board's own refresh is stopped, so only the new data write the cells.
    lists()->stopQuoteBoard();
    symbols()->data().Cell(1, 0).Text = QStringLiteral("1.00 ");
    symbols()->data().Cell(1, 1).Text = QStringLiteral("999.00 ");
    for (int row = 0; row < 3; ++row)
        symbols()->data().Cell(1, row).ForeColor = 0;
    m_clock.advanceSeconds(30 * 60);
    const auto coloured = [&] {
        for (int row = 0; row < 3; ++row)
            if (g.Cell(1, row).ForeColor == 0)
                return false;
        return true;
    };
    ASSERT_TRUE(QTest::qWaitFor(coloured, 60000));
    EXPECT_TRUE(isGreen(g.Cell(1, 0).ForeColor)) << g.Cell(1, 0).ForeColor;
    EXPECT_TRUE(isRed(g.Cell(1, 1).ForeColor)) << g.Cell(1, 1).ForeColor;
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(g.Cell(1, row).Text, stored(trio[row])) << trio[row].toStdString();
}
