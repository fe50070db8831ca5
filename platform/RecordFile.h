#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A random-access file of fixed-length records, numbered from 1: record n starts at
// byte recordLength * (n - 1). Reading past the end gives a record of zero bytes;
// writing past the end extends the file (any gap reads as zeros).
class RecordFile {
public:
    RecordFile() = default;
    virtual ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens `path` for reading and writing, creating it when missing.
    bool open(const QString& path, int recordLength);
    // Opens `path` for reading only; fails when the file is missing.
    bool openReadOnly(const QString& path, int recordLength);
    void close();
    bool isOpen() const { return m_file.isOpen(); }

    QString path() const { return m_file.fileName(); }
    int recordLength() const { return m_recordLength; }
    // File length in bytes; -1 when not open.
    qint64 size() const;
    // Whole records in the file.
    qint64 recordCount() const;

    // Reads record n (n >= 1) into `out` (resized to the record length). A record
    // wholly or partly past the end is filled with zeros. False on an I/O error.
    bool read(qint64 n, QByteArray& out);
    QByteArray read(qint64 n);
    // Writes `data` (exactly one record) as record n (n >= 1). False on an I/O error.
    virtual bool write(qint64 n, const QByteArray& data);
    // Pushes written data to the operating system, so other readers see it.
    bool flush();
    // Cuts the file to `records` whole records.
    bool truncate(qint64 records);

    QString errorString() const;

protected:
    // Writes raw bytes at `offset`; the one place data leaves the class.
    virtual bool writeAt(qint64 offset, const QByteArray& data);
    QString m_error;

private:
    QFile m_file;
    int m_recordLength = 0;
};
