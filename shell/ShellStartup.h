#pragma once

#include "ShellSettings.h"

#include <QString>

#include <functional>

struct AppFolders;

// Start-up of the program before any window is shown.

// The six default symbol lists, "MyStocks1.txt" ... "MyStocks6.txt", each holding the
// placeholder line "  empty" + CR LF.
inline constexpr int kDefaultListCount = 6;
inline constexpr char kDefaultListText[] = "  empty\r\n";

// Creates the data, list and export folders when missing. When the list folder was
// created now or holds no file at all, the default lists are written into it.
// Existing files are never touched. Returns false with a message in `error` when a
// folder cannot be created or written.
bool prepareDataFolders(const AppFolders& folders, QString* error);

// Writes the default lists into `listsFolder` (which must exist).
bool createDefaultLists(const QString& listsFolder, QString* error);

// Shell initialisation: the settings' defaults (and the log switches of the command
// line), the folders under `dataRoot`, the program's folders (setAppFolders) and the
// quote index, which stays open until shut-down. On failure one message goes through
// dialogs() and the result is false; the program then ends with a non-zero status.
bool startShell(const CommandLine& commandLine, const QString& dataRoot);

// The program's entry after initialisation: with the command line "install" the
// install settings window runs first (modally) and the main window is shown after
// it has closed; otherwise the main window is shown at once.
void runProgramEntry(const CommandLine& commandLine,
                     const std::function<void()>& showInstallWindow,
                     const std::function<void()>& showMainWindow);
