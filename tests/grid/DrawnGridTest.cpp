#include "DrawnGrid.h"
#include "DrawingSurface.h"
#include "GridGeometry.h"
#include "GridPainter.h"
#include "SurfaceWidget.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A two-column grid like the symbol grid: " R<n>" symbols and prices.
class DrawnGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_grid = std::make_unique<DrawnGrid>(
            GridControlNames{"tGridBox", "tVScroll", "tHScroll", "tDragBox", "tbEditBox"});
        m_grid->resize(220, 160);
        m_grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_grid.get()));
        fill(3);
    }

    void fill(int rows)
    {
        const int zero = m_grid->zeroWidth();
        GridData& g = m_grid->data();
        g.Setup = {
            {QStringLiteral("Ticker"), QStringLiteral("\\ !"), static_cast<qint16>(7 * zero), GridAlign::Left, qbColor(11)},
            {QStringLiteral("Last"), QStringLiteral("0.00\\ "), static_cast<qint16>(10 * zero), GridAlign::Right,
             qbColor(15)},
        };
        g.Cols = 2;
        g.Rows = rows;
        m_grid->AttachGrid();
        m_grid->AllocateGrid();
        for (int r = 0; r < rows; ++r) {
            SetCellText(g, 0, r, QStringLiteral("R%1").arg(r));
            SetCellText(g, 1, r, QString::number(r + 10));
        }
        m_grid->RefreshGrid();
    }

    SurfaceWidget* surface() const { return m_grid->surfaceWidget(); }
    ColorValue pixel(int x, int y) const { return surface()->surface().point(x, y); }

    QPoint centre(int col, int row) const
    {
        const GridRect r = CellRect(m_grid->data(), col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, QPointF(pos), QPointF(surface()->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(surface(), &e);
    }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { send(QEvent::MouseButtonPress, p, b, b); }
    void moveTo(QPoint p) { send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { send(QEvent::MouseButtonRelease, p, b, Qt::NoButton); }

    std::unique_ptr<DrawnGrid> m_grid;
};

} // namespace

TEST_F(DrawnGridTest, RowHeightsComeFromTheFont)
{
    const int text = surface()->surface().textHeight(QStringLiteral("*"));
    EXPECT_EQ(m_grid->data().HeaderHeight, text + 6);
    EXPECT_EQ(m_grid->data().RowHeight, qRound(text * 1.3));
    EXPECT_EQ(m_grid->data().ColWidth[0], 7 * m_grid->zeroWidth());
}

TEST_F(DrawnGridTest, PaintsTitlesCellsAndTheCurrentCell)
{
    const GridData& g = m_grid->data();
    const GridRect title0 = CellRect(g, 0, -1);
    const GridRect title1 = CellRect(g, 1, -1);
    EXPECT_EQ(pixel(title0.left + 3, title0.top + 3), qbColor(11)) << "Ticker title face";
    EXPECT_EQ(pixel(title1.left + 3, title1.top + 3), qbColor(15)) << "Last title face";
    EXPECT_EQ(pixel(title0.left + 1, title0.top + 1), Edge::kHighlight) << "raised box";
    EXPECT_EQ(pixel(title0.right - 1, title0.bottom - 1), Edge::kDarkShadow) << "raised box";

    const GridRect current = CellRect(g, 0, 0);
    EXPECT_EQ(pixel(current.left, current.top), GridPaint::kCurrentFrameLight);
    EXPECT_EQ(pixel(current.left + 1, current.top + 1), GridPaint::kCurrentFrameDark);
    EXPECT_EQ(pixel(current.right - 3, current.top + 3), GridPaint::kCurrentBack);

    const GridRect other = CellRect(g, 0, 1);
    EXPECT_EQ(pixel(other.right - 3, other.top + 3), 0xFFFFFFu);
    EXPECT_EQ(pixel(other.left + 2, other.bottom + 20), GridPaint::kEmptyArea) << "below the last row";
}

TEST_F(DrawnGridTest, CellColoursAndTextColourArePainted)
{
    GridData& g = m_grid->data();
    g.Cell(1, 2).BackColor = rgbValue(255, 255, 0);
    g.Cell(1, 2).ForeColor = rgbValue(0, 190, 0);
    m_grid->PaintCell(2, 1);
    const GridRect r = CellRect(g, 1, 2);
    EXPECT_EQ(pixel(r.left + 2, r.top + 2), rgbValue(255, 255, 0));
    int green = 0;
    for (int x = r.left; x < r.right; ++x)
        for (int y = r.top; y < r.bottom; ++y)
            green += greenOf(pixel(x, y)) > redOf(pixel(x, y)) + 60 && blueOf(pixel(x, y)) < 128;
    EXPECT_GT(green, 5) << "the price is drawn in its text colour";
}

TEST_F(DrawnGridTest, SortMarkPointsUpThenDown)
{
    GridData& g = m_grid->data();
    const GridRect t = CellRect(g, 1, -1);
    const int tipX = t.right - 7;
    const int top = t.top + (t.height() - 4) / 2;
    g.SortCol = 1;
    g.SortState = 1;
    m_grid->RefreshGrid();
    EXPECT_EQ(pixel(tipX, top), GridPaint::kSortMark);
    EXPECT_NE(pixel(tipX - 3, top), GridPaint::kSortMark);
    EXPECT_EQ(pixel(tipX - 3, top + 3), GridPaint::kSortMark);
    g.SortState = 2;
    m_grid->RefreshGrid();
    EXPECT_EQ(pixel(tipX - 3, top), GridPaint::kSortMark);
    EXPECT_NE(pixel(tipX - 3, top + 3), GridPaint::kSortMark);
}

TEST_F(DrawnGridTest, ClickRightClickAndDragThroughTheSurface)
{
    QSignalSpy clicked(m_grid.get(), &DrawnGrid::rowClicked);
    QSignalSpy right(m_grid.get(), &DrawnGrid::rightClicked);
    QStringList dragged;
    m_grid->setDragStarter([&](const QString& text) { dragged << text; });

    const QPoint cell = centre(1, 2);
    press(cell);
    release(cell);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(m_grid->data().CurRow, 2);
    EXPECT_EQ(pixel(cell.x(), CellRect(m_grid->data(), 1, 2).top + 2), GridPaint::kCurrentBack);

    press(centre(0, 1), Qt::RightButton);
    release(centre(0, 1), Qt::RightButton);
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(m_grid->data().CurRow, 1);

    const QPoint from = centre(1, 0);
    press(from);
    moveTo(from + QPoint(3, 0));
    EXPECT_EQ(dragged, QStringList{"R0"});
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(DrawnGridTest, ADraggedSymbolIsAcceptedAndDroppedOnAChartSurface)
{
    QStringList dragged;
    m_grid->setDragStarter([&](const QString& text) { dragged << text; });
    const QPoint from = centre(1, 1);
    press(from);
    moveTo(from + QPoint(4, 0));
    ASSERT_EQ(dragged, QStringList{"R1"});

    // The surface a chart draws on takes what the grid's drag carries.
    SurfaceWidget chart;
    chart.resize(200, 120);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy dropped(&chart, &SurfaceWidget::textDropped);
    std::unique_ptr<QMimeData> mime(DrawnGrid::dragData(dragged.first()));
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &drop);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.first().first().toString(), "R1");
}

