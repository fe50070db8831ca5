#include "FrmDo.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

FrmDo::FrmDo(QWidget* owner) : QWidget(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("frmDo"));
    setWindowTitle(QStringLiteral("Winsockversion"));
    setProperty("tag", QStringLiteral("toolbox"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    QPalette grey = m_text->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    m_text->setPalette(grey);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_text);
    resize(460, 240);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &FrmDo::pulse);
    m_timer->start();
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 0, m_pulse.blue));
    setPalette(p);
}

void FrmDo::ShowSocketReport()
{
    m_text->setPlainText(socketReportText(socketLayerFacts()));
    show();
}

QString FrmDo::reportText() const { return m_text->toPlainText(); }

void FrmDo::pulse()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 0, m_pulse.tick()));
    setPalette(p);
}
