#include "ChartColours.h"
#include "ChartFixture.h"
#include "NetChart.h"
#include "QuotePanel.h"
#include "SurfaceWidget.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QtTest/QTest>

namespace {

constexpr qint32 kFriday = 20040312;

// A chart in a window that also holds a symbol box `mTicker`, as the main window does.
class ChartWindow : public ChartEnvironment {
protected:
    void SetUp() override
    {
        ChartEnvironment::SetUp();
        std::vector<DailyBar> bars;
        for (int k = 59; k >= 0; --k)
            bars.push_back(bar(AddWeekdaysJulian(kFriday, -k), 20, 22, 19, 21, 1000));
        writePriceFile(QStringLiteral("TEST"), bars);

        QuoteRecord q;
        q.Ticker = QStringLiteral("TEST");
        q.CompanyName = QStringLiteral("Test Corp");
        q.Open = 20, q.High = 24, q.Low = 18, q.LastPrice = 1234.5f;
        q.PointChange = 3, q.PercentChange = -1.5f;
        q.Bid = 23.4f, q.ECN = 23.5f, q.Ask = 23.6f;
        storeQuote(q);

        m_host = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_host.get());
        m_ticker = new QLineEdit(m_host.get());
        m_ticker->setObjectName(QStringLiteral("mTicker"));
        m_chart = new NetChart(m_host.get());
        layout->addWidget(m_ticker);
        layout->addWidget(m_chart);
        m_host->resize(640, 480);
        m_host->show();
        QCoreApplication::processEvents();
        m_chart->StudyAdd();
        m_chart->DrawChart(QStringLiteral("TEST"));
    }
    void TearDown() override
    {
        m_host.reset();
        ChartEnvironment::TearDown();
    }

    const ChartView& view() const { return m_chart->model().view; }
    SurfaceWidget* pic() const { return m_chart->picChart(); }

    std::unique_ptr<QWidget> m_host;
    QLineEdit* m_ticker = nullptr;
    NetChart* m_chart = nullptr;
};

QStringList cellTexts(const QuotePanel* panel)
{
    QStringList out;
    for (const PanelCell& c : panel->layout().cells)
        out << c.text;
    return out;
}

} // namespace

TEST_F(ChartWindow, ArrowKeysScrollOnTheChartAndOnThePanels)
{
    QTest::keyClick(pic(), Qt::Key_Left);
    QTest::keyClick(pic(), Qt::Key_Left);
    EXPECT_EQ(view().dayOffset, -2);
    EXPECT_EQ(view().newestVisible, 1);  // the right edge moved to Thursday
    QTest::keyClick(m_chart->picQuote(), Qt::Key_Right);
    EXPECT_EQ(view().dayOffset, -1);
    QTest::keyClick(pic(), Qt::Key_Up);
    QTest::keyClick(pic(), Qt::Key_PageDown);
    EXPECT_EQ(view().dayOffset, -1);

    // Into the future at most 150 weekdays.
    for (int k = 0; k < 160; ++k)
        QTest::keyClick(pic(), Qt::Key_Right);
    EXPECT_EQ(view().dayOffset, 150);
    m_chart->ResetOffset(true);
    EXPECT_EQ(view().dayOffset, 0);
    EXPECT_EQ(view().newestVisible, -1);
}

