#include "PriceFile.h"

#include "AppFolders.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Format.h"
#include "PriceFileInternal.h"
#include "RecordFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <bit>
#include <cmath>

namespace {

std::function<std::unique_ptr<RecordFile>()> g_opener;
std::function<void(const QString&)> g_cancelRequests;
bool g_debugMessages = false;

QDate dateOfJulian(qint32 j)
{
    if (j < 10000101 || j > 99991231)
        return {};
    return QDate(j / 10000, j / 100 % 100, j % 100);
}

// A Saturday or Sunday stands for the following Monday.
QDate weekdayOrNextMonday(const QDate& d)
{
    const int dow = d.dayOfWeek();  // 1 = Monday ... 7 = Sunday
    return dow >= 6 ? d.addDays(8 - dow) : d;
}

qint32 julianOf(const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); }

} // namespace

namespace pricefile {

std::unique_ptr<RecordFile> newRecordFile()
{
    return g_opener ? g_opener() : std::make_unique<RecordFile>();
}

void cancelRequestsFor(const QString& symbol)
{
    if (g_cancelRequests)
        g_cancelRequests(symbol);
}

QString symbolOfPath(const QString& path) { return QFileInfo(path).completeBaseName(); }

bool removeFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

QString ioFailureMessage(const QString& path, const QString& error)
{
    const QString what = error.startsWith(path) ? error : path + QStringLiteral(": ") + error;
    return what + QStringLiteral(". The bars stored before are kept; the rest of this update was not stored.");
}

} // namespace pricefile

void setPriceFileOpener(std::function<std::unique_ptr<RecordFile>()> make) { g_opener = std::move(make); }
void setCancelRequestsHook(std::function<void(const QString&)> hook) { g_cancelRequests = std::move(hook); }
void setPriceDebugMessages(bool on) { g_debugMessages = on; }
bool priceDebugMessages() { return g_debugMessages; }

QString checkSymbol(const QString& symbol)
{
    const QString s = symbol.trimmed();
    if (s.isEmpty())
        return QStringLiteral("the symbol is empty");
    if (s.size() > kMaxSymbolLength)
        return QStringLiteral("a symbol has at most %1 characters").arg(kMaxSymbolLength);
    for (const QChar c : s) {
        if (c.unicode() < 0x21 || c.unicode() > 0x7E)
            return QStringLiteral("a symbol holds only printable characters, without blanks");
        if (c == u'/' || c == u'\\')
            return QStringLiteral("a symbol may not contain '/' or '\\'");
    }
    if (s.contains(QStringLiteral("..")))
        return QStringLiteral("a symbol may not contain \"..\"");
    const char16_t first = s.at(0).toUpper().unicode();
    if (first < 65 || first > 95)
        return QStringLiteral("a symbol starts with a letter or one of [ ] ^ _");
    return {};
}

QString refusedSymbolMessage(const QString& symbol)
{
    return QStringLiteral("No price file for \"%1\": %2.").arg(symbol.trimmed(), checkSymbol(symbol));
}

QString PriceFolder(QString& symbol)
{
    symbol = symbol.trimmed();
    if (!checkSymbol(symbol).isEmpty())
        return {};
    return appFolders().data + symbol.at(0).toUpper() + u'/';
}

QString PriceFolder(const QString& symbol)
{
    QString s = symbol;
    return PriceFolder(s);
}

QString PriceFileName(QString& symbol)
{
    const QString folder = PriceFolder(symbol);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    const QString path = folder + symbol + QStringLiteral(".std");
    return QFileInfo(path).isFile() ? path : QString();
}

QString PriceFileName(const QString& symbol)
{
    QString s = symbol;
    return PriceFileName(s);
}

QString MakePriceFileName(const QString& symbol)
{
    QString s = symbol;
    const QString folder = PriceFolder(s);
    if (folder.isEmpty()) {
        dialogs().message(refusedSymbolMessage(symbol));
        return {};
    }
    if (!QDir().mkpath(folder)) {
        dialogs().message(QStringLiteral("Cannot create the folder %1.").arg(folder));
        return {};
    }
    return folder + s + QStringLiteral(".std");
}

int countBarsForLength(qint64 length)
{
    if (length <= 0)
        return 0;
    const double records = roundHalfEven(double(length) / kDailyBarSize);
    return std::max(0, int(records) - (kFirstSlotRecord - 1));
}

int CountBars(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? countBarsForLength(info.size()) : 0;
}

bool isValidBarDate(qint32 date) { return dateOfJulian(date).isValid(); }

int SlotOffset(qint32 firstDate, qint32 date)
{
    const QDate a = dateOfJulian(firstDate);
    const QDate d = dateOfJulian(date);
    if (!a.isValid() || !d.isValid())
        return JulianWeekdayOffset(firstDate, date);
    return JulianWeekdayOffset(julianOf(weekdayOrNextMonday(a)), julianOf(weekdayOrNextMonday(d)));
}

std::unique_ptr<RecordFile> OpenPriceFile(const QString& path)
{
    auto file = pricefile::newRecordFile();
    if (!file->open(path, kDailyBarSize))
        return nullptr;
    return file;
}

std::unique_ptr<RecordFile> OpenPriceFileReadOnly(const QString& path)
{
    auto file = pricefile::newRecordFile();
    if (!file->openReadOnly(path, kDailyBarSize))
        return nullptr;
    return file;
}

DailyBar ReadBar(RecordFile& file, qint64 record)
{
    QByteArray data;
    if (!file.read(record, data))
        return {};
    return decodeBar(data);
}

bool WriteHeader(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const DateSerial today = std::floor(Today());
    QByteArray header(kHeaderSize, '\0');
    qToLittleEndian<qint32>(DateToJulian(today), header.data() + kHeaderJulianOffset);
    qToLittleEndian<quint64>(std::bit_cast<quint64>(today), header.data() + kHeaderSerialOffset);

    auto file = pricefile::newRecordFile();
    if (!file->open(path, kHeaderSize) || !file->write(1, header) || !file->flush()) {
        dialogs().message(pricefile::ioFailureMessage(path, file->errorString()));
        return false;
    }
    file->close();
    return true;
}

qint32 GetFirstDate(const QString& symbol)
{
    const QString path = PriceFileName(symbol);
    if (path.isEmpty())
        return 0;
    if (CountBars(path) <= 0) {
        dialogs().message(QStringLiteral("GetFirstDate& no records"));
        return 0;
    }
    auto file = OpenPriceFileReadOnly(path);
    return file ? ReadBar(*file, kFirstSlotRecord).Date : 0;
}

BarLoad LoadBars(const QString& symbol, QVector<DailyBar>& out, int maxSlots)
{
    out.clear();
    BarLoad result;
    result.path = PriceFileName(symbol);
    if (result.path.isEmpty())
        return result;

    QFile file(result.path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = BarLoad::Status::ReadError;
        return result;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = BarLoad::Status::ReadError;
        return result;
    }
    result.slotCount = countBarsForLength(bytes.size());
    if (maxSlots > 0 && result.slotCount > maxSlots) {
        result.status = BarLoad::Status::TooManySlots;
        return result;
    }
    // The last slot may be cut short; it reads as if padded with zeros.
    bytes.resize(kHeaderAreaSize + qsizetype(result.slotCount) * kDailyBarSize, '\0');
    out.resize(result.slotCount);
    const char* slot0 = bytes.constData() + kHeaderAreaSize;
    for (int i = 0; i < result.slotCount; ++i)
        out[i] = decodeBar(slot0 + qsizetype(result.slotCount - 1 - i) * kDailyBarSize);
    result.status = BarLoad::Status::Loaded;
    return result;
}
