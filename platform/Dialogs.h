#pragma once

#include <QList>
#include <QQueue>
#include <QString>

// Message boxes, questions, input boxes and the beep. Windows and logic talk to the
// user only through dialogs(), so tests read every message and script every answer.
enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with an OK button.
    virtual void message(const QString& text, const QString& title = QString(),
                         MessageIcon icon = MessageIcon::None) = 0;
    // A question; returns the button pressed (closing the box counts as Cancel, or No
    // for a Yes/No box).
    virtual Answer ask(const QString& text, const QString& title, MessageButtons buttons,
                       MessageIcon icon = MessageIcon::Question) = 0;
    // An input box; returns the text typed, or an empty text when cancelled.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText = QString()) = 0;
    virtual void beep() = 0;
};

// Records every call and answers from queues. An empty answer queue gives the first
// button's answer (Ok or Yes) and an input queue gives the default text.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Message, Ask, Input, Beep };
    struct Entry {
        Kind kind;
        QString text;
        QString title;
        MessageIcon icon = MessageIcon::None;
    };

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    Answer ask(const QString& text, const QString& title, MessageButtons buttons,
               MessageIcon icon) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    void beep() override;

    void queueAnswer(Answer a) { m_answers.enqueue(a); }
    void queueInput(const QString& text) { m_inputs.enqueue(text); }

    const QList<Entry>& entries() const { return m_entries; }
    // The texts of the message boxes shown so far (Kind::Message only).
    QStringList messages() const;
    int beeps() const;
    void clear() { m_entries.clear(); m_answers.clear(); m_inputs.clear(); }

private:
    QList<Entry> m_entries;
    QQueue<Answer> m_answers;
    QQueue<QString> m_inputs;
};

// Swallows everything: for command-line programs and benchmarks.
class SilentDialogs final : public Dialogs {
public:
    void message(const QString&, const QString&, MessageIcon) override {}
    Answer ask(const QString&, const QString&, MessageButtons buttons, MessageIcon) override
    {
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString& defaultText) override { return defaultText; }
    void beep() override {}
};

// The dialogs in use; SilentDialogs until setDialogs() installs the real or a scripted one.
Dialogs& dialogs();
// Installs `d` (not owned); nullptr restores the silent dialogs.
void setDialogs(Dialogs* d);
