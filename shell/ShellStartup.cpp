#include "ShellStartup.h"

#include "AppFolders.h"
#include "Dialogs.h"
#include "QuoteIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kErrorTitle = QStringLiteral("Tarnbeck");

// Creates `path` when missing; `created` tells whether it did.
bool ensureFolder(const QString& path, bool* created, QString* error)
{
    const QFileInfo info(path);
    *created = false;
    if (info.exists() && !info.isDir()) {
        *error = QStringLiteral("The data folder %1 cannot be created: a file of that name is in the way.")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!info.exists()) {
        if (!QDir().mkpath(path)) {
            *error = QStringLiteral("The data folder %1 cannot be created.").arg(QDir::toNativeSeparators(path));
            return false;
        }
        *created = true;
    }
    if (!QFileInfo(path).isWritable()) {
        *error = QStringLiteral("The data folder %1 cannot be written.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool holdsNoFile(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
}

} // namespace

bool createDefaultLists(const QString& listsFolder, QString* error)
{
    for (int n = 1; n <= kDefaultListCount; ++n) {
        const QString path = QDir(listsFolder).filePath(QStringLiteral("MyStocks%1.txt").arg(n));
        QFile file(path);
        const QByteArray text(kDefaultListText);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()
            || !file.flush()) {
            *error = QStringLiteral("The symbol list %1 cannot be written: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
            return false;
        }
    }
    return true;
}

bool prepareDataFolders(const AppFolders& folders, QString* error)
{
    bool created = false;
    if (!ensureFolder(folders.root, &created, error) || !ensureFolder(folders.csv, &created, error)
        || !ensureFolder(folders.data, &created, error))
        return false;
    if (!ensureFolder(folders.lists, &created, error))
        return false;
    if (created || holdsNoFile(folders.lists))
        return createDefaultLists(folders.lists, error);
    return true;
}

bool startShell(const CommandLine& commandLine, const QString& dataRoot)
{
    ShellSettings& settings = shellSettings();
    settings = ShellSettings{};
    settings.logSockets = commandLine.socks;
    settings.logUrls = commandLine.url;

    const AppFolders folders = foldersUnder(dataRoot);
    QString error;
    if (!prepareDataFolders(folders, &error)) {
        dialogs().message(error, kErrorTitle, MessageIcon::Critical);
        return false;
    }
    setAppFolders(folders);

    if (!OpenQuoteIndex()) {
        QString text = QStringLiteral("The quote file %1 cannot be opened.")
                           .arg(QDir::toNativeSeparators(folders.data + QStringLiteral("Index4.dat")));
        if (const QString why = QuoteIndexError(); !why.isEmpty())
            text += u'\n' + why;
        dialogs().message(text, kErrorTitle, MessageIcon::Critical);
        return false;
    }
    return true;
}

void runProgramEntry(const CommandLine& commandLine, const std::function<void()>& showInstallWindow,
                     const std::function<void()>& showMainWindow)
{
    if (commandLine.install && showInstallWindow)
        showInstallWindow();
    showMainWindow();
}
