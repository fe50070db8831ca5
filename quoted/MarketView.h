#pragma once

#include "MarketFolder.h"
#include "MarketTime.h"
#include "Replay.h"

#include <QDate>
#include <QTime>
#include <QVector>

// A symbol's quote as the service gives it at one moment.
struct QuoteSnapshot {
    bool traded = false;   // false: the symbol has no trade to show; every value is unknown
    QDate date;            // day of the last trade
    QTime time;            // time of the last trade, New York time; 16:00 for a closed day
    double open = 0;
    double high = 0;
    double low = 0;
    double last = 0;
    qint64 volume = 0;
    double previousClose = 0;   // 0 when the day before is not known
    double yearHigh = 0;        // over the year up to `date`, today's trading included
    double yearLow = 0;
    qint64 averageVolume = 0;   // average daily volume of the three months up to `date`
    double sharesOutstanding = 0;   // listed capitalisation / the file's last close, to a thousand; 0 unknown
};

// One symbol as the service presents it at one moment: as stored, or replayed so that
// its history ends on the last weekday before today and today's bar trades through the
// New York session (see Replay.h). The served history holds complete days only: today's
// bar joins it when the session has closed.
class SymbolView {
public:
    SymbolView(const SymbolHistory& history, bool replay, const MarketTime& now);

    // Served days from `from` to `to` (both included), newest first, dated as served.
    QVector<PriceRow> rowsBetween(const QDate& from, const QDate& to) const;
    QuoteSnapshot quote() const;

private:
    int servedDay(int row) const { return m_rows[row].day + m_plan.shiftDays; }
    void completeDaysBetween(qint64 from, qint64 to, QVector<PriceRow>& out) const;

    const SymbolHistory& m_history;
    const QVector<PriceRow>& m_rows;
    ReplayPlan m_plan;
    MarketTime m_now;
    bool m_todayStarted = false;    // today's bar exists and the session has opened
    bool m_todayComplete = false;   // ... and closed
};
