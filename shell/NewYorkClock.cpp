#include "NewYorkClock.h"

#include "Dates.h"
#include "Format.h"

#include <QDateTime>
#include <QTime>

QString newYorkClockText(bool daylight)
{
    const QString text = NewYorkTime(daylight).trimmed();
    const QTime time = QTime::fromString(text, QStringLiteral("hh:mm:ss AP"));
    const QString shown = time.isValid()
        ? formatDateTime(QDateTime(QDate(1899, 12, 30), time), QStringLiteral("h:mm:ss AMPM"))
        : text;
    return QStringLiteral("  New York Time ") + shown + QStringLiteral("      ");
}
