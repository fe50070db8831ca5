#include "ReplyValues.h"

#include "Format.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>

bool singleValue(const QString& text, float& out)
{
    const double v = textValue(text);
    if (!std::isfinite(v) || std::fabs(v) > double(FLT_MAX)) {
        out = 0;
        return false;
    }
    out = float(v);
    return true;
}

namespace {

int monthOfName(const QString& name)
{
    static const char* const kMonths[] = {"january", "february", "march", "april", "may", "june",
                                          "july", "august", "september", "october", "november", "december"};
    const QString lower = name.toLower();
    if (lower.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const QLatin1String full(kMonths[m]);
        if (full.startsWith(lower))
            return m + 1;
    }
    return 0;
}

int fullYear(const QString& digits)
{
    const int y = digits.toInt();
    if (digits.size() == 2)
        return y < 30 ? 2000 + y : 1900 + y;
    if (digits.size() == 4 && y >= 1000)
        return y;
    return 0;
}

bool readDateOnly(const QString& s, QDate& out)
{
    static const QRegularExpression us(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})-([A-Za-z]{3,9})-(\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    int y = 0, m = 0, d = 0;
    QRegularExpressionMatch match;
    if ((match = us.match(s)).hasMatch()) {
        m = match.captured(1).toInt();
        d = match.captured(2).toInt();
        y = fullYear(match.captured(3));
    } else if ((match = dmy.match(s)).hasMatch()) {
        d = match.captured(1).toInt();
        m = monthOfName(match.captured(2));
        y = fullYear(match.captured(3));
    } else if ((match = iso.match(s)).hasMatch()) {
        y = fullYear(match.captured(1));
        m = match.captured(2).toInt();
        d = match.captured(3).toInt();
    } else {
        return false;
    }
    if (y == 0 || !QDate::isValid(y, m, d))
        return false;
    out = QDate(y, m, d);
    return true;
}

bool readTimeOnly(const QString& s, QTime& out)
{
    static const QRegularExpression time(
        QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*([AaPp][Mm])?$"));
    const QRegularExpressionMatch match = time.match(s);
    if (!match.hasMatch())
        return false;
    int h = match.captured(1).toInt();
    const int m = match.captured(2).toInt();
    const int sec = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString half = match.captured(4).toLower();
    if (!half.isEmpty()) {
        if (h < 1 || h > 12)
            return false;
        h = h % 12 + (half == QLatin1String("pm") ? 12 : 0);
    }
    if (!QTime::isValid(h, m, sec))
        return false;
    out = QTime(h, m, sec);
    return true;
}

} // namespace

ReplyMoment readMoment(const QString& text)
{
    ReplyMoment moment;
    const QString s = text.trimmed();
    if (s.isEmpty() || s.size() > 40)
        return moment;
    if (readDateOnly(s, moment.date)) {
        moment.hasDate = true;
        return moment;
    }
    if (readTimeOnly(s, moment.time)) {
        moment.hasTime = true;
        return moment;
    }
    const qsizetype gap = s.indexOf(QLatin1Char(' '));
    if (gap > 0 && readDateOnly(s.left(gap), moment.date) && readTimeOnly(s.mid(gap + 1).trimmed(), moment.time)) {
        moment.hasDate = true;
        moment.hasTime = true;
        return moment;
    }
    moment.date = QDate();
    moment.time = QTime();
    return moment;
}

bool readDate(const QString& text, QDate& out)
{
    const ReplyMoment moment = readMoment(text);
    if (!moment.hasDate)
        return false;
    out = moment.date;
    return true;
}

bool readTime(const QString& text, QTime& out)
{
    const ReplyMoment moment = readMoment(text);
    if (!moment.hasTime || moment.hasDate)
        return false;
    out = moment.time;
    return true;
}
