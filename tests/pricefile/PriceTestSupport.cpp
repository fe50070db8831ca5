#include "PriceTestSupport.h"

#include "AppFolders.h"
#include "PriceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

void PriceFileTest::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    setAppFolders(foldersUnder(m_root.path()));
    ASSERT_TRUE(QDir().mkpath(appFolders().data));
    setDialogs(&m_dialogs);
    setClock(&m_clock);
}

void PriceFileTest::TearDown()
{
    setDialogs(nullptr);
    setClock(nullptr);
    setPriceDebugMessages(false);
    setCancelRequestsHook(nullptr);
    setPriceFileOpener(nullptr);
}

QString PriceFileTest::pathOf(const QString& symbol) const
{
    return appFolders().data + symbol.at(0).toUpper() + u'/' + symbol + QStringLiteral(".std");
}

QString PriceFileTest::writeFile(const QString& symbol, const QVector<DailyBar>& slotBars) const
{
    QByteArray bytes(432, '\0');
    for (const DailyBar& bar : slotBars)
        bytes += bar.isEmpty() ? QByteArray(kDailyBarSize, '\0') : encodeBar(bar);
    const QString path = pathOf(symbol);
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
    return path;
}

DailyBar barOn(qint32 date, qint32 status)
{
    const float base = float(date % 10000) / 100.0f;
    DailyBar bar;
    bar.Date = date;
    bar.Open = base;
    bar.High = base + 1.5f;
    bar.Low = base - 1.25f;
    bar.Close = base + 0.5f;
    bar.Volume = float(date % 1000) * 1000.0f;
    bar.Status = status;
    return bar;
}

QVector<DailyBar> marketBars(const QString& symbol, qint32 from, qint32 to)
{
    QVector<DailyBar> bars;
    QFile file(QStringLiteral(TARNBECK_DATA_DIR "/market/") + symbol + QStringLiteral(".csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return bars;
    }
    QTextStream in(&file);
    in.readLine();  // Date,Open,High,Low,Close,Volume,Adj Close
    while (!in.atEnd()) {
        const QStringList cells = in.readLine().split(u',');
        if (cells.size() < 6)
            continue;
        const qint32 date = QString(cells[0]).remove(u'-').toInt();
        if (date < from || date > to)
            continue;
        DailyBar bar;
        bar.Date = date;
        bar.Open = cells[1].toFloat();
        bar.High = cells[2].toFloat();
        bar.Low = cells[3].toFloat();
        bar.Close = cells[4].toFloat();
        bar.Volume = cells[5].toFloat();
        bars.append(bar);
    }
    return bars;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVector<DailyBar> fileSlots(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    QVector<DailyBar> slotBars;
    for (qsizetype at = 432; at + kDailyBarSize <= bytes.size(); at += kDailyBarSize)
        slotBars.append(decodeBar(bytes.constData() + at));
    return slotBars;
}

QVector<qint32> slotDates(const QString& path)
{
    QVector<qint32> dates;
    for (const DailyBar& bar : fileSlots(path))
        dates.append(bar.Date);
    return dates;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool FailAfterWrites::writeAt(qint64 offset, const QByteArray& data)
{
    ++m_budget->attempted;
    if (m_budget->goodWrites <= 0) {
        m_error = path() + QStringLiteral(": write at %1 failed: No space left on device").arg(offset);
        return false;
    }
    --m_budget->goodWrites;
    return RecordFile::writeAt(offset, data);
}

FailingWrites::FailingWrites(int goodWrites) : m_budget(std::make_shared<FailAfterWrites::Budget>())
{
    m_budget->goodWrites = goodWrites;
    auto budget = m_budget;
    setPriceFileOpener([budget] { return std::make_unique<FailAfterWrites>(budget); });
}

FailingWrites::~FailingWrites() { setPriceFileOpener(nullptr); }
