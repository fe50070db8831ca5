#include "Format.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

bool isTextPattern(const QString& pattern)
{
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\\')
            ++i;
        else if (c == u'@' || c == u'&' || c == u'!' || c == u'<' || c == u'>')
            return true;
    }
    return false;
}

struct TextToken {
    enum Kind { Char, Optional, Literal } kind; // Char "@", Optional "&"
    QString text;
};

QString shortText(double value, int digits)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'G', digits);
}

// Whole-number value of the digits from `i` in base `base`, read as a 16-bit signed
// value up to 0xFFFF and as a 32-bit signed value above; false beyond 32 bits.
bool radixValue(const QString& s, qsizetype i, int base, double& out)
{
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].toLower().unicode();
        const int d = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10 : 99;
        if (d >= base)
            break;
        v = v * base + d;
        if (v > 0xFFFFFFFFull)
            return false;
    }
    if (v <= 0xFFFF)
        out = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    else
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
}

} // namespace

QString formatText(const QString& text, const QString& pattern)
{
    QList<TextToken> tokens;
    bool leftToRight = false;
    int caseMode = 0; // -1 lower, 1 upper
    int placeholders = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\\') {
            if (i + 1 < pattern.size())
                tokens.append(TextToken{TextToken::Literal, QString(pattern[++i])});
        } else if (c == u'"') {
            const qsizetype end = pattern.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            tokens.append(TextToken{TextToken::Literal, pattern.mid(i + 1, stop - i - 1)});
            i = stop;
        } else if (c == u'@' || c == u'&') {
            tokens.append(TextToken{c == u'@' ? TextToken::Char : TextToken::Optional, {}});
            ++placeholders;
        } else if (c == u'!') {
            leftToRight = true;
        } else if (c == u'<') {
            caseMode = -1;
        } else if (c == u'>') {
            caseMode = 1;
        } else {
            tokens.append(TextToken{TextToken::Literal, QString(c)});
        }
    }
    const QString t = caseMode < 0 ? text.toLower() : caseMode > 0 ? text.toUpper() : text;

    QString out;
    if (placeholders == 0) {
        for (const TextToken& tok : tokens)
            out += tok.text;
        return out + t;
    }
    // Character k of the text goes to placeholder k + shift.
    const qsizetype shift = leftToRight ? 0 : placeholders - t.size();
    int p = 0;
    for (const TextToken& tok : tokens) {
        if (tok.kind == TextToken::Literal) {
            out += tok.text;
            continue;
        }
        if (!leftToRight && p == 0 && shift < 0)
            out += t.left(-shift);
        const qsizetype k = p - shift;
        if (k >= 0 && k < t.size())
            out += t[k];
        else if (tok.kind == TextToken::Char)
            out += u' ';
        if (leftToRight && p == placeholders - 1 && t.size() > placeholders)
            out += t.mid(placeholders);
        ++p;
    }
    return out;
}

QString formatString(const QString& text, const QString& pattern)
{
    if (pattern.isEmpty())
        return text;
    if (isTextPattern(pattern))
        return formatText(text, pattern);
    QString plain = text.trimmed();
    plain.remove(u',');
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    return ok && std::isfinite(value) ? formatNumber(value, pattern) : text;
}

QString singleText(float value)
{
    return shortText(static_cast<double>(value), 7);
}

QString doubleText(double value)
{
    return shortText(value, 15);
}

double textValue(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar r = s[1].toUpper();
        double v = 0;
        if (r == u'H')
            return radixValue(s, 2, 16, v) ? v : 0;
        if (r == u'O')
            return radixValue(s, 2, 8, v) ? v : 0;
        return 0;
    }

    std::string n;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        n += s[i++] == u'-' ? "-" : "";
    int mantissaDigits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= u'0' && s[i] <= u'9') {
            n += char(s[i].unicode());
            ++mantissaDigits;
        } else if (s[i] == u'.' && !point) {
            n += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && QStringLiteral("eEdD").contains(s[i])) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            e += char(s[j++].unicode());
        const qsizetype digitsStart = j;
        while (j < s.size() && s[j] >= u'0' && s[j] <= u'9')
            e += char(s[j++].unicode());
        if (j > digitsStart)
            n += e;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
    if (ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double f = std::floor(value);
    const double diff = value - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

double roundHalfEven(double value, int decimals)
{
    if (decimals >= 0) {
        const double scale = std::pow(10.0, decimals);
        return roundHalfEven(value * scale) / scale;
    }
    const double scale = std::pow(10.0, -decimals);
    return roundHalfEven(value / scale) * scale;
}
