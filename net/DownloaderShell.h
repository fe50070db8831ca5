#pragma once

#include <QString>

// What the downloader needs from the main window: its switches and the two calls it
// makes back. MainMDI provides it.
class DownloaderShell {
public:
    virtual ~DownloaderShell() = default;
    // The on-line flag: while false no request is added.
    virtual bool online() const = 0;
    // The debug flag: extra messages.
    virtual bool debug() const = 0;
    // Seconds between two quotes of a symbol.
    virtual int updateInterval() const = 0;
    // Stops all downloading after a failed connect. The main window empties the request
    // table and closes the connections (Downloader::GoOffLineCleanup) and tells the user.
    virtual void Go_OffLine(const QString& tMsg) = 0;
    // New data of a request type (1 quote, 2 history, 4 details) arrived for a symbol.
    virtual void BroadCastNewData(const QString& tTicker, int tRequestType) = 0;
};
