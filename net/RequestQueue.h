#pragma once

#include "DownloadRequest.h"

#include <array>

// The request table: 21 entries used as a ring. A new request is written at NextReq,
// which then moves on by one and wraps from 20 to 0. Writing may overwrite an entry
// that is only queued, never one that has started or is being processed. Requests
// start in index order, not in the order they were added.
class RequestQueue {
public:
    static constexpr int kSize = 21;

    enum class AddResult {
        Added,      // written at the old NextReq
        Duplicate,  // the same ticker and type is already in the table
        Busy,       // the entry at NextReq has started or is being processed
    };

    // Queues a copy of `req` (Retries included) with status Queued and a new Serial.
    // The ticker is compared exactly, case included.
    AddResult add(const DownloadRequest& req);
    // Frees every entry.
    void clear();
    // Frees every entry whose ticker equals `ticker`, whatever its status. Returns how
    // many were freed.
    int cancelFor(const QString& ticker);
    // The lowest index holding a queued request, or -1.
    int firstQueued() const;

    DownloadRequest& at(int index) { return m_entries[std::size_t(index)]; }
    const DownloadRequest& at(int index) const { return m_entries[std::size_t(index)]; }
    static bool isIndex(int index) { return index >= 0 && index < kSize; }
    int nextReq() const { return m_nextReq; }
    // Entries that are not free.
    int used() const;

private:
    std::array<DownloadRequest, kSize> m_entries{};
    int m_nextReq = 0;
    quint64 m_serial = 0;
};
