#pragma once

#include <QString>

// The figures of the socket layer that the "WinSock Version" report shows.
struct SocketLayerFacts {
    int version = 0;        // version word of the socket model in use (major in the low byte)
    int highVersion = 0;    // the highest the layer offers, the same way
    QString description;
    QString systemStatus;
    long long maxSockets = 0;
    int maxUdpDatagram = 0;
};

// The client keeps the 1.1 socket model (one lookup, one connection per fetch, the
// reply read until the server closes), written as the version word 257.
inline constexpr int kSocketModelVersion = 0x0101;

// This machine's figures: the model version, Qt Network's version as the highest, the
// library and its state, the open-file limit of the process (every socket is a file)
// and the largest IPv4 datagram.
SocketLayerFacts socketLayerFacts();

// The report text: a CR LF, then one line per figure, then the description and the
// status again, every line ended by CR LF.
QString socketReportText(const SocketLayerFacts& facts);

// The report window's background pulse: blue starts at 52 and moves by `step` each
// tick; at 244 or more the step turns to -10, at 50 or less to +10, so blue swings
// between 42 and 252. Red and green stay 0.
struct BluePulse {
    int blue = 52;
    int step = 10;
    // Moves one tick and returns the new blue component.
    int tick();
};
