#include "Downloader.h"

#include "Dates.h"
#include "Dialogs.h"
#include "DownloaderShell.h"
#include "HistoryParser.h"
#include "NetLog.h"
#include "PriceFile.h"
#include "RecordFile.h"
#include "QuoteIndex.h"
#include "QuoteParser.h"
#include "UpdatePlanner.h"

#include <QCoreApplication>
#include <QFile>

namespace {

Downloader* g_downloader = nullptr;

void letEventsRun()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

DownloadRequest request(qint16 type, const QString& ticker, qint32 date = 0)
{
    DownloadRequest r;
    r.Type = type;
    r.Ticker = ticker;
    r.Date = date;
    return r;
}

} // namespace

Downloader::Downloader(DownloaderShell& shell, QObject* parent) : QObject(parent), m_shell(shell)
{
    m_slots.setReplyHandler([this](const QString& reply, int tReqN, int slot) { DownloaderReply(reply, tReqN, slot); });
    m_slots.setOffLineHandler([this](const QString& tMsg) { m_shell.Go_OffLine(tMsg); });
    m_slots.InitSlots(kDefaultSlotCount);
}

Downloader::~Downloader()
{
    if (g_downloader == this)
        setDownloader(nullptr);
}

void Downloader::setLogSwitches(bool sockets, bool urls)
{
    m_slots.setSocketLog(sockets);
    m_logUrls = urls;
}

void Downloader::tick()
{
    letEventsRun();
    m_slots.CheckSlotTimeouts();
    StartNextRequest();
}

void Downloader::AddRequest(const DownloadRequest& req)
{
    if (!m_shell.online())
        return;
    if (m_requests.add(req) == RequestQueue::AddResult::Busy && m_shell.debug())
        dialogs().message(QStringLiteral("Request not added, is already in progress"));
}

void Downloader::ClearRequests() { m_requests.clear(); }

void Downloader::CancelRequestsFor(const QString& ticker) { m_requests.cancelFor(ticker); }

void Downloader::StartNextRequest()
{
    const int index = m_requests.firstQueued();
    if (index < 0)
        return;
    const QString url = BuildRequestUrl(index);
    if (!m_slots.StartFetch(url, index))
        return;
    const int slot = m_slots.LastSlot();
    if (m_slotRequest.size() <= slot)
        m_slotRequest.resize(slot + 1);
    m_slotRequest[slot] = m_requests.at(index).Serial;
    m_requests.at(index).Status = RequestStatus::Started;
}

QString Downloader::BuildRequestUrl(int index)
{
    if (!RequestQueue::isIndex(index))
        return QString();
    const QString url = requestUrl(m_requests.at(index), m_hosts);
    if (m_logUrls)
        appendRootLog(QString::fromLatin1(kUrlLogFile), url);
    return url;
}

void Downloader::DownloaderReply(const QString& reply, int tReqN, int slot)
{
    letEventsRun();
    // A request freed meanwhile (cancelled, cleared, or its entry given to a later
    // request) only releases the slot.
    const bool sameRequest = slot >= 0 && slot < m_slotRequest.size() && RequestQueue::isIndex(tReqN)
        && m_requests.at(tReqN).Serial == m_slotRequest[slot];
    if (!sameRequest || m_requests.at(tReqN).Status != RequestStatus::Started) {
        m_slots.ReleaseSlot(slot);
        return;
    }
    if (reply == QLatin1String("Failed")) {
        requeueFailed(tReqN);   // the slot was released before the report
        return;
    }

    m_requests.at(tReqN).Status = RequestStatus::Processing;
    // Handling lets events run, which may change the table: work on a copy.
    const DownloadRequest req = m_requests.at(tReqN);
    QString kept = reply;
    const int tReply = handleReply(req, reply, tReqN, kept);

    switch (tReply) {
    case ParseResult::Unusable:
        if (m_shell.debug()) {
            dialogs().message(QStringLiteral("Downloader reply tReply%") + QString::number(tReply)
                              + QStringLiteral(" Requests(tReqN%)") + QString::number(req.Type));
        }
        writeDataFile(QString::fromLatin1(kFailedReplyFile), kept);
        break;
    case ParseResult::Parsed:
        if (m_requests.at(tReqN).Status == RequestStatus::Processing)
            m_requests.at(tReqN).Status = RequestStatus::Free;
        UpdateTicker(req.Ticker);
        m_shell.BroadCastNewData(req.Ticker, req.Type);
        break;
    case ParseResult::Retry:
        if (m_requests.at(tReqN).Status == RequestStatus::Processing)
            requeueFailed(tReqN);
        break;
    case ParseResult::Nothing:
        if (m_shell.debug())
            dialogs().message(QStringLiteral("No Prices in this date range"));
        break;
    case ParseResult::NoData:
        if (m_shell.debug())
            dialogs().message(QStringLiteral("No Quote/Details Found or no Historical Data"));
        break;
    default:
        break;
    }
    // The entry is freed only while it still holds this request: the planner may have
    // queued a new request into it meanwhile.
    if (m_requests.at(tReqN).Status == RequestStatus::Processing)
        m_requests.at(tReqN).Status = RequestStatus::Free;
    m_slots.ReleaseSlot(slot);
}

