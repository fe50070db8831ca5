#include "PriceFile.h"
#include "PriceTestSupport.h"

#include <QFileInfo>

namespace {

// Monday 15 March 2004 to Friday 19 March 2004, one final bar a day.
QVector<DailyBar> weekOfMarch15()
{
    QVector<DailyBar> bars;
    for (qint32 d = 20040315; d <= 20040319; ++d)
        bars.append(barOn(d));
    return bars;
}

} // namespace

TEST_F(PriceFileTest, ClassifyBarPlacesDatesByWeekdayDistanceFromTheAnchor)
{
    writeFile(QStringLiteral("ABC"), weekOfMarch15());
    PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
    ASSERT_TRUE(info.FileNumber);
    ASSERT_EQ(info.FirstDate, 20040315);
    ASSERT_EQ(info.LastDate, 20040319);
    ASSERT_EQ(info.LastIndex, 4);
    ASSERT_EQ(info.Count, 5);
    ASSERT_EQ(info.FirstRecord, 13);

    struct Row {
        const char* name;
        qint32 date;
        int place;
        int offset;
    };
    const Row rows[] = {
        {"the anchor", 20040315, InsideFile, 0},
        {"the last slot", 20040319, InsideFile, 4},
        {"Saturday after the last slot is Monday's", 20040320, AfterLast, 5},
        {"Sunday after the last slot is Monday's", 20040321, AfterLast, 5},
        {"next Monday", 20040322, AfterLast, 5},
        {"a week after the anchor", 20040329, AfterLast, 10},
        {"Friday before the anchor", 20040312, BeforeFirst, -1},
        {"Saturday before the anchor is the anchor's Monday", 20040313, InsideFile, 0},
        {"Monday a week before", 20040308, BeforeFirst, -5},
        {"New Year's Day 2004, a Thursday", 20040101, BeforeFirst, -52},
        {"across a leap day", 20040301, BeforeFirst, -10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ClassifyBar(info, row.date), row.place);
        EXPECT_EQ(info.Offset, row.offset);
    }
    ClosePriceFile(info);
}

TEST_F(PriceFileTest, MergeBarResolvesCollisionsByStatus)
{
    struct Row {
        const char* name;
        qint32 oldStatus;  // of the bar in the slot; 0 leaves the slot empty
        qint32 newStatus;
        MergeResult result;
        bool replaced;
        QString message;
    };
    const QString unknown = QStringLiteral("dont know how to merge original status = 7");
    const Row rows[] = {
        {"empty slot takes a final bar", 0, BarStatus::Final, MergeResult::Stored, true, {}},
        {"empty slot takes a quote", 0, BarStatus::Provisional, MergeResult::Stored, true, {}},
        {"final bar replaced by a final bar", 1, BarStatus::Final, MergeResult::Stored, true, {}},
        {"quote never overwrites a final bar", 1, BarStatus::Provisional, MergeResult::Kept, false, {}},
        {"final bar replaces a quote", 2, BarStatus::Final, MergeResult::Stored, true, {}},
        {"fresher quote replaces a quote", 2, BarStatus::Provisional, MergeResult::Stored, true, {}},
        {"unknown status kept against a final bar", 7, BarStatus::Final, MergeResult::Refused, false, unknown},
        {"unknown status kept against a quote", 7, BarStatus::Provisional, MergeResult::Refused, false, unknown},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_dialogs.clear();
        QVector<DailyBar> slotBars = weekOfMarch15();
        if (row.oldStatus == 0)
            slotBars[2] = DailyBar();
        else
            slotBars[2].Status = row.oldStatus;
        const QString path = writeFile(QStringLiteral("ABC"), slotBars);
        const QByteArray before = fileBytes(path);

        DailyBar fresh = barOn(20040317, row.newStatus);
        fresh.Close = 99.0f;
        PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
        EXPECT_EQ(MergeBar(info, fresh), row.result);
        ClosePriceFile(info);

        if (row.replaced) {
            QVector<DailyBar> expected = slotBars;
            expected[2] = fresh;
            EXPECT_EQ(fileSlots(path), expected);
        } else {
            EXPECT_EQ(fileBytes(path), before);
        }
        EXPECT_EQ(m_dialogs.messages(), row.message.isEmpty() ? QStringList() : QStringList{row.message});
    }
}

TEST_F(PriceFileTest, BarAfterTheLastSlotAppendsEmptySlotsUpToIt)
{
    const QString path = writeFile(QStringLiteral("ABC"), weekOfMarch15().mid(0, 3));  // Mon..Wed
    PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
    const DailyBar monday = barOn(20040322);  // three weekdays after Wednesday
    EXPECT_EQ(MergeBar(info, monday), MergeResult::Stored);
    EXPECT_EQ(info.Count, 6);
    EXPECT_EQ(info.LastIndex, 5);
    EXPECT_EQ(info.LastDate, 20040322);
    ClosePriceFile(info);
    EXPECT_EQ(slotDates(path), (QVector<qint32>{20040315, 20040316, 20040317, 0, 0, 20040322}));
    EXPECT_EQ(fileBytes(path).size(), 432 + 6 * 36);
}

TEST_F(PriceFileTest, WeekendBarsLandInTheFollowingMondaysSlot)
{
    const QString path = writeFile(QStringLiteral("ABC"), weekOfMarch15());
    PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
    const DailyBar saturday = barOn(20040320, BarStatus::Provisional);
    EXPECT_EQ(MergeBar(info, saturday), MergeResult::Stored);
    ClosePriceFile(info);

    const QVector<DailyBar> slotBars = fileSlots(path);
    ASSERT_EQ(slotBars.size(), 6);
    EXPECT_EQ(slotBars[4], weekOfMarch15()[4]);  // Friday's bar untouched
    EXPECT_EQ(slotBars[5], saturday);
}

