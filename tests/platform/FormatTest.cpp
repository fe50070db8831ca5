#include "Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct NumberCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

const NumberCase kNumberCases[] = {
    {"two decimals", 3.5, "####0.00", "3.50"},
    {"zero under hashes then 0", 0, "####0.00", "0.00"},
    {"grouping", 1234.56, "#,###,###.00", "1,234.56"},
    {"no integer digit for a fraction", 0.5, "#,###,###.00", ".50"},
    {"zero under hashes", 0, "#,###,###.00", ".00"},
    {"big number widens the pattern", 1234567890.5, "#,###,###.00", "1,234,567,890.50"},
    {"trailing spaces copied", 1234567, "#,###,###.00  ", "1,234,567.00  "},
    {"whole grouped", 57584400, "#,###,###", "57,584,400"},
    {"exactly a thousand", 1000, "#,###,###", "1,000"},
    {"leading zero digits", 3.24, "00.0 ", "03.2 "},
    {"escaped space", 3.5, "0.00\\ ", "3.50 "},
    {"hashes on zero give nothing", 0, "##", ""},
    {"hashes on a month number", 11, "##", "11"},
    {"two zeros pad", 0, "00", "00"},
    {"letter suffix copied", 2.5, "#,###,###.00B", "2.50B"},
    {"letter suffix whole", 850.4, "#,###,###M", "850M"},
    {"percent copied", 12.345, "0.00%", "12.35%"},
    {"negative", -1234.5, "#,###,##0.00", "-1,234.50"},
    {"negative fraction only", -0.5, "#,###,###.00", "-.50"},
    {"negative with a literal prefix", -5, "\\ 0", "- 5"},
    {"negative rounding to zero has no sign", -0.001, "0.00", "0.00"},
    {"half rounds away from zero", 2.5, "0", "3"},
    {"negative half rounds away from zero", -2.5, "0", "-3"},
    {"decimal half up", 0.125, "0.00", "0.13"},
    {"decimal form decides halves", 1.005, "0.00", "1.01"},
    {"rounding carries into a new digit", 999.996, "#,###.00", "1,000.00"},
    {"rounding carries through nines", 9.96, "0.0", "10.0"},
    {"single price", static_cast<double>(12.345f), "#,###,###.00", "12.35"},
    {"five decimals", 0.0123456, "0.00000", "0.01235"},
    {"hash decimals drop trailing zeros", 5.1, "0.##", "5.1"},
    {"point kept without decimals", 5, "0.##", "5."},
    {"digits between literals", 1234, "00-00", "12-34"},
    {"quoted literal", 7, "0\" pts\"", "7 pts"},
    {"scaling comma", 1234567, "0,", "1235"},
    {"negative section", -3, "0;(0)", "(3)"},
    {"zero section", 0, "0.00;-0.00;\"nil\"", "nil"},
    {"huge value", 1e20, "#,###", "100,000,000,000,000,000,000"},
    {"tiny value", 1e-20, "0.00", "0.00"},
    {"only literals", 5, "N/A", "N/A"},
    {"empty pattern is the short text", 0.25, "", "0.25"},
    {"label formats", 1234.5, "###,###.00", "1,234.50"},
    {"price label", 87.125, "###,###,###.00", "87.13"},
};

TEST(FormatNumber, Patterns)
{
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatNumber(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
    }
}

TEST(FormatNumber, NonFiniteGivesEmptyText)
{
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), QStringLiteral("0.00")), QString());
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), QStringLiteral("0.00")), QString());
}

TEST(FormatText, Patterns)
{
    struct Case {
        const char* name;
        const char* text;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"space before", "AAPL", "\\ !", " AAPL"},
        {"empty text", "", "\\ !", " "},
        {"right to left fill", "ab", "@@@@@", "   ab"},
        {"left to right fill", "ab", "!@@@@@", "ab   "},
        {"optional placeholders", "ab", "&&&&", "ab"},
        {"longer text keeps its head", "abcdef", "@@@", "abcdef"},
        {"longer text left to right", "abcdef", "!@@@", "abcdef"},
        {"upper case", "msft", ">", "MSFT"},
        {"lower case", "MSFT", "<", "msft"},
        {"literals around placeholders", "12", "(@@@)", "( 12)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatText(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
    }
}

