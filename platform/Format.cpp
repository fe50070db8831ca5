#include "Format.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

struct NumberToken {
    enum Kind { Zero, Hash, Point, Comma, Literal } kind;
    QString text;
    bool isDigit() const { return kind == Zero || kind == Hash; }
};

// Splits a pattern at the ";" that are neither escaped nor quoted.
QStringList splitSections(const QString& pattern)
{
    QStringList sections;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\\' && !quoted && i + 1 < pattern.size()) {
            current += c;
            current += pattern[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            current += c;
        } else if (c == u';' && !quoted) {
            sections << current;
            current.clear();
        } else {
            current += c;
        }
    }
    sections << current;
    return sections;
}

QList<NumberToken> tokenizeNumber(const QString& section)
{
    QList<NumberToken> tokens;
    bool seenPoint = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'\\') {
            if (i + 1 < section.size())
                tokens.append(NumberToken{NumberToken::Literal, QString(section[++i])});
        } else if (c == u'"') {
            const qsizetype end = section.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? section.size() : end;
            tokens.append(NumberToken{NumberToken::Literal, section.mid(i + 1, stop - i - 1)});
            i = stop;
        } else if (c == u'0') {
            tokens.append(NumberToken{NumberToken::Zero, {}});
        } else if (c == u'#') {
            tokens.append(NumberToken{NumberToken::Hash, {}});
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            tokens.append(NumberToken{NumberToken::Point, {}});
        } else if (c == u',') {
            tokens.append(NumberToken{NumberToken::Comma, {}});
        } else {
            tokens.append(NumberToken{NumberToken::Literal, QString(c)});
        }
    }
    return tokens;
}

