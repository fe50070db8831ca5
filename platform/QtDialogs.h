#pragma once

#include "Dialogs.h"

class QWidget;

// Shows real Qt message boxes and input boxes, parented to `parent` when given.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    Answer ask(const QString& text, const QString& title, MessageButtons buttons,
               MessageIcon icon) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    void beep() override;

private:
    QWidget* m_parent;
};
