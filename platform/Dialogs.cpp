#include "Dialogs.h"

#include <QStringList>

void ScriptedDialogs::message(const QString& text, const QString& title, MessageIcon icon)
{
    m_entries.append({Kind::Message, text, title, icon});
}

Answer ScriptedDialogs::ask(const QString& text, const QString& title, MessageButtons buttons,
                            MessageIcon icon)
{
    m_entries.append({Kind::Ask, text, title, icon});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return Answer::Yes;
    case MessageButtons::RetryCancel:
        return Answer::Retry;
    default:
        return Answer::Ok;
    }
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    m_entries.append({Kind::Input, prompt, title, MessageIcon::None});
    return m_inputs.isEmpty() ? defaultText : m_inputs.dequeue();
}

void ScriptedDialogs::beep() { m_entries.append({Kind::Beep, QString(), QString(), MessageIcon::None}); }

QStringList ScriptedDialogs::messages() const
{
    QStringList out;
    for (const Entry& e : m_entries)
        if (e.kind == Kind::Message)
            out << e.text;
    return out;
}

int ScriptedDialogs::beeps() const
{
    int n = 0;
    for (const Entry& e : m_entries)
        n += e.kind == Kind::Beep;
    return n;
}

namespace {
SilentDialogs g_silent;
Dialogs* g_dialogs = &g_silent;
}

Dialogs& dialogs() { return *g_dialogs; }

void setDialogs(Dialogs* d) { g_dialogs = d ? d : &g_silent; }
