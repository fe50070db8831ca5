#include "RecordFile.h"

RecordFile::~RecordFile() { close(); }

bool RecordFile::open(const QString& path, int recordLength)
{
    close();
    m_error.clear();
    m_recordLength = recordLength;
    m_file.setFileName(path);
    if (recordLength <= 0) {
        m_error = path + QStringLiteral(": bad record length");
        return false;
    }
    if (!m_file.open(QIODevice::ReadWrite)) {
        m_error = path + QStringLiteral(": ") + m_file.errorString();
        return false;
    }
    return true;
}

bool RecordFile::openReadOnly(const QString& path, int recordLength)
{
    close();
    m_error.clear();
    m_recordLength = recordLength;
    m_file.setFileName(path);
    if (recordLength <= 0 || !m_file.open(QIODevice::ReadOnly)) {
        m_error = path + QStringLiteral(": ") + m_file.errorString();
        return false;
    }
    return true;
}

void RecordFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}

qint64 RecordFile::size() const { return m_file.isOpen() ? m_file.size() : -1; }

qint64 RecordFile::recordCount() const
{
    if (!m_file.isOpen() || m_recordLength <= 0)
        return 0;
    return m_file.size() / m_recordLength;
}

bool RecordFile::read(qint64 n, QByteArray& out)
{
    out.fill('\0', m_recordLength);
    if (!m_file.isOpen() || n < 1) {
        m_error = path() + QStringLiteral(": read of record %1 from a closed file or below 1").arg(n);
        return false;
    }
    const qint64 offset = m_recordLength * (n - 1);
    if (offset >= m_file.size())
        return true;
    if (!m_file.seek(offset)) {
        m_error = path() + QStringLiteral(": seek to %1 failed").arg(offset);
        return false;
    }
    const qint64 got = m_file.read(out.data(), m_recordLength);
    if (got < 0) {
        out.fill('\0', m_recordLength);
        m_error = path() + QStringLiteral(": ") + m_file.errorString();
        return false;
    }
    return true;
}

QByteArray RecordFile::read(qint64 n)
{
    QByteArray out;
    read(n, out);
    return out;
}

bool RecordFile::write(qint64 n, const QByteArray& data)
{
    if (!m_file.isOpen() || n < 1 || data.size() != m_recordLength) {
        m_error = path() + QStringLiteral(": bad write of record %1 (%2 bytes)").arg(n).arg(data.size());
        return false;
    }
    return writeAt(m_recordLength * (n - 1), data);
}

bool RecordFile::writeAt(qint64 offset, const QByteArray& data)
{
    if (!m_file.seek(offset) || m_file.write(data) != data.size()) {
        m_error = path() + QStringLiteral(": write at %1 failed: ").arg(offset) + m_file.errorString();
        return false;
    }
    return true;
}

bool RecordFile::flush()
{
    if (!m_file.isOpen())
        return false;
    if (!m_file.flush()) {
        m_error = path() + QStringLiteral(": ") + m_file.errorString();
        return false;
    }
    return true;
}

bool RecordFile::truncate(qint64 records)
{
    if (!m_file.isOpen() || !m_file.resize(records * m_recordLength)) {
        m_error = path() + QStringLiteral(": cannot cut to %1 records").arg(records);
        return false;
    }
    return true;
}

QString RecordFile::errorString() const { return m_error; }
