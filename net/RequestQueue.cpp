#include "RequestQueue.h"

RequestQueue::AddResult RequestQueue::add(const DownloadRequest& req)
{
    for (const DownloadRequest& e : m_entries) {
        if (e.Status != RequestStatus::Free && e.Ticker == req.Ticker && e.Type == req.Type)
            return AddResult::Duplicate;
    }
    DownloadRequest& target = m_entries[std::size_t(m_nextReq)];
    if (target.Status > RequestStatus::Queued)
        return AddResult::Busy;
    target = req;
    target.Status = RequestStatus::Queued;
    target.Serial = ++m_serial;
    m_nextReq = (m_nextReq + 1) % kSize;
    return AddResult::Added;
}

void RequestQueue::clear()
{
    for (DownloadRequest& e : m_entries)
        e.Status = RequestStatus::Free;
}

int RequestQueue::cancelFor(const QString& ticker)
{
    int freed = 0;
    for (DownloadRequest& e : m_entries) {
        if (e.Status != RequestStatus::Free && e.Ticker == ticker) {
            e.Status = RequestStatus::Free;
            ++freed;
        }
    }
    return freed;
}

int RequestQueue::firstQueued() const
{
    for (int i = 0; i < kSize; ++i) {
        if (m_entries[std::size_t(i)].Status == RequestStatus::Queued)
            return i;
    }
    return -1;
}

int RequestQueue::used() const
{
    int n = 0;
    for (const DownloadRequest& e : m_entries)
        n += e.Status != RequestStatus::Free;
    return n;
}