// |value| scaled by 10^-exponentShift and rounded to `decimals` decimals, halves away
// from zero, on its 15-significant-digit decimal form. `intDigits` has no leading
// zeros (empty for 0); `fracDigits` has exactly `decimals` digits.
void decimalDigits(double value, int exponentShift, int decimals, QString& intDigits,
                   QString& fracDigits)
{
    intDigits.clear();
    fracDigits = QString(decimals, u'0');
    value = std::fabs(value);
    if (value == 0)
        return;
    const QString e = QString::number(value, 'e', 14); // d.ddddddddddddddde+XX
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.left(1) + e.mid(2, ePos - 2);
    const int exponent = e.mid(ePos + 1).toInt() - exponentShift;
    int pointPos = exponent + 1; // digits before the decimal point
    if (pointPos <= 0) {
        digits.prepend(QString(-pointPos, u'0'));
        pointPos = 0;
    } else if (pointPos > digits.size()) {
        digits.append(QString(pointPos - digits.size(), u'0'));
    }
    QString all = digits.left(pointPos + decimals);
    if (all.size() < pointPos + decimals)
        all.append(QString(pointPos + decimals - all.size(), u'0'));
    const bool roundUp = pointPos + decimals < digits.size() && digits[pointPos + decimals] >= u'5';
    if (roundUp) {
        qsizetype i = all.size() - 1;
        for (; i >= 0; --i) {
            if (all[i] == u'9') {
                all[i] = u'0';
            } else {
                all[i] = QChar(all[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            all.prepend(u'1');
            ++pointPos;
        }
    }
    intDigits = all.left(pointPos);
    fracDigits = all.mid(pointPos);
    qsizetype lead = 0;
    while (lead < intDigits.size() && intDigits[lead] == u'0')
        ++lead;
    intDigits = intDigits.mid(lead);
}

// Formats |value| with one section; `negative` puts "-" in front unless it rounds to 0.
QString formatSection(double value, const QString& section, bool negative)
{
    QList<NumberToken> tokens = tokenizeNumber(section);
    qsizetype pointAt = -1;
    for (qsizetype i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind == NumberToken::Point)
            pointAt = i;
    const qsizetype intEnd = pointAt < 0 ? tokens.size() : pointAt;

    int intPlaceholders = 0, fracPlaceholders = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i)
        if (tokens[i].isDigit())
            (i < intEnd ? intPlaceholders : fracPlaceholders) += 1;
    if (intPlaceholders + fracPlaceholders == 0) {
        QString literal;
        for (const NumberToken& t : tokens)
            literal += t.kind == NumberToken::Literal ? t.text : t.kind == NumberToken::Point ? QStringLiteral(".") : QStringLiteral(",");
        return literal;
    }

    // Integer part: grouping commas stand between placeholders; commas after the last
    // integer placeholder scale by 1000 each.
    qsizetype firstDigit = -1, lastDigit = -1, firstZero = -1;
    for (qsizetype i = 0; i < intEnd; ++i) {
        if (!tokens[i].isDigit())
            continue;
        if (firstDigit < 0)
            firstDigit = i;
        lastDigit = i;
        if (firstZero < 0 && tokens[i].kind == NumberToken::Zero)
            firstZero = i;
    }
    bool grouping = false;
    int scaleCommas = 0;
    for (qsizetype i = 0; i < intEnd; ++i) {
        if (tokens[i].kind != NumberToken::Comma)
            continue;
        if (firstDigit >= 0 && i > firstDigit && i < lastDigit)
            grouping = true;
        else if (lastDigit >= 0 && i > lastDigit)
            ++scaleCommas;
    }
    int minInt = 0;
    if (firstZero >= 0)
        for (qsizetype i = firstZero; i < intEnd; ++i)
            minInt += tokens[i].isDigit() ? 1 : 0;
    if (intPlaceholders == 0) {
        tokens.insert(intEnd, NumberToken{NumberToken::Hash, {}});
        firstDigit = intEnd;
        ++pointAt;
    }

    QString intDigits, fracDigits;
    decimalDigits(value, 3 * scaleCommas, fracPlaceholders, intDigits, fracDigits);
    if (intDigits.size() < minInt)
        intDigits.prepend(QString(minInt - intDigits.size(), u'0'));

    // Integer placeholders take digits from the right; the leftmost takes the rest.
    QString intText;
    qsizetype used = 0; // digits placed so far, counted from the right
    const qsizetype intStop = pointAt < 0 ? tokens.size() : pointAt;
    auto placeDigit = [&](QChar d) {
        if (grouping && used > 0 && used % 3 == 0)
            intText.prepend(u',');
        intText.prepend(d);
        ++used;
    };
    for (qsizetype i = intStop - 1; i >= 0; --i) {
        const NumberToken& t = tokens[i];
        if (t.kind == NumberToken::Literal) {
            intText.prepend(t.text);
        } else if (t.isDigit()) {
            if (i == firstDigit) {
                while (used < intDigits.size())
                    placeDigit(intDigits[intDigits.size() - 1 - used]);
            } else if (used < intDigits.size()) {
                placeDigit(intDigits[intDigits.size() - 1 - used]);
            }
        }
    }

    QString fracText;
    if (pointAt >= 0) {
        fracText = QStringLiteral(".");
        qsizetype lastSignificant = fracDigits.size() - 1;
        while (lastSignificant >= 0 && fracDigits[lastSignificant] == u'0')
            --lastSignificant;
        int j = 0;
        for (qsizetype i = pointAt + 1; i < tokens.size(); ++i) {
            const NumberToken& t = tokens[i];
            if (t.kind == NumberToken::Literal)
                fracText += t.text;
            else if (t.kind == NumberToken::Comma)
                fracText += u',';
            else if (t.isDigit()) {
                if (t.kind == NumberToken::Zero || j <= lastSignificant)
                    fracText += fracDigits[j];
                ++j;
            }
        }
    }

    const auto nonZero = [](QChar c) { return c != u'0'; };
    const bool zero = std::none_of(intDigits.begin(), intDigits.end(), nonZero)
        && std::none_of(fracDigits.begin(), fracDigits.end(), nonZero);
    return (negative && !zero ? QStringLiteral("-") : QString()) + intText + fracText;
}

} // namespace

QString formatNumber(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return {};
    if (pattern.isEmpty())
        return doubleText(value);
    const QStringList sections = splitSections(pattern);
    if (value < 0 && sections.size() >= 2 && !sections[1].isEmpty())
        return formatSection(value, sections[1], false);
    if (value == 0 && sections.size() >= 3 && !sections[2].isEmpty())
        return formatSection(value, sections[2], false);
    return formatSection(value, sections[0], value < 0);
}
