#pragma once

#include "QuoteRecord.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

// The quote index file Index4.dat: one 423-byte QuoteRecord per symbol, numbered from 1
// in the order the symbols were first seen. Record numbers never change and records are
// never deleted. The OrderLink of record p names the record whose symbol is the p-th
// smallest (byte order of the trimmed, upper-case ticker), so a symbol is found by
// binary search over positions.
//
// The handle stays open until the program ends; every write reaches the file (the
// operating system) before the call returns, so another reader of the file sees it.
// The order-link column and the symbols are also kept in memory; the copy is rebuilt
// whenever the file's length differs from what this handle last wrote.
class QuoteIndex {
public:
    QuoteIndex() = default;
    ~QuoteIndex();
    QuoteIndex(const QuoteIndex&) = delete;
    QuoteIndex& operator=(const QuoteIndex&) = delete;

    // Opens `path` for reading and writing, creating the file (not its folder) when
    // missing. False with errorString() when it cannot be opened.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.fileName(); }
    // Pushes everything written so far to the disk.
    bool flush();

    // Records in the file: its length / 423, rounded; 0 when the length cannot be read.
    qint32 count();
    // Record number of `ticker`, 0 when absent. Trims and upper-cases the caller's text.
    qint32 find(QString& ticker);
    // Record n; a zero record when n is not a record of the file.
    QuoteRecord read(qint32 n);
    // Inserts or updates q (kind 1 quote, 2 history summary, 4 details). Normalises
    // q.Ticker and sets q.OrderLink as stored. False, with nothing written, for a blank
    // symbol, a symbol longer than 10 characters, a damaged file or an I/O failure.
    bool store(QuoteRecord& q, int kind);
    // Clears the time stamps and the history summary. False when not written.
    bool reset(const QString& ticker);
    // QuoteUpdated = now; NoDataStamp = now. False when not written.
    bool markQuoted(const QString& ticker);
    bool markNoData(const QString& ticker);
    // The symbols in sorted order.
    QStringList symbols();

    // True when the file length is not a whole number of records: the index is then
    // read but never written.
    bool isDamaged() const { return m_damaged; }
    QString errorString() const { return m_error; }

private:
    bool syncWithFile();
    bool reload();
    bool mapAtLeast(qint64 bytes);
    void unmap();
    QByteArray keyOfRecord(qint32 record) const;
    qint32 findKey(const QByteArray& key) const;
    qint32 insertionPosition(const QByteArray& key);
    bool readBytes(qint32 n, QByteArray& out);
    bool writeRecord(qint32 n, const QByteArray& bytes);
    bool writeLinks(qint32 fromPosition, qint32 toPosition);
    bool checkWritable();
    bool insert(QuoteRecord& q, int kind, const QByteArray& key);
    bool update(qint32 p, QuoteRecord& q, int kind);
    template <typename Change>
    bool changeRecord(const QString& ticker, Change change);
    void fail(const QString& text, bool tellUser);

    QFile m_file;
    qint64 m_size = 0;              // file length as last read or written
    qint32 m_count = 0;
    bool m_damaged = false;
    bool m_sorted = true;           // links form a permutation that sorts the symbols
    std::vector<qint32> m_links;    // m_links[p - 1] = OrderLink of record p
    std::vector<QByteArray> m_keys; // m_keys[r - 1] = normalised symbol of record r
    uchar* m_map = nullptr;         // shared writable mapping of the file's first m_mapLength bytes
    qint64 m_mapLength = 0;
    QString m_error;
};

// The program's one quote index, opened at start-up.
QuoteIndex& quoteIndex();

// Opens appFolders().data + "Index4.dat", creating the folder and the file when
// missing. False when that fails; QuoteIndexError() then says why.
bool OpenQuoteIndex();
// Opens the file at `path` as the program's quote index.
bool openQuoteIndexAt(const QString& path);
QString QuoteIndexError();
void CloseQuoteIndex();
bool FlushQuoteIndex();
qint32 CountQuotes();
qint32 FindQuote(QString& ticker);
QuoteRecord ReadQuote(qint32 n);
bool StoreQuote(QuoteRecord& q, int kind);
bool ResetQuote(const QString& ticker);
bool MarkQuoted(const QString& ticker);
bool MarkNoData(const QString& ticker);
// The stored LastPrice as short text, or an empty text when the symbol has no record.
// Lets pending events run first.
QString LastPriceText(const QString& ticker);
// Every symbol in sorted order; lets pending events run every 300 records.
QStringList ListQuoteSymbols();
