#include "TickerBox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTimer>

TickerBox::TickerBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("mTicker"));
}

QString TickerBox::commitText()
{
    const QString symbol = text().trimmed().toUpper();
    setText(symbol);
    selectAll();
    emit symbolEntered(symbol);
    return symbol;
}

void TickerBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        commitText();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TickerBox::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    selectAll();
    // A click that gave the focus places the cursor after this event; select again then.
    if (e->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    emit focusGained();
}

void TickerBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton) {
        e->accept();
        emit rightClicked(e->globalPosition().toPoint());
        return;
    }
    QLineEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        emit leftClicked(text().trimmed());
}

void TickerBox::contextMenuEvent(QContextMenuEvent* e)
{
    // The right button is handled on press; a keyboard menu key acts the same way.
    if (e->reason() != QContextMenuEvent::Mouse)
        emit rightClicked(e->globalPos());
    e->accept();
}
