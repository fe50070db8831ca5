#pragma once

#include "GridData.h"
#include "GridKeys.h"
#include "GridMouse.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;
class QMimeData;
class QScrollBar;
class SurfaceWidget;

// The names of a grid's controls: the drawing surface, the two scroll bars, the drag
// box (the marker where a moved column would land) and the in-place edit box.
struct GridControlNames {
    QString surface;
    QString vScroll;
    QString hScroll;
    QString dragBox;
    QString editBox;
};

// A drawn grid on screen: the GridData model with its surface, scroll bars, drag box
// and edit box. Mouse, keys and scroll bars go through the grid operations; what the
// owner must act on comes out as signals.
class DrawnGrid : public QWidget {
    Q_OBJECT
public:
    DrawnGrid(const GridControlNames& names, QWidget* parent = nullptr);
    ~DrawnGrid() override;

    GridData& data() { return m_grid; }
    const GridData& data() const { return m_grid; }
    SurfaceWidget* surfaceWidget() const { return m_surface; }
    QLineEdit* editBox() const { return m_editBox; }

    // Pixel width of "0" in the grid's font, the unit of column widths.
    int zeroWidth() const;

    // Sets the font's row heights and scrolls back to row 0 and column 0.
    void AttachGrid();
    // Sizes the model from Cols and Rows (see AllocateGrid of GridData).
    void AllocateGrid();
    void RedimGrid();
    // Updates the scroll bars to the model and repaints everything.
    void RefreshGrid();
    void PaintCell(int row, int col);
    // Opens the edit box over the current cell; true when it opened.
    bool StartEdit();
    // Leaves edit mode without storing anything.
    void cancelEdit();
    bool isEditing() const;

    // What a drag out of a grid carries: the row's symbol as plain text, which a chart
    // surface accepts as a drop and charts.
    static QMimeData* dragData(const QString& text);
    // Replaces what starting a drag does (by default a QDrag carrying dragData(text)).
    void setDragStarter(std::function<void(const QString&)> starter) { m_dragStarter = std::move(starter); }

signals:
    // A release on a data row (or below the last row): the current row was clicked.
    void rowClicked();
    // A right click; the clicked cell is current.
    void rightClicked(const QPoint& globalPos);
    // Any key pressed on the surface, after the grid's own navigation.
    void keyPressed(int key, bool rowMoved);
    // An in-place edit ended with Enter; the cell now holds newText (formatted).
    void editCommitted(const QString& oldText, const QString& newText);
    // A drag of the current row's symbol has started.
    void dragStarted(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class EditBox;

    void mousePressed(Qt::MouseButton button, QPointF pos);
    void mouseMoved(Qt::MouseButtons buttons, QPointF pos);
    void mouseReleased(Qt::MouseButton button, QPointF pos);
    void keyDown(int key);
    void apply(const GridMouseEffect& e, QPointF pos);
    void syncScrollBars();
    void repaint();

    GridData m_grid;
    SurfaceWidget* m_surface = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QWidget* m_dragBox = nullptr;
    QLineEdit* m_editBox = nullptr;
    std::unique_ptr<EditBox> m_editAdapter;
    std::function<void(const QString&)> m_dragStarter;
    bool m_syncing = false;
};
