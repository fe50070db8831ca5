#include "TextTokens.h"

#include "Format.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

// A double as a single, infinite when it lies beyond the single range.
float toSingle(double v)
{
    if (std::fabs(v) > double(FLT_MAX))
        return v < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return float(v);
}

} // namespace

QString BeforeFirst(const QString& s, const QString& d)
{
    const qsizetype at = s.indexOf(d);
    return at < 0 ? QString() : s.left(at);
}

QString AfterFirst(const QString& s, const QString& d)
{
    const qsizetype at = s.indexOf(d);
    return at < 0 ? QString() : s.mid(at + d.size());
}

QString TakeToken(QString& s, const QString& d)
{
    const QString t = BeforeFirst(s, d);
    if (t.isEmpty())
        return QString();
    s = AfterFirst(s, d);
    return t;
}

QString RemoveAll(const QString& s, QChar c)
{
    QString out = s;
    out.remove(c);
    return out;
}

QString ReadToken(const QString& buffer, const QString& d, int& pos, int limit, QString& eol)
{
    pos += 1;
    const int start = pos;                 // 1-based position of the field's first character
    const qsizetype from = start - 1;      // the same, 0-based
    if (from < 0 || from > buffer.size() || d.isEmpty())
        return QString::fromLatin1(kEndOfSearch);

    // A delimiter whose last character lies more than `limit` characters after the start
    // cannot end a field, so the search stops there.
    const qsizetype window = qMin<qsizetype>(buffer.size() - from, qsizetype(limit) + d.size());
    const QStringView reach = QStringView(buffer).mid(from, window);
    const qsizetype found = reach.indexOf(d);

    if (found < 0) {
        if (eol.isEmpty())
            return QString::fromLatin1(kEndOfSearch);
        const qsizetype lineEnd = reach.indexOf(eol);
        if (lineEnd < 0 || lineEnd > limit)
            return QString::fromLatin1(kEndOfSearch);
        pos = int(from + lineEnd) + 1;
        eol = QString::fromLatin1(kEndOfLine);
        return reach.left(lineEnd).toString();
    }

    const qsizetype p = from + found + 1;  // 1-based position of the delimiter
    const qsizetype end = p + d.size() - 1;
    if (end - start > limit)
        return QString::fromLatin1(kEndOfSearch);
    pos = int(end);
    QString token = buffer.mid(from, end - start);
    if (eol.isEmpty())
        return token;
    const qsizetype lineEnd = token.indexOf(eol);
    if (lineEnd >= 0) {
        token.truncate(lineEnd);
        pos = start + int(lineEnd);
        eol = QString::fromLatin1(kEndOfLine);
    }
    return token;
}

float SuffixValue(const QString& s)
{
    if (s == QLatin1String("N/A"))
        return 0;
    const double v = textValue(s);
    if (v == 0)
        return 0;
    if (s.contains(QLatin1Char('B')))
        return toSingle(v * 1000000000.0);
    if (s.contains(QLatin1Char('M')))
        return toSingle(v * 1000000.0);
    return 0;
}

QString ProperCase(const QString& s)
{
    QString out = s.trimmed().toLower();
    if (out.isEmpty())
        return out;
    out[0] = out[0].toUpper();
    for (qsizetype i = 1; i < out.size(); ++i) {
        const QChar before = out[i - 1];
        if (before == QLatin1Char(' ') || before == QLatin1Char('&') || before == QLatin1Char('-'))
            out[i] = out[i].toUpper();
    }
    return out;
}
