#include "ChartView.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

ChartView viewWithFont(int charWidth = 6, int textHeight = 13)
{
    ChartView view;
    view.charWidth = charWidth;
    view.textHeight = textHeight;
    return view;
}

} // namespace

TEST(ChartView, LayoutPanesDividesTheSurface)
{
    struct Row {
        const char* name;
        double width, height;
        int studies;
        int paneBottom, plotRight;
        std::vector<float> edges;  // paneEdge(0) .. paneEdge(studies + 1)
    };
    const Row rows[] = {
        {"no study", 1200, 800, 0, 770, 1141, {0, 770}},
        {"volume pane", 1200, 800, 1, 770, 1141, {0, 539, 770}},
        {"two studies", 1200, 800, 2, 770, 1141, {0, 385, 577.5f, 770}},
        {"three studies", 1200, 800, 3, 770, 1141, {0, 385, 513.333f, 641.667f, 770}},
        {"seven studies", 1200, 800, 7, 770, 1141, {0, 385, 440, 495, 550, 605, 660, 715, 770}},
        {"height raised to 50", 300.4, 20, 1, 20, 241, {0, 14, 20}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChartView view = viewWithFont();
        view.studyCount = row.studies;
        LayoutPanes(view, row.width, row.height);
        EXPECT_EQ(view.paneBottom, row.paneBottom);
        EXPECT_EQ(view.plotRight, row.plotRight);
        ASSERT_EQ(int(row.edges.size()), row.studies + 2);
        for (int k = 0; k < int(row.edges.size()); ++k)
            EXPECT_NEAR(view.paneEdge[k], row.edges[k], 0.01) << "edge " << k;
    }
}

TEST(ChartView, ZoomStepsWalkTheFixedSpacings)
{
    struct Row {
        int spacing, bigger, smaller;
    };
    const Row rows[] = {
        {1, 2, 1}, {2, 3, 1}, {3, 4, 2}, {4, 5, 3}, {5, 8, 4},
        {8, 12, 5}, {12, 18, 8}, {18, 27, 12}, {27, 40, 18}, {40, 40, 27},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.spacing);
        ChartView up;
        up.barSpacing = row.spacing;
        EXPECT_EQ(spacingBigger(up), row.spacing <= 30);
        EXPECT_EQ(up.barSpacing, row.bigger);
        ChartView down;
        down.barSpacing = row.spacing;
        EXPECT_EQ(spacingSmaller(down), row.spacing > 1);
        EXPECT_EQ(down.barSpacing, row.smaller);
    }

    // From the default every step of one kind is undone by one of the other.
    std::set<int> reached;
    ChartView view;
    while (spacingSmaller(view)) {
    }
    do {
        reached.insert(view.barSpacing);
        ChartView back = view;
        if (spacingBigger(back)) {
            spacingSmaller(back);
            EXPECT_EQ(back.barSpacing, view.barSpacing);
        }
    } while (spacingBigger(view));
    EXPECT_EQ(reached, (std::set<int>{1, 2, 3, 4, 5, 8, 12, 18, 27, 40}));
}

TEST(ChartView, OffsetIsClampedOnlyIntoTheFuture)
{
    for (int offset : {-4000, -1, 0, 150, 151, 9000}) {
        ChartView view;
        view.dayOffset = offset;
        clampOffset(view);
        EXPECT_EQ(view.dayOffset, std::min(offset, 150)) << offset;
    }
}

TEST(ChartView, RightSlotSitsOneAndAHalfSpacingsInside)
{
    struct Row {
        int plotRight, spacing, x;
    };
    // 1.5 spacings of margin, rounded halves to even.
    const Row rows[] = {{1141, 4, 1135}, {1141, 1, 1140}, {1141, 3, 1136}, {1141, 5, 1134}, {1141, 27, 1100}};
    for (const Row& row : rows) {
        ChartView view;
        view.plotRight = row.plotRight;
        view.barSpacing = row.spacing;
        view.rightMargin = rightMarginOf(view);
        EXPECT_EQ(rightSlotX(view), row.x) << row.spacing;
    }
}

TEST(ChartView, PriceMappingRoundsInFixedPointHalvesToEven)
{
    PriceScale scale;
    scale.low = Fixed4::fromDouble(10);
    scale.high = Fixed4::fromDouble(20);
    scale.baseY = Fixed4::fromDouble(500);
    scale.pixelsPerUnit = 50;  // 10 price units over 500 pixels
    struct Row {
        double price;
        int y;
    };
    const Row rows[] = {
        {10, 500}, {20, 0}, {15, 250},
        {10.01, 500},   // 499.5 -> 500 (even)
        {10.03, 498},   // 498.5 -> 498
        {10.05, 498},   // 497.5 -> 498
        {5, 750}, {30, -500},
    };
    for (const Row& row : rows)
        EXPECT_EQ(priceY(scale, row.price), row.y) << row.price;
}