int Downloader::handleReply(const DownloadRequest& req, const QString& reply, int tReqN, QString& kept)
{
    QuoteRecord q;
    EmptyQuote(q);
    int tReply = ParseResult::Unusable;
    switch (req.Type) {
    case RequestType::Quote:
        kept = ReplyBody(reply);
        tReply = ParseStockQuote(kept, q);
        if (tReply == ParseResult::Parsed) {
            q.QuoteUpdated = Now();
            StoreQuote(q, RequestType::Quote);
            StoreQuoteBar(q);
        } else if (tReply == ParseResult::Nothing) {
            MarkQuoted(req.Ticker);
        }
        break;
    case RequestType::Details:
        tReply = ParseDetails(reply, q);
        if (tReply == ParseResult::Parsed) {
            q.DetailsUpdated = Now();
            StoreQuote(q, RequestType::Details);
            StoreQuoteBar(q);
        }
        break;
    case RequestType::History:
        tReply = ParseHistory(reply, tReqN, req.Ticker, AddMonthsJulian(req.Date, -3), req.Date);
        if (tReply == ParseResult::Parsed) {
            PriceFileInfo info = GetFileInfo(req.Ticker);
            ClosePriceFile(info);
            q.HistoryCount = info.Count;
            q.HistoryFirst = info.FirstDate;
            q.HistoryLast = info.LastDate;
            q.HistoricalUpdated = Now();
            q.Ticker = req.Ticker;
            StoreQuote(q, RequestType::History);
        }
        break;
    default:
        break;
    }
    return tReply;
}

void Downloader::requeueFailed(int tReqN)
{
    DownloadRequest& tR = m_requests.at(tReqN);
    tR.Status = RequestStatus::Free;
    tR.Retries += 1;
    if (tR.Retries > kMaxRetries)
        return;
    const DownloadRequest copy = tR;
    AddRequest(copy);
}

bool Downloader::UpdateTicker(const QString& tTicker)
{
    const QString ticker = tTicker.trimmed().toUpper();
    if (ticker.isEmpty() || ticker.contains(QLatin1String("EMPTY")))
        return false;
    // A symbol the price store refuses could never be stored, so it is never asked for.
    if (!checkSymbol(ticker).isEmpty())
        return false;

    QString found = ticker;
    const qint32 record = FindQuote(found);
    if (record == 0) {
        AddNewSymbolRequests(ticker);
        return true;
    }
    QuoteRecord q = ReadQuote(record);
    const DateSerial today = Today();
    bool result = false;

    const int age = historyAge(q.HistoricalUpdated, today);
    if (age > 0) {
        if (age > kStaleHistoryWeekdays) {
            q.HistoryLast = 0;
            ResetQuote(ticker);
            const QString path = PriceFileName(ticker);
            if (!path.isEmpty()) {
                CancelRequestsFor(ticker);
                if (!QFile::remove(path))
                    return false;
            }
        }
        AddRequest(request(RequestType::History, ticker, historyBlockEnd(q.HistoryLast, DateToJulian(today))));
        result = true;
    }

    if (quoteDue(q.QuoteUpdated, Now(), m_shell.updateInterval()))
        AddRequest(request(RequestType::Quote, ticker));

    const int olderEnd = backFillEnd(GetFirstDate(ticker), q.NoDataStamp, today);
    if (olderEnd == 0)
        return result;
    AddRequest(request(RequestType::History, ticker, olderEnd));
    return true;
}

void Downloader::AddNewSymbolRequests(const QString& ticker)
{
    AddRequest(request(RequestType::History, ticker, DateToJulian(Today())));
    AddRequest(request(RequestType::Details, ticker));
}

void Downloader::GoOffLineCleanup()
{
    ClearRequests();
    m_slots.SocketCleanup();
}

Downloader* downloader() { return g_downloader; }

void setDownloader(Downloader* d)
{
    g_downloader = d;
    if (d)
        setCancelRequestsHook([](const QString& symbol) {
            if (g_downloader)
                g_downloader->CancelRequestsFor(symbol);
        });
    else
        setCancelRequestsHook(nullptr);
}

bool UpdateTicker(const QString& ticker) { return g_downloader ? g_downloader->UpdateTicker(ticker) : false; }

int IdleSlotPercent() { return g_downloader ? g_downloader->connections().IdleSlotPercent() : 0; }

void CancelRequestsFor(const QString& ticker)
{
    if (g_downloader)
        g_downloader->CancelRequestsFor(ticker);
}