TEST_F(PriceFileTest, BarBeforeTheAnchorShiftsEverySlotUp)
{
    QVector<DailyBar> old = weekOfMarch15().mid(2);  // Wed 17 .. Fri 19
    const QString path = writeFile(QStringLiteral("ABC"), old);
    QByteArray bytes = fileBytes(path);
    bytes[0] = 'h';  // whatever the header area holds moves with the file
    bytes[431] = 'z';
    writeBytes(path, bytes);

    PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
    const DailyBar monday = barOn(20040308);  // seven weekdays before Wednesday 17
    EXPECT_EQ(MergeBar(info, monday), MergeResult::Stored);
    EXPECT_EQ(info.FirstDate, 20040308);
    EXPECT_EQ(info.Count, 10);
    EXPECT_EQ(info.LastIndex, 9);
    EXPECT_EQ(info.LastDate, 20040319);

    // The file stays usable for the rest of the merge.
    EXPECT_EQ(MergeBar(info, barOn(20040309)), MergeResult::Stored);
    ClosePriceFile(info);

    const QVector<DailyBar> slotBars = fileSlots(path);
    ASSERT_EQ(slotBars.size(), 10);
    EXPECT_EQ(slotBars[0], monday);
    EXPECT_EQ(slotBars[1], barOn(20040309));
    for (int s = 2; s < 7; ++s)
        EXPECT_TRUE(slotBars[s].isEmpty()) << s;
    EXPECT_EQ(slotBars.mid(7), old);
    const QByteArray after = fileBytes(path);
    EXPECT_EQ(after[0], 'h');
    EXPECT_EQ(after[431], 'z');
    EXPECT_FALSE(QFileInfo::exists(path + ".tmp"));
}

TEST_F(PriceFileTest, EmptyFirstSlotStillAnchorsTheFileByTheNextBar)
{
    // Slot 0 lost its bar; slot 1 (Tuesday) still says where the file starts.
    QVector<DailyBar> slotBars = weekOfMarch15();
    slotBars[0] = DailyBar();
    const QString path = writeFile(QStringLiteral("ABC"), slotBars);
    PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
    ASSERT_TRUE(info.FileNumber);
    EXPECT_EQ(info.FirstDate, 20040315);
    EXPECT_EQ(MergeBar(info, barOn(20040316, BarStatus::Provisional)), MergeResult::Kept);
    EXPECT_EQ(MergeBar(info, barOn(20040315)), MergeResult::Stored);
    ClosePriceFile(info);
    EXPECT_EQ(fileSlots(path), weekOfMarch15());
}

TEST_F(PriceFileTest, DamagedFileIsReportedOnlyWithDebugMessages)
{
    QVector<DailyBar> slotBars(4);
    slotBars[3] = barOn(20040318);
    writeFile(QStringLiteral("ABC"), slotBars);
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        m_dialogs.clear();
        setPriceDebugMessages(debug);
        PriceFileInfo info = GetFileInfo(QStringLiteral(" ABC"));
        EXPECT_FALSE(info.FileNumber);
        EXPECT_TRUE(info.Damaged);
        EXPECT_EQ(info.Count, 4);
        EXPECT_EQ(m_dialogs.messages(), debug ? QStringList{QStringLiteral("ABC:file is corupt..delete it")} : QStringList());
    }
}

TEST_F(PriceFileTest, CorruptFileIsDeletedAndItsDownloadsCancelled)
{
    struct Row {
        const char* name;
        QVector<DailyBar> slotBars;
    };
    QVector<DailyBar> noAnchor(4);
    noAnchor[3] = barOn(20040318);
    QVector<DailyBar> badAnchor = weekOfMarch15();
    badAnchor[0].Date = 12345;  // not a date
    const Row rows[] = {{"slots 0 to 2 empty", noAnchor}, {"anchor is not a date", badAnchor}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_dialogs.clear();
        QStringList cancelled;
        setCancelRequestsHook([&](const QString& s) { cancelled << s; });
        const QString path = writeFile(QStringLiteral("ABC"), row.slotBars);

        EXPECT_FALSE(StoreHistory(QStringLiteral("ABC"), {barOn(20040322), barOn(20040323)}));
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_EQ(cancelled, QStringList{QStringLiteral("ABC")});
        EXPECT_EQ(m_dialogs.messages(), QStringList{path + QStringLiteral(" is corupt...deleting")});
    }
}

TEST_F(PriceFileTest, BarWithoutARealDateIsRefusedAndChangesNothing)
{
    const QString path = writeFile(QStringLiteral("ABC"), weekOfMarch15());
    const QByteArray before = fileBytes(path);
    PriceFileInfo info = GetFileInfo(QStringLiteral("ABC"));
    for (const qint32 date : {0, 20041345, 2004031, -20040315}) {
        SCOPED_TRACE(date);
        EXPECT_EQ(MergeBar(info, barOn(date)), MergeResult::Refused);
    }
    ClosePriceFile(info);
    EXPECT_EQ(m_dialogs.messages().size(), 4);
    EXPECT_FALSE(StoreHistory(QStringLiteral("ABC"), {barOn(20040322), barOn(20040230)}));
    EXPECT_EQ(fileBytes(path), before);
}
