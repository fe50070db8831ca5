#include "HistoryParser.h"

#include "PriceFile.h"
#include "QuoteIndex.h"
#include "QuoteParser.h"

#include <QCoreApplication>

int ParseHistory(const QString& reply, int tReqN, const QString& ticker)
{
    Q_UNUSED(tReqN);
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    HistoryReply read = readHistoryReply(reply);
    if (read.noData)
        MarkNoData(ticker);
    if (read.bars.isEmpty())
        return read.result;
    if (!StoreHistory(ticker, read.bars))
        return ParseResult::Unusable;
    return read.result;
}
