#pragma once

#include <QLineEdit>

// The symbol entry box `mTicker`; its text is the current symbol.
// Enter trims and upper-cases the text, writes it back selected whole, emits
// symbolEntered and consumes the key. Getting the focus selects the whole text.
// A right click emits rightClicked (the box shows no edit menu of its own); a left
// click emits leftClicked with the trimmed text.
class TickerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TickerBox(QWidget* parent = nullptr);

    // What Enter does; returns the symbol.
    QString commitText();

signals:
    void symbolEntered(const QString& symbol);
    void focusGained();
    void rightClicked(const QPoint& globalPos);
    void leftClicked(const QString& symbol);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};
