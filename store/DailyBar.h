#pragma once

#include <QByteArray>
#include <QtGlobal>

// One trading day of one symbol, as stored in a price file slot.
//
// On disk (little-endian, packed):
//   Date i32 (4) | Open f32 (4) | High f32 (4) | Low f32 (4) | Close f32 (4) |
//   Volume f32 (4) | Status i32 (4) | spare f32 (4) | spare f32 (4) = 36 bytes
struct DailyBar {
    qint32 Date = 0;      // yyyymmdd; 0 marks an empty slot
    float Open = 0;
    float High = 0;
    float Low = 0;
    float Close = 0;      // closing price, or the last traded price of a provisional bar
    float Volume = 0;
    qint32 Status = 0;    // one of BarStatus
    float Spare1 = 0;     // free for readers' own use in memory; stored as 0
    float Spare2 = 0;

    bool isEmpty() const { return Date == 0; }
    friend bool operator==(const DailyBar&, const DailyBar&) = default;
};

// What a slot holds.
namespace BarStatus {
constexpr qint32 Empty = 0;        // holiday or gap
constexpr qint32 Final = 1;        // end-of-day bar from the history service
constexpr qint32 Provisional = 2;  // built from a real-time quote
}

constexpr int kDailyBarSize = 4 + 4 + 4 + 4 + 4 + 4 + 4 + 4 + 4;
static_assert(kDailyBarSize == 36, "a price file slot is 36 bytes");

// Writes `bar` into out[0..35]. The spare fields are always written as 0.
void encodeBar(const DailyBar& bar, char* out);
QByteArray encodeBar(const DailyBar& bar);
// Reads a bar from p[0..35].
DailyBar decodeBar(const char* p);
// Reads a bar from a record; a record shorter than 36 bytes reads as if padded with zeros.
DailyBar decodeBar(const QByteArray& record);