TEST(FormatString, PicksTextOrNumberFormatting)
{
    EXPECT_EQ(formatString(QStringLiteral("IBM"), QStringLiteral("\\ !")), QStringLiteral(" IBM"));
    EXPECT_EQ(formatString(QStringLiteral("12.5"), QStringLiteral("0.00\\ ")), QStringLiteral("12.50 "));
    EXPECT_EQ(formatString(QStringLiteral(" 1,234.5 "), QStringLiteral("#,###,###.00  ")), QStringLiteral("1,234.50  "));
    EXPECT_EQ(formatString(QStringLiteral("n/a"), QStringLiteral("0.00")), QStringLiteral("n/a"));
    EXPECT_EQ(formatString(QStringLiteral("20040315"), QString()), QStringLiteral("20040315"));
}

TEST(FormatDateTime, Patterns)
{
    struct Case {
        const char* name;
        QDateTime at;
        const char* pattern;
        const char* expected;
    };
    const QDate d(2004, 3, 5); // a Friday
    const Case cases[] = {
        {"julian", QDateTime(d, QTime(0, 0)), "yyyymmdd", "20040305"},
        {"short julian", QDateTime(d, QTime(0, 0)), "yymmdd", "040305"},
        {"us date", QDateTime(d, QTime(0, 0)), "mm/dd/yy", "03/05/04"},
        {"year first", QDateTime(d, QTime(0, 0)), "yy/mm/dd", "04/03/05"},
        {"month abbreviation", QDateTime(d, QTime(0, 0)), "mmm", "Mar"},
        {"january with year", QDateTime(QDate(2005, 1, 3), QTime(0, 0)), "mmm YY", "Jan 05"},
        {"weekday abbreviation", QDateTime(d, QTime(0, 0)), "ddd", "Fri"},
        {"day without zero", QDateTime(d, QTime(0, 0)), "d", "5"},
        {"tip date", QDateTime(d, QTime(0, 0)), "mmm  d  yyyy", "Mar  5  2004"},
        {"list date", QDateTime(QDate(2004, 12, 31), QTime(0, 0)), "   mmmdd/yy", "   Dec31/04"},
        {"afternoon", QDateTime(d, QTime(16, 5)), " h:mm AMPM", " 4:05 PM"},
        {"midnight is 12 AM", QDateTime(d, QTime(0, 0, 30)), " h:mm AMPM", " 12:00 AM"},
        {"noon is 12 PM", QDateTime(d, QTime(12, 0)), " h:mm AMPM", " 12:00 PM"},
        {"clock", QDateTime(d, QTime(0, 7, 9)), "hh:mm:ss AMPM", "12:07:09 AM"},
        {"clock evening", QDateTime(d, QTime(23, 59, 58)), "hh:mm:ss AMPM", "11:59:58 PM"},
        {"24-hour without AMPM", QDateTime(d, QTime(16, 5)), "hh:mm", "16:05"},
        {"minutes right after hour", QDateTime(d, QTime(9, 41)), "hmm", "941"},
        {"mm without an hour is the month", QDateTime(d, QTime(9, 41)), "mm:ss", "03:00"},
        {"n is minutes", QDateTime(d, QTime(9, 41)), "nn", "41"},
        {"lower am/pm", QDateTime(d, QTime(9, 41)), "h:mm am/pm", "9:41 am"},
        {"one letter", QDateTime(d, QTime(19, 41)), "h A/P", "7 P"},
        {"escaped letters", QDateTime(d, QTime(0, 0)), "\\d\\a\\y d", "day 5"},
        {"full names", QDateTime(d, QTime(0, 0)), "dddd, mmmm d", "Friday, March 5"},
        {"general date", QDateTime(d, QTime(0, 0)), "c", "3/5/2004"},
        {"general date and time", QDateTime(d, QTime(13, 2, 3)), "c", "3/5/2004 1:02:03 PM"},
        {"general zero value", QDateTime(QDate(1899, 12, 30), QTime(0, 0)), "c", "12:00:00 AM"},
        {"quarter and day of year", QDateTime(d, QTime(0, 0)), "q y", "1 65"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatDateTime(c.at, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(formatDate(d, QStringLiteral("ddd mmm d")), QStringLiteral("Fri Mar 5"));
    EXPECT_EQ(formatDateTime(QDateTime(), QStringLiteral("yyyy")), QString());
}

TEST(SingleText, SevenSignificantDigits)
{
    struct Case {
        const char* name;
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {"zero", 0.0f, "0"},
        {"negative zero", -0.0f, "0"},
        {"half", 12.5f, "12.5"},
        {"fraction keeps its leading zero", 0.5f, "0.5"},
        {"negative fraction", -0.5f, "-0.5"},
        {"price stored as single", 12.34f, "12.34"},
        {"tenth", 0.1f, "0.1"},
        {"seven digits stay plain", 9999999.0f, "9999999"},
        {"eight digits use the exponent", 57584400.0f, "5.75844E+07"},
        {"rounded to seven digits", 12345678.0f, "1.234568E+07"},
        {"ten million", 1e7f, "1E+07"},
        {"small plain", 0.0001f, "0.0001"},
        {"small exponent", 0.00001f, "1E-05"},
        {"market capitalisation", 279100000000.0f, "2.791E+11"},
        {"negative whole", -42.0f, "-42"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(singleText(c.value), QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(doubleText(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(doubleText(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(doubleText(1234567890123456.0), QStringLiteral("1.23456789012346E+15"));
}

TEST(TextValue, ReadsTheLongestNumberAtTheStart)
{
    struct Case {
        const char* name;
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"plain", "12", 12},
        {"trailing letters", "12abc", 12},
        {"leading blanks", "   7.25", 7.25},
        {"embedded blanks", " 1 2 3", 123},
        {"tabs and line feeds", "\t4\n5", 45},
        {"carriage return ends", "4\r5", 4},
        {"comma ends", "1,234.5", 1},
        {"second point ends", "1.2.3", 1.2},
        {"leading point", ".5", 0.5},
        {"negative", "-3.5", -3.5},
        {"sign then blank", "- 3", -3},
        {"plus", "+8", 8},
        {"double sign", "--3", 0},
        {"exponent", "1.5E3", 1500},
        {"exponent with D", "2D2", 200},
        {"negative exponent", "25e-1", 2.5},
        {"bare exponent letter", "12E", 12},
        {"exponent sign without digits", "12e+x", 12},
        {"empty", "", 0},
        {"no number", "N/A", 0},
        {"percent suffix", "-1.25%", -1.25},
        {"hex", "&HFF", 255},
        {"hex 16-bit wraps", "&HFFFF", -1},
        {"hex 32-bit", "&H10000", 65536},
        {"hex 32-bit wraps", "&HFFFFFFFF", -1},
        {"hex beyond 32 bits", "&H100000000", 0},
        {"octal", "&O17", 15},
        {"overflow", "1e999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(textValue(QString::fromUtf8(c.text)), c.expected);
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {2.5, 0, 2},    {3.5, 0, 4},      {-2.5, 0, -2},   {-3.5, 0, -4},  {2.4999, 0, 2},
        {2.5001, 0, 3}, {-0.4, 0, 0},     {0.5, 0, 0},     {1.5, 0, 2},    {0.125, 2, 0.12},
        {0.375, 2, 0.38}, {-0.125, 2, -0.12}, {12.3456, 4, 12.3456}, {125, -1, 120}, {135, -1, 140},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_DOUBLE_EQ(roundHalfEven(c.value, c.decimals), c.expected);
    }
    EXPECT_DOUBLE_EQ(roundHalfEven(6.5), 6);
    EXPECT_DOUBLE_EQ(roundHalfEven(-6.5), -6);
    EXPECT_DOUBLE_EQ(roundHalfEven(1e15 + 1), 1e15 + 1);
}

} // namespace
