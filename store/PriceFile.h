#pragma once

#include "DailyBar.h"

#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class RecordFile;
struct QuoteRecord;

// Price files: one per symbol, <data folder>/<first character, upper case>/<symbol>.std,
// read and written as numbered 36-byte records.
//
//   bytes 0-250        header record (251 bytes, all zero except the two fields below)
//     at 100           i32  day of the last stored history download, yyyymmdd
//     at 110           f64  the same day as a day serial (days since 30 December 1899)
//   bytes 251-431      zero
//   byte 432 + 36 k    slot k, a DailyBar (record 13 + k)
//
// Slot k holds the k-th weekday after the date in slot 0, the file's anchor; a bar
// dated on a Saturday or Sunday belongs to the following Monday's slot. Holidays and
// days without data are empty (all-zero) slots. Files only grow, and are deleted whole.

constexpr int kFirstSlotRecord = 13;
constexpr int kHeaderAreaSize = (kFirstSlotRecord - 1) * kDailyBarSize;
static_assert(kHeaderAreaSize == 432, "slot 0 starts at byte 432");
constexpr int kHeaderSize = 251;
constexpr int kHeaderJulianOffset = 100;
constexpr int kHeaderSerialOffset = 110;
static_assert(kHeaderSerialOffset + 8 <= kHeaderSize, "both header dates lie in the header record");
// The quote record keeps a symbol in a 10-character field.
constexpr int kMaxSymbolLength = 10;

// Symbols --------------------------------------------------------------------------

// Why `symbol` (after trimming) cannot have a price file, or an empty text when it can.
// A usable symbol is 1 to 10 printable ASCII characters without blanks, '/', '\' or
// "..", starting with a letter or one of '[', ']', '^', '_'.
QString checkSymbol(const QString& symbol);
// The message shown when a store operation refuses `symbol`.
QString refusedSymbolMessage(const QString& symbol);

// The symbol's folder (data folder + first character upper-cased + '/'), or an empty
// text for a symbol that checkSymbol() refuses. The first form trims the caller's
// variable in place.
QString PriceFolder(QString& symbol);
QString PriceFolder(const QString& symbol);
// The full file name when the symbol's file exists, else an empty text.
QString PriceFileName(QString& symbol);
QString PriceFileName(const QString& symbol);
// The full file name; creates the symbol's folder when missing (the file is not
// created). A refused symbol gets a message and an empty result.
QString MakePriceFileName(const QString& symbol);

// Slots and single records --------------------------------------------------------

// Slots of a file `length` bytes long: length / 36 - 12, rounded halves to even, never
// below 0.
int countBarsForLength(qint64 length);
// Slots of the file at `path`; 0 when it cannot be read.
int CountBars(const QString& path);
// True for an eight-digit yyyymmdd value naming a real calendar day.
bool isValidBarDate(qint32 date);
// Slot of `date` in a file anchored at `firstDate`: the weekday distance between them,
// a weekend day standing for the following Monday. Negative before the anchor.
int SlotOffset(qint32 firstDate, qint32 date);

// Opens a price file for reading and writing, creating it when missing. Null on failure.
std::unique_ptr<RecordFile> OpenPriceFile(const QString& path);
// Opens a price file for reading only. Null when it cannot be opened.
std::unique_ptr<RecordFile> OpenPriceFileReadOnly(const QString& path);
// Record `record` of an open price file; an all-zero bar past the end or on a read error.
DailyBar ReadBar(RecordFile& file, qint64 record);

// Writes the header record of `path` with today's date in both date fields.
bool WriteHeader(const QString& path);
// Date of slot 0, or 0 when there is no file or no slot ("GetFirstDate& no records").
qint32 GetFirstDate(const QString& symbol);

// Reading a whole file -----------------------------------------------------------

struct BarLoad {
    enum class Status { Loaded, NoFile, TooManySlots, ReadError };
    Status status = Status::NoFile;
    QString path;   // the price file, when there is one
    int slotCount = 0;  // slots in the file
};

// Reads every slot of the symbol's price file in one read, newest first: out[i] is slot
// slots - 1 - i, so that index i counts weekdays back from the newest slot. Empty slots
// are kept. With maxSlots > 0, a file of more slots is not read (TooManySlots).
// `out` is empty unless the status is Loaded.
BarLoad LoadBars(const QString& symbol, QVector<DailyBar>& out, int maxSlots = 0);

