#include "ConnSlots.h"
#include "NetTestSupport.h"
#include "ScriptedServer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct Report {
    QString reply;
    int reqN;
    int slot;
};

// The conn with their reply and off-line reports recorded.
class SlotsUnderTest {
public:
    explicit SlotsUnderTest(int count = 2)
    {
        conn.InitSlots(count);
        conn.setReplyHandler([this](const QString& reply, int reqN, int slot) { reports.append({reply, reqN, slot}); });
        conn.setOffLineHandler([this](const QString& msg) { offLine.append(msg); });
    }
    bool waitForReports(int n) { return QTest::qWaitFor([&] { return reports.size() >= n; }, 10000); }
    bool waitForStatus(int slot, int status)
    {
        return QTest::qWaitFor([&] { return conn.slotAt(slot).Status == status; }, 10000);
    }

    ConnSlots conn;
    QList<Report> reports;
    QStringList offLine;
};

QString url(const ScriptedServer& server, const QString& path = "d/table.csv?s=MSFT&f=s0")
{
    return "http://" + server.host() + "/" + path;
}

TEST(ConnSlots, RoundRobinAndIdleShare)
{
    ConnSlots conn;
    conn.InitSlots(2);
    EXPECT_EQ(conn.IdleSlotPercent(), 100);
    conn.setLastSlot(1);
    EXPECT_EQ(conn.FindFreeSlot(), 2);
    EXPECT_EQ(conn.FindFreeSlot(), 1);
    conn.SetSlotStatus(SlotStatus::Fetching, 2);
    EXPECT_EQ(conn.IdleSlotPercent(), 50);
    EXPECT_EQ(conn.FindFreeSlot(), 1);
    conn.SetSlotStatus(SlotStatus::Complete, 1);
    EXPECT_EQ(conn.IdleSlotPercent(), 0);
    EXPECT_EQ(conn.FindFreeSlot(), 0);
    EXPECT_FALSE(conn.StartFetch("http://127.0.0.1/x", 3)) << "no free slot: the caller keeps the request";
    conn.SetSlotStatus(SlotStatus::NeverUsed, 1);
    EXPECT_EQ(conn.FindFreeSlot(), 1) << "a slot never used is free";
    EXPECT_EQ(conn.IdleSlotPercent(), 0) << "but it is not idle";
    conn.setLastSlot(-4);
    EXPECT_EQ(conn.FindFreeSlot(), 1);
}

TEST(ConnSlots, TimeoutRules)
{
    struct Row {
        int status;
        double elapsed;
        SlotTimeout action;
    };
    const Row rows[] = {
        {SlotStatus::LookingUp, 15.0, SlotTimeout::None},     {SlotStatus::LookingUp, 15.001, SlotTimeout::TimeOut},
        {SlotStatus::Fetching, 20.0, SlotTimeout::None},      {SlotStatus::Fetching, 20.001, SlotTimeout::TimeOut},
        {SlotStatus::SocketError, 2.0, SlotTimeout::None},    {SlotStatus::SocketError, 2.001, SlotTimeout::Release},
        {SlotStatus::TimedOut, 2.001, SlotTimeout::Release},  {SlotStatus::Complete, 1000, SlotTimeout::None},
        {SlotStatus::Idle, 1000, SlotTimeout::None},          {SlotStatus::NeverUsed, 1000, SlotTimeout::None},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.status << " for " << r.elapsed);
        EXPECT_EQ(slotTimeout(r.status, r.elapsed), r.action);
    }
}

