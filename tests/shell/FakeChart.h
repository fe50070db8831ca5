#pragma once

#include "ChartCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <QWidget>

// A chart window that writes every call it gets into a shared log, one line per call:
// "<its symbol>:<call>".
class FakeChart : public QWidget, public ChartTarget {
public:
    FakeChart(QString ticker, QStringList* log) : m_ticker(std::move(ticker)), m_log(log) {}

    QString Ticker() const override { return m_ticker; }
    void DrawChart(const QString& t) override
    {
        note(QStringLiteral("DrawChart(%1)").arg(t));
        m_ticker = t;
    }
    void ResetOffset(bool r) override { note(QStringLiteral("ResetOffset(%1)").arg(r)); }
    void SetChartType(int t) override { note(QStringLiteral("SetChartType(%1)").arg(t)); }
    void SetGrid(bool on) override { note(QStringLiteral("SetGrid(%1)").arg(on)); }
    void SetCursorTracking(bool on) override { note(QStringLiteral("SetCursorTracking(%1)").arg(on)); }
    void SetWrenBands(bool on) override { note(QStringLiteral("SetWrenBands(%1)").arg(on)); }
    void SetMA(int n) override { note(QStringLiteral("SetMA(%1)").arg(n)); }
    void SpacingBigger() override { note(QStringLiteral("SpacingBigger")); }
    void SpacingSmaller() override { note(QStringLiteral("SpacingSmaller")); }
    void ClearTrendLines() override { note(QStringLiteral("ClearTrendLines")); }
    void DrawAutoLine(int d, int b, bool r) override
    {
        note(QStringLiteral("DrawAutoLine(%1,%2,%3)").arg(d).arg(b).arg(r));
    }
    void StudyAdd() override { note(QStringLiteral("StudyAdd")); }
    void StudyRemove() override { note(QStringLiteral("StudyRemove")); }
    void CopyChart(int w, int h) override { note(QStringLiteral("CopyChart(%1,%2)").arg(w).arg(h)); }

private:
    void note(const QString& call) { m_log->append(m_ticker + u':' + call); }

    QString m_ticker;
    QStringList* m_log;
};

// Adds a tagged fake chart window to `area` and shows it.
inline QMdiSubWindow* addFakeChart(QMdiArea* area, const QString& ticker, QStringList* log)
{
    QMdiSubWindow* window = area->addSubWindow(new FakeChart(ticker, log));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty(kTagProperty, QString::fromLatin1(kChartTag));
    window->show();
    return window;
}