// Merging bars into a file -------------------------------------------------------

// Describes an open price file during a merge.
struct PriceFileInfo {
    QString Path;          // empty when the file does not exist
    qint32 Offset = 0;     // slot of the bar being merged, set by ClassifyBar
    qint32 FirstRecord = 0;  // record of slot 0: 13
    qint32 LastIndex = 0;  // index of the last slot
    qint32 FirstDate = 0;  // anchor, yyyymmdd
    qint32 LastDate = 0;   // date of the last slot
    qint32 Count = 0;      // slots
    std::unique_ptr<RecordFile> FileNumber;  // the open file; null when not open
    bool Damaged = false;  // slots 0 to 2 are all empty: the file has no anchor
    QString Error;         // why the file could not be opened or read; empty when it could
};

// Describes the symbol's price file. The file is left open (FileNumber) when it has
// slots and a bar in slot 0, 1 or 2; the caller closes it with ClosePriceFile(). The
// anchor is slot 0's date, worked out from slot 1 or 2 when slot 0 is empty. With
// slots 0 to 2 all empty the file is damaged: it is left closed, and with debug
// messages on the user is told symbol + ":file is corupt..delete it". A file that
// cannot be opened or read is left closed with the reason in Error.
PriceFileInfo GetFileInfo(const QString& symbol);
// Closes the file of `info`; nothing happens when it is not open.
void ClosePriceFile(PriceFileInfo& info);

enum BarPlace { BeforeFirst = 1, InsideFile = 2, AfterLast = 3 };
// Where `date` falls against the file's slots; sets info.Offset to its slot.
int ClassifyBar(PriceFileInfo& info, qint32 date);

enum class MergeResult {
    Stored,   // the bar is in its slot
    Kept,     // the slot's bar stays: a quote never replaces a final bar
    Refused,  // the slot holds an unknown status, or the bar's date is not a date
    Failed,   // reading or writing failed; the file keeps every bar it held before
    Deleted,  // the file was corrupt and has been deleted
};
// Places one bar in the open file of `info` and updates `info`. Into a slot that holds
// a bar: a final bar (status 1) is replaced by another final bar but never by a
// quote (status 2); a provisional bar is replaced by either; an unknown status is left
// alone with the message "dont know how to merge original status = " + status.
// A bar before the anchor shifts the file up (ShiftBars); a bar after the last slot
// appends empty slots up to its own. Every write is ordered so that a failure leaves
// the bars already in the file where they were.
MergeResult MergeBar(PriceFileInfo& info, const DailyBar& bar);
// Moves every slot n places up and puts `front` into slot 0, leaving slots 1 to n - 1
// empty. The new file is written beside the old one and renamed over it, so a
// failure leaves the old file as it was. The file stays open.
bool ShiftBars(PriceFileInfo& info, int n, const DailyBar& front);
// Writes empty bars to records `from` to `to` inclusive (nothing when from > to).
bool FillEmptyBars(qint64 from, qint64 to, RecordFile& file);

// Stores bars from one history response, oldest first, as final bars, then rewrites
// the header. A response without bars stores nothing. False when a bar could not be
// stored; the bars stored before that stay.
bool StoreHistory(const QString& symbol, QVector<DailyBar> bars);

// Stores the provisional bar (status 2) of the quote's trading day: the date of
// LastTraded, Open, High, Low, LastPrice as the close and Volume. The quote's Ticker is
// trimmed in place. A quote without a trade date stores nothing. A file with no slots
// or a damaged start gets the bar as slot 0. False when nothing could be stored.
bool StoreQuoteBar(QuoteRecord& quote);

// Forgets a symbol's data: resets its quote record and deletes its price file (queued
// downloads for the symbol are cancelled first). A file that is already gone is no
// error; a file that cannot be deleted is reported. The caller broadcasts new data.
bool DeleteSymbolData(const QString& symbol);

// Hooks ---------------------------------------------------------------------------

// Makes the record file objects that price files are opened with (tests install a
// file that fails on purpose); null restores plain RecordFile.
void setPriceFileOpener(std::function<std::unique_ptr<RecordFile>()> make);
// Called with the symbol before its price file is deleted, so that queued downloads
// for it are cancelled.
void setCancelRequestsHook(std::function<void(const QString& symbol)> hook);
// The Data menu's debug switch: extra messages about damaged files.
void setPriceDebugMessages(bool on);
bool priceDebugMessages();
