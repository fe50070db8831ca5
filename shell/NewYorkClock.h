#pragma once

#include <QString>

// The New York clock of the status strip: "  New York Time " + the time + six spaces,
// the time being NewYorkTime(daylight) read back and shown as "h:mm:ss AMPM"
// ("  New York Time 10:30:00 AM      ").
QString newYorkClockText(bool daylight);