TEST(ConnSlots, FetchSendsTheRequestAndHandsOverTheWholeReply)
{
    TempDataRoot root;
    ScriptedServer server;
    const QByteArray answer = "HTTP/1.0 200 OK\r\nContent-Type: text/csv\r\n\r\n\"MSFT\",\"10/1/2007\"\r\nno blank line at the end";
    server.setAnswer(answer);
    SlotsUnderTest t;
    QSignalSpy statuses(&t.conn, &ConnSlots::slotStatusChanged);
    t.conn.setLastSlot(1);

    ASSERT_TRUE(t.conn.StartFetch(url(server), 7));
    EXPECT_EQ(t.conn.slotAt(2).Status, SlotStatus::LookingUp);
    ASSERT_TRUE(t.waitForReports(1));

    EXPECT_EQ(server.requests().value(0), "GET /d/table.csv?s=MSFT&f=s0 HTTP/1.0\r\nAccept: */*\r\n"
                                          "Accept: text/html\r\nConnection: Close\r\n\r\n");
    EXPECT_EQ(t.reports[0].reply, QString::fromLatin1(answer));
    EXPECT_EQ(t.reports[0].reqN, 7);
    EXPECT_EQ(t.reports[0].slot, 2);
    EXPECT_EQ(t.conn.slotAt(2).Status, SlotStatus::Complete) << "until the reply handler releases it";
    QList<int> seen;
    for (const QList<QVariant>& s : statuses)
        seen << s.at(1).toInt();
    EXPECT_EQ(seen, (QList<int>{SlotStatus::LookingUp, SlotStatus::Fetching, SlotStatus::Complete}));
    EXPECT_EQ(t.conn.openSockets(), 0);
    t.conn.ReleaseSlot(2);
    EXPECT_EQ(t.conn.IdleSlotPercent(), 100);
    EXPECT_FALSE(root.exists("wsock.txt")) << "connects are logged only on request";
}

TEST(ConnSlots, LargeReplyArrivesWhole)
{
    TempDataRoot root;
    ScriptedServer server;
    QByteArray answer = "HTTP/1.0 200 OK\r\n\r\n";
    for (int i = 0; answer.size() < 3 * 1024 * 1024; ++i)
        answer += QByteArray::number(i) + ",\xe9\x01\n";
    server.setAnswer(answer);
    SlotsUnderTest t;
    ASSERT_TRUE(t.conn.StartFetch(url(server), 1));
    ASSERT_TRUE(t.waitForReports(1));
    EXPECT_EQ(t.reports[0].reply.toLatin1(), answer);
}

TEST(ConnSlots, ReplyBeyondTheLimitFailsLikeATimeOut)
{
    TempDataRoot root;
    ScriptedServer server;
    server.setAnswer(QByteArray(ConnSlots::kMaxReplyBytes + 4096, 'x'));
    SlotsUnderTest t;
    t.conn.setLastSlot(0);
    ASSERT_TRUE(t.conn.StartFetch(url(server), 1));
    ASSERT_TRUE(t.waitForStatus(1, SlotStatus::TimedOut));
    EXPECT_TRUE(t.conn.slotAt(1).Reply.isEmpty());
    EXPECT_EQ(t.conn.openSockets(), 0);
    QTest::qWait(50);
    EXPECT_TRUE(t.reports.isEmpty());
    root.clock().advanceSeconds(3);
    t.conn.CheckSlotTimeouts();
    ASSERT_EQ(t.reports.size(), 1);
    EXPECT_EQ(t.reports[0].reply, "Failed");
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::Idle);
}

TEST(ConnSlots, ServerThatNeverClosesTimesOut)
{
    TempDataRoot root;
    ScriptedServer server;
    server.setMode(ScriptedServer::Mode::AnswerOpen);
    server.setAnswer(QByteArray("HTTP/1.0 200 OK\r\n\r\npartial"));
    SlotsUnderTest t;
    t.conn.setLastSlot(0);
    ASSERT_TRUE(t.conn.StartFetch(url(server), 4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.conn.slotAt(1).Reply.endsWith("partial"); }, 10000));
    const QDateTime start = root.clock().nowUtc();

    root.clock().setUtc(start.addMSecs(20000));
    t.conn.CheckSlotTimeouts();
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::Fetching) << "20.0 s is not yet too long";

    root.clock().setUtc(start.addMSecs(20001));
    t.conn.CheckSlotTimeouts();
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::TimedOut);
    EXPECT_EQ(t.conn.openSockets(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedByClient() == 1; }, 10000));

    root.clock().setUtc(start.addMSecs(22001));
    t.conn.CheckSlotTimeouts();
    EXPECT_TRUE(t.reports.isEmpty()) << "the error shows for more than 2 s";
    root.clock().setUtc(start.addMSecs(22002));
    t.conn.CheckSlotTimeouts();
    ASSERT_EQ(t.reports.size(), 1);
    EXPECT_EQ(t.reports[0].reply, "Failed") << "the partial reply is dropped";
    EXPECT_EQ(t.reports[0].reqN, 4);
    EXPECT_TRUE(t.offLine.isEmpty()) << "the connection itself was made";
    EXPECT_EQ(t.conn.ConnectFailures(), 0);
}