TEST_F(ChartWindow, TypedCharactersGoToTheSymbolBox)
{
    m_ticker->setText(QStringLiteral("MSFT"));
    struct Row {
        const char* name;
        Qt::Key key;
        const char* text;
        const char* boxText;
    };
    const Row rows[] = {
        {"a letter replaces the text", Qt::Key_O, "o", "o"},
        {"Tab is swallowed", Qt::Key_Tab, "\t", "o"},
        {"Enter only moves the focus", Qt::Key_Return, "\r", "o"},
        {"a digit replaces the text", Qt::Key_7, "7", "7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier, QString::fromLatin1(row.text));
        QCoreApplication::sendEvent(pic(), &press);
        EXPECT_EQ(m_ticker->text(), QString::fromLatin1(row.boxText));
    }
    EXPECT_EQ(m_ticker->cursorPosition(), 1);
    EXPECT_FALSE(m_ticker->hasSelectedText());
    EXPECT_EQ(view().dayOffset, 0);
}

TEST_F(ChartWindow, DraggingTheDateAxisScrollsAndRestoresTheGrid)
{
    const int axisY = view().paneBottom + 5;
    QTest::mousePress(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(300, axisY));
    EXPECT_EQ(m_chart->model().mouseMode, ChartModel::MouseMode::DateAxis);
    // 28 pixels right at 4 pixels a bar: 10 weekdays back.
    QTest::mouseMove(pic(), QPoint(328, axisY));
    EXPECT_EQ(view().dayOffset, -10);
    EXPECT_FALSE(m_chart->model().gridShown());
    QTest::mouseMove(pic(), QPoint(272, axisY));
    EXPECT_EQ(view().dayOffset, 10);
    QTest::mouseRelease(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(272, axisY));
    EXPECT_EQ(m_chart->model().mouseMode, ChartModel::MouseMode::None);
    EXPECT_TRUE(m_chart->model().gridShown());
    EXPECT_EQ(view().dayOffset, 10);

    // A grid switched off from the menu stays off after a drag.
    m_chart->SetGrid(false);
    QTest::mousePress(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(300, axisY));
    QTest::mouseMove(pic(), QPoint(310, axisY));
    QTest::mouseRelease(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(310, axisY));
    EXPECT_FALSE(m_chart->model().showGrid);

    // A press in the price pane starts no drag.
    QTest::mousePress(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 50));
    EXPECT_EQ(m_chart->model().mouseMode, ChartModel::MouseMode::None);
}

TEST_F(ChartWindow, DraggingAPaneBoundary)
{
    m_chart->StudyAdd();
    ASSERT_EQ(view().studyCount, 2);
    const ChartView defaults = view();
    const int edge = roundEven(defaults.paneEdge[1]);

    QTest::mousePress(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(200, edge + 1));
    ASSERT_EQ(m_chart->model().mouseMode, ChartModel::MouseMode::PaneBoundary);
    QTest::mouseMove(pic(), QPoint(200, edge - 40));
    EXPECT_FLOAT_EQ(view().paneEdge[1], float(edge - 40));
    // Towards the top the price pane keeps 6 pixels, towards the next boundary as well.
    QTest::mouseMove(pic(), QPoint(200, 2));
    EXPECT_FLOAT_EQ(view().paneEdge[1], 6);
    QTest::mouseMove(pic(), QPoint(200, 470));
    EXPECT_FLOAT_EQ(view().paneEdge[1], defaults.paneEdge[2] - 6);
    QTest::mouseMove(pic(), QPoint(200, 120));
    EXPECT_FLOAT_EQ(view().paneEdge[1], 120);
    QTest::mouseRelease(pic(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 120));
    EXPECT_EQ(m_chart->model().mouseMode, ChartModel::MouseMode::None);
    EXPECT_FLOAT_EQ(view().paneEdge[1], 120);

    // A resize loads the chart again with the default division.
    m_host->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(view().width, pic()->width());
    EXPECT_FLOAT_EQ(view().paneEdge[1], 0.5f * view().paneBottom);
}

TEST_F(ChartWindow, StudiesStopAtSeven)
{
    while (view().studyCount < 7)
        m_chart->StudyAdd();
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    m_chart->StudyAdd();
    EXPECT_EQ(view().studyCount, 7);
    EXPECT_EQ(m_dialogs.messages(), QStringList{QStringLiteral("too many studies")});
    for (int k = 0; k < 9; ++k)
        m_chart->StudyRemove();
    EXPECT_EQ(view().studyCount, 0);
    EXPECT_FLOAT_EQ(view().paneEdge[1], float(view().paneBottom));
}

TEST_F(ChartWindow, ZoomAndOffsetSurviveAnotherSymbol)
{
    m_chart->SpacingBigger();
    m_chart->SpacingBigger();
    QTest::keyClick(pic(), Qt::Key_Left);
    m_chart->SetChartType(1);
    m_chart->DrawChart(QStringLiteral("NONE"));
    EXPECT_EQ(view().barSpacing, 8);
    EXPECT_EQ(view().dayOffset, -1);
    EXPECT_EQ(view().chartType, 1);
    EXPECT_EQ(m_chart->Ticker(), QStringLiteral("NONE"));
    // No price file and no quote: no bars, the scale 0 to 1 with head room.
    EXPECT_TRUE(m_chart->model().bars.isEmpty());
    EXPECT_DOUBLE_EQ(m_chart->model().scale.high.toDouble(), 1.1);
    EXPECT_DOUBLE_EQ(m_chart->model().scale.low.toDouble(), -0.05);
    EXPECT_EQ(m_chart->windowTitle(), QStringLiteral("none : No name found : daily chart"));
    m_chart->ResetSpacing();
    EXPECT_EQ(view().barSpacing, 4);
}

