#include "platform/format.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/text.h"

namespace qm7::platform {
namespace {

using S = std::u16string;
using I = int64_t;

struct TCase {
    std::u16string format;
    std::vector<TFormatArg> args;
    std::u16string expected;
};

// Format takes an initializer_list; the table holds vectors, so the cases
// go through a small switch on the argument count.
std::u16string FormatCase(const TCase& c, const TFormatSettings& settings) {
    const auto& a = c.args;
    switch (a.size()) {
    case 0:
        return Format(c.format, {}, settings);
    case 1:
        return Format(c.format, {a[0]}, settings);
    case 2:
        return Format(c.format, {a[0], a[1]}, settings);
    case 3:
        return Format(c.format, {a[0], a[1], a[2]}, settings);
    default:
        return Format(c.format, {a[0], a[1], a[2], a[3]}, settings);
    }
}

void Check(const std::vector<TCase>& cases, const TFormatSettings& settings) {
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.format));
        EXPECT_EQ(Utf16ToUtf8(FormatCase(c, settings)), Utf16ToUtf8(c.expected));
    }
}

TEST(Format, TextsIntegersAndIndexes) {
    Check(
        {
            {u"plain text", {}, u"plain text"},
            {u"100%% of %s", {S(u"it")}, u"100% of it"},
            {u"[%s]", {S(u"")}, u"[]"},
            {u"[%-10s]", {S(u"ab")}, u"[ab        ]"},
            {u"[%5s]", {S(u"ab")}, u"[   ab]"},
            {u"[%2s]", {S(u"abcd")}, u"[abcd]"},
            {u"[%.2s]", {S(u"abcd")}, u"[ab]"},
            {u"%S", {S(u"upper type letter")}, u"upper type letter"},
            {u"%d", {I(42)}, u"42"},
            {u"[%5d]", {I(-42)}, u"[  -42]"},
            {u"[%-5d]", {I(42)}, u"[42   ]"},
            {u"%.4d", {I(-7)}, u"-0007"},
            {u"%d", {std::numeric_limits<int64_t>::min()}, u"-9223372036854775808"},
            {u"%x", {I(255)}, u"FF"},
            {u"%.4x", {I(26)}, u"001A"},
            {u"%x", {I(-1)}, u"FFFFFFFF"},
            {u"%x", {I(-0x100000000LL)}, u"FFFFFFFF00000000"},
            {u"%1:s %0:s", {S(u"a"), S(u"b")}, u"b a"},
            // After an indexed placeholder the next plain one takes the
            // argument that follows it.
            {u"%1:s %s", {S(u"a"), S(u"b"), S(u"c")}, u"b c"},
            {u"%0:s-%0:s %s", {S(u"a"), S(u"b")}, u"a-a b"},
            {u"%s: %d files", {S(u"Done"), I(3)}, u"Done: 3 files"},
            // Texts are never read as formats themselves.
            {u"%s", {S(u"%d %s %n")}, u"%d %s %n"},
        },
        TFormatSettings{});
}