TEST(ConnSlots, LateLookupOfATimedOutFetchIsIgnored)
{
    TempDataRoot root;
    ScriptedServer server;
    server.setAnswer(QByteArray("HTTP/1.0 200 OK\r\n\r\nx"));
    SlotsUnderTest t;
    t.conn.setLastSlot(0);
    ASSERT_TRUE(t.conn.StartFetch(url(server), 1));
    root.clock().advanceSeconds(16);
    t.conn.CheckSlotTimeouts();   // before the lookup could report
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::TimedOut);
    QTest::qWait(200);
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::TimedOut);
    root.clock().advanceSeconds(3);
    t.conn.CheckSlotTimeouts();
    ASSERT_EQ(t.reports.size(), 1);
    EXPECT_EQ(t.reports[0].reply, "Failed");
}

TEST(ConnSlots, FailedConnectsTakeTheDownloaderOffLine)
{
    TempDataRoot root;
    SlotsUnderTest t;
    t.conn.setSocketLog(true);
    const QString dead = QString("http://127.0.0.1:%1/x").arg(closedPort());
    const QString expected = "Cant open socket waited 0 seconds on Server - 127.0.0.1";

    ASSERT_TRUE(t.conn.StartFetch(dead, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.offLine.size() == 1; }, 10000));
    EXPECT_EQ(t.offLine[0], expected);
    EXPECT_EQ(t.conn.ConnectFailures(), 2);
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::SocketError);

    ASSERT_TRUE(t.conn.StartFetch(dead, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.offLine.size() == 2; }, 10000)) << "each failure goes off line";
    EXPECT_EQ(t.conn.ConnectFailures(), 4);

    ScriptedServer server;
    server.setAnswer(QByteArray("HTTP/1.0 200 OK\r\n\r\nx"));
    root.clock().advanceSeconds(3);
    t.conn.CheckSlotTimeouts();   // both conn report "Failed" and are idle again
    ASSERT_EQ(t.reports.size(), 2);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(t.conn.StartFetch(url(server), 3));
        ASSERT_TRUE(t.waitForReports(3 + i));
        t.conn.ReleaseSlot(t.reports.last().slot);
    }
    EXPECT_EQ(t.conn.ConnectFailures(), 0) << "each success takes one off";

    const QByteArray log = root.read("wsock.txt");
    EXPECT_TRUE(log.startsWith((expected + "\r\n" + expected + "\r\n").toLatin1()));
    EXPECT_TRUE(log.contains("Socket opened in 0 seconds, Server = 127.0.0.1\r\n"));
}

// A listening socket that never accepts and whose queue is full: a connect to it
// neither opens nor fails.
class FullListener {
public:
    FullListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), size) != 0 || ::listen(m_fd, 0) != 0
            || ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &size) != 0)
            return;
        m_port = ntohs(a.sin_port);
        m_filler.connectToHost(QHostAddress::LocalHost, m_port);
        if (!m_filler.waitForConnected(10000))
            m_port = 0;
    }
    ~FullListener()
    {
        m_filler.abort();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    quint16 port() const { return m_port; }

private:
    int m_fd = -1;
    quint16 m_port = 0;
    QTcpSocket m_filler;
};

