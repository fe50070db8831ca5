#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class QLabel;

// One box of the status strip per download connection (`dtbDownloader_k` serves
// connection k + 1). It shows the connection's number on the colour of its state.
class DownloaderBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 13;
    // The look of a connection that is free for a fetch: palette 7, light grey.
    static QColor idleColor();

    DownloaderBox(int slot, QWidget* parent);
    int slot() const { return m_slot; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_slot;
    QColor m_color = idleColor();
};

// The status strip `mStatusBox`: the label "Internet Connections :" (`Label1`), the
// connection boxes, and at the right end the New York clock with a two-line groove
// (808080 then E0E0E0) to its left. The clock's area moves 2 pixels in while the
// main window is maximised.
class StatusStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 21;
    static QColor grooveDark() { return QColor(0x80, 0x80, 0x80); }
    static QColor grooveLight() { return QColor(0xE0, 0xE0, 0xE0); }

    explicit StatusStrip(QWidget* parent = nullptr);

    // Makes one box per connection, placed left to right after the label, each
    // overlapping its left neighbour's edge by one pixel; all in the idle look.
    void createConnectionBoxes(int count);
    const QList<DownloaderBox*>& connectionBoxes() const { return m_boxes; }

    void setClockText(const QString& text);
    QString clockText() const { return m_clockText; }
    void setWindowMaximized(bool maximized);
    // Where the clock text goes; the groove's two lines are the two columns left of it.
    QRect clockRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void placeChildren();

    QLabel* m_label;
    QList<DownloaderBox*> m_boxes;
    QString m_clockText;
    bool m_maximized = false;
};
