#include "AppFolders.h"

#include <QDir>
#include <QStandardPaths>

QString defaultDataRoot()
{
    QString root = qEnvironmentVariable("TARNBECK_HOME").trimmed();
    if (root.isEmpty())
        root = QDir::homePath() + QStringLiteral("/.local/share/tarnbeck");
    root = QDir::cleanPath(root);
    return root.endsWith(u'/') ? root : root + u'/';
}

AppFolders foldersUnder(const QString& root)
{
    AppFolders f;
    f.root = root.endsWith(u'/') ? root : root + u'/';
    f.data = f.root + QStringLiteral("Database/");
    f.lists = f.root + QStringLiteral("TickerLists/");
    f.csv = f.root + QStringLiteral("csv/");
    return f;
}

namespace {
AppFolders g_folders = foldersUnder(QDir::homePath() + QStringLiteral("/.local/share/tarnbeck"));
}

const AppFolders& appFolders() { return g_folders; }

void setAppFolders(const AppFolders& f) { g_folders = f; }
