#pragma once

#include "AppFolders.h"
#include "Dialogs.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Texts in test failures as text.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// A fresh data root with its lists folder, installed as the program's folders, and
// scripted dialogs; both are put back when the test ends.
class ListsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_folders = foldersUnder(m_root.path() + QLatin1Char('/'));
        ASSERT_TRUE(QDir().mkpath(m_folders.lists));
        m_oldFolders = appFolders();
        setAppFolders(m_folders);
        setDialogs(&m_dialogs);
    }
    void TearDown() override
    {
        setDialogs(nullptr);
        setAppFolders(m_oldFolders);
    }

    QString lists() const { return m_folders.lists; }
    QString listPath(const QString& name) const { return m_folders.lists + name + QStringLiteral(".txt"); }

    void writeList(const QString& name, const QByteArray& bytes) const
    {
        QFile f(listPath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray readList(const QString& name) const
    {
        QFile f(listPath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Every file under the data root, relative to it, sorted.
    QStringList allFiles() const
    {
        QStringList files;
        QDir root(m_root.path());
        for (const QString& f : root.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
            files << f;
        for (const QString& sub : root.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
            QDir d(root.filePath(sub));
            for (const QString& f : d.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
                files << sub + QLatin1Char('/') + f;
        }
        files.sort();
        return files;
    }

    QTemporaryDir m_root;
    AppFolders m_folders;
    AppFolders m_oldFolders;
    ScriptedDialogs m_dialogs;
};
