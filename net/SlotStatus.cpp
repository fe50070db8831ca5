#include "SlotStatus.h"

SlotTimeout slotTimeout(int status, double elapsed)
{
    switch (status) {
    case SlotStatus::LookingUp:
        return elapsed > kLookupLimit ? SlotTimeout::TimeOut : SlotTimeout::None;
    case SlotStatus::Fetching:
        return elapsed > kFetchLimit ? SlotTimeout::TimeOut : SlotTimeout::None;
    case SlotStatus::SocketError:
    case SlotStatus::TimedOut:
        return elapsed > kFailedHold ? SlotTimeout::Release : SlotTimeout::None;
    default:
        return SlotTimeout::None;
    }
}

quint32 slotStatusColor(int status)
{
    switch (status) {
    case SlotStatus::Idle:
        return 0xC0C0C0; // palette 7
    case SlotStatus::LookingUp:
        return 0xFFFF00; // palette 14
    case SlotStatus::Fetching:
        return 0x00FF00; // palette 10
    case SlotStatus::SocketError:
        return 0xFFC0C0;
    case SlotStatus::TimedOut:
        return 0xFF0000; // palette 12
    case SlotStatus::NeverUsed:
    case SlotStatus::Complete:
    default:
        return 0x008000; // palette 2
    }
}
