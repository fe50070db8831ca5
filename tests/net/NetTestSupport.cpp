#include "NetTestSupport.h"

#include "QuoteIndex.h"

#include <QDir>
#include <QFile>

TempDataRoot::TempDataRoot(const QDateTime& utc) : m_clock(utc)
{
    m_folders = foldersUnder(m_dir.path());
    QDir().mkpath(m_folders.data);
    QDir().mkpath(m_folders.lists);
    QDir().mkpath(m_folders.csv);
    setAppFolders(m_folders);
    openQuoteIndexAt(m_folders.data + "Index4.dat");
    setDialogs(&m_dialogs);
    setClock(&m_clock);
}

TempDataRoot::~TempDataRoot()
{
    CloseQuoteIndex();
    setClock(nullptr);
    setDialogs(nullptr);
    setAppFolders(AppFolders{});
}

QByteArray TempDataRoot::read(const QString& relativePath) const
{
    QFile f(m_folders.root + relativePath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempDataRoot::exists(const QString& relativePath) const { return QFile::exists(m_folders.root + relativePath); }

QString recordedHistoryReply()
{
    QFile f(QStringLiteral(TARNBECK_DATA_DIR "/replies/history-msft-2003.csv"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

QString withHttpHead(const QString& body)
{
    return QStringLiteral("HTTP/1.0 200 OK\r\nDate: Wed, 03 Oct 2007 18:00:00 GMT\r\nServer: tarnbeck-test\r\n"
                          "Content-Type: text/csv\r\nConnection: close\r\n\r\n")
        + body;
}

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }
