#include "ConnSlots.h"

#include "Clock.h"
#include "NetLog.h"
#include "RequestUrl.h"

#include <QHostInfo>
#include <QTcpSocket>

namespace {

QDateTime now() { return appClock().nowUtc(); }

QString addressText(const QHostAddress& address)
{
    const QHostAddress v4(address.toIPv4Address());
    return address.protocol() == QAbstractSocket::IPv6Protocol && v4.isNull() ? address.toString()
                                                                             : v4.toString();
}

// The first IPv4 address of a lookup, else its first address.
QHostAddress firstAddress(const QHostInfo& info)
{
    const QList<QHostAddress> all = info.addresses();
    for (const QHostAddress& a : all) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a;
    }
    return all.isEmpty() ? QHostAddress() : all.first();
}

} // namespace

ConnSlots::ConnSlots(QObject* parent) : QObject(parent) {}

ConnSlots::~ConnSlots()
{
    for (int s = 1; s <= SlotCount(); ++s) {
        abandonLookup(s);
        forgetSocket(s);
    }
}

void ConnSlots::InitSlots(int count)
{
    for (int s = 1; s <= SlotCount(); ++s) {
        abandonLookup(s);
        forgetSocket(s);
    }
    m_slots = QVector<Entry>(qMax(count, 0));
    m_lastSlot = 0;
    for (int s = 1; s <= SlotCount(); ++s)
        SetSlotStatus(SlotStatus::Idle, s);
}

int ConnSlots::FindFreeSlot()
{
    if (m_lastSlot < 0)
        m_lastSlot = 1;
    const int n = SlotCount();
    for (int i = 1; i <= n; ++i) {
        const int s = (m_lastSlot + i - 1) % n + 1;
        if (isFreeStatus(entry(s).slot.Status)) {
            m_lastSlot = s;
            return s;
        }
    }
    return 0;
}

int ConnSlots::IdleSlotPercent() const
{
    if (m_slots.isEmpty())
        return 0;
    int idle = 0;
    for (const Entry& e : m_slots)
        idle += e.slot.Status == SlotStatus::Idle;
    return idle * 100 / int(m_slots.size());
}

bool ConnSlots::StartFetch(const QString& url, int tReqN)
{
    const int s = FindFreeSlot();
    if (s == 0)
        return false;
    Entry& e = entry(s);
    e.slot.ReqN = tReqN;
    e.slot.Url = url;
    e.slot.Phase = -1;
    e.slot.Reply.clear();
    e.slot.LastActivity = now();
    e.fetch = ++m_fetches;
    e.connected = false;
    SetSlotStatus(SlotStatus::LookingUp, s);

    QString host;
    quint16 port = 80;
    if (!splitHostPort(HostFromUrl(url), host, port)) {
        fail(s, SlotStatus::SocketError);
        return true;
    }
    e.port = port;
    const quint64 fetch = e.fetch;
    e.lookupId = QHostInfo::lookupHost(host, this, [this, s, fetch](const QHostInfo& info) { lookupDone(s, fetch, info); });
    return true;
}

void ConnSlots::lookupDone(int slot, quint64 fetch, const QHostInfo& info)
{
    if (slot > SlotCount())
        return;
    Entry& e = entry(slot);
    if (e.fetch != fetch || e.slot.Status != SlotStatus::LookingUp || e.slot.Phase != -1)
        return;
    e.lookupId = -1;
    const QHostAddress address = firstAddress(info);
    if (info.error() != QHostInfo::NoError || address.isNull()) {
        fail(slot, SlotStatus::SocketError);
        return;
    }
    e.address = address;
    openConnection(slot);
}

void ConnSlots::openConnection(int slot)
{
    Entry& e = entry(slot);
    e.slot.Phase = 0;
    e.slot.Reply.clear();
    e.slot.LastActivity = now();
    e.connectStarted = e.slot.LastActivity;
    SetSlotStatus(SlotStatus::Fetching, slot);

    auto* socket = new QTcpSocket(this);
    e.socket = socket;
    connect(socket, &QTcpSocket::connected, this, [this, slot] { socketConnected(slot); });
    connect(socket, &QTcpSocket::readyRead, this, [this, slot] { socketReadable(slot); });
    connect(socket, &QTcpSocket::disconnected, this, [this, slot] { serverClosed(slot); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, slot](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError && entry(slot).connected)
            serverClosed(slot);
        else
            socketFailed(slot);
    });
    socket->connectToHost(e.address, e.port);
}

void ConnSlots::socketConnected(int slot)
{
    Entry& e = entry(slot);
    e.connected = true;
    if (m_socketLog) {
        appendRootLog(QString::fromLatin1(kSocketLogFile),
                      QStringLiteral("Socket opened in %1 seconds, Server = %2")
                          .arg(secondsSince(e.connectStarted))
                          .arg(addressText(e.address)));
    }
    if (m_connectFailures > 0)
        --m_connectFailures;
    const QByteArray request = BuildGetRequest(e.slot.Url);
    if (!request.isEmpty())
        e.socket->write(request);
}

