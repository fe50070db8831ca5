#include "NetTestSupport.h"
#include "TextTokens.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TextTokens, BeforeAndAfterFirst)
{
    struct Row {
        const char* name;
        QString s, d, before, after;
    };
    const Row rows[] = {
        {"comma", "a,b,c", ",", "a", "b,c"},
        {"missing", "abc", ",", "", ""},
        {"at start", ",x", ",", "", "x"},
        {"at end", "x,", ",", "x", ""},
        {"long delimiter", "a\r\n\r\nbody\r\n\r\nmore", "\r\n\r\n", "a", "body\r\n\r\nmore"},
        {"case matters", "LABEL:SYM", "l:", "", ""},
        {"list label", "Microsoft:MSFT", ":", "Microsoft", "MSFT"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(BeforeFirst(r.s, r.d), r.before);
        EXPECT_EQ(AfterFirst(r.s, r.d), r.after);
    }
}

TEST(TextTokens, TakeTokenStopsAtEmptyFieldAndNeverReturnsLastField)
{
    QString s = "a,b,,c,d";
    EXPECT_EQ(TakeToken(s, ","), "a");
    EXPECT_EQ(TakeToken(s, ","), "b");
    EXPECT_EQ(TakeToken(s, ","), "");
    EXPECT_EQ(s, ",c,d") << "an empty field leaves the text as it was";
    EXPECT_EQ(TakeToken(s, ","), "");

    QString last = "x,y";
    EXPECT_EQ(TakeToken(last, ","), "x");
    EXPECT_EQ(TakeToken(last, ","), "");
    EXPECT_EQ(last, "y");
}

TEST(TextTokens, RemoveAll)
{
    EXPECT_EQ(RemoveAll("\"MSFT\"", '"'), "MSFT");
    EXPECT_EQ(RemoveAll("9,375,492,000", ','), "9375492000");
    EXPECT_EQ(RemoveAll("", ','), "");
}

// A walk over a history-like buffer, one call per field, as the history parser does it.
TEST(TextTokens, ReadTokenWalksFieldsAndLines)
{
    const QString buffer = "Date,Open,Close\n1-Oct-07,29.5,29.7\n2-Oct-07,30,31,999\n";
    int pos = 1;
    QString none;
    EXPECT_EQ(ReadToken(buffer, "Close", pos, 1000, none), "ate,Open,Clos") << "the walk starts at the second character";
    EXPECT_EQ(buffer.mid(pos - 1, 1), "e") << "pos rests on the delimiter's last character";
    EXPECT_EQ(ReadToken(buffer, "\n", pos, 1000, none), "");

    QString eol = "\n";
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "1-Oct-07");
    EXPECT_EQ(eol, "\n");
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "29.5");
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "29.7") << "cut at the line end";
    EXPECT_EQ(eol, "EOL");
    EXPECT_EQ(buffer.mid(pos - 1, 1), "\n");

    eol = "\n";
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "2-Oct-07");
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "30");
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "31");
    EXPECT_EQ(eol, "\n");
    EXPECT_EQ(ReadToken(buffer, "\n", pos, 1000, eol), "999") << "the rest of the line";
    eol = "\n";
    EXPECT_EQ(ReadToken(buffer, ",", pos, 1000, eol), "EOS") << "nothing left";
}

TEST(TextTokens, ReadTokenReach)
{
    struct Row {
        const char* name;
        QString buffer, d, eol;
        int limit;
        QString token, eolAfter;
        int posAfter;
    };
    const Row rows[] = {
        {"field within limit", "abc,d", ",", "", 3, "abc", "", 4},
        {"field one past limit", "abcd,e", ",", "", 3, "EOS", "", 1},
        {"no delimiter, no line end", "abc", ",", "", 10, "EOS", "", 1},
        {"no delimiter, line end", "abc\ndef", ",", "\n", 10, "abc", "EOL", 4},
        {"no delimiter, no line end in reach", "abcdef\n", ",", "\n", 3, "EOS", "\n", 1},
        {"delimiter of several characters", "xxCloseyy", "Close", "", 100, "xxClos", "", 7},
        {"empty buffer", "", ",", "\n", 10, "EOS", "\n", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        int pos = 0;
        QString eol = r.eol;
        EXPECT_EQ(ReadToken(r.buffer, r.d, pos, r.limit, eol), r.token);
        EXPECT_EQ(eol, r.eolAfter);
        EXPECT_EQ(pos, r.posAfter);
    }
}

TEST(TextTokens, ReadTokenPastTheEndIsEndOfSearch)
{
    int pos = 50;
    QString eol = "\n";
    EXPECT_EQ(ReadToken("short", ",", pos, 1000, eol), "EOS");
}

TEST(TextTokens, SuffixValue)
{
    struct Row {
        const char* name;
        QString s;
        float value;
    };
    const Row rows[] = {
        {"billions", "279.1B", float(279100000000.0)},
        {"millions", "850M", 850000000.0f},
        {"thousands are not counted", "950K", 0},
        {"not available", "N/A", 0},
        {"zero billions", "0B", 0},
        {"no suffix", "1234", 0},
        {"negative", "-2.5M", -2500000.0f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(SuffixValue(r.s), r.value);
    }
    EXPECT_TRUE(std::isinf(SuffixValue("1e300B"))) << "beyond a single";
}

TEST(TextTokens, ProperCase)
{
    struct Row {
        QString in, out;
    };
    const Row rows[] = {
        {" international business ", "International Business"},
        {"A&b-c d", "A&B-C D"},
        {"MICROSOFT CP", "Microsoft Cp"},
        {"", ""},
        {"   ", ""},
        {"x", "X"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.in.toStdString());
        EXPECT_EQ(ProperCase(r.in), r.out);
    }
}

} // namespace