TEST_F(DrawnGridTest, SpaceEditsInPlaceAndEnterCommits)
{
    QSignalSpy committed(m_grid.get(), &DrawnGrid::editCommitted);
    GridData& g = m_grid->data();
    g.EditCol = 0;
    g.CurRow = 1;
    surface()->setFocus();
    QTest::keyClick(surface(), Qt::Key_Space);
    QLineEdit* box = m_grid->editBox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->objectName(), "tbEditBox");
    EXPECT_EQ(box->text(), "R1");
    const GridRect r = CellRect(g, 0, 1);
    EXPECT_EQ(box->geometry(), QRect(r.left + 1, r.top + 1, r.width() - 2, r.height() - 2));

    box->selectAll();
    QTest::keyClicks(box, "ibm");
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(g.EditCancelled);
    EXPECT_EQ(g.Cell(0, 1).Text, " R1");
    EXPECT_EQ(committed.count(), 0);

    m_grid->StartEdit();
    box->selectAll();
    QTest::keyClicks(box, "ibm");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed.first().at(0).toString(), " R1");
    EXPECT_EQ(committed.first().at(1).toString(), " ibm");
    EXPECT_EQ(g.Cell(0, 1).Text, " ibm");
}

TEST_F(DrawnGridTest, LongListsScrollWithTheKeys)
{
    fill(40);
    auto* vScroll = m_grid->findChild<QScrollBar*>("tVScroll");
    ASSERT_TRUE(vScroll);
    EXPECT_TRUE(vScroll->isVisible());
    EXPECT_FALSE(m_grid->findChild<QScrollBar*>("tHScroll")->isVisible());
    const int page = m_grid->data().VScrollPage;
    EXPECT_EQ(vScroll->maximum(), 40 - page);

    QSignalSpy keys(m_grid.get(), &DrawnGrid::keyPressed);
    surface()->setFocus();
    QTest::keyClick(surface(), Qt::Key_PageDown);
    QTest::keyClick(surface(), Qt::Key_PageDown);
    EXPECT_EQ(m_grid->data().CurRow, 2 * page);
    EXPECT_EQ(vScroll->value(), m_grid->data().VScrollValue);
    EXPECT_GT(vScroll->value(), 0);
    ASSERT_EQ(keys.count(), 2);
    EXPECT_TRUE(keys.at(0).at(1).toBool()) << "the row moved";
    const GridRect current = CellRect(m_grid->data(), 0, 2 * page);
    ASSERT_FALSE(current.isEmpty());
    EXPECT_EQ(pixel(current.right - 3, current.top + 3), GridPaint::kCurrentBack);

    vScroll->setValue(0);
    EXPECT_EQ(m_grid->data().VScrollValue, 0);
    EXPECT_EQ(RowAt(m_grid->data(), m_grid->data().HeaderHeight + 1), 0);
}
