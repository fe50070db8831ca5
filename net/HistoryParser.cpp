#include "HistoryParser.h"

#include "QuoteParser.h"
#include "ReplyValues.h"
#include "TextTokens.h"

#include <algorithm>

namespace {

const QString kLf = QStringLiteral("\n");
const QString kComma = QStringLiteral(",");

bool isEndOfSearch(const QString& token) { return token == QLatin1String(kEndOfSearch); }
bool isEndOfLine(const QString& eol) { return eol == QLatin1String(kEndOfLine); }

// The table part of a reply: the body when the reply carries an HTTP head.
QString tableText(const QString& reply)
{
    if (reply.startsWith(QLatin1String("HTTP/"))) {
        const qsizetype blank = reply.indexOf(QLatin1String("\r\n\r\n"));
        if (blank >= 0)
            return reply.mid(blank + 4);
    }
    return reply;
}

// A reply whose last line has no line end was either ended without one or cut short.
// The line is kept, with a line end added, when it holds as many fields as the column
// header; otherwise it is dropped.
void settleLastLine(QString& text)
{
    const qsizetype lastLf = text.lastIndexOf(QLatin1Char('\n'));
    if (lastLf == text.size() - 1)
        return;
    const qsizetype close = text.indexOf(QLatin1String("Close"), 1);
    if (close < 0)
        return;
    const qsizetype headerStart = text.lastIndexOf(QLatin1Char('\n'), close) + 1;
    if (headerStart > lastLf) {
        text += QLatin1Char('\n');   // the header is the last line
        return;
    }
    const qsizetype headerEnd = text.indexOf(QLatin1Char('\n'), close);
    const qsizetype headerFields = QStringView(text).mid(headerStart, headerEnd - headerStart).count(u',') + 1;
    const qsizetype tailFields = QStringView(text).mid(lastLf + 1).count(u',') + 1;
    if (tailFields >= headerFields)
        text += QLatin1Char('\n');
    else
        text.truncate(lastLf + 1);
}

enum class Row { Bar, Skip, Stop };

// Reads the rest of a data line whose date field has been read: open, high, low and
// close, then the volume unless the line ends after the close.
Row readRow(const QString& text, int& pos, DailyBar& bar)
{
    float values[4] = {};
    bool blankPrice = false;
    QString eol;
    for (int i = 0; i < 4; ++i) {
        eol = kLf;
        const QString token = ReadToken(text, kComma, pos, kHistoryReach, eol);
        if (isEndOfSearch(token) || !singleValue(token, values[i]))
            return Row::Stop;
        if (isEndOfLine(eol) && i < 3)
            return Row::Skip;   // the line ended before its close
        blankPrice = blankPrice || token.trimmed().isEmpty();
    }
    bar.Volume = 0;
    if (!isEndOfLine(eol)) {
        eol = kLf;
        const QString rest = ReadToken(text, kLf, pos, kHistoryReach, eol);
        if (isEndOfSearch(rest) || !singleValue(rest, bar.Volume))
            return Row::Stop;
    }
    if (blankPrice)
        return Row::Skip;
    bar.Open = values[0];
    bar.High = values[1];
    bar.Low = values[2];
    bar.Close = values[3];
    bar.Status = BarStatus::Final;
    return Row::Bar;
}

} // namespace

HistoryReply readHistoryReply(const QString& reply)
{
    HistoryReply out;
    if (reply.size() < kShortestHistoryReply) {
        out.result = ParseResult::NoData;
        return out;
    }
    if (reply.contains(QLatin1String("No Prices in this date range"))) {
        out.noData = true;
        out.result = ParseResult::Nothing;
        return out;
    }
    if (reply.contains(QLatin1String("not found on this server"))) {
        out.result = ParseResult::Retry;
        return out;
    }
    if (reply.contains(QLatin1String("No data available for"))) {
        out.noData = true;
        out.result = ParseResult::NoData;
        return out;
    }

    QString text = tableText(reply);
    settleLastLine(text);

    int pos = 1;
    QString none;
    if (isEndOfSearch(ReadToken(text, QStringLiteral("Close"), pos, kHistoryReach, none)))
        return out;
    if (isEndOfSearch(ReadToken(text, kLf, pos, kHistoryReach, none)))
        return out;

    while (out.bars.size() < kHistoryBarLimit) {
        QString eol = kLf;
        const QString dateField = ReadToken(text, kComma, pos, kHistoryReach, eol);
        QDate date;
        if (!readDate(dateField, date))
            break;
        if (isEndOfLine(eol))
            continue;   // a line holding only a date
        DailyBar bar;
        bar.Date = date.year() * 10000 + date.month() * 100 + date.day();
        const Row row = readRow(text, pos, bar);
        if (row == Row::Stop)
            break;
        if (row == Row::Bar)
            out.bars.append(bar);
    }

    std::reverse(out.bars.begin(), out.bars.end());
    std::stable_sort(out.bars.begin(), out.bars.end(),
                     [](const DailyBar& a, const DailyBar& b) { return a.Date < b.Date; });
    out.result = out.bars.isEmpty() ? ParseResult::Unusable : ParseResult::Parsed;
    return out;
}
