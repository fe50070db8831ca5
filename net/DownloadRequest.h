#pragma once

#include <QString>
#include <QtGlobal>

// What a download asks for. The numbers are also the request types that
// BroadCastNewData passes on.
namespace RequestType {
constexpr qint16 Quote = 1;
constexpr qint16 History = 2;   // a three-month block of daily bars
constexpr qint16 Details = 4;
}

// Where an entry of the request table stands.
namespace RequestStatus {
constexpr qint16 Free = 0;
constexpr qint16 Queued = 1;
constexpr qint16 Started = 2;     // a connection slot is fetching it
constexpr qint16 Processing = 3;  // its reply is being handled
}

struct DownloadRequest {
    qint16 Type = 0;
    QString Ticker;       // upper case when queued by the planner
    qint32 Date = 0;      // history: last day of the wanted block, yyyymmdd
    qint16 Status = RequestStatus::Free;
    qint16 Retries = 0;   // failed fetches so far
    // Given by the request table when the request is queued; tells the request a fetch
    // was started for from a later one written into the same entry.
    quint64 Serial = 0;
};