TEST_F(ChartWindow, DroppedSymbolIsCharted)
{
    emit pic()->textDropped(QStringLiteral(" test "), QPointF(10, 10));
    EXPECT_EQ(m_chart->Ticker(), QStringLiteral("TEST"));
    EXPECT_EQ(m_chart->model().bars.size(), 60);
}

TEST_F(ChartWindow, FileOfMoreThan6001SlotsIsOfferedForDeletion)
{
    struct Row {
        const char* name;
        int slotCount;
        Answer answer;
        bool asked;
        bool fileKept;
        int bars;
    };
    const Row rows[] = {
        {"6001 slots load", 6001, Answer::Ok, false, true, 6001},
        {"6002 slots, kept", 6002, Answer::Cancel, true, true, 0},
        {"6002 slots, deleted", 6002, Answer::Ok, true, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_dialogs.clear();
        const qint32 first = AddWeekdaysJulian(kFriday, -(row.slotCount - 1));
        const QString path = writePriceFile(QStringLiteral("BIG"), {bar(first, 5, 6, 4, 5), bar(kFriday, 5, 6, 4, 5)});
        m_dialogs.queueAnswer(row.answer);
        m_chart->DrawChart(QStringLiteral("BIG"));
        const auto& entries = m_dialogs.entries();
        if (row.asked) {
            ASSERT_EQ(entries.size(), 1);
            EXPECT_EQ(entries[0].kind, ScriptedDialogs::Kind::Ask);
            EXPECT_EQ(entries[0].text, QStringLiteral("BIG.std file is corupt\r\nDelete this file"));
        } else {
            EXPECT_TRUE(entries.isEmpty());
        }
        EXPECT_EQ(QFile::exists(path), row.fileKept);
        EXPECT_EQ(m_chart->model().bars.size(), row.bars);
        EXPECT_EQ(m_chart->Ticker(), QStringLiteral("BIG"));
        // The chart shows what it holds, not the previous symbol's bars.
        EXPECT_EQ(m_chart->ChartDate(), row.bars ? kFriday : 0);
    }
}

TEST_F(ChartWindow, QuotePanelsShowTheQuoteAndFoldOnAClick)
{
    QuotePanel* quote = m_chart->picQuote();
    QuotePanel* bidAsk = m_chart->picBidAsk();
    EXPECT_EQ(cellTexts(quote), (QStringList{"0", "20.00", "H", "24.00", "L", "18.00", "T", "1,234.50",
                                             "N", "3.00", "%", "-1.50"}));
    EXPECT_EQ(cellTexts(bidAsk), (QStringList{" Bid ", "23.40", " ECN ", "23.50", " Ask ", "23.60"}));
    const PanelLayout& l = quote->layout();
    EXPECT_EQ(quote->width(), l.width);
    EXPECT_EQ(l.cells[9].fill, ChartColour::kGreen);
    EXPECT_EQ(l.cells[11].fill, ChartColour::kFalling);
    EXPECT_EQ(l.cells[0].left, 15);
    EXPECT_EQ(l.cells[2].left, l.cells[1].left + l.cells[1].width + 2);  // a separator between pairs
    // The falling change is painted in its colour.
    const PanelCell& pct = l.cells[11];
    EXPECT_EQ(quote->surface().point(pct.left + 1, 2), ChartColour::kFalling);
    // The panels sit over the chart's top-left corner, one below the other.
    EXPECT_EQ(quote->parentWidget()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_GE(bidAsk->parentWidget()->geometry().top(), quote->height());

    const int full = quote->width();
    ASSERT_GT(full, 15);
    QTest::mouseClick(quote, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(quote->width(), 15);
    EXPECT_TRUE(quote->layout().cells.empty());
    EXPECT_EQ(quote->parentWidget()->width(), 15);
    QTest::mouseClick(quote, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(quote->width(), full);
    // A double-click toggles like a click.
    QMouseEvent dclick(QEvent::MouseButtonDblClick, QPointF(5, 5), bidAsk->mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bidAsk, &dclick);
    EXPECT_EQ(bidAsk->width(), 15);
}
