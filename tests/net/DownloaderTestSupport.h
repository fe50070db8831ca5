#pragma once

#include "Downloader.h"
#include "DownloaderShell.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The main window as the downloader sees it: switches to set, calls recorded.
class FakeShell : public DownloaderShell {
public:
    bool online() const override { return m_online; }
    bool debug() const override { return m_debug; }
    int updateInterval() const override { return m_interval; }
    void Go_OffLine(const QString& tMsg) override
    {
        m_online = false;
        offLine << tMsg;
        if (downloader)
            downloader->GoOffLineCleanup();
    }
    void BroadCastNewData(const QString& tTicker, int tRequestType) override
    {
        broadcasts << qMakePair(tTicker, tRequestType);
    }

    bool m_online = true;
    bool m_debug = false;
    int m_interval = 60;
    Downloader* downloader = nullptr;
    QStringList offLine;
    QList<QPair<QString, int>> broadcasts;
};

// A history table as the service sends it: every weekday from `from` to `to`, newest
// first, dates "1-Oct-07", prices rising by a cent a day from `base`.
QString historyBody(const QDate& from, const QDate& to, double base = 20.0);
// A small stand-in for the quote and history services, for one symbol with daily
// history from `first` to `last`: history requests get the weekdays of their range
// (or "No Prices in this date range"), quote and details requests a line each, any
// other symbol "N/A" or a not-found page.
struct MiniService {
    QString symbol;
    QDate first;
    QDate last;
    QString quoteLine;     // the answer to a quote request
    QString detailsLine;   // the answer to a details request
    QByteArray answer(const QByteArray& request) const;
};

// A whole HTTP reply around `body`.
QByteArray httpReply(const QString& body);
// The value of `key` in a request's query.
QString queryValue(const QByteArray& request, const QString& key);
