// The file side of QuoteIndex: reading the file into the in-memory table, and every
// byte written to it. Whole records go out with one pwrite; the order links of an
// insertion, 4 bytes at the start of each record from the insertion position on, are
// changed through a shared mapping of the file, so that shifting thousands of them
// costs no system call per link. Both are in the operating system's cache when the
// call returns, where every other reader of the file sees them.

#include "QuoteIndex.h"

#include "Dialogs.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kRecord = kQuoteRecordLength;
constexpr qint64 kMinimumMap = qint64(1) << 20;

qint64 recordOffset(qint64 n) { return kRecord * (n - 1); }

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

QByteArray keyOfField(const char* field)
{
    int n = kTickerWidth;
    while (n > 0 && (field[n - 1] == ' ' || field[n - 1] == '\0'))
        --n;
    return normalisedTicker(QString::fromLatin1(field, n)).toLatin1();
}

qint64 fileLength(int fd)
{
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return -1;
    return st.st_size;
}

} // namespace

bool QuoteIndex::syncWithFile()
{
    if (!isOpen()) {
        m_error = QStringLiteral("The quote index is not open.");
        return false;
    }
    if (fileLength(m_file.handle()) != m_size)
        return reload();
    return true;
}

bool QuoteIndex::reload()
{
    m_links.clear();
    m_keys.clear();
    m_count = 0;
    m_sorted = true;
    const bool wasDamaged = m_damaged;
    m_size = fileLength(m_file.handle());
    if (m_size < 0) {
        // An unreadable length counts as an empty file, which must then not be written.
        m_damaged = true;
        fail(QStringLiteral("%1: cannot read the file length: %2").arg(path(), systemError()), !wasDamaged);
        return true;
    }
    m_count = qint32((m_size + kRecord / 2) / kRecord);
    m_damaged = m_size % kRecord != 0;
    if (m_damaged) {
        fail(QStringLiteral("%1: length %2 is not a whole number of %3-byte records; the quote index is "
                            "read but not written until the file is repaired.")
                 .arg(path())
                 .arg(m_size)
                 .arg(kRecord),
             !wasDamaged);
    }

    QByteArray all(qsizetype(m_count) * kRecord, '\0');
    qint64 done = 0;
    const qint64 wanted = std::min<qint64>(m_size, all.size());
    while (done < wanted) {
        const ssize_t got = ::pread(m_file.handle(), all.data() + done, size_t(wanted - done), done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_damaged = true;
            fail(QStringLiteral("%1: cannot read: %2").arg(path(), got < 0 ? systemError() : QStringLiteral("file shrank")),
                 true);
            break;
        }
        done += got;
    }

    m_links.resize(size_t(m_count));
    m_keys.resize(size_t(m_count));
    for (qint32 r = 0; r < m_count; ++r) {
        const char* record = all.constData() + qsizetype(r) * kRecord;
        m_links[size_t(r)] = qFromLittleEndian<qint32>(record + kOrderLinkOffset);
        m_keys[size_t(r)] = keyOfField(record + kTickerOffset);
    }
    QByteArray previous;
    for (qint32 p = 0; p < m_count && m_sorted; ++p) {
        const qint32 link = m_links[size_t(p)];
        if (link < 1 || link > m_count) {
            m_sorted = false;
            break;
        }
        const QByteArray& key = m_keys[size_t(link - 1)];
        m_sorted = p == 0 || previous < key;
        previous = key;
    }
    if (m_map && m_mapLength < m_size)
        unmap();
    return true;
}

bool QuoteIndex::mapAtLeast(qint64 bytes)
{
    if (m_map && m_mapLength >= bytes)
        return true;
    unmap();
    // Room to grow: a mapping may reach past the end of the file as long as only the
    // bytes inside the file are touched.
    const qint64 page = ::sysconf(_SC_PAGESIZE);
    qint64 length = std::max(bytes * 2, kMinimumMap);
    length = (length + page - 1) / page * page;
    void* p = ::mmap(nullptr, size_t(length), PROT_READ | PROT_WRITE, MAP_SHARED, m_file.handle(), 0);
    if (p == MAP_FAILED)
        return false;
    m_map = static_cast<uchar*>(p);
    m_mapLength = length;
    return true;
}

void QuoteIndex::unmap()
{
    if (m_map)
        ::munmap(m_map, size_t(m_mapLength));
    m_map = nullptr;
    m_mapLength = 0;
}

bool QuoteIndex::readBytes(qint32 n, QByteArray& out)
{
    out.fill('\0', kRecord);
    qint64 done = 0;
    while (done < kRecord) {
        const ssize_t got = ::pread(m_file.handle(), out.data() + done, size_t(kRecord - done), recordOffset(n) + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            fail(QStringLiteral("%1: cannot read record %2: %3").arg(path()).arg(n).arg(systemError()), true);
            return false;
        }
        if (got == 0)
            break; // the rest of a short last record reads as zeros
        done += got;
    }
    return true;
}

bool QuoteIndex::writeRecord(qint32 n, const QByteArray& bytes)
{
    Q_ASSERT(bytes.size() == kRecord);
    if (n < 1 || n > m_count + 1) {
        fail(QStringLiteral("%1: record %2 is outside the file").arg(path()).arg(n), true);
        return false;
    }
    qint64 done = 0;
    while (done < kRecord) {
        const ssize_t put = ::pwrite(m_file.handle(), bytes.constData() + done, size_t(kRecord - done),
                                     recordOffset(n) + done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            fail(QStringLiteral("%1: cannot write record %2: %3").arg(path()).arg(n).arg(systemError()), true);
            return false;
        }
        done += put;
    }
    return true;
}

// Writes the in-memory order links of positions `from` to `to` into their records.
bool QuoteIndex::writeLinks(qint32 from, qint32 to)
{
    if (from > to)
        return true;
    if (from < 1 || to > m_count || kRecord * to > m_size) {
        fail(QStringLiteral("%1: order links %2 to %3 are outside the file").arg(path()).arg(from).arg(to), true);
        return false;
    }
    if (mapAtLeast(m_size)) {
        for (qint32 p = from; p <= to; ++p)
            qToLittleEndian<qint32>(m_links[size_t(p - 1)], m_map + recordOffset(p) + kOrderLinkOffset);
        return true;
    }
    // Without a mapping each link is its own small write.
    for (qint32 p = from; p <= to; ++p) {
        char b[4];
        qToLittleEndian<qint32>(m_links[size_t(p - 1)], b);
        if (::pwrite(m_file.handle(), b, 4, recordOffset(p) + kOrderLinkOffset) != 4) {
            fail(QStringLiteral("%1: cannot write the order link of record %2: %3").arg(path()).arg(p).arg(systemError()),
                 true);
            reload(); // the file is the truth: take back what did not reach it
            return false;
        }
    }
    return true;
}

bool QuoteIndex::checkWritable()
{
    if (!m_damaged)
        return true;
    fail(QStringLiteral("%1: the quote index is damaged and is not written.").arg(path()), false);
    return false;
}

void QuoteIndex::fail(const QString& text, bool tellUser)
{
    m_error = text;
    if (tellUser)
        dialogs().message(text, QStringLiteral("Quote index"), MessageIcon::Exclamation);
}
