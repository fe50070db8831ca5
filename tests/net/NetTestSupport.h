#pragma once

#include "AppFolders.h"
#include "Clock.h"
#include "Dialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// A fresh data root for one test: its folders, an open quote index, scripted dialogs
// and a settable clock (local time = UTC), all undone on destruction.
class TempDataRoot {
public:
    // The clock starts at `utc`.
    explicit TempDataRoot(const QDateTime& utc = QDateTime(QDate(2007, 10, 3), QTime(18, 0), Qt::UTC));
    ~TempDataRoot();

    QString root() const { return m_folders.root; }
    const AppFolders& folders() const { return m_folders; }
    ScriptedDialogs& dialogs() { return m_dialogs; }
    SettableClock& clock() { return m_clock; }
    // The content of a file under the root, empty when missing.
    QByteArray read(const QString& relativePath) const;
    bool exists(const QString& relativePath) const;

private:
    QTemporaryDir m_dir;
    AppFolders m_folders;
    ScriptedDialogs m_dialogs;
    SettableClock m_clock;
};

// The recorded history reply body, read from the project's data folder.
QString recordedHistoryReply();
// An HTTP reply head as a service sends it, before `body`.
QString withHttpHead(const QString& body);

// Readable texts in test failures.
void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QByteArray& b, std::ostream* os);
