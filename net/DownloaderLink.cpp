#include "DownloaderLink.h"

#include "FrmDo.h"
#include "MainMDI.h"
#include "ShellSettings.h"
#include "StatusStrip.h"

DownloaderLink::DownloaderLink(MainMDI& main, const ServiceEndpoints& hosts)
    : m_main(main), m_downloader(*this), m_rows([&main] { return main.symbolGridRows(); })
{
    const ShellSettings& s = shellSettings();
    m_downloader.setEndpoints(hosts);
    m_downloader.setLogSwitches(s.logSockets, s.logUrls);
    connect(&m_downloader.connections(), &ConnSlots::slotStatusChanged, this, &DownloaderLink::showSlotStatus);
    m_downloader.connections().InitSlots(s.connectionCount);

    connect(&main, &MainMDI::downloaderTick, this, [this] { m_downloader.tick(); });
    connect(&main, &MainMDI::updateTick, this, &DownloaderLink::updateTick);
    connect(&main, &MainMDI::updateTickerRequested, this, [this](const QString& t) { m_downloader.UpdateTicker(t); });
    connect(&main, &MainMDI::goneOffLine, this, [this] { m_downloader.GoOffLineCleanup(); });
    connect(&main, &MainMDI::closingConnections, this, [this] { m_downloader.connections().SocketCleanup(); });
    connect(main.menus().mnuWinsock, &QAction::triggered, this, [this] { socketReport()->ShowSocketReport(); });
    setDownloader(&m_downloader);
}

DownloaderLink::~DownloaderLink()
{
    setDownloader(nullptr);
    delete m_report;
}

void DownloaderLink::updateTick()
{
    if (m_downloader.connections().IdleSlotPercent() < 10)
        return;
    const QStringList rows = m_rows ? m_rows() : QStringList();
    if (rows.isEmpty())
        return;
    if (m_cursor >= rows.size())
        m_cursor = 0;
    const QString symbol = rows[m_cursor].trimmed();
    ++m_cursor;
    m_downloader.UpdateTicker(symbol);
}

FrmDo* DownloaderLink::socketReport()
{
    if (!m_report)
        m_report = new FrmDo(&m_main);
    return m_report;
}

bool DownloaderLink::online() const { return shellSettings().online; }

bool DownloaderLink::debug() const { return shellSettings().debug; }

int DownloaderLink::updateInterval() const { return shellSettings().updateInterval; }

void DownloaderLink::Go_OffLine(const QString& tMsg) { m_main.Go_OffLine(tMsg); }

void DownloaderLink::BroadCastNewData(const QString& tTicker, int tRequestType)
{
    m_main.BroadCastNewData(tTicker, tRequestType);
}

void DownloaderLink::showSlotStatus(int slot, int status)
{
    const auto boxes = m_main.findChildren<DownloaderBox*>();
    for (DownloaderBox* box : boxes) {
        if (box->slot() == slot)
            box->setColor(QColor::fromRgb(slotStatusColor(status)));
    }
}
