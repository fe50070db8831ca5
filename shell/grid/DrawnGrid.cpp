#include "DrawnGrid.h"

#include "GridGeometry.h"
#include "GridPainter.h"
#include "SurfaceWidget.h"
#include "UiFont.h"

#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

class DrawnGrid::EditBox final : public GridEditBox {
public:
    EditBox(QLineEdit* box, SurfaceWidget* surface) : m_box(box), m_surface(surface) {}
    void placeAt(const GridRect& r) override
    {
        m_box->setGeometry(m_surface->x() + r.left, m_surface->y() + r.top, r.width(), r.height());
    }
    void setText(const QString& text) override { m_box->setText(text); }
    QString text() const override { return m_box->text(); }
    void showFocused() override
    {
        m_box->show();
        m_box->raise();
        m_box->setFocus();
        m_box->selectAll();
    }
    void hide() override
    {
        const bool hadFocus = m_box->hasFocus();
        m_box->hide();
        if (hadFocus)
            m_surface->setFocus();
    }
    bool isShown() const override { return m_box->isVisible(); }

private:
    QLineEdit* m_box;
    SurfaceWidget* m_surface;
};

namespace {

GridButton gridButton(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? GridButton::Left : b == Qt::RightButton ? GridButton::Right : GridButton::Other;
}

void startTextDrag(QWidget* source, const QString& text)
{
    auto* drag = new QDrag(source);
    drag->setMimeData(DrawnGrid::dragData(text));
    drag->exec(Qt::CopyAction);
}

} // namespace

DrawnGrid::DrawnGrid(const GridControlNames& names, QWidget* parent) : QWidget(parent)
{
    m_surface = new SurfaceWidget(this);
    m_surface->setObjectName(names.surface);
    m_surface->setAcceptDrops(false);
    m_surface->surface().setFont(chartFont());
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(names.vScroll);
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(names.hScroll);
    m_dragBox = new QWidget(this);
    m_dragBox->setObjectName(names.dragBox);
    m_dragBox->setAutoFillBackground(true);
    QPalette dark = m_dragBox->palette();
    dark.setColor(QPalette::Window, QColor(0, 0, 128));
    m_dragBox->setPalette(dark);
    m_dragBox->hide();
    m_editBox = new QLineEdit(this);
    m_editBox->setObjectName(names.editBox);
    m_editBox->setFont(chartFont());
    m_editBox->setFrame(false);
    m_editBox->hide();
    m_editBox->installEventFilter(this);
    m_editAdapter = std::make_unique<EditBox>(m_editBox, m_surface);
    m_dragStarter = [this](const QString& text) { startTextDrag(m_surface, text); };

    connect(m_surface, &SurfaceWidget::mousePressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF p) { mousePressed(b, p); });
    connect(m_surface, &SurfaceWidget::mouseDoubleClicked, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF p) { mousePressed(b, p); });
    connect(m_surface, &SurfaceWidget::mouseMoved, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers, QPointF p) { mouseMoved(b, p); });
    connect(m_surface, &SurfaceWidget::mouseReleased, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF p) { mouseReleased(b, p); });
    connect(m_surface, &SurfaceWidget::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers, const QString&) { keyDown(key); });
    connect(m_vScroll, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_syncing)
            return;
        m_grid.VScrollValue = v;
        cancelEdit();
        repaint();
    });
    connect(m_hScroll, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_syncing)
            return;
        m_grid.HScrollValue = v;
        cancelEdit();
        repaint();
    });
}

DrawnGrid::~DrawnGrid() = default;

QMimeData* DrawnGrid::dragData(const QString& text)
{
    auto* mime = new QMimeData;
    mime->setText(text);
    return mime;
}

int DrawnGrid::zeroWidth() const
{
    return m_surface->surface().textWidth(QStringLiteral("0"));
}

void DrawnGrid::AttachGrid()
{
    const int textHeight = m_surface->surface().textHeight(QStringLiteral("*"));
    m_grid.HeaderHeight = static_cast<qint16>(textHeight + 6);
    m_grid.RowHeight = static_cast<qint16>(std::lround(textHeight * 1.3));
    m_grid.VScrollValue = 0;
    m_grid.HScrollValue = 0;
    cancelEdit();
}

void DrawnGrid::AllocateGrid()
{
    ::AllocateGrid(m_grid);
}

void DrawnGrid::RedimGrid()
{
    ::RedimGrid(m_grid);
}

