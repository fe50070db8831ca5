#pragma once

#include "DrawingSurface.h"

#include <QWidget>

// A widget showing a DrawingSurface (its persistent image with the temporary layer
// over it) and keeping the surface as large as itself. Its input arrives as signals,
// positions in the surface's scale, so a window is built by connecting to them; a
// subclass may override the usual event handlers instead. The widget tracks the mouse
// (moves arrive without a button held), takes the keyboard focus on a click, keeps Tab
// for itself, and accepts dropped text.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceWidget(QWidget* parent = nullptr);

    DrawingSurface& surface() { return m_surface; }
    const DrawingSurface& surface() const { return m_surface; }

    QSize sizeHint() const override;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos);
    void mouseDoubleClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos);
    // `key` is a Qt::Key; `text` the characters typed, if any.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);
    // The surface has been resized to the widget's new size (and its picture kept).
    void resized(int width, int height);
    void textDropped(const QString& text, QPointF pos);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QPointF scalePos(const QPointF& pixel) const { return m_surface.fromPixels(pixel); }

    DrawingSurface m_surface;
};
