#include "runtime1/scanning/UTF8_UNit.h"

#include <string>

#include <gtest/gtest.h>

namespace qm7 {
namespace {

TEST(Utf8UnitTest, Signatures) {
    EXPECT_EQ(UTF8SignatureAsUTF8String(), "\xEF\xBB\xBF");
    EXPECT_TRUE(IsUTF8SignatureA("\xEF\xBB\xBFx"));
    EXPECT_FALSE(IsUTF8SignatureA("\xEF\xBB"));
    EXPECT_FALSE(IsUTF8SignatureA(nullptr));
    const char16_t w[] = {0xBBEF, 0x41BF, 0};
    EXPECT_TRUE(IsUTF8SignatureW(w));
    const char16_t short_w[] = {0xBBEF, 0};
    EXPECT_FALSE(IsUTF8SignatureW(short_w));
    EXPECT_TRUE(IsUTF8Signature(0x41BFBBEF));
    EXPECT_FALSE(IsUTF8Signature(0xBFBBEF41));
    EXPECT_EQ(UTF8TrailingBytes[0xBF], 0);
    EXPECT_EQ(UTF8TrailingBytes[0xC0], 1);
    EXPECT_EQ(UTF8TrailingBytes[0xF7], 3);
    EXPECT_EQ(UTF8TrailingBytes[0xFB], 4);
    EXPECT_EQ(UTF8TrailingBytes[0xFF], 5);
}

TEST(Utf8UnitTest, LengthInChars) {
    EXPECT_EQ(UTF8LengthInChars("\x61\xC3\xA9"), 2);
    EXPECT_EQ(UTF8LengthInChars("\xE2\x82"), 2);
    EXPECT_EQ(UTF8LengthInChars("a\x80z"), 3);
    EXPECT_EQ(UTF8LengthInChars("\xF0\x9F\x98\x80!"), 2);
    EXPECT_EQ(UTF8LengthInChars(""), 0);
}

TEST(Utf8UnitTest, CheckedUTF) {
    struct {
        std::string bytes;
        bool result, ascii;
    } cases[] = {
        {"\xC3\x28", false, true},
        {"plain ASCII", true, true},
        {"\x61\xC3\xA9\xFF", true, false},
        {"\xE0\x80\x80", false, true},     // overlong
        {"\xF4\x90\x80\x80", false, true}, // above U+10FFFF
        {"\xC1\xBF", false, true},
        {"ab\xE2\x82", false, true}, // truncated at the end
        {"\x80", false, true},       // stray continuation byte
        {"", true, true},
    };
    for (const auto& c : cases) {
        bool ascii = false;
        EXPECT_EQ(CheckedUTF(c.bytes, ascii), c.result) << c.bytes;
        EXPECT_EQ(ascii, c.ascii) << c.bytes;
    }
}

} // namespace
} // namespace qm7