void DrawnGrid::syncScrollBars()
{
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const GridScrollLayout l = LayoutScrollBars(m_grid, width(), height(), extent);
    ApplyScrollLayout(m_grid, l);
    m_syncing = true;
    m_surface->setGeometry(0, 0, l.surfaceWidth, l.surfaceHeight);
    if (m_surface->surface().width() != l.surfaceWidth || m_surface->surface().height() != l.surfaceHeight)
        m_surface->surface().resize(l.surfaceWidth, l.surfaceHeight);
    m_vScroll->setGeometry(l.surfaceWidth, 0, extent, l.surfaceHeight);
    m_hScroll->setGeometry(0, l.surfaceHeight, l.surfaceWidth, extent);
    m_vScroll->setRange(0, l.vMax);
    m_vScroll->setPageStep(std::max(1, l.vPage));
    m_vScroll->setValue(m_grid.VScrollValue);
    m_hScroll->setRange(0, l.hMax);
    m_hScroll->setPageStep(1);
    m_hScroll->setValue(m_grid.HScrollValue);
    m_vScroll->setVisible(l.vVisible);
    m_hScroll->setVisible(l.hVisible);
    m_syncing = false;
}

void DrawnGrid::repaint()
{
    PaintGrid(m_grid, m_surface->surface());
}

void DrawnGrid::RefreshGrid()
{
    syncScrollBars();
    repaint();
}

void DrawnGrid::PaintCell(int row, int col)
{
    PaintGridCell(m_grid, m_surface->surface(), row, col);
}

bool DrawnGrid::StartEdit()
{
    const qint32 v = m_grid.VScrollValue;
    const qint32 h = m_grid.HScrollValue;
    const bool opened = ::StartEdit(m_grid, sharedGridMouse(), *m_editAdapter);
    if (m_grid.VScrollValue != v || m_grid.HScrollValue != h)
        syncScrollBars();
    repaint();
    return opened;
}

void DrawnGrid::cancelEdit()
{
    if (m_editBox->isVisible())
        m_editAdapter->hide();
}

bool DrawnGrid::isEditing() const
{
    return m_editBox->isVisible();
}

void DrawnGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RefreshGrid();
}

bool DrawnGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (!EditKeySwallowed(key))
            return false;
        QString oldText;
        const bool committed = EditKey(m_grid, key, *m_editAdapter, &oldText);
        if (committed) {
            PaintCell(m_grid.CurRow, m_grid.CurCol);
            emit editCommitted(oldText, m_grid.Cell(m_grid.CurCol, m_grid.CurRow).Text);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DrawnGrid::mousePressed(Qt::MouseButton button, QPointF pos)
{
    apply(GridMouseDown(m_grid, sharedGridMouse(), gridButton(button), qFloor(pos.x()), qFloor(pos.y())), pos);
}

void DrawnGrid::mouseMoved(Qt::MouseButtons buttons, QPointF pos)
{
    const GridButton b = buttons & Qt::LeftButton ? GridButton::Left : GridButton::Other;
    apply(GridMouseMove(m_grid, sharedGridMouse(), b, qFloor(pos.x()), qFloor(pos.y())), pos);
}

void DrawnGrid::mouseReleased(Qt::MouseButton button, QPointF pos)
{
    apply(GridMouseUp(m_grid, sharedGridMouse(), gridButton(button), qFloor(pos.x()), qFloor(pos.y())), pos);
}

void DrawnGrid::apply(const GridMouseEffect& e, QPointF pos)
{
    switch (e.cursor) {
    case GridCursor::Unchanged: break;
    case GridCursor::Arrow: m_surface->unsetCursor(); break;
    case GridCursor::SizeColumn: m_surface->setCursor(Qt::SplitHCursor); break;
    case GridCursor::MoveColumn: m_surface->setCursor(Qt::SizeAllCursor); break;
    }
    if (e.dropX >= 0) {
        m_dragBox->setGeometry(m_surface->x() + e.dropX - 1, m_surface->y(), 2, m_surface->height());
        m_dragBox->show();
        m_dragBox->raise();
    } else {
        m_dragBox->hide();
    }
    if (e.hideEdit)
        cancelEdit();
    if (e.repaint) {
        if (e.result == GridClick::Resized || e.cursor == GridCursor::Arrow)
            syncScrollBars();
        repaint();
    }
    if (e.startDrag) {
        emit dragStarted(e.dragText);
        m_dragStarter(e.dragText);
    }
    switch (e.result) {
    case GridClick::None:
    case GridClick::Resized: break;
    case GridClick::Row: emit rowClicked(); break;
    case GridClick::RightClick: emit rightClicked(m_surface->mapToGlobal(pos.toPoint())); break;
    }
}

void DrawnGrid::keyDown(int key)
{
    const GridKeyEffect e = GridKeyDown(m_grid, key);
    if (e.startEdit) {
        StartEdit();
    } else if (e.repaint) {
        syncScrollBars();
        repaint();
    }
    emit keyPressed(key, e.rowMoved);
}
