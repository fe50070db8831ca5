#include "SurfaceWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.resize(width(), height());
    connect(&m_surface, &DrawingSurface::changed, this, qOverload<>(&QWidget::update));
}

QSize SurfaceWidget::sizeHint() const
{
    return {200, 150};
}

void SurfaceWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_surface.displayImage());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_surface.resize(width(), height());
    emit resized(m_surface.width(), m_surface.height());
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event->button(), event->modifiers(), scalePos(event->position()));
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), scalePos(event->position()));
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->modifiers(), scalePos(event->position()));
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit mouseDoubleClicked(event->button(), event->modifiers(), scalePos(event->position()));
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event)
{
    emit keyPressed(event->key(), event->modifiers(), event->text());
}

void SurfaceWidget::keyReleaseEvent(QKeyEvent* event)
{
    emit keyReleased(event->key(), event->modifiers());
}

void SurfaceWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

void SurfaceWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void SurfaceWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void SurfaceWidget::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText())
        return;
    event->acceptProposedAction();
    emit textDropped(event->mimeData()->text(), scalePos(event->position()));
}

bool SurfaceWidget::focusNextPrevChild(bool)
{
    return false;
}