void ConnSlots::socketReadable(int slot)
{
    Entry& e = entry(slot);
    if (!e.socket)
        return;
    e.slot.Reply += e.socket->readAll();
    if (e.slot.Reply.size() > kMaxReplyBytes) {
        e.slot.Reply.clear();
        fail(slot, SlotStatus::TimedOut);
    }
}

void ConnSlots::serverClosed(int slot)
{
    Entry& e = entry(slot);
    if (!e.socket)
        return;
    e.slot.Reply += e.socket->readAll();
    forgetSocket(slot);
    if (e.slot.Reply.size() > kMaxReplyBytes) {
        e.slot.Reply.clear();
        fail(slot, SlotStatus::TimedOut);
        return;
    }
    SetSlotStatus(SlotStatus::Complete, slot);
    const QString reply = QString::fromLatin1(e.slot.Reply);
    e.slot.Reply.clear();
    report(reply, e.slot.ReqN, slot);
}

void ConnSlots::socketFailed(int slot)
{
    Entry& e = entry(slot);
    if (!e.socket)
        return;
    if (!e.connected)
        connectFailed(slot, SlotStatus::SocketError);
    else
        fail(slot, SlotStatus::SocketError);
}

void ConnSlots::connectFailed(int slot, int status)
{
    Entry& e = entry(slot);
    const QString text = QStringLiteral("Cant open socket waited %1 seconds on Server - %2")
                             .arg(secondsSince(e.connectStarted))
                             .arg(addressText(e.address));
    if (m_socketLog)
        appendRootLog(QString::fromLatin1(kSocketLogFile), text);
    m_connectFailures += 2;
    fail(slot, status);
    if (m_connectFailures > 1 && m_offLineHandler)
        m_offLineHandler(text);
}

void ConnSlots::CheckSlotTimeouts()
{
    const QDateTime t = now();
    for (int s = 1; s <= SlotCount(); ++s) {
        Entry& e = entry(s);
        const double elapsed = e.slot.LastActivity.isValid() ? e.slot.LastActivity.msecsTo(t) / 1000.0 : 0.0;
        switch (slotTimeout(e.slot.Status, elapsed)) {
        case SlotTimeout::None:
            break;
        case SlotTimeout::TimeOut:
            if (e.slot.Status == SlotStatus::Fetching && e.socket && !e.connected)
                connectFailed(s, SlotStatus::TimedOut);   // the connection never opened
            else
                fail(s, SlotStatus::TimedOut);
            break;
        case SlotTimeout::Release:
            forgetSocket(s);
            e.slot.LastActivity = t;
            SetSlotStatus(SlotStatus::Idle, s);
            report(QStringLiteral("Failed"), e.slot.ReqN, s);
            break;
        }
    }
}

void ConnSlots::SetSlotStatus(int status, int slot)
{
    if (slot < 1 || slot > SlotCount())
        return;
    entry(slot).slot.Status = status;
    emit slotStatusChanged(slot, status);
}

void ConnSlots::ReleaseSlot(int slot)
{
    SetSlotStatus(SlotStatus::Idle, slot);
}

void ConnSlots::SocketCleanup()
{
    for (int s = 1; s <= SlotCount(); ++s) {
        const int status = entry(s).slot.Status;
        if (status == SlotStatus::LookingUp || status == SlotStatus::Fetching)
            fail(s, SlotStatus::SocketError);
        else
            forgetSocket(s);
    }
}

int ConnSlots::openSockets() const
{
    int n = 0;
    for (const Entry& e : m_slots)
        n += e.socket != nullptr;
    return n;
}

void ConnSlots::setReplyHandler(std::function<void(const QString&, int, int)> handler)
{
    m_replyHandler = std::move(handler);
}

void ConnSlots::setOffLineHandler(std::function<void(const QString&)> handler)
{
    m_offLineHandler = std::move(handler);
}

void ConnSlots::forgetSocket(int slot)
{
    Entry& e = entry(slot);
    if (!e.socket)
        return;
    QTcpSocket* socket = e.socket;
    e.socket = nullptr;
    e.connected = false;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void ConnSlots::abandonLookup(int slot)
{
    Entry& e = entry(slot);
    if (e.lookupId >= 0) {
        QHostInfo::abortHostLookup(e.lookupId);
        e.lookupId = -1;
    }
}

void ConnSlots::fail(int slot, int status)
{
    abandonLookup(slot);
    forgetSocket(slot);
    Entry& e = entry(slot);
    e.slot.Reply.clear();
    e.slot.LastActivity = now();
    SetSlotStatus(status, slot);
}

void ConnSlots::report(const QString& reply, int reqN, int slot)
{
    if (m_replyHandler)
        m_replyHandler(reply, reqN, slot);
    else
        ReleaseSlot(slot);
}

int ConnSlots::secondsSince(const QDateTime& from) const
{
    return from.isValid() ? int(from.secsTo(now())) : 0;
}
