#include "HistoryParser.h"

#include "PriceFile.h"
#include "QuoteIndex.h"
#include "QuoteParser.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

int storeReply(const QString& reply, const QString& ticker, int firstDay, int lastDay)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    HistoryReply read = readHistoryReply(reply);
    if (read.noData)
        MarkNoData(ticker);
    if (read.bars.isEmpty())
        return read.result;
    const bool answered = std::any_of(read.bars.cbegin(), read.bars.cend(), [&](const DailyBar& b) {
        return b.Date >= firstDay && b.Date <= lastDay;
    });
    if (!answered) {
        MarkNoData(ticker);
        return ParseResult::Nothing;
    }
    if (!StoreHistory(ticker, read.bars))
        return ParseResult::Unusable;
    return read.result;
}

} // namespace

int ParseHistory(const QString& reply, int tReqN, const QString& ticker)
{
    Q_UNUSED(tReqN);
    return storeReply(reply, ticker, 0, 99999999);
}

int ParseHistory(const QString& reply, int tReqN, const QString& ticker, int firstDay, int lastDay)
{
    Q_UNUSED(tReqN);
    return storeReply(reply, ticker, firstDay, lastDay);
}
