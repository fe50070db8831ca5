#include "DateAxis.h"
#include "PriceAxis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

TEST(PriceAxis, StepIsARoundFractionOfThePane)
{
    struct Row {
        double range;
        float pane;
        double step;
    };
    // A pane of 539 pixels asks for 14 labels.
    const Row rows[] = {
        {11.5, 539, 1},     // 0.82
        {100, 539, 10},     // 7.1 -> 0.71 x 10
        {3, 539, 0.25},     // 0.21
        {5, 539, 0.5},      // 0.36
        {50, 539, 5},
        {2000, 539, 250},   // 143 -> 0.143 x 1000
        {1, 539, 0.1},
        {0.01, 539, 0.1},   // never below 0.1
        {11.5, 44, 5},      // a pane under 45 pixels still asks for 3: 3.8 -> 0.38 x 10
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(priceStep(row.range, row.pane), row.step) << row.range;
}

TEST(PriceAxis, LabelFormatFollowsTheTopValue)
{
    struct Row {
        double top;
        const char* format;
    };
    const Row rows[] = {{0.01, "0.00000"}, {0.0499, "0.00000"}, {0.05, "0.0000"}, {0.99, "0.0000"},
                        {1, "0.000"}, {4.99, "0.000"}, {5, "###,###.00"}, {2500, "###,###.00"}};
    for (const Row& row : rows)
        EXPECT_EQ(priceLabelFormat(row.top), QString::fromLatin1(row.format)) << row.top;
}

TEST(PriceAxis, LabelsReachingBelowThePriceAreLeftOut)
{
    ChartView view;
    view.textHeight = 13;
    view.paneEdge[1] = 450;  // 13 labels wanted
    PriceScale scale;
    scale.low = Fixed4::fromDouble(0.9);
    scale.high = Fixed4::fromDouble(12.9);
    fitScale(view, scale);  // 37.5 pixels per unit

    PriceAxis axis;
    layoutPriceAxis(view, scale, axis);
    EXPECT_DOUBLE_EQ(axis.step, 1);
    EXPECT_EQ(axis.format, QStringLiteral("###,###.00"));
    // 1 sits at y 446, its box would end at 453: left out. 2 to 13 remain, 13 above the top.
    ASSERT_EQ(axis.labels.size(), 12u);
    for (size_t k = 0; k < axis.labels.size(); ++k) {
        const PriceLabel& label = axis.labels[k];
        EXPECT_DOUBLE_EQ(label.value, 2.0 + k);
        EXPECT_EQ(label.y, priceY(scale, label.value));
        EXPECT_LT(label.top + view.textHeight, 450);
    }
    EXPECT_EQ(axis.labels.front().y, 409);
    EXPECT_EQ(axis.labels.front().top, 402);  // 402.5 -> 402
    EXPECT_EQ(axis.labels.back().y, -4);
}

TEST(DateAxis, FirstTradingDayOfTheMonth)
{
    struct Row {
        QDate date;
        bool first;
    };
    const Row rows[] = {
        {QDate(2004, 3, 1), true},    // Monday the 1st
        {QDate(2004, 4, 1), true},    // Thursday the 1st
        {QDate(2004, 5, 1), false},   // Saturday
        {QDate(2004, 5, 3), true},    // Monday the 3rd
        {QDate(2004, 2, 2), true},    // Monday the 2nd
        {QDate(2004, 3, 2), false},   // Tuesday the 2nd
        {QDate(2004, 4, 2), false},   // Friday the 2nd
        {QDate(2004, 5, 10), false},  // a later Monday
    };
    for (const Row& row : rows)
        EXPECT_EQ(isFirstTradingDay(row.date), row.first) << row.date.toString().toStdString();
}

namespace {

ChartView axisView(int spacing)
{
    ChartView view;
    view.width = 400;
    view.plotRight = 341;
    view.barSpacing = spacing;
    view.rightMargin = rightMarginOf(view);
    return view;
}

std::vector<std::pair<int, QDate>> marksOf(const std::vector<DateMark>& marks, DateMark::Kind kind)
{
    std::vector<std::pair<int, QDate>> out;
    for (const DateMark& m : marks) {
        if (m.kind == kind)
            out.emplace_back(m.x, m.date);
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

TEST(DateAxis, MonthMarksAndEverySecondMonday)
{
    // Right edge Monday 15 March 2004 at x 335, four pixels a weekday.
    std::vector<DateMark> marks;
    layoutDateAxis(axisView(4), 20040315, marks);

    const std::vector<std::pair<int, QDate>> months = {
        {35, QDate(2003, 12, 1)}, {127, QDate(2004, 1, 1)}, {215, QDate(2004, 2, 2)},
        {295, QDate(2004, 3, 1)}, {387, QDate(2004, 4, 1)}};
    EXPECT_EQ(marksOf(marks, DateMark::Kind::Month), months);

    // Rightwards from the 15th: the 15th and the 29th. The flag ends cleared on the 5th
    // of April, so the walk leftwards counts the 15th again and numbers the 1st of
    // March, then every second Monday before it.
    const std::vector<std::pair<int, QDate>> days = {
        {-25, QDate(2003, 11, 10)}, {15, QDate(2003, 11, 24)}, {55, QDate(2003, 12, 8)}, {95, QDate(2003, 12, 22)},
        {135, QDate(2004, 1, 5)}, {175, QDate(2004, 1, 19)}, {215, QDate(2004, 2, 2)},
        {255, QDate(2004, 2, 16)}, {295, QDate(2004, 3, 1)}, {335, QDate(2004, 3, 15)},
        {375, QDate(2004, 3, 29)}};
    EXPECT_EQ(marksOf(marks, DateMark::Kind::Day), days);
}

TEST(DateAxis, DayNumbersFollowTheSpacing)
{
    struct Row {
        int spacing;
        bool everyDay;
        bool none;
    };
    const Row rows[] = {{1, false, true}, {3, false, true}, {4, false, false}, {17, false, false},
                        {18, true, false}, {40, true, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.spacing);
        const ChartView view = axisView(row.spacing);
        std::vector<DateMark> marks;
        layoutDateAxis(view, 20040315, marks);
        const auto days = marksOf(marks, DateMark::Kind::Day);
        std::set<int> slotXs;
        for (int x = rightSlotX(view); x < view.width; x += view.barSpacing)
            slotXs.insert(x);
        for (int x = rightSlotX(view); x > -30; x -= view.barSpacing)
            slotXs.insert(x);
        if (row.everyDay)
            EXPECT_EQ(days.size(), slotXs.size());
        if (row.none)
            EXPECT_TRUE(days.empty());
        for (const auto& [x, date] : days) {
            EXPECT_TRUE(slotXs.count(x)) << x;
            if (!row.everyDay)
                EXPECT_EQ(date.dayOfWeek(), 1);
        }
    }
}

TEST(DateAxis, MarkTexts)
{
    struct Row {
        DateMark mark;
        const char* text;
    };
    const Row rows[] = {
        {{DateMark::Kind::Month, 0, QDate(2004, 3, 1)}, "Mar"},
        {{DateMark::Kind::Month, 0, QDate(2004, 1, 1)}, "Jan 04"},
        {{DateMark::Kind::Month, 0, QDate(2010, 1, 4)}, "Jan 10"},
        {{DateMark::Kind::Day, 0, QDate(2004, 3, 8)}, "8"},
        {{DateMark::Kind::Day, 0, QDate(2004, 3, 15)}, "15"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(dateMarkText(row.mark), QString::fromLatin1(row.text));
}
