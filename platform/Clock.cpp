#include "Clock.h"

QDateTime SystemClock::nowUtc() const { return QDateTime::currentDateTimeUtc(); }

QDateTime SystemClock::nowLocal() const { return QDateTime::currentDateTime(); }

SettableClock::SettableClock(const QDateTime& utc) : m_utc(utc.toUTC()) {}

void SettableClock::setUtc(const QDateTime& utc) { m_utc = utc.toUTC(); }

void SettableClock::setLocalOffsetSeconds(int seconds) { m_localOffset = seconds; }

void SettableClock::advanceSeconds(qint64 seconds) { m_utc = m_utc.addSecs(seconds); }

QDateTime SettableClock::nowUtc() const { return m_utc; }

QDateTime SettableClock::nowLocal() const
{
    // A local time with no zone attached: the wall-clock reading only.
    QDateTime shifted = m_utc.addSecs(m_localOffset);
    return QDateTime(shifted.date(), shifted.time());
}

namespace {
SystemClock g_systemClock;
Clock* g_clock = &g_systemClock;
}

Clock& appClock() { return *g_clock; }

void setClock(Clock* c) { g_clock = c ? c : &g_systemClock; }
