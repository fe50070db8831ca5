#include "PriceFile.h"

#include "Dialogs.h"
#include "Dates.h"
#include "PriceFileInternal.h"
#include "QuoteIndex.h"
#include "QuoteRecord.h"
#include "RecordFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Writes `bar` into slot 0 of `path`, creating the file when missing. On failure
// the file is put back as it was (removed again when this call created it).
bool writeFirstSlot(const QString& path, const DailyBar& bar)
{
    const QFileInfo before(path);
    const bool existed = before.isFile();
    const qint64 oldSize = existed ? before.size() : 0;
    auto file = OpenPriceFile(path);
    if (!file) {
        dialogs().message(pricefile::ioFailureMessage(path, QStringLiteral("cannot open the file")));
        return false;
    }
    if (file->write(kFirstSlotRecord, encodeBar(bar)) && file->flush()) {
        file->close();
        return true;
    }
    const QString error = file->errorString();
    file->close();
    if (existed)
        QFile::resize(path, oldSize);
    else
        pricefile::removeFile(path);
    dialogs().message(pricefile::ioFailureMessage(path, error));
    return false;
}

} // namespace

bool StoreHistory(const QString& symbol, QVector<DailyBar> bars)
{
    const QString ticker = symbol.trimmed();
    if (!checkSymbol(ticker).isEmpty()) {
        dialogs().message(refusedSymbolMessage(ticker));
        return false;
    }
    if (bars.isEmpty())
        return true;
    for (DailyBar& bar : bars) {
        if (!isValidBarDate(bar.Date)) {
            dialogs().message(QStringLiteral("%1: the bar date %2 is not a date; no bar was stored.")
                                  .arg(ticker).arg(bar.Date));
            return false;
        }
        bar.Status = BarStatus::Final;
    }
    const QString path = MakePriceFileName(ticker);
    if (path.isEmpty())
        return false;

    PriceFileInfo info = GetFileInfo(ticker);
    qsizetype next = 0;
    if (info.Error.isEmpty() && info.Count < 1) {
        if (!writeFirstSlot(path, bars.first()))
            return false;
        info = GetFileInfo(ticker);
        next = 1;
    }
    if (!info.Error.isEmpty()) {
        dialogs().message(pricefile::ioFailureMessage(path, info.Error));
        return false;
    }
    for (; next < bars.size(); ++next) {
        const MergeResult result = MergeBar(info, bars.at(next));
        if (result == MergeResult::Failed || result == MergeResult::Deleted) {
            ClosePriceFile(info);
            return false;
        }
    }
    ClosePriceFile(info);
    return WriteHeader(path);
}

bool StoreQuoteBar(QuoteRecord& quote)
{
    quote.Ticker = quote.Ticker.trimmed();
    const QString ticker = quote.Ticker;
    if (!checkSymbol(ticker).isEmpty()) {
        dialogs().message(refusedSymbolMessage(ticker));
        return false;
    }
    if (quote.LastTraded <= 0)
        return false;
    DailyBar bar;
    bar.Date = DateToJulian(quote.LastTraded);
    bar.Open = quote.Open;
    bar.High = quote.High;
    bar.Low = quote.Low;
    bar.Close = quote.LastPrice;
    bar.Volume = quote.Volume;
    bar.Status = BarStatus::Provisional;
    if (!isValidBarDate(bar.Date))
        return false;

    PriceFileInfo info = GetFileInfo(ticker);
    if (!info.Error.isEmpty()) {
        dialogs().message(pricefile::ioFailureMessage(info.Path, info.Error));
        return false;
    }
    if (!info.FileNumber) {
        const QString path = MakePriceFileName(ticker);
        return !path.isEmpty() && writeFirstSlot(path, bar);
    }
    const MergeResult result = MergeBar(info, bar);
    ClosePriceFile(info);
    return result == MergeResult::Stored || result == MergeResult::Kept;
}

bool DeleteSymbolData(const QString& symbol)
{
    const QString ticker = symbol.trimmed();
    if (ticker.isEmpty())
        return false;
    ResetQuote(ticker);
    // A symbol that cannot have a price file has only its quote record to forget.
    const QString path = PriceFileName(ticker);
    if (path.isEmpty())
        return true;
    pricefile::cancelRequestsFor(ticker);
    QString error;
    if (!pricefile::removeFile(path, &error)) {
        dialogs().message(QStringLiteral("Cannot delete %1: %2").arg(path, error));
        return false;
    }
    return true;
}
