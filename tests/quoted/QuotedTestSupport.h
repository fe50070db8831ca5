#pragma once

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include "MarketCsv.h"

// A market-data folder made for one test, inside a temporary folder whose other
// entries lie outside the served folder:
//   AAA.csv   ISO dates, oldest first, every column, 2004-03-01 .. 2004-03-12
//   BBB.csv   US dates, columns reordered, no Adj Close, newest first, CR LF, blank lines
//   CCC.csv   three bad rows among four good ones
//   ^IDX.csv  an index
//   symbols.csv  listings; AAA's name holds a comma
//   ../SECRET.csv beside the folder, never to be served
class MarketFixture {
public:
    MarketFixture();
    QString dir() const { return m_root.filePath(QStringLiteral("market")); }
    QString root() const { return m_root.path(); }
    void write(const QString& name, const QByteArray& text) const;

private:
    QTemporaryDir m_root;
};

// Consecutive weekday rows from `first` (a weekday), `count` of them; prices rise by
// one a day from 10 (open = close - 0.5, high = close + 1, low = open - 1).
QVector<PriceRow> weekdayRows(const QDate& first, int count);

// What a client got: everything the service sent until it closed the connection.
struct Exchange {
    QByteArray reply;
    bool closedByServer = false;

    QByteArray statusLine() const { return reply.left(reply.indexOf("\r\n")); }
    QByteArray body() const;
};

// Connects to 127.0.0.1:`port`, sends `request` (in pieces of `chunk` bytes when
// given), and collects the reply until the service closes, waiting at most `waitMs`.
// The calling thread's event loop runs meanwhile, so a service in this thread works.
Exchange exchange(quint16 port, const QByteArray& request, int waitMs = 20000, int chunk = 0);

// The request exactly as the program sends it.
QByteArray programRequest(const QByteArray& path);

// The text walk of the program's quote readers: the text before the first `d` in `s`,
// which is then cut after it; empty (and `s` unchanged) when that text is empty.
QString takeToken(QString& s, const QString& d);
