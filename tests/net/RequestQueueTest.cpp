#include "NetTestSupport.h"
#include "RequestQueue.h"

#include <gtest/gtest.h>

namespace {

DownloadRequest req(qint16 type, const QString& ticker, qint16 retries = 0)
{
    DownloadRequest r;
    r.Type = type;
    r.Ticker = ticker;
    r.Retries = retries;
    return r;
}

TEST(RequestQueue, DuplicatesAreDroppedByTickerAndType)
{
    RequestQueue q;
    EXPECT_EQ(q.add(req(RequestType::Quote, "MSFT")), RequestQueue::AddResult::Added);
    EXPECT_EQ(q.add(req(RequestType::Quote, "MSFT")), RequestQueue::AddResult::Duplicate);
    EXPECT_EQ(q.add(req(RequestType::History, "MSFT")), RequestQueue::AddResult::Added);
    EXPECT_EQ(q.add(req(RequestType::Quote, "msft")), RequestQueue::AddResult::Added) << "case matters";
    EXPECT_EQ(q.used(), 3);

    q.at(0).Status = RequestStatus::Started;
    EXPECT_EQ(q.add(req(RequestType::Quote, "MSFT")), RequestQueue::AddResult::Duplicate)
        << "a started request counts as well";
    q.at(0).Status = RequestStatus::Free;
    EXPECT_EQ(q.add(req(RequestType::Quote, "MSFT")), RequestQueue::AddResult::Added);
}

TEST(RequestQueue, RingOverwritesQueuedButNeverStartedEntries)
{
    RequestQueue q;
    for (int i = 0; i < RequestQueue::kSize; ++i)
        ASSERT_EQ(q.add(req(RequestType::Quote, QString("S%1").arg(i))), RequestQueue::AddResult::Added);
    EXPECT_EQ(q.nextReq(), 0);

    EXPECT_EQ(q.add(req(RequestType::Quote, "NEW")), RequestQueue::AddResult::Added);
    EXPECT_EQ(q.at(0).Ticker, "NEW") << "the 22nd overwrites a still queued entry 0";
    EXPECT_EQ(q.nextReq(), 1);

    q.at(1).Status = RequestStatus::Started;
    EXPECT_EQ(q.add(req(RequestType::Quote, "LATE")), RequestQueue::AddResult::Busy);
    EXPECT_EQ(q.at(1).Ticker, "S1");
    EXPECT_EQ(q.nextReq(), 1) << "a dropped request does not move the ring";
    q.at(1).Status = RequestStatus::Processing;
    EXPECT_EQ(q.add(req(RequestType::Quote, "LATE")), RequestQueue::AddResult::Busy);
}

TEST(RequestQueue, CopyKeepsRetriesAndGetsNewSerial)
{
    RequestQueue q;
    q.add(req(RequestType::History, "ORCL", 3));
    EXPECT_EQ(q.at(0).Retries, 3);
    EXPECT_EQ(q.at(0).Status, RequestStatus::Queued);
    const quint64 first = q.at(0).Serial;
    q.at(0).Status = RequestStatus::Free;
    q.add(req(RequestType::History, "ORCL", 4));
    EXPECT_GT(q.at(1).Serial, first);
}

TEST(RequestQueue, StartsInIndexOrderAndCancels)
{
    RequestQueue q;
    EXPECT_EQ(q.firstQueued(), -1);
    for (const char* t : {"A", "B", "C"})
        q.add(req(RequestType::Quote, t));
    q.at(0).Status = RequestStatus::Started;
    EXPECT_EQ(q.firstQueued(), 1);
    q.add(req(RequestType::History, "A"));

    EXPECT_EQ(q.cancelFor("A"), 2) << "queued and started alike";
    EXPECT_EQ(q.at(0).Status, RequestStatus::Free);
    EXPECT_EQ(q.at(3).Status, RequestStatus::Free);
    EXPECT_EQ(q.used(), 2);
    q.clear();
    EXPECT_EQ(q.used(), 0);
}

} // namespace
