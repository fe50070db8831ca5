#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOr(const QString& title)
{
    return title.isEmpty() ? QStringLiteral("Tarnbeck") : title;
}

} // namespace

void QtDialogs::message(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(toQt(icon), titleOr(title), text, QMessageBox::Ok, m_parent);
    box.exec();
}

Answer QtDialogs::ask(const QString& text, const QString& title, MessageButtons buttons, MessageIcon icon)
{
    QMessageBox::StandardButtons qtButtons;
    switch (buttons) {
    case MessageButtons::Ok: qtButtons = QMessageBox::Ok; break;
    case MessageButtons::OkCancel: qtButtons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo: qtButtons = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::YesNoCancel: qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MessageButtons::RetryCancel: qtButtons = QMessageBox::Retry | QMessageBox::Cancel; break;
    }
    QMessageBox box(toQt(icon), titleOr(title), text, qtButtons, m_parent);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, titleOr(title), prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

void QtDialogs::beep() { QApplication::beep(); }
