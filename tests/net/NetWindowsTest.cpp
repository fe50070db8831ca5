#include "DownloaderLink.h"
#include "FrmDo.h"
#include "NetTestSupport.h"
#include "ScriptedServer.h"

#include "MainMDI.h"
#include "ShellSettings.h"
#include "StatusStrip.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(SocketReport, TextLinesAndPulse)
{
    SocketLayerFacts f;
    f.version = 257;
    f.highVersion = 1030;
    f.description = "Qt Network 6.4.2 sockets";
    f.systemStatus = "Running";
    f.maxSockets = 1024;
    f.maxUdpDatagram = 65507;
    EXPECT_EQ(socketReportText(f), "\r\n  wVersion= 257\r\n  wHighVersion = 1030\r\n"
                                   "  If wVersion = 257 then everything is cool\r\n"
                                   "  szDescription = Qt Network 6.4.2 sockets\r\n  szSystemStatus = Running\r\n"
                                   "  iMaxSockets = 1024\r\n  iMaxUdpDg = 65507\r\nQt Network 6.4.2 sockets\r\nRunning\r\n");

    const SocketLayerFacts here = socketLayerFacts();
    EXPECT_EQ(here.version, 257);
    EXPECT_TRUE(here.description.contains(qVersion()));
    EXPECT_GT(here.maxSockets, 0);

    BluePulse pulse;
    int low = 255, high = 0;
    QList<int> first;
    for (int i = 0; i < 100; ++i) {
        const int b = pulse.tick();
        low = qMin(low, b);
        high = qMax(high, b);
        if (i < 3)
            first << b;
    }
    EXPECT_EQ(first, (QList<int>{62, 72, 82}));
    EXPECT_EQ(low, 42);
    EXPECT_EQ(high, 252);
}

class NetWindows : public testing::Test {
protected:
    NetWindows()
    {
        shellSettings() = ShellSettings{};
        main.resize(900, 600);
        main.firstActivation();
        main.findChild<QTimer*>("dNetTimer")->stop();
    }
    ~NetWindows() override { shellSettings() = ShellSettings{}; }

    TempDataRoot root;
    MainMDI main;
};

TEST_F(NetWindows, WinsockMenuShowsTheReportWindow)
{
    DownloaderLink link(main, {});
    main.menus().mnuWinsock->trigger();
    auto* frm = main.findChild<FrmDo*>("frmDo");
    ASSERT_NE(frm, nullptr);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(frm->windowTitle(), "Winsockversion");
    EXPECT_EQ(frm->property("tag").toString(), "toolbox");
    auto* text = frm->findChild<QPlainTextEdit*>("Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->toPlainText().contains("If wVersion = 257 then everything is cool"));
    const int before = frm->blue();
    QTest::qWait(250);
    EXPECT_NE(frm->blue(), before) << "Timer1 pulses the background";
    EXPECT_EQ(frm->palette().color(QPalette::Window), QColor(0, 0, frm->blue()));
    frm->UnloadMe();
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(NetWindows, StatusBoxesShowTheSlotStates)
{
    ScriptedServer server;
    server.setMode(ScriptedServer::Mode::Silent);
    DownloaderLink link(main, {server.host(), server.host(), server.host()});
    auto* box1 = main.findChild<DownloaderBox*>("dtbDownloader_0");
    auto* box2 = main.findChild<DownloaderBox*>("dtbDownloader_1");
    ASSERT_TRUE(box1 && box2);
    EXPECT_EQ(box1->color(), QColor(192, 192, 192));

    ConnSlots& conn = link.downloader().connections();
    conn.setLastSlot(0);
    ASSERT_TRUE(conn.StartFetch("http://" + server.host() + "/x", 0));
    EXPECT_EQ(box1->color(), QColor(255, 255, 0)) << "looking up";
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1; }, 10000));
    EXPECT_EQ(box1->color(), QColor(0, 255, 0)) << "fetching";
    root.clock().advanceSeconds(21);
    conn.CheckSlotTimeouts();
    EXPECT_EQ(box1->color(), QColor(255, 0, 0)) << "timed out";
    conn.SetSlotStatus(SlotStatus::SocketError, 2);
    EXPECT_EQ(box2->color(), QColor(255, 192, 192));
    conn.SetSlotStatus(SlotStatus::Complete, 2);
    EXPECT_EQ(box2->color(), QColor(0, 128, 0));
}

TEST_F(NetWindows, UpdateTimerWalksTheSymbolRows)
{
    DownloaderLink link(main, {"127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1"});
    shellSettings().online = true;
    link.setSymbolRows([] { return QStringList{" msft ", "  empty", "ORCL"}; });
    Downloader& d = link.downloader();

    link.updateTick();
    EXPECT_EQ(d.requests().at(0).Ticker, "MSFT");
    link.updateTick();   // the placeholder row asks for nothing
    EXPECT_EQ(d.requests().used(), 2);
    link.updateTick();
    EXPECT_EQ(d.requests().used(), 4);
    EXPECT_EQ(link.updateCursor(), 3);

    d.connections().SetSlotStatus(SlotStatus::Fetching, 1);
    d.connections().SetSlotStatus(SlotStatus::Fetching, 2);
    link.updateTick();
    EXPECT_EQ(link.updateCursor(), 3) << "no idle connection: the tick does nothing";
    d.connections().ReleaseSlot(1);
    d.ClearRequests();
    link.updateTick();
    EXPECT_EQ(link.updateCursor(), 1) << "back to the first row after the last";
    EXPECT_EQ(d.requests().at(d.requests().firstQueued()).Ticker, "MSFT");
}

TEST_F(NetWindows, UpdateTimerTakesTheSymbolGridsRows)
{
    DownloaderLink link(main, {"127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1"});
    const QString list = root.folders().lists + "Tech.txt";
    QFile f(list);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ORCL\r\nMicrosoft:MSFT\r\n");
    f.close();
    main.LoadGridTickers(list);
    ASSERT_EQ(main.symbolGridRows().size(), 2);
    shellSettings().online = true;
    link.updateTick();
    link.updateTick();
    QStringList asked;
    for (int i = 0; i < RequestQueue::kSize; ++i)
        if (link.downloader().requests().at(i).Status != RequestStatus::Free)
            asked << link.downloader().requests().at(i).Ticker;
    EXPECT_EQ(asked, (QStringList{"ORCL", "ORCL", "MSFT", "MSFT"}));
}

TEST_F(NetWindows, SymbolBoxRunsThePlanner)
{
    DownloaderLink link(main, {"127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1"});
    auto* ticker = main.findChild<QLineEdit*>("mTicker");
    ASSERT_NE(ticker, nullptr);
    QTest::keyClicks(ticker, " nvda");
    QTest::keyClick(ticker, Qt::Key_Return);
    EXPECT_EQ(link.downloader().requests().used(), 2);
    EXPECT_EQ(link.downloader().requests().at(0).Ticker, "NVDA");

    link.downloader().ClearRequests();
    QTest::mouseClick(ticker, Qt::LeftButton);
    EXPECT_EQ(link.downloader().requests().used(), 2) << "a left click runs the planner as well";

    shellSettings().online = false;
    link.downloader().ClearRequests();
    QTest::keyClick(ticker, Qt::Key_Return);
    EXPECT_EQ(link.downloader().requests().used(), 0) << "off line";
}

} // namespace