TEST(ChartView, FitScaleWidensAFlatRange)
{
    ChartView view;
    view.paneEdge[1] = 400;
    PriceScale scale;
    scale.low = Fixed4::fromDouble(20);
    scale.high = Fixed4::fromDouble(20);
    fitScale(view, scale);
    EXPECT_DOUBLE_EQ(scale.high.toDouble(), 30);
    EXPECT_DOUBLE_EQ(scale.low.toDouble(), 15);
    EXPECT_DOUBLE_EQ(scale.pixelsPerUnit, 400.0 / 15);
    EXPECT_DOUBLE_EQ(scale.baseY.toDouble(), 400);
    EXPECT_EQ(priceY(scale, 15), 400);
    EXPECT_EQ(priceY(scale, 30), 0);
}

TEST(ChartView, DraggingTheDateAxisMovesFiveDaysPerSevenSpacings)
{
    struct Row {
        int start, pressX, x, spacing, offset;
    };
    const Row rows[] = {
        {0, 500, 500, 4, 0},
        {0, 500, 528, 4, -10},  // 28 px right = 10 weekdays back
        {0, 500, 472, 4, 10},
        {-3, 500, 507, 7, -4},  // 7 px at 5 px per day: 1.4 -> 1
        {0, 500, 505, 7, -1},   // 1.0
        {0, 500, 512, 7, -2},   // 2.4 -> 2
        {0, 500, 513, 7, -3},   // 2.6 -> 3
        {0, 100, 110, 4, -4},   // 3.5 -> 4 (even)
        {0, 100, 114, 4, -5},   // 4.9 -> 5
    };
    for (const Row& row : rows)
        EXPECT_EQ(dragOffset(row.start, row.pressX, row.x, row.spacing), row.offset)
            << row.pressX << " -> " << row.x;
}

TEST(ChartView, PaneBoundaryIsGrabbedOnItsEdgeAndJustBelow)
{
    ChartView view = viewWithFont();
    view.studyCount = 2;
    LayoutPanes(view, 1200, 800);  // boundaries at 385 and 577.5
    struct Row {
        int y, boundary;
    };
    const Row rows[] = {
        {383, 0}, {384, 1}, {385, 1}, {387, 1}, {388, 0},
        {577, 0}, {578, 2}, {580, 2}, {581, 0},
        {770, 0},  // the bottom of the lowest pane does not move
    };
    for (const Row& row : rows)
        EXPECT_EQ(paneBoundaryAt(view, row.y), row.boundary) << row.y;
}

TEST(ChartView, PaneBoundaryFollowsTheMouseKeepingItsNeighboursApart)
{
    struct Row {
        const char* name;
        int y;
        bool moved;
        float edge;
    };
    const Row rows[] = {
        {"free", 450, true, 450},
        {"near the pane above", 389, true, 391},
        {"above the pane above", 100, true, 391},
        {"near the pane below", 767, true, 764},
        {"far below", 790, true, 764},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChartView view = viewWithFont();
        view.studyCount = 2;
        LayoutPanes(view, 1200, 800);
        EXPECT_EQ(dragPaneBoundary(view, 2, row.y), row.moved);
        EXPECT_FLOAT_EQ(view.paneEdge[2], row.edge);
    }

    // A boundary squeezed within 4 pixels of a neighbour is left for the caller to
    // restore the layout.
    ChartView view = viewWithFont();
    view.studyCount = 2;
    LayoutPanes(view, 1200, 800);
    view.paneEdge[2] = 388;
    EXPECT_FALSE(dragPaneBoundary(view, 2, 450));
    EXPECT_FLOAT_EQ(view.paneEdge[2], 388);
}

TEST(ChartView, BarStyleFollowsTheSpacing)
{
    struct Row {
        int spacing, pen, tick;
    };
    const Row rows[] = {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 2}, {8, 1, 3},
                        {9, 2, 3}, {12, 2, 4}, {18, 2, 6}, {19, 3, 6}, {27, 3, 9}, {40, 3, 13}};
    for (const Row& row : rows) {
        EXPECT_EQ(barPenWidth(row.spacing), row.pen) << row.spacing;
        EXPECT_EQ(barTickLength(row.spacing), row.tick) << row.spacing;
    }
}
