#pragma once

#include <QString>

// The program's folders, set once at start-up. Each folder name ends with '/'.
struct AppFolders {
    QString root;    // the data root: $TARNBECK_HOME, else ~/.local/share/tarnbeck
    QString data;    // root + "Database/": price files and Index4.dat
    QString lists;   // root + "TickerLists/": symbol list files
    QString csv;     // root + "csv/": CSV exports
};

// The data root the program uses: $TARNBECK_HOME when set and not blank, otherwise
// ~/.local/share/tarnbeck. Ends with '/'.
QString defaultDataRoot();
// The folder names under `root` (no folder is created).
AppFolders foldersUnder(const QString& root);

// The folders in use.
const AppFolders& appFolders();
void setAppFolders(const AppFolders& f);
