#include "PriceFile.h"

#include "Dates.h"
#include "Dialogs.h"
#include "Format.h"
#include "PriceFileInternal.h"
#include "RecordFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QByteArray& emptyRecord()
{
    static const QByteArray zeros(kDailyBarSize, '\0');
    return zeros;
}

// Shows "<path> is corupt...deleting", then closes and deletes the file.
MergeResult deleteCorruptFile(PriceFileInfo& info)
{
    dialogs().message(info.Path + QStringLiteral(" is corupt...deleting"));
    ClosePriceFile(info);
    pricefile::cancelRequestsFor(pricefile::symbolOfPath(info.Path));
    QString error;
    if (!pricefile::removeFile(info.Path, &error))
        dialogs().message(QStringLiteral("Cannot delete %1: %2").arg(info.Path, error));
    return MergeResult::Deleted;
}

MergeResult failed(PriceFileInfo& info, const QString& error)
{
    dialogs().message(pricefile::ioFailureMessage(info.Path, error));
    return MergeResult::Failed;
}

// Writes the bar into slot info.Offset of a slot that exists, by the status rules.
MergeResult mergeInside(PriceFileInfo& info, const DailyBar& bar)
{
    RecordFile& file = *info.FileNumber;
    const qint64 record = info.FirstRecord + info.Offset;
    QByteArray old;
    if (!file.read(record, old))
        return failed(info, file.errorString());
    const qint32 oldStatus = decodeBar(old).Status;
    switch (oldStatus) {
    case BarStatus::Empty:
    case BarStatus::Provisional:
        break;
    case BarStatus::Final:
        if (bar.Status == BarStatus::Provisional)
            return MergeResult::Kept;
        break;
    default:
        dialogs().message(QStringLiteral("dont know how to merge original status = %1").arg(oldStatus));
        return MergeResult::Refused;
    }
    if (!file.write(record, encodeBar(bar)) || !file.flush())
        return failed(info, file.errorString());
    if (info.Offset == info.LastIndex)
        info.LastDate = bar.Date;
    return MergeResult::Stored;
}

// Appends empty slots up to info.Offset and the bar in it. On failure the file is cut
// back to its old length, so it holds exactly what it held before.
MergeResult mergeAfter(PriceFileInfo& info, const DailyBar& bar)
{
    RecordFile& file = *info.FileNumber;
    const qint64 oldSize = file.size();
    const bool ok = FillEmptyBars(info.FirstRecord + info.LastIndex + 1, info.FirstRecord + info.Offset - 1, file)
        && file.write(info.FirstRecord + info.Offset, encodeBar(bar)) && file.flush();
    if (!ok) {
        const QString error = file.errorString();
        ClosePriceFile(info);
        QFile::resize(info.Path, oldSize);
        return failed(info, error);
    }
    const int added = info.Offset - info.Count + 1;
    info.Count += added;
    info.LastIndex += added;
    info.LastDate = bar.Date;
    return MergeResult::Stored;
}

} // namespace

PriceFileInfo GetFileInfo(const QString& symbol)
{
    PriceFileInfo info;
    info.Path = PriceFileName(symbol);
    if (info.Path.isEmpty())
        return info;
    const qint64 length = QFileInfo(info.Path).size();
    info.FirstRecord = kFirstSlotRecord;
    info.LastIndex = int(roundHalfEven(double(length) / kDailyBarSize)) - kFirstSlotRecord;
    info.Count = countBarsForLength(length);
    if (info.Count < 1) {
        info.Count = 0;
        return info;
    }
    info.FileNumber = OpenPriceFile(info.Path);
    if (!info.FileNumber) {
        info.Error = info.Path + QStringLiteral(": cannot open the file");
        return info;
    }

    // Slot 0 holds the anchor; should it be empty, a bar in slot 1 or 2 still fixes it.
    for (int slot = 0; slot < 3 && info.FirstDate == 0; ++slot) {
        QByteArray record;
        if (!info.FileNumber->read(info.FirstRecord + slot, record)) {
            info.Error = info.FileNumber->errorString();
            ClosePriceFile(info);
            return info;
        }
        const qint32 date = decodeBar(record).Date;
        if (date != 0)
            info.FirstDate = slot == 0 ? date : AddWeekdaysJulian(date, -slot);
    }
    if (info.FirstDate == 0) {
        if (priceDebugMessages())
            dialogs().message(symbol.trimmed() + QStringLiteral(":file is corupt..delete it"));
        ClosePriceFile(info);
        info.Damaged = true;
        return info;
    }
    QByteArray last;
    if (!info.FileNumber->read(info.FirstRecord + info.LastIndex, last)) {
        info.Error = info.FileNumber->errorString();
        ClosePriceFile(info);
        return info;
    }
    info.LastDate = decodeBar(last).Date;
    return info;
}

