#include "DateAxis.h"

#include "Dates.h"
#include "Format.h"

#include <QDateTime>

QDate dateOfJulian(qint32 j)
{
    return j == 0 ? QDate() : fromDateSerial(JulianToDate(j)).date();
}

bool isFirstTradingDay(const QDate& date)
{
    const int dow = date.dayOfWeek();
    if (date.day() == 1)
        return dow <= 5;
    return dow == 1 && (date.day() == 2 || date.day() == 3);
}

QDate nextWeekday(const QDate& date)
{
    const int dow = date.dayOfWeek();
    return date.addDays(dow == 5 ? 3 : dow == 6 ? 2 : 1);
}

QDate previousWeekday(const QDate& date)
{
    const int dow = date.dayOfWeek();
    return date.addDays(dow == 1 ? -3 : dow == 7 ? -2 : -1);
}

namespace {

class DateWalk {
public:
    DateWalk(const ChartView& view, std::vector<DateMark>& marks) : m_view(view), m_marks(marks) {}

    // Visits one slot; `repeat` is set for the right-edge slot on the second walk,
    // whose marks are already listed.
    void visit(int x, const QDate& date, bool repeat)
    {
        if (isFirstTradingDay(date) && !repeat)
            m_marks.push_back({DateMark::Kind::Month, x, date});
        bool dayNumber = false;
        if (date.dayOfWeek() == 1) {
            if (m_view.barSpacing < 4) {
                m_mondayFlag = false;
            } else if (!m_mondayFlag) {
                dayNumber = true;
                m_mondayFlag = true;
            } else {
                m_mondayFlag = false;
            }
        }
        if (m_view.barSpacing > 17)
            dayNumber = true;
        if (dayNumber && !repeat)
            m_marks.push_back({DateMark::Kind::Day, x, date});
    }

private:
    const ChartView& m_view;
    std::vector<DateMark>& m_marks;
    bool m_mondayFlag = false;
};

} // namespace

void layoutDateAxis(const ChartView& view, qint32 rightEdge, std::vector<DateMark>& marks)
{
    marks.clear();
    const QDate edge = dateOfJulian(rightEdge);
    if (!edge.isValid() || view.barSpacing < 1)
        return;
    DateWalk walk(view, marks);
    const int startX = rightSlotX(view);

    QDate d = edge;
    for (int x = startX; x < view.width; x += view.barSpacing) {
        walk.visit(x, d, false);
        d = nextWeekday(d);
    }
    d = edge;
    for (int x = startX; x > -30; x -= view.barSpacing) {
        walk.visit(x, d, x == startX);
        d = previousWeekday(d);
    }
}

QString dateMarkText(const DateMark& mark)
{
    if (mark.kind == DateMark::Kind::Day)
        return QString::number(mark.date.day());
    const QDateTime when(mark.date, QTime(0, 0));
    QString text = formatDateTime(when, QStringLiteral("mmm"));
    if (mark.date.month() == 1)
        text += QLatin1Char(' ') + formatDateTime(when, QStringLiteral("yy"));
    return text;
}
