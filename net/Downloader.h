#pragma once

#include "ConnSlots.h"
#include "DownloadRequest.h"
#include "RequestQueue.h"
#include "RequestUrl.h"

#include <QObject>
#include <QString>
#include <QVector>

class DownloaderShell;

// The downloader: the request table, the connection slots that fetch its requests,
// the reply handler that parses and stores what arrives, and the update planner that
// decides per symbol what to ask for. Runs on the user-interface thread; the main
// window's dNetTimer calls tick() every 200 ms.
class Downloader : public QObject {
    Q_OBJECT
public:
    // Slots made when none are asked for.
    static constexpr int kDefaultSlotCount = 2;
    // Failed fetches after which a request is dropped.
    static constexpr int kMaxRetries = 4;

    explicit Downloader(DownloaderShell& shell, QObject* parent = nullptr);
    ~Downloader() override;

    ConnSlots& connections() { return m_slots; }
    const ConnSlots& connections() const { return m_slots; }
    RequestQueue& requests() { return m_requests; }
    const RequestQueue& requests() const { return m_requests; }

    void setEndpoints(const ServiceEndpoints& hosts) { m_hosts = hosts; }
    const ServiceEndpoints& endpoints() const { return m_hosts; }
    // The command line's log switches: "socks" logs connects in "wsock.txt", "url" logs
    // every URL in "urls.txt".
    void setLogSwitches(bool sockets, bool urls);

    // The dNetTimer tick: lets pending events run, applies the time-outs, starts the
    // next queued request.
    void tick();

    // Queues a copy of `req` unless off line or already queued (same ticker and type).
    // A full table drops it; with debug on the user is told.
    void AddRequest(const DownloadRequest& req);
    void ClearRequests();
    // Frees every entry of `ticker`; a fetch already running completes and its reply
    // is discarded.
    void CancelRequestsFor(const QString& ticker);
    // Starts the queued request of the lowest index when a slot is free.
    void StartNextRequest();
    // The URL of request `index`; logged in "urls.txt" when URLs are logged.
    QString BuildRequestUrl(int index);
    // Handles one finished fetch: the raw reply, or "Failed".
    void DownloaderReply(const QString& reply, int tReqN, int slot);
    // Queues what `ticker` needs: history, details, a quote, the next older history
    // block. True when history or details were queued.
    bool UpdateTicker(const QString& ticker);
    // History up to today and the details of a symbol without a quote record.
    void AddNewSymbolRequests(const QString& ticker);
    // Going off line: empties the request table and closes every connection.
    void GoOffLineCleanup();

private:
    void requeueFailed(int tReqN);
    int handleReply(const DownloadRequest& req, const QString& reply, int tReqN, QString& kept);

    DownloaderShell& m_shell;
    ConnSlots m_slots;
    RequestQueue m_requests;
    ServiceEndpoints m_hosts;
    bool m_logUrls = false;
    // The Serial of the request each slot fetches (index = slot number).
    QVector<quint64> m_slotRequest;
};

// The program's downloader; null until the main window makes one.
Downloader* downloader();
// Installs `d` (not owned) and lets the price store cancel a symbol's requests through
// it; null uninstalls.
void setDownloader(Downloader* d);

// The program-wide entry points other windows call; each does nothing (false, 0) while
// no downloader is installed.
bool UpdateTicker(const QString& ticker);
int IdleSlotPercent();
void CancelRequestsFor(const QString& ticker);
