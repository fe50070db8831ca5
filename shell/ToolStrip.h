#pragma once

#include <QImage>
#include <QWidget>

// The drawn toolbar `mToolBar`: six buttons cut from the image strip of `picSource`.
// Button i shows the i-th kButtonImage-wide piece of the strip; the button under the
// mouse is drawn raised, a pressed one sunken. A click (press and release on the same
// button) emits buttonClicked(i).
//   0 "Quick view"   1 "New Chart"   2 "New Info Grid"
//   3 "New Data Grid"   4 "Zoom out"   5 "Zoom In"
class ToolStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 6;
    static constexpr int kButtonImage = 20;  // width and height of one image in the strip
    static constexpr int kButtonSize = 24;   // width and height of one button

    explicit ToolStrip(QWidget* parent = nullptr);

    // The strip of six button images, drawn once.
    static QImage buttonImages();
    static QString tipOf(int button);
    // The button at a point of the widget, or -1.
    static int buttonAt(const QPoint& pos);
    static QRect buttonRect(int button);

    QSize sizeHint() const override;

signals:
    void buttonClicked(int button);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

private:
    QImage m_strip;
    int m_hot = -1;
    int m_pressed = -1;
};
