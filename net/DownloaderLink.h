#pragma once

#include "Downloader.h"
#include "DownloaderShell.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class FrmDo;
class MainMDI;

// Joins the downloader to the main window: dNetTimer pumps it, UpdateTimer hands it
// the symbol grid's symbols one per tick, Enter and a left click in `mTicker` run the
// update planner, going off line empties the table and closes the connections, the
// status boxes `dtbDownloader_k` take the colours of their slots, and "WinSock Version"
// shows the socket report. The switches come from the shell's settings. Installs its
// downloader as the program's one (setDownloader) for as long as it lives.
class DownloaderLink : public QObject, public DownloaderShell {
    Q_OBJECT
public:
    DownloaderLink(MainMDI& main, const ServiceEndpoints& hosts);
    ~DownloaderLink() override;

    Downloader& downloader() { return m_downloader; }
    // Where UpdateTimer takes its symbols from; column 0 of the main window's symbol
    // grid unless set otherwise.
    void setSymbolRows(std::function<QStringList()> rows) { m_rows = std::move(rows); }
    // One UpdateTimer tick: nothing while fewer than 10 % of the connections are idle;
    // otherwise the symbol at the tick's own row cursor (back to the first row after
    // the last) goes to the update planner and the cursor moves on.
    void updateTick();
    int updateCursor() const { return m_cursor; }
    // The socket report window, made on first use.
    FrmDo* socketReport();

    bool online() const override;
    bool debug() const override;
    int updateInterval() const override;
    void Go_OffLine(const QString& tMsg) override;
    void BroadCastNewData(const QString& tTicker, int tRequestType) override;

private:
    void showSlotStatus(int slot, int status);

    MainMDI& m_main;
    Downloader m_downloader;
    std::function<QStringList()> m_rows;
    int m_cursor = 0;
    QPointer<FrmDo> m_report;
};
