#pragma once

#include <QtGlobal>

// The states of a connection slot, in the order a fetch goes through them.
namespace SlotStatus {
constexpr int NeverUsed = 0;
constexpr int Idle = 1;
constexpr int LookingUp = 2;    // host lookup started
constexpr int Fetching = 3;     // connecting, request sent, reply being collected
constexpr int Complete = 4;     // the server closed; the reply is being handled
constexpr int SocketError = 5;
constexpr int TimedOut = 6;
}

// Time-out limits, in seconds, measured from the slot's last step.
inline constexpr double kLookupLimit = 15;
inline constexpr double kFetchLimit = 20;
inline constexpr double kFailedHold = 2;

// What a tick does to a slot that has been in `status` for `elapsed` seconds.
enum class SlotTimeout {
    None,
    TimeOut,  // a lookup or fetch ran too long: the slot shows status 6
    Release,  // an error or time-out has been shown long enough: status 1, report "Failed"
};
SlotTimeout slotTimeout(int status, double elapsed);

// A slot is free for a new fetch when it was never used or is idle.
inline bool isFreeStatus(int status) { return status == SlotStatus::NeverUsed || status == SlotStatus::Idle; }

// The background colour of a slot's status box as 0xRRGGBB.
quint32 slotStatusColor(int status);
