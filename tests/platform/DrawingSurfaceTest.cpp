#include "DrawingSurface.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr ColorValue kBack = 0x806020;
constexpr ColorValue kInk = 0x0000FF; // red

using Pixels = std::set<std::pair<int, int>>;

// The pixels of `s` (as displayed) that differ from the background colour.
Pixels inked(const DrawingSurface& s)
{
    Pixels out;
    const QImage img = s.displayImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != toRgb24(s.backColor()))
                out.insert({x, y});
    return out;
}

void prepare(DrawingSurface& s, int w, int h)
{
    s.resize(w, h);
    s.setBackColor(kBack);
    s.cls();
    s.setForeColor(kInk);
}

TEST(DrawingSurface, SolidLinesLeaveOutTheirLastPixel)
{
    struct Case {
        const char* name;
        QPoint from, to;
        Pixels expected;
    };
    const Case cases[] = {
        {"horizontal", {2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {"leftwards", {6, 5}, {2, 5}, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {"vertical", {3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}},
        {"diagonal", {0, 0}, {4, 4}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {"shallow", {0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        {"zero length draws nothing", {5, 5}, {5, 5}, {}},
        {"clipped at the edge", {-2, 0}, {2, 0}, {{0, 0}, {1, 0}}},
    };
    DrawingSurface s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepare(s, 12, 8);
        s.line(c.from.x(), c.from.y(), c.to.x(), c.to.y());
        EXPECT_EQ(inked(s), c.expected);
        if (c.from.x() >= 0)
            EXPECT_EQ(s.point(c.from.x(), c.from.y()), c.expected.empty() ? kBack : kInk);
    }
}

TEST(DrawingSurface, DottedLinesAlternatePixelsAcrossAPolyline)
{
    DrawingSurface s;
    prepare(s, 12, 8);
    s.setLineStyle(LineStyle::Dot);
    s.line(0, 2, 9, 2);
    EXPECT_EQ(inked(s), (Pixels{{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 2}}));

    prepare(s, 12, 8);
    s.polyline({{0, 0}, {3, 0}, {3, 4}});
    EXPECT_EQ(inked(s), (Pixels{{0, 0}, {2, 0}, {3, 1}, {3, 3}})) << "the pattern runs on round the corner";

    prepare(s, 12, 8);
    s.setLineStyle(LineStyle::Solid);
    s.polyline({{0, 0}, {3, 0}, {3, 2}});
    EXPECT_EQ(inked(s), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}}));
}

TEST(DrawingSurface, WideLinesAreSolidAndCentred)
{
    DrawingSurface s;
    prepare(s, 30, 20);
    s.setLineWidth(3);
    s.setLineStyle(LineStyle::Dot);
    s.line(5, 10, 25, 10);
    for (int x = 8; x <= 22; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(s.point(x, 9), kInk);
        EXPECT_EQ(s.point(x, 10), kInk);
        EXPECT_EQ(s.point(x, 11), kInk);
        EXPECT_EQ(s.point(x, 8), kBack);
        EXPECT_EQ(s.point(x, 12), kBack);
    }
}

TEST(DrawingSurface, LongLinesFarOutsideStillCrossTheSurface)
{
    DrawingSurface s;
    prepare(s, 50, 10);
    s.line(-1000000, 5, 1000000, 5);
    s.line(20, -3000000, 20, 3000000);
    for (int x = 0; x < 50; ++x)
        EXPECT_EQ(s.point(x, 5), kInk) << x;
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(s.point(20, y), kInk) << y;
    EXPECT_EQ(inked(s).size(), 50u + 9u);
}

TEST(DrawingSurface, XorTwiceRestoresThePicture)
{
    DrawingSurface s;
    prepare(s, 40, 30);
    s.fillBox(5, 5, 20, 20, 0x00FF00);
    s.line(0, 25, 39, 2, 0xFFFFFF);
    const QImage before = s.persistentImage().copy();

    s.setDrawMode(DrawMode::Xor);
    const auto drawAll = [&](int width) {
        s.setLineWidth(width);
        s.line(0, 0, 39, 29, 0xC0C0C0);
        s.fillBox(10, 0, 30, 29, kBack);
        s.frameBox(2, 2, 37, 27, 0xFFFFFF);
        s.setPoint(12, 12, 0x123456);
        s.polyline({{1, 1}, {20, 1}, {20, 15}, {1, 15}});
    };
    for (int width : {1, 3}) {
        SCOPED_TRACE(width);
        drawAll(width);
        EXPECT_NE(s.persistentImage(), before);
        drawAll(width);
        EXPECT_EQ(s.persistentImage(), before);
    }
}

TEST(DrawingSurface, XorCombinesPenAndPicture)
{
    DrawingSurface s;
    prepare(s, 10, 10);
    s.setDrawMode(DrawMode::Xor);
    s.setPoint(3, 3, 0xFFFFFF);
    EXPECT_EQ(s.point(3, 3), kBack ^ 0xFFFFFFu);
    s.setLineWidth(3);
    s.line(1, 7, 8, 7, 0xC0C0C0);
    EXPECT_EQ(s.point(4, 7), kBack ^ 0xC0C0C0u);
    EXPECT_EQ(s.persistentImage().pixel(4, 7) >> 24, 0xFFu) << "pixels stay opaque";
}

TEST(DrawingSurface, BoxesAndRectangles)
{
    struct Case {
        const char* name;
        std::function<void(DrawingSurface&)> draw;
        Pixels expected;
    };
    const Case cases[] = {
        {"filled box includes both corners", [](DrawingSurface& s) { s.fillBox(4, 3, 2, 2, kInk); },
         {{2, 2}, {3, 2}, {4, 2}, {2, 3}, {3, 3}, {4, 3}}},
        {"framed box", [](DrawingSurface& s) { s.frameBox(1, 1, 3, 4, kInk); },
         {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {3, 3}, {1, 4}, {2, 4}, {3, 4}}},
        {"fillRect leaves out right and bottom", [](DrawingSurface& s) { s.fillRect({2, 2, 4, 4}, kInk); },
         {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
        {"empty fillRect", [](DrawingSurface& s) { s.fillRect({4, 4, 4, 9}, kInk); }, {}},
        {"frameRect inside the rectangle", [](DrawingSurface& s) { s.frameRect({1, 1, 4, 4}, kInk); },
         {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
    };
    DrawingSurface s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepare(s, 8, 8);
        c.draw(s);
        EXPECT_EQ(inked(s), c.expected);
    }

    prepare(s, 8, 8);
    s.setFillSolid(true);
    s.setFillColor(0x00FF00);
    s.frameBox(1, 1, 5, 5, kInk);
    EXPECT_EQ(s.point(3, 3), 0x00FF00u) << "solid fill inside";
    EXPECT_EQ(s.point(1, 3), kInk);
    EXPECT_EQ(s.point(5, 5), kInk);
}

TEST(DrawingSurface, PointsReadBackAndOutsideHasNoColour)
{
    DrawingSurface s;
    prepare(s, 6, 6);
    s.setPoint(2, 4);
    EXPECT_EQ(s.point(2, 4), kInk);
    EXPECT_EQ(s.currentX(), 2);
    EXPECT_EQ(s.point(4, 2), kBack);
    EXPECT_EQ(s.point(-1, 0), kNoColor);
    EXPECT_EQ(s.point(6, 0), kNoColor);
    s.setPoint(99, 99);
    EXPECT_EQ(inked(s).size(), 1u);
}

TEST(DrawingSurface, LineToContinuesFromTheCurrentPoint)
{
    DrawingSurface s;
    prepare(s, 10, 10);
    s.setCurrent(-10, 2);
    s.lineTo(2, 2);
    s.lineTo(2, 5);
    EXPECT_EQ(inked(s), (Pixels{{0, 2}, {1, 2}, {2, 2}, {2, 3}, {2, 4}}));
    EXPECT_EQ(s.currentY(), 5);
}

TEST(DrawingSurface, UserScaleMapsOntoThePixels)
{
    DrawingSurface s;
    prepare(s, 100, 50);
    s.setUserScale(0, 100, 10, -100); // y runs upwards from 0 at the bottom to 100 at the top
    EXPECT_FALSE(s.isPixelScale());
    EXPECT_EQ(s.toPixels(5, 100), QPoint(50, 0));
    EXPECT_EQ(s.toPixels(10, 0), QPoint(100, 50));
    EXPECT_EQ(s.fromPixels(QPointF(50, 25)), QPointF(5, 50));

    s.fillBox(2, 80, 4, 60, kInk);
    const Pixels p = inked(s);
    EXPECT_EQ(*p.begin(), std::make_pair(20, 10));
    EXPECT_EQ(*p.rbegin(), std::make_pair(40, 20));
    EXPECT_EQ(s.point(3, 70), kInk);

    s.resize(200, 100);
    EXPECT_EQ(s.toPixels(5, 50), QPoint(100, 50)) << "the scale stretches with the surface";
    EXPECT_EQ(s.scaleWidth(), 10);

    s.setPixelScale();
    EXPECT_EQ(s.toPixels(5.5, 6.5), QPoint(6, 6)) << "halves to even";
    EXPECT_EQ(s.scaleWidth(), 200);
}

TEST(DrawingSurface, TemporaryLayerStaysOffThePersistentImage)
{
    DrawingSurface s;
    prepare(s, 20, 20);
    s.fillBox(0, 0, 9, 19, 0x00FF00);
    const QImage chart = s.persistentImage().copy();

    s.setPersistent(false);
    s.cls(); // clears the temporary layer only
    EXPECT_EQ(s.persistentImage(), chart);
    s.setDrawMode(DrawMode::Xor);
    s.line(0, 10, 20, 10, 0xFFFFFF);
    s.setDrawMode(DrawMode::Copy);
    EXPECT_TRUE(s.hasTemporary());
    EXPECT_EQ(s.persistentImage(), chart);
    EXPECT_EQ(s.point(5, 10), 0x00FF00u ^ 0xFFFFFFu) << "xor against the visible picture";
    EXPECT_EQ(s.point(15, 10), kBack ^ 0xFFFFFFu);
    EXPECT_EQ(s.displayImage().pixel(5, 10) & 0xFFFFFF, toRgb24(0x00FF00u ^ 0xFFFFFFu));

    s.setPersistent(true);
    EXPECT_EQ(s.point(5, 10), 0x00FF00u) << "the persistent image never saw the line";
    EXPECT_TRUE(s.hasTemporary()) << "switching back alone keeps the layer shown";

    s.setPersistent(false);
    s.cls();
    EXPECT_FALSE(s.hasTemporary());
    EXPECT_EQ(s.displayImage(), chart);

    s.line(0, 5, 20, 5);
    s.setPersistent(true);
    s.setPoint(15, 15);
    EXPECT_FALSE(s.hasTemporary()) << "persistent drawing shows the persistent image again";
    EXPECT_EQ(s.displayImage().pixel(3, 5) & 0xFFFFFF, toRgb24(0x00FF00));

    s.cls();
    EXPECT_TRUE(inked(s).empty());
}

TEST(DrawingSurface, ResizeKeepsThePictureAndFillsTheRest)
{
    DrawingSurface s;
    prepare(s, 10, 10);
    s.setPoint(9, 9);
    s.resize(20, 15);
    EXPECT_EQ(s.width(), 20);
    EXPECT_EQ(s.height(), 15);
    EXPECT_EQ(s.point(9, 9), kInk);
    EXPECT_EQ(s.point(19, 14), kBack);
    s.resize(5, 5);
    EXPECT_EQ(s.point(4, 4), kBack);
    s.resize(0, -3);
    EXPECT_EQ(s.width(), 1);
}

TEST(DrawingSurface, EdgesUseTheFaceColours)
{
    struct Probe {
        QPoint at;
        ColorValue colour;
    };
    struct Case {
        const char* name;
        unsigned edge;
        std::vector<Probe> probes;
    };
    // Rectangle (10, 10) to (20, 20): outer ring on 10 and 19, inner ring on 11 and 18.
    const Case cases[] = {
        {"raised", Edge::Raised,
         {{{10, 10}, Edge::kLight}, {{19, 19}, Edge::kDarkShadow}, {{19, 10}, Edge::kDarkShadow},
          {{10, 19}, Edge::kDarkShadow}, {{11, 11}, Edge::kHighlight}, {{18, 18}, Edge::kShadow},
          {{15, 15}, Edge::kFace}}},
        {"sunken", Edge::Sunken,
         {{{10, 10}, Edge::kShadow}, {{19, 19}, Edge::kHighlight}, {{11, 15}, Edge::kDarkShadow},
          {{18, 15}, Edge::kLight}, {{15, 15}, Edge::kFace}}},
        {"bump", Edge::Bump,
         {{{10, 15}, Edge::kLight}, {{19, 15}, Edge::kDarkShadow}, {{11, 15}, Edge::kDarkShadow},
          {{18, 15}, Edge::kLight}}},
        {"inner only", Edge::RaisedInner,
         {{{10, 10}, Edge::kHighlight}, {{19, 19}, Edge::kShadow}, {{11, 11}, Edge::kFace}}},
    };
    DrawingSurface s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepare(s, 30, 30);
        s.drawEdge({10, 10, 20, 20}, c.edge, true);
        for (const Probe& p : c.probes)
            EXPECT_EQ(s.point(p.at.x(), p.at.y()), p.colour) << p.at.x() << "," << p.at.y();
        EXPECT_EQ(s.point(9, 9), kBack);
        EXPECT_EQ(s.point(20, 20), kBack);
    }
    prepare(s, 30, 30);
    s.drawEdge({10, 10, 20, 20}, Edge::Raised);
    EXPECT_EQ(s.point(15, 15), kBack) << "the middle is left alone unless asked";
}

} // namespace