// The connect runs in the background: the program goes on while it hangs, and one that
// has not opened after the 20-second limit counts as a failed connect.
TEST(ConnSlots, ConnectThatNeverOpensIsAFailedConnect)
{
    TempDataRoot root;
    FullListener listener;
    ASSERT_NE(listener.port(), 0);
    SlotsUnderTest t(1);
    t.conn.setSocketLog(true);
    ASSERT_TRUE(t.conn.StartFetch(QString("http://127.0.0.1:%1/x").arg(listener.port()), 1));
    ASSERT_TRUE(t.waitForStatus(1, SlotStatus::Fetching));
    QTest::qWait(200);
    EXPECT_FALSE(root.exists("wsock.txt")) << "the connection did not open";
    EXPECT_EQ(t.conn.openSockets(), 1);

    root.clock().advanceSeconds(20);
    t.conn.CheckSlotTimeouts();
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::Fetching);
    root.clock().advanceSeconds(1);
    t.conn.CheckSlotTimeouts();
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::TimedOut);
    EXPECT_EQ(t.conn.openSockets(), 0);
    const QString expected = "Cant open socket waited 21 seconds on Server - 127.0.0.1";
    EXPECT_EQ(t.offLine, QStringList{expected});
    EXPECT_EQ(t.conn.ConnectFailures(), 2);
    EXPECT_EQ(root.read("wsock.txt"), (expected + "\r\n").toLatin1());
    root.clock().advanceSeconds(3);
    t.conn.CheckSlotTimeouts();
    ASSERT_EQ(t.reports.size(), 1);
    EXPECT_EQ(t.reports[0].reply, "Failed");
}

TEST(ConnSlots, AfterOneFailureTwoSuccessesClearTheScore)
{
    TempDataRoot root;
    SlotsUnderTest t(1);
    ASSERT_TRUE(t.conn.StartFetch(QString("http://127.0.0.1:%1/x").arg(closedPort()), 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.offLine.isEmpty(); }, 10000));
    root.clock().advanceSeconds(3);
    t.conn.CheckSlotTimeouts();
    ScriptedServer server;
    server.setAnswer(QByteArray("HTTP/1.0 200 OK\r\n\r\nx"));
    for (int i = 1; i <= 2; ++i) {
        ASSERT_TRUE(t.conn.StartFetch(url(server), 1));
        ASSERT_TRUE(t.waitForReports(1 + i));
        t.conn.ReleaseSlot(1);
        EXPECT_EQ(t.conn.ConnectFailures(), 2 - i);
    }
}

TEST(ConnSlots, ResetConnectionIsASocketError)
{
    TempDataRoot root;
    ScriptedServer server;
    server.setMode(ScriptedServer::Mode::Reset);
    SlotsUnderTest t(1);
    ASSERT_TRUE(t.conn.StartFetch(url(server), 1));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const int s = t.conn.slotAt(1).Status;
        return s == SlotStatus::SocketError || s == SlotStatus::Complete;
    }, 10000));
    // A reset right after the connect ends the fetch either as an error or as an empty
    // reply; it never takes the downloader off line.
    EXPECT_TRUE(t.offLine.isEmpty());
    EXPECT_EQ(t.conn.openSockets(), 0);
}

TEST(ConnSlots, BadPortFailsTheFetch)
{
    TempDataRoot root;
    SlotsUnderTest t(1);
    ASSERT_TRUE(t.conn.StartFetch("http://127.0.0.1:99999/x", 1));
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::SocketError);
    EXPECT_TRUE(t.offLine.isEmpty());
}

TEST(ConnSlots, CleanupClosesEveryConnection)
{
    TempDataRoot root;
    ScriptedServer server;
    server.setMode(ScriptedServer::Mode::Silent);
    SlotsUnderTest t;
    ASSERT_TRUE(t.conn.StartFetch(url(server), 1));
    ASSERT_TRUE(t.conn.StartFetch(url(server), 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 2; }, 10000));
    EXPECT_EQ(t.conn.openSockets(), 2);

    t.conn.SocketCleanup();
    EXPECT_EQ(t.conn.openSockets(), 0);
    EXPECT_EQ(t.conn.slotAt(1).Status, SlotStatus::SocketError);
    EXPECT_EQ(t.conn.slotAt(2).Status, SlotStatus::SocketError);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedByClient() == 2; }, 10000));
    t.conn.SocketCleanup();   // closing again is harmless
    root.clock().advanceSeconds(3);
    t.conn.CheckSlotTimeouts();
    EXPECT_EQ(t.reports.size(), 2);
    EXPECT_EQ(t.conn.IdleSlotPercent(), 100);
}

} // namespace
