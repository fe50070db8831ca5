#pragma once

#include "QuoteRecord.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <vector>

// The sorted-order table kept the way the index file keeps it, built by the insertion
// rule one step at a time: scan positions from the first; at the first position whose
// symbol sorts after the new one, the new record's link takes the last position's
// link, every link from there on moves one record down and that position names the
// new record. A link outside 1..count names no symbol.
struct ReferenceOrder {
    std::vector<qint32> links;      // links[p - 1]: OrderLink stored in record p
    std::vector<QByteArray> tickers; // tickers[r - 1]: symbol of record r

    QByteArray tickerOf(qint32 record) const
    {
        const qint32 n = qint32(tickers.size());
        return record >= 1 && record <= n ? tickers[size_t(record - 1)] : QByteArray();
    }

    void insert(const QByteArray& ticker)
    {
        const qint32 n = qint32(links.size());
        links.push_back(0);
        qint32 newLink = 0;
        for (qint32 i = 1; i <= n; ++i) {
            if (ticker < tickerOf(links[size_t(i - 1)])) {
                newLink = links[size_t(n - 1)];
                for (qint32 j = n - 1; j >= i; --j)
                    links[size_t(j)] = links[size_t(j - 1)];
                links[size_t(i - 1)] = n + 1;
                break;
            }
        }
        links[size_t(n)] = newLink == 0 ? n + 1 : newLink;
        tickers.push_back(ticker);
    }
};

inline QByteArray readWholeFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// The OrderLink of every whole record in `bytes`.
inline std::vector<qint32> linksIn(const QByteArray& bytes)
{
    std::vector<qint32> out;
    for (qsizetype at = 0; at + kQuoteRecordLength <= bytes.size(); at += kQuoteRecordLength)
        out.push_back(qFromLittleEndian<qint32>(bytes.constData() + at));
    return out;
}

// A record for `ticker` with the given link and last price, as the file holds it.
inline QByteArray recordBytes(qint32 link, const QString& ticker, float lastPrice = 0)
{
    QuoteRecord q;
    q.OrderLink = link;
    q.Ticker = ticker;
    q.LastPrice = lastPrice;
    return encodeQuote(q);
}