TEST(Format, Numbers) {
    Check(
        {
            {u"%n", {1234567.891}, u"1,234,567.89"},
            {u"%n", {I(1000000)}, u"1,000,000.00"},
            {u"%n", {123.0}, u"123.00"},
            {u"%n", {999.995}, u"1,000.00"},
            {u"%.0n", {1234.5}, u"1,235"},
            {u"%0.n", {1234.4}, u"1,234"}, // "%0.n" is precision 0
            {u"%.0n", {2.5}, u"3"},
            {u"%.0n", {-2.5}, u"-3"},
            {u"%.0n", {0.4}, u"0"},
            {u"%.0n", {-0.4}, u"0"}, // no negative zero
            {u"%.2n", {-1234.5}, u"-1,234.50"},
            {u"%.1n", {0.05}, u"0.1"},
            {u"[%2.0n]", {I(7)}, u"[ 7]"},
            {u"%.2f", {0.125}, u"0.13"},
            {u"%.2f", {1.005}, u"1.01"},
            {u"%.2f", {-0.125}, u"-0.13"},
            {u"%.2f", {0.0}, u"0.00"},
            {u"%f", {1.0}, u"1.00"},
            {u"%f", {I(3)}, u"3.00"},
            {u"%1.3f", {3.14159}, u"3.142"},
            {u"[%5.3f]", {0.5}, u"[0.500]"},
            {u"[%8.3f]", {-1.0}, u"[  -1.000]"},
            {u"%.0f", {0.5}, u"1"},
            {u"%.0f", {9.5}, u"10"},
            {u"%.3f", {1e-10}, u"0.000"},
            {u"%.1f", {1e20}, u"100000000000000000000.0"},
            {u"%g", {0.1}, u"0.1"},
            {u"%g", {1234.5}, u"1234.5"},
            {u"%g", {100.0}, u"100"},
            {u"%g", {-2.5}, u"-2.5"},
            {u"%g", {0.0}, u"0"},
            {u"%g", {I(42)}, u"42"},
            {u"%g", {1.0 / 3.0}, u"0.333333333333333"},
            {u"%g", {0.0001}, u"0.0001"},
            {u"%g", {0.00001}, u"1E-5"},
            {u"%g", {1.5e-7}, u"1.5E-7"},
            {u"%g", {1e20}, u"1E20"},
            {u"%g", {123456789012345.0}, u"123456789012345"},
            {u"%g", {1234567890123456.0}, u"1.23456789012346E15"},
            {u"[%4.2g]", {3.14159}, u"[ 3.1]"},
            {u"[%4.2g]", {0.125}, u"[0.13]"},
            {u"%.2g", {99.5}, u"1E2"},
            {u"%.2g", {1250.0}, u"1.3E3"},
            {u"%f %g", {std::nan(""), std::numeric_limits<double>::infinity()}, u"NAN INF"},
            {u"%n", {-std::numeric_limits<double>::infinity()}, u"-INF"},
        },
        TFormatSettings{});
}

TEST(Format, SeparatorsComeFromTheSettings) {
    const TFormatSettings german{u'.', u','};
    Check(
        {
            {u"%n", {1234.5}, u"1.234,50"},
            {u"%.1f", {1234.5}, u"1234,5"},
            {u"%g", {0.5}, u"0,5"},
            {u"%d", {I(1234)}, u"1234"},
        },
        german);
    ResetSettings();
    EXPECT_EQ(Format(u"%n", {1234.5}), u"1,234.50");
    ASSERT_TRUE(SetUserLCID(0x0407));
    EXPECT_EQ(Format(u"%n", {1234.5}), u"1.234,50");
    ResetSettings();
}

TEST(Format, ErrorsThrow) {
    const std::vector<TCase> cases{
        {u"%d", {}, u"no argument 0"},
        {u"%s %s", {S(u"a")}, u"no argument 1"},
        {u"%2:s", {S(u"a")}, u"no argument 2"},
        {u"%d", {1.5}, u"must be an integer"},
        {u"%x", {2.0}, u"must be an integer"},
        {u"%s", {I(1)}, u"must be a text"},
        {u"%n", {S(u"1")}, u"must be a number"},
        {u"%q", {I(1)}, u"unknown placeholder"},
        {u"%*d", {I(1), I(2)}, u"unknown placeholder"},
        {u"trailing %", {}, u"without a type"},
        {u"%5", {I(1)}, u"without a type"},
        {u"%999999999d", {I(1)}, u"too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.format));
        try {
            FormatCase(c, TFormatSettings{});
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(Utf16ToUtf8(c.expected)), std::string::npos)
                << e.what();
        }
    }
}

TEST(Format, RoundHalfEven) {
    const std::vector<std::pair<double, double>> cases{
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0},       {1.5, 2},
        {2.4, 2}, {2.6, 3}, {-3.5, -4}, {1e300, 1e300},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    // The result does not depend on the rounding mode in force.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double up = RoundHalfEven(2.4);
    const double down = RoundHalfEven(-2.6);
    const int after = std::fegetround();
    std::fesetround(mode);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, -3);
    EXPECT_EQ(after, FE_UPWARD);
}

} // namespace
} // namespace qm7::platform
