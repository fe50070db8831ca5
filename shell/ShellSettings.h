#pragma once

#include "Palette.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The shell's settings: held in memory for one run, never saved. Start-up sets the
// defaults; the menus change some of them while the program runs.
struct ShellSettings {
    bool online = false;            // the downloader may fetch; mirrored by mnuOnline
    bool debug = false;             // extra diagnostic messages; mirrored by mnuDebug
    std::int32_t updateInterval = 60;  // seconds between quote refreshes, at least 3
    std::int16_t connectionCount = 2;  // parallel download connections
    std::int32_t fadeStep = 5;      // colour fading step of the quote board
    // Defaults of the chart colour set (bytes blue, green, red from high to low).
    std::array<ColorValue, 5> chartColors{0x806020, 0x918040, 0x907030, 0x50FF50, 0x4040FF};
    bool logSockets = false;        // the command line holds "socks": write "wsock.txt"
    bool logUrls = false;           // the command line holds "url": write "urls.txt"
};

// The settings of this run.
ShellSettings& shellSettings();

// The program's command line: the arguments after the program name, joined by spaces.
struct CommandLine {
    QString text;
    // The trimmed text is exactly "install" (case-sensitive): the install settings
    // window comes before the main window.
    bool install = false;
    // The words "socks" and "url" anywhere in the text (case-sensitive).
    bool socks = false;
    bool url = false;
};
CommandLine parseCommandLine(const QStringList& argumentsAfterProgram);

// The least update interval in seconds.
inline constexpr std::int32_t kMinUpdateInterval = 3;

// The update interval after the user answered the "Update Interval" input box.
// A blank answer keeps `current`; otherwise the answer's numeric value (0 for text
// that is no number) rounded to an integer, halves to even, and raised to 3.
// Values beyond the 32-bit range are held at its top.
std::int32_t updateIntervalFromAnswer(const QString& answer, std::int32_t current);
