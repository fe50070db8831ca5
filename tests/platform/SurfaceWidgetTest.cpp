#include "SurfaceWidget.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SurfaceWidget, SurfaceFollowsTheWidgetSize)
{
    SurfaceWidget w;
    QSignalSpy resized(&w, &SurfaceWidget::resized);
    w.resize(120, 80);
    w.show();
    EXPECT_EQ(w.surface().width(), 120);
    EXPECT_EQ(w.surface().height(), 80);
    ASSERT_GE(resized.size(), 1);
    EXPECT_EQ(resized.last().at(0).toInt(), 120);
}

TEST(SurfaceWidget, ShowsThePersistentImageWithTheTemporaryLayerOverIt)
{
    SurfaceWidget w;
    w.resize(60, 40);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    DrawingSurface& s = w.surface();
    s.setBackColor(0x806020);
    s.cls();
    s.fillBox(0, 0, 29, 39, 0x00FF00);
    s.setPersistent(false);
    s.line(0, 20, 60, 20, 0xFFFFFF);
    s.setPersistent(true);

    const QImage shown = w.grab().toImage();
    EXPECT_EQ(shown.pixel(10, 10) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(shown.pixel(45, 10) & 0xFFFFFF, 0x206080u);
    EXPECT_EQ(shown.pixel(45, 20) & 0xFFFFFF, 0xFFFFFFu) << "temporary line shown";
    EXPECT_EQ(s.persistentImage().pixel(45, 20) & 0xFFFFFF, 0x206080u);
}

TEST(SurfaceWidget, MouseArrivesInTheSurfaceScale)
{
    SurfaceWidget w;
    w.resize(100, 50);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.surface().setUserScale(0, 0, 10, 5);
    QSignalSpy pressed(&w, &SurfaceWidget::mousePressed);
    QSignalSpy released(&w, &SurfaceWidget::mouseReleased);
    QSignalSpy moved(&w, &SurfaceWidget::mouseMoved);
    QTest::mousePress(&w, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 20));
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, QPoint(40, 20));
    QTest::mouseMove(&w, QPoint(70, 30));

    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(pressed[0][2].toPointF(), QPointF(4, 2));
    ASSERT_EQ(released.size(), 1);
    EXPECT_EQ(released[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    ASSERT_GE(moved.size(), 1);
    EXPECT_EQ(moved.last()[2].toPointF(), QPointF(7, 3));
}

TEST(SurfaceWidget, KeysIncludingTabReachTheOwner)
{
    SurfaceWidget w;
    QSignalSpy keys(&w, &SurfaceWidget::keyPressed);
    QTest::keyClick(&w, Qt::Key_Left);
    QTest::keyClick(&w, Qt::Key_Tab);
    QTest::keyClick(&w, Qt::Key_M, Qt::NoModifier);
    ASSERT_EQ(keys.size(), 3);
    EXPECT_EQ(keys[0][0].toInt(), int(Qt::Key_Left));
    EXPECT_EQ(keys[1][0].toInt(), int(Qt::Key_Tab));
    EXPECT_EQ(keys[2][2].toString(), QStringLiteral("m"));
}

} // namespace
