#include "Format.h"

#include <algorithm>

namespace {

const char* const kMonthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                   "August", "September", "October", "November", "December"};
const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                                 "Saturday"};

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Length of the run of `c` (any case) starting at i.
qsizetype runLength(const QString& p, qsizetype i, QChar c)
{
    qsizetype n = 0;
    while (i + n < p.size() && p[i + n].toLower() == c)
        ++n;
    return n;
}

bool startsAt(const QString& p, qsizetype i, QLatin1StringView word)
{
    return QStringView(p).mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// Weekday number with Sunday = 1.
int weekdayNumber(const QDate& d)
{
    return d.dayOfWeek() % 7 + 1;
}

class DateFormatter {
public:
    DateFormatter(const QDate& date, const QTime& time, const QString& pattern)
        : m_date(date), m_time(time), m_p(pattern)
    {
        for (qsizetype i = 0; i < m_p.size(); ++i) {
            if (m_p[i] == u'\\')
                ++i;
            else if (startsAt(m_p, i, QLatin1StringView("AMPM")) || startsAt(m_p, i, QLatin1StringView("AM/PM"))
                     || startsAt(m_p, i, QLatin1StringView("A/P")))
                m_twelveHour = true;
        }
    }

    QString run()
    {
        QString out;
        bool afterHour = false; // an hour token, then at most ":" since
        for (qsizetype i = 0; i < m_p.size();) {
            const QChar c = m_p[i];
            const QChar lc = c.toLower();
            bool hour = false;
            if (c == u'\\') {
                if (i + 1 < m_p.size())
                    out += m_p[i + 1];
                i += 2;
            } else if (c == u'"') {
                const qsizetype end = m_p.indexOf(u'"', i + 1);
                const qsizetype stop = end < 0 ? m_p.size() : end;
                out += m_p.mid(i + 1, stop - i - 1);
                i = stop + 1;
            } else if (startsAt(m_p, i, QLatin1StringView("AMPM"))) {
                out += amPm(QStringLiteral("AM"), QStringLiteral("PM"));
                i += 4;
            } else if (startsAt(m_p, i, QLatin1StringView("AM/PM"))) {
                const bool lower = c == u'a';
                out += amPm(lower ? QStringLiteral("am") : QStringLiteral("AM"), lower ? QStringLiteral("pm") : QStringLiteral("PM"));
                i += 5;
            } else if (startsAt(m_p, i, QLatin1StringView("A/P"))) {
                const bool lower = c == u'a';
                out += amPm(lower ? QStringLiteral("a") : QStringLiteral("A"), lower ? QStringLiteral("p") : QStringLiteral("P"));
                i += 3;
            } else if (lc == u'y') {
                const qsizetype n = runLength(m_p, i, lc);
                const qsizetype used = n >= 4 ? 4 : n >= 2 ? 2 : 1;
                out += used == 4 ? QStringLiteral("%1").arg(m_date.year(), 4, 10, QLatin1Char('0'))
                    : used == 2  ? twoDigits(m_date.year() % 100)
                                 : QString::number(m_date.dayOfYear());
                i += used;
            } else if (lc == u'm') {
                const qsizetype n = runLength(m_p, i, lc);
                const qsizetype used = std::min<qsizetype>(n, 4);
                if (used <= 2 && afterHour)
                    out += used == 2 ? twoDigits(m_time.minute()) : QString::number(m_time.minute());
                else
                    out += used == 4 ? QString::fromLatin1(kMonthNames[m_date.month() - 1])
                        : used == 3  ? QString::fromLatin1(kMonthNames[m_date.month() - 1]).left(3)
                        : used == 2  ? twoDigits(m_date.month())
                                     : QString::number(m_date.month());
                i += used;
            } else if (lc == u'd') {
                const qsizetype n = runLength(m_p, i, lc);
                const qsizetype used = std::min<qsizetype>(n, 6);
                const QString day = QString::fromLatin1(kDayNames[weekdayNumber(m_date) - 1]);
                out += used == 6 ? longDate()
                    : used == 5  ? shortDate()
                    : used == 4  ? day
                    : used == 3  ? day.left(3)
                    : used == 2  ? twoDigits(m_date.day())
                                 : QString::number(m_date.day());
                i += used;
            } else if (lc == u'h' || lc == u'n' || lc == u's') {
                const qsizetype used = std::min<qsizetype>(runLength(m_p, i, lc), 2);
                const int v = lc == u'h' ? hourValue() : lc == u'n' ? m_time.minute() : m_time.second();
                out += used == 2 ? twoDigits(v) : QString::number(v);
                hour = lc == u'h';
                i += used;
            } else if (lc == u'q') {
                out += QString::number((m_date.month() - 1) / 3 + 1);
                ++i;
            } else if (lc == u'w') {
                const bool week = runLength(m_p, i, lc) >= 2;
                out += QString::number(week ? weekOfYear() : weekdayNumber(m_date));
                i += week ? 2 : 1;
            } else if (lc == u'c') {
                out += generalDate();
                ++i;
            } else {
                out += c;
                ++i;
                if (c == u':' && afterHour)
                    continue;
            }
            afterHour = hour;
        }
        return out;
    }

private:
    int hourValue() const
    {
        const int h = m_time.hour();
        if (!m_twelveHour)
            return h;
        return h % 12 == 0 ? 12 : h % 12;
    }
    QString amPm(const QString& am, const QString& pm) const { return m_time.hour() < 12 ? am : pm; }
    int weekOfYear() const
    {
        const int jan1 = weekdayNumber(QDate(m_date.year(), 1, 1)) - 1;
        return (m_date.dayOfYear() - 1 + jan1) / 7 + 1;
    }
    QString shortDate() const
    {
        return QStringLiteral("%1/%2/%3").arg(m_date.month()).arg(m_date.day()).arg(m_date.year());
    }
    QString longDate() const
    {
        return QStringLiteral("%1, %2 %3, %4")
            .arg(QString::fromLatin1(kDayNames[weekdayNumber(m_date) - 1]),
                 QString::fromLatin1(kMonthNames[m_date.month() - 1]))
            .arg(m_date.day())
            .arg(m_date.year());
    }
    QString generalDate() const
    {
        const int h = m_time.hour() % 12 == 0 ? 12 : m_time.hour() % 12;
        const QString time = QStringLiteral("%1:%2:%3 %4")
                                 .arg(h)
                                 .arg(twoDigits(m_time.minute()), twoDigits(m_time.second()),
                                      m_time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
        if (m_date == QDate(1899, 12, 30))
            return time;
        if (m_time == QTime(0, 0))
            return shortDate();
        return shortDate() + u' ' + time;
    }

    QDate m_date;
    QTime m_time;
    const QString& m_p;
    bool m_twelveHour = false;
};

} // namespace

QString formatDateTime(const QDateTime& dateTime, const QString& pattern)
{
    if (!dateTime.isValid())
        return {};
    return DateFormatter(dateTime.date(), dateTime.time(), pattern).run();
}

QString formatDate(const QDate& date, const QString& pattern)
{
    if (!date.isValid())
        return {};
    return DateFormatter(date, QTime(0, 0), pattern).run();
}
