#pragma once

#include "SocketReport.h"

#include <QWidget>

class QPlainTextEdit;
class QTimer;

// The socket report window "Winsockversion": a grey text box `Text1` on a background
// that pulses in blue (Timer1, every 100 ms). Tagged "toolbox"; owned by the main
// window, so it stays above it.
class FrmDo : public QWidget {
    Q_OBJECT
public:
    explicit FrmDo(QWidget* owner);

    // Builds the report anew and shows it without taking the focus.
    void ShowSocketReport();
    void UnloadMe() { close(); }

    QString reportText() const;
    int blue() const { return m_pulse.blue; }

private:
    void pulse();

    QPlainTextEdit* m_text;
    QTimer* m_timer;
    BluePulse m_pulse;
};
