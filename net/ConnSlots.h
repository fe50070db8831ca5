#pragma once

#include "SlotStatus.h"

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QHostInfo;
class QTcpSocket;

// One connection slot: fetches one URL at a time.
struct ConnSlot {
    QByteArray Reply;       // reply received so far, as 8-bit characters
    int Phase = -1;         // -1 waiting for the host lookup; 0 connected or connecting
    int ReqN = 0;           // the request table entry this slot serves
    int Status = SlotStatus::NeverUsed;
    QString Url;
    QDateTime LastActivity; // when the current step started; time-outs count from it
};

// The downloader's minimal HTTP/1.0 client: a fixed set of slots, numbered from 1.
// A slot looks up the host of its URL, connects (port 80 unless the host names
// another), sends one GET request and collects the reply until the server closes the
// connection; the raw reply, status line and headers included, goes to the reply
// handler. Nothing of HTTP is examined: the end of the reply is the end of the
// connection. Everything runs on the thread that owns the object, driven by socket
// signals and by CheckSlotTimeouts() on every downloader tick; lookups and connects
// never block.
//
// Failed connects are scored: each adds 2 to ConnectFailures, each successful connect
// takes 1 off while it is above 0, and a score above 1 after a failure takes the
// downloader off line through the off-line handler.
class ConnSlots : public QObject {
    Q_OBJECT
public:
    // A reply larger than this ends the fetch like a time-out.
    static constexpr qsizetype kMaxReplyBytes = 16 * 1024 * 1024;

    explicit ConnSlots(QObject* parent = nullptr);
    ~ConnSlots() override;

    // Sizes the table to `count` slots, every one idle. Called once at start-up.
    void InitSlots(int count);
    int SlotCount() const { return int(m_slots.size()); }
    const ConnSlot& slotAt(int slot) const { return m_slots[slot - 1].slot; }

    // Round robin: the first free slot after the one handed out last, wrapping to 1;
    // 0 when none is free.
    int FindFreeSlot();
    // The share of idle slots as a whole percentage, rounded down.
    int IdleSlotPercent() const;
    // Hands `url` to a free slot on behalf of request `tReqN`; false when none is free.
    bool StartFetch(const QString& url, int tReqN);
    // Applies the time-out rules to every slot (see slotTimeout()).
    void CheckSlotTimeouts();
    void SetSlotStatus(int status, int slot);
    // Idle again: the reply handler is done with the slot.
    void ReleaseSlot(int slot);
    // Closes every connection and abandons every lookup; a slot that was busy shows a
    // socket error, so the time-out rule reports "Failed" for it shortly after.
    void SocketCleanup();

    int ConnectFailures() const { return m_connectFailures; }
    int LastSlot() const { return m_lastSlot; }
    void setLastSlot(int slot) { m_lastSlot = slot; }
    // Open sockets, for checks that every connection was closed.
    int openSockets() const;

    // Called once per fetch with the raw reply, or with "Failed".
    void setReplyHandler(std::function<void(const QString& reply, int tReqN, int slot)> handler);
    // Called when a failed connect takes the downloader off line.
    void setOffLineHandler(std::function<void(const QString& tMsg)> handler);
    // The command line holds "socks": connects are logged in "wsock.txt".
    void setSocketLog(bool on) { m_socketLog = on; }

signals:
    void slotStatusChanged(int slot, int status);

private:
    struct Entry {
        ConnSlot slot;
        QTcpSocket* socket = nullptr;
        int lookupId = -1;
        quint64 fetch = 0;          // counts fetches, so a late lookup of an old fetch is ignored
        bool connected = false;
        QHostAddress address;
        quint16 port = 80;
        QDateTime connectStarted;
    };

    Entry& entry(int slot) { return m_slots[slot - 1]; }
    void lookupDone(int slot, quint64 fetch, const QHostInfo& info);
    void openConnection(int slot);
    void socketConnected(int slot);
    void socketReadable(int slot);
    void socketFailed(int slot);
    void serverClosed(int slot);
    // A connect that failed, or (status TimedOut) did not open in time: logged, scored,
    // and off line when the score is above 1.
    void connectFailed(int slot, int status);
    void forgetSocket(int slot);
    void abandonLookup(int slot);
    void fail(int slot, int status);
    void report(const QString& reply, int reqN, int slot);
    int secondsSince(const QDateTime& from) const;

    QVector<Entry> m_slots;
    int m_lastSlot = 0;
    int m_connectFailures = 0;
    quint64 m_fetches = 0;
    bool m_socketLog = false;
    std::function<void(const QString&, int, int)> m_replyHandler;
    std::function<void(const QString&)> m_offLineHandler;
};
