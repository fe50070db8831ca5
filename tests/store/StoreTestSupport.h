#pragma once

#include "Clock.h"
#include "Dates.h"
#include "Dialogs.h"

#include <QDate>

// Installs a scripted dialogs object and a settable clock for one test and restores
// the program's own afterwards.
class ScopedTestEnvironment {
public:
    ScopedTestEnvironment()
    {
        setDialogs(&dialogs);
        setClock(&clock);
    }
    ~ScopedTestEnvironment()
    {
        setDialogs(nullptr);
        setClock(nullptr);
    }
    ScopedTestEnvironment(const ScopedTestEnvironment&) = delete;
    ScopedTestEnvironment& operator=(const ScopedTestEnvironment&) = delete;

    ScriptedDialogs dialogs;
    SettableClock clock;
};

inline DateSerial serialOf(int year, int month, int day) { return toDateSerial(QDate(year, month, day)); }
