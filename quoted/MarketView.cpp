#include "MarketView.h"

#include <algorithm>
#include <cmath>

SymbolView::SymbolView(const SymbolHistory& history, bool replay, const MarketTime& now)
    : m_history(history), m_rows(history.rows), m_now(now)
{
    if (replay && !m_rows.isEmpty()) {
        m_plan = planReplay(m_rows, now.date);
    } else {
        m_plan.historyEnd = int(m_rows.size());
    }
    m_todayStarted = m_plan.todayRow >= 0 && now.seconds >= kSessionOpen;
    m_todayComplete = m_plan.todayRow >= 0 && now.seconds >= kSessionClose;
}

void SymbolView::completeDaysBetween(qint64 from, qint64 to, QVector<PriceRow>& out) const
{
    if (m_todayComplete) {
        const qint64 today = m_now.date.toJulianDay();
        if (today >= from && today <= to) {
            PriceRow row = m_rows[m_plan.todayRow];
            row.day = int(today);
            out.append(row);
        }
    }
    const auto begin = m_rows.cbegin();
    const auto end = begin + m_plan.historyEnd;
    const auto byDay = [](const PriceRow& r, qint64 day) { return r.day < day; };
    const auto first = std::lower_bound(begin, end, from - m_plan.shiftDays, byDay);
    auto it = std::lower_bound(first, end, to - m_plan.shiftDays + 1, byDay);
    while (it != first) {
        --it;
        PriceRow row = *it;
        row.day += m_plan.shiftDays;
        out.append(row);
    }
}

QVector<PriceRow> SymbolView::rowsBetween(const QDate& from, const QDate& to) const
{
    QVector<PriceRow> out;
    if (from.isValid() && to.isValid() && from <= to)
        completeDaysBetween(from.toJulianDay(), to.toJulianDay(), out);
    return out;
}

QuoteSnapshot SymbolView::quote() const
{
    QuoteSnapshot q;
    int lastComplete = m_plan.historyEnd - 1;
    if (m_todayStarted) {
        const IntradayBar bar = intradayBar(m_rows[m_plan.todayRow], m_now.seconds);
        q.traded = true;
        q.date = m_now.date;
        q.time = m_todayComplete ? QTime(16, 0) : QTime(0, 0).addSecs(m_now.seconds / 60 * 60);
        q.open = bar.open;
        q.high = bar.high;
        q.low = bar.low;
        q.last = bar.last;
        q.volume = bar.volume;
        q.previousClose = lastComplete >= 0 ? m_rows[lastComplete].close : 0;
    } else if (lastComplete >= 0) {
        const PriceRow& row = m_rows[lastComplete];
        q.traded = true;
        q.date = QDate::fromJulianDay(servedDay(lastComplete));
        q.time = QTime(16, 0);
        q.open = row.open;
        q.high = row.high;
        q.low = row.low;
        q.last = row.close;
        q.volume = row.volume;
        q.previousClose = lastComplete >= 1 ? m_rows[lastComplete - 1].close : 0;
    }
    if (!q.traded)
        return q;

    // The year's range and the three months' volume, counted over the served days
    // up to the quote's day; a day still trading adds its range but not its volume.
    QVector<PriceRow> year;
    completeDaysBetween(q.date.addYears(-1).toJulianDay() + 1, q.date.toJulianDay(), year);
    q.yearHigh = q.high;
    q.yearLow = q.low;
    const qint64 monthsStart = q.date.addMonths(-3).toJulianDay();
    qint64 volumeSum = 0;
    int volumeDays = 0;
    for (const PriceRow& row : std::as_const(year)) {
        q.yearHigh = std::max(q.yearHigh, row.high);
        q.yearLow = std::min(q.yearLow, row.low);
        if (row.day > monthsStart) {
            volumeSum += row.volume;
            ++volumeDays;
        }
    }
    q.averageVolume = volumeDays > 0 ? std::llround(double(volumeSum) / volumeDays) : 0;

    const double cap = m_history.info.marketCapMillions;
    if (cap > 0 && m_rows.last().close > 0)
        q.sharesOutstanding = std::round(cap * 1.0e3 / m_rows.last().close) * 1000.0;
    return q;
}