void ClosePriceFile(PriceFileInfo& info)
{
    if (info.FileNumber)
        info.FileNumber->close();
    info.FileNumber.reset();
}

int ClassifyBar(PriceFileInfo& info, qint32 date)
{
    info.Offset = SlotOffset(info.FirstDate, date);
    if (info.Offset < 0)
        return BeforeFirst;
    if (info.Offset > info.LastIndex)
        return AfterLast;
    return InsideFile;
}

MergeResult MergeBar(PriceFileInfo& info, const DailyBar& bar)
{
    if (info.Path.isEmpty())
        return MergeResult::Failed;
    if (info.Damaged || (info.FileNumber && !isValidBarDate(info.FirstDate)))
        return deleteCorruptFile(info);
    if (!info.FileNumber)
        return failed(info, QStringLiteral("the file is not open"));
    if (!isValidBarDate(bar.Date)) {
        dialogs().message(QStringLiteral("%1: the bar date %2 is not a date; the bar was not stored.")
                              .arg(info.Path).arg(bar.Date));
        return MergeResult::Refused;
    }
    switch (ClassifyBar(info, bar.Date)) {
    case BeforeFirst:
        return ShiftBars(info, -info.Offset, bar) ? MergeResult::Stored : MergeResult::Failed;
    case InsideFile:
        return mergeInside(info, bar);
    default:
        return mergeAfter(info, bar);
    }
}

bool ShiftBars(PriceFileInfo& info, int n, const DailyBar& front)
{
    if (!info.FileNumber || n < 1)
        return false;
    if (!info.FileNumber->flush()) {
        failed(info, info.FileNumber->errorString());
        return false;
    }
    QFile old(info.Path);
    if (!old.open(QIODevice::ReadOnly)) {
        failed(info, old.errorString());
        return false;
    }
    const QByteArray bytes = old.readAll();
    if (old.error() != QFileDevice::NoError) {
        failed(info, old.errorString());
        return false;
    }
    old.close();

    // The new file: the old header area, the front bar, n - 1 empty slots, the old slots.
    const qsizetype oldSlotBytes = qsizetype(info.Count) * kDailyBarSize;
    QByteArray image(kHeaderAreaSize + oldSlotBytes + qsizetype(n) * kDailyBarSize, '\0');
    std::memcpy(image.data(), bytes.constData(), std::min<qsizetype>(bytes.size(), kHeaderAreaSize));
    encodeBar(front, image.data() + kHeaderAreaSize);
    if (bytes.size() > kHeaderAreaSize)
        std::memcpy(image.data() + kHeaderAreaSize + qsizetype(n) * kDailyBarSize,
                    bytes.constData() + kHeaderAreaSize,
                    std::min<qsizetype>(bytes.size() - kHeaderAreaSize, oldSlotBytes));

    const QString tmpPath = info.Path + QStringLiteral(".tmp");
    pricefile::removeFile(tmpPath);
    auto tmp = pricefile::newRecordFile();
    if (!tmp->open(tmpPath, int(image.size())) || !tmp->write(1, image) || !tmp->flush()) {
        const QString error = tmp->errorString();
        tmp->close();
        pricefile::removeFile(tmpPath);
        failed(info, error);
        return false;
    }
    tmp->close();

    info.FileNumber->close();
    if (std::rename(QFile::encodeName(tmpPath).constData(), QFile::encodeName(info.Path).constData()) != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        pricefile::removeFile(tmpPath);
        info.FileNumber = OpenPriceFile(info.Path);
        failed(info, QStringLiteral("cannot replace the file: ") + error);
        return false;
    }
    info.LastIndex += n;
    info.Count += n;
    info.FirstDate = front.Date;
    info.FileNumber = OpenPriceFile(info.Path);
    if (!info.FileNumber) {
        failed(info, QStringLiteral("cannot reopen the file"));
        return false;
    }
    return true;
}

bool FillEmptyBars(qint64 from, qint64 to, RecordFile& file)
{
    for (qint64 record = from; record <= to; ++record) {
        if (!file.write(record, emptyRecord()))
            return false;
    }
    return true;
}
