#pragma once

#include "Clock.h"
#include "DailyBar.h"
#include "Dialogs.h"
#include "RecordFile.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVector>
#include <gtest/gtest.h>

#include <memory>

// A fresh data root with its Database folder, scripted dialogs and a clock standing
// at Monday 15 March 2004.
class PriceFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The price file path of `symbol` under the test's data folder.
    QString pathOf(const QString& symbol) const;
    // Writes a file of the given bars, slot by slot, after a zero header area.
    QString writeFile(const QString& symbol, const QVector<DailyBar>& slotBars) const;

    QTemporaryDir m_root;
    ScriptedDialogs m_dialogs;
    SettableClock m_clock;
};

// A bar with prices derived from its date, so every bar is told apart.
DailyBar barOn(qint32 date, qint32 status = BarStatus::Final);
// Rows of data/market/<symbol>.csv dated from `from` to `to` inclusive, oldest first.
QVector<DailyBar> marketBars(const QString& symbol, qint32 from, qint32 to);

QByteArray fileBytes(const QString& path);
// Every slot of a price file, slot 0 first.
QVector<DailyBar> fileSlots(const QString& path);
// Dates of the slots, 0 for empty ones.
QVector<qint32> slotDates(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A record file whose writes fail once a shared budget of good writes is spent, the
// way a full disk fails every write after the first that does not fit.
class FailAfterWrites final : public RecordFile {
public:
    struct Budget {
        int goodWrites = 0;  // writes still allowed to reach the file
        int attempted = 0;   // writes asked for so far
    };
    explicit FailAfterWrites(std::shared_ptr<Budget> budget) : m_budget(std::move(budget)) {}

protected:
    bool writeAt(qint64 offset, const QByteArray& data) override;

private:
    std::shared_ptr<Budget> m_budget;
};

// Installs FailAfterWrites as the price files' record file for the scope's lifetime.
class FailingWrites {
public:
    explicit FailingWrites(int goodWrites);
    ~FailingWrites();
    int attempted() const { return m_budget->attempted; }

private:
    std::shared_ptr<FailAfterWrites::Budget> m_budget;
};
