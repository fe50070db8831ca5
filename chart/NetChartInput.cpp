#include "NetChart.h"

#include "QuotePanel.h"
#include "SurfaceWidget.h"

#include <QLineEdit>
#include <QMdiSubWindow>

void NetChart::connectInput()
{
    connect(m_pic, &SurfaceWidget::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers, const QString& text) { keyPressed(key, text); });
    for (QuotePanel* panel : {m_picQuote, m_picBidAsk}) {
        connect(panel, &SurfaceWidget::keyPressed, this,
                [this](int key, Qt::KeyboardModifiers, const QString& text) { keyPressed(key, text); });
    }
    connect(m_pic, &SurfaceWidget::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) { mousePressed(button, pos); });
    connect(m_pic, &SurfaceWidget::mouseMoved, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF pos) { mouseMoved(buttons, pos); });
    connect(m_pic, &SurfaceWidget::mouseReleased, this, [this] { mouseReleased(); });
    connect(m_pic, &SurfaceWidget::resized, this, &NetChart::surfaceResized);
    connect(m_pic, &SurfaceWidget::textDropped, this,
            [this](const QString& text) { DrawChart(text.trimmed().toUpper()); });
}

void NetChart::keyPressed(int key, const QString& text)
{
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        m_model.view.dayOffset += key == Qt::Key_Left ? -1 : 1;
        ChartRedraw();
        return;
    }
    // A typed character goes on in the main window's symbol box.
    if (text.isEmpty())
        return;
    const QChar c = text.front();
    if (c == u'\t')
        return;
    auto* box = window()->findChild<QLineEdit*>(QStringLiteral("mTicker"));
    if (!box)
        return;
    if (c == u'\r' || c == u'\n') {
        box->setFocus();
        return;
    }
    if (!c.isPrint())
        return;
    box->setFocus();
    box->setText(text);
    box->deselect();
    box->setCursorPosition(int(text.size()));
}

void NetChart::mousePressed(Qt::MouseButton button, QPointF pos)
{
    if (button != Qt::LeftButton)
        return;
    const int x = qRound(pos.x());
    const int y = qRound(pos.y());
    if (const int k = paneBoundaryAt(m_model.view, y)) {
        m_model.mouseMode = ChartModel::MouseMode::PaneBoundary;
        m_dragPane = k;
        m_pic->setCursor(Qt::SplitVCursor);
    } else if (y > m_model.view.paneBottom) {
        m_model.mouseMode = ChartModel::MouseMode::DateAxis;
        m_pressX = x;
        m_pressOffset = m_model.view.dayOffset;
        m_pic->setCursor(Qt::SizeHorCursor);
    }
}

void NetChart::mouseMoved(Qt::MouseButtons, QPointF pos)
{
    switch (m_model.mouseMode) {
    case ChartModel::MouseMode::DateAxis: {
        const int offset = dragOffset(m_pressOffset, m_pressX, qRound(pos.x()), m_model.view.barSpacing);
        if (offset != m_model.view.dayOffset) {
            m_model.view.dayOffset = offset;
            ChartRedraw();
        }
        break;
    }
    case ChartModel::MouseMode::PaneBoundary:
        if (!dragPaneBoundary(m_model.view, m_dragPane, qRound(pos.y())))
            layoutPanes();
        ChartRedraw();
        ChartPainter::drawSeparators(m_model, m_pic->surface());
        m_pic->update();
        break;
    case ChartModel::MouseMode::None:
        break;
    }
}

void NetChart::mouseReleased()
{
    if (m_model.mouseMode == ChartModel::MouseMode::None)
        return;
    m_pic->setCursor(Qt::CrossCursor);
    m_model.mouseMode = ChartModel::MouseMode::None;
    ChartRedraw();
}

void NetChart::surfaceResized(int width, int height)
{
    QMdiSubWindow* w = subWindow();
    if ((w && w->isMinimized()) || QSize(width, height) == m_drawnSize)
        return;
    if (m_model.ticker.isEmpty()) {
        measureFont();
        layoutPanes();
        m_drawnSize = QSize(width, height);
        ChartRedraw();
    } else {
        DrawChart(m_model.ticker);
    }
}
