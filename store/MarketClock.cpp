#include "Dates.h"

#include "Clock.h"
#include "Format.h"

// The clock texts the main window shows; kept apart from the date arithmetic so that
// programs using only the dates do not need the formatting module.

namespace {
const QString kTimePattern = QStringLiteral("hh:mm:ss AMPM");
}

QString UtcTimeText() { return formatDateTime(appClock().nowUtc(), kTimePattern); }

QString NewYorkTime(bool daylight)
{
    const int hours = daylight ? -4 : -5;
    return formatDateTime(appClock().nowUtc().addSecs(hours * 3600), kTimePattern);
}
