#pragma once

#include <QDateTime>

// The program's one source of "now". Windows and logic read the time only through
// appClock(), so tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    // The machine's UTC time.
    virtual QDateTime nowUtc() const = 0;
    // The machine's local time (what the user's own clock shows).
    virtual QDateTime nowLocal() const = 0;
};

// Reads the operating system's clock.
class SystemClock final : public Clock {
public:
    QDateTime nowUtc() const override;
    QDateTime nowLocal() const override;
};

// A clock that stands still at a time the test sets. Local time is UTC moved by a
// fixed offset (0 unless set), so results never depend on the machine's time zone.
class SettableClock final : public Clock {
public:
    explicit SettableClock(const QDateTime& utc = QDateTime(QDate(2004, 3, 15), QTime(15, 30), Qt::UTC));
    void setUtc(const QDateTime& utc);
    void setLocalOffsetSeconds(int seconds);
    void advanceSeconds(qint64 seconds);
    QDateTime nowUtc() const override;
    QDateTime nowLocal() const override;

private:
    QDateTime m_utc;
    int m_localOffset = 0;
};

// The clock in use (appClock()); a SystemClock until setClock() installs another.
Clock& appClock();
// Installs `c` (not owned) as the program's clock; nullptr restores the system clock.
void setClock(Clock* c);
