#include "runtime1/files/file_utils.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "runtime1/files/FileOfChar.h"
#include "runtime1/scanning/bare_assemb.h"

namespace qm7 {
namespace {

namespace fs = std::filesystem;
using platform::Utf16ToUtf8;

std::string Utf16LE(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

std::string Utf16BE(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c >> 8));
        out.push_back(char(c & 0xFF));
    }
    return out;
}

class FileUtilsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetSettings();
        dir_ = fs::temp_directory_path() /
               ("qm7_file_utils_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        platform::ResetSettings();
    }

    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

// ---- content detection ----

struct TDetectCase {
    const char* what;
    std::string bytes;
    TFileContentsSet quick, thorough;
};

TEST_F(FileUtilsTest, DetectsWhatFilesHold) {
    const std::string zip = std::string("PK\x03\x04", 4) + "rest of an archive";
    const std::vector<TDetectCase> cases = {
        {"three bytes", "abc", {}, {}},
        {"signed UTF-8",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9",
         {_8_bit, _UTF8},
         {_UTF8}},
        {"odd-length UTF-16 mark",
         std::string("\xFF\xFE"
                     "a\0b",
                     5),
         {_16_bit},
         {_8_bit}},
        {"UTF-16 LE",
         Utf16LE(u"\xFEFF"
                 u"ab"),
         {_16_bit},
         {_16_bit}},
        {"UTF-16 BE",
         Utf16BE(u"\xFEFF"
                 u"ab"),
         {_16_bit_reversed},
         {_16_bit_reversed}},
        {"UTF-16 LE without mark", Utf16LE(u"plain words"), {_8_bit}, {_16_bit}},
        {"zip", zip, {_Zip}, {_Zip}},
        {"compound document",
         std::string("\xD0\xCF\x11\xE0"
                     "\0\0\0\0",
                     8),
         {_Storage},
         {_Storage}},
        {"early word processor",
         std::string("\xDB\xA5\x2D\x00"
                     "abcd",
                     8),
         {_early_Word},
         {_early_Word}},
        {"unsigned UTF-8", "caf\xC3\xA9 au lait", {_8_bit}, {_UTF8}},
        {"8-bit e-acute before a space", "caf\xE9 au lait", {_8_bit}, {_8_bit}},
        {"7-bit", "plain text", {_8_bit}, {_8_bit}},
        {"UTF-8 only after a zero byte", std::string("abc\0\xC3\xA9xyz", 9), {_8_bit}, {_8_bit}},
        {"truncated UTF-8 at the end", "abc\xC3", {_8_bit}, {_8_bit}},
    };
    for (const TDetectCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto n = int64_t(c.bytes.size());
        EXPECT_EQ(FileBufferType(c.bytes.data(), n, false), c.quick);
        EXPECT_EQ(FileBufferType(c.bytes.data(), n, true), c.thorough);
        const fs::path file = Write("case.bin", c.bytes);
        EXPECT_EQ(FileContentsType(file, false), c.quick);
        EXPECT_EQ(FileContentsType(file, true), c.thorough);
    }
    EXPECT_EQ(FileBufferType(nullptr, 10, true), TFileContentsSet{});
}

TEST_F(FileUtilsTest, ShortFilesAreTooShortToTell) {
    // A quick look at a file under four bytes uses only the bytes there.
    EXPECT_EQ(FileContentsType(Write("two", "\xFF\xFE"), false), TFileContentsSet{});
    EXPECT_EQ(FileContentsType(Write("none", ""), false), TFileContentsSet{});
    EXPECT_EQ(FileContentsType(Write("three", "abc"), true), TFileContentsSet{});
    EXPECT_THROW(FileContentsType(dir_ / "missing", false), platform::EFOpenError);
    EXPECT_THROW(FileContentsType(dir_ / "missing", true), platform::EFOpenError);
}

TEST_F(FileUtilsTest, TheUTF16Test) {
    struct TCase {
        const char* what;
        std::string bytes;
        bool utf16;
    };
    std::string long_text = Utf16LE(std::u16string(40000, u'a'));
    // A pair of surrogates across the end of the 64 KiB window.
    std::string across = Utf16LE(std::u16string(32767, u'a') + u"\xD83D\xDE00" + u"b");
    const std::vector<TCase> cases = {
        {"ASCII in UTF-16", Utf16LE(u"hello world"), true},
        {"Greek in UTF-16", Utf16LE(u"\x03B1\x03B2 abc"), true},
        {"odd count", Utf16LE(u"hello") + "x", false},
        {"big-endian", Utf16BE(u"hello world"), false},
        {"no zero bytes", Utf16LE(u"\x4E2D\x6587"), false},
        {"U+FFFE", Utf16LE(u"ab\xFFFE"), false},
        {"U+FFFF", Utf16LE(u"ab\xFFFF"), false},
        {"lone high surrogate",
         Utf16LE(u"ab\xD800"
                 "c"),
         false},
        {"lone low surrogate",
         Utf16LE(u"ab\xDC00"
                 "c"),
         false},
        {"high surrogate at the very end", Utf16LE(u"ab\xD800"), false},
        {"a pair", Utf16LE(u"a longer text with a pair \xD83D\xDE00"), true},
        {"pair across the window", across, true},
        {"long", long_text, true},
        {"zeros mostly at even offsets", std::string("\0a\0b\0c\0d", 8), false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LooksLikeUTF16(c.bytes.data(), int64_t(c.bytes.size())), c.utf16);
    }
    EXPECT_TRUE(StringIsInUnicode("\xFF\xFE"
                                  "ab",
                                  4));
    EXPECT_TRUE(StringIsInUnicode("\xFE\xFF"
                                  "ab",
                                  4));
    EXPECT_FALSE(StringIsInUnicode("\xFF\xFE"
                                   "a",
                                   3));
    EXPECT_FALSE(StringIsInUnicode("abcd", 4));
    EXPECT_TRUE(TextFileInUnicode(Write("le", Utf16LE(u"no mark here"))));
    EXPECT_TRUE(TextFileInUnicode(Write("be", Utf16BE(u"\xFEFFmarked"))));
    EXPECT_FALSE(TextFileInUnicode(Write("empty", "")));
    EXPECT_FALSE(TextFileInUnicode(Write("ansi", "plain text")));
    EXPECT_THROW(TextFileInUnicode(dir_ / "missing"), platform::EFOpenError);
}

TEST_F(FileUtilsTest, ComparesContentSets) {
    EXPECT_EQ(FileContentsComparison({_UTF8}, {_8_bit}), 1);
    EXPECT_EQ(FileContentsComparison({_8_bit}, {_UTF8}), -1);
    EXPECT_EQ(FileContentsComparison({}, {}), 0);
    EXPECT_EQ(FileContentsComparison({_8_bit, _UTF8}, {_8_bit, _UTF8}), 0);
    EXPECT_EQ(FileContentsComparison({_16_bit_reversed}, {_8_bit, _UTF8, _Zip}), 1);
    EXPECT_EQ(FileContentsSetText({_8_bit, _UTF8}), u"_8_bit,_UTF8");
    EXPECT_EQ(FileContentsSetText({}), u"-");
}

// ---- reading text ----

TEST_F(FileUtilsTest, RepairsUTF8ReadAsEightBitText) {
    const fs::path cafe = Write("cafe.txt", "caf\xC3\xA9");
    EXPECT_EQ(TextFileContents(cafe), u"caf\u00E9\r\n");
    // The plain string list reads the bytes through the system code page.
    EXPECT_EQ(GetTextFromFile(cafe), u"caf\u00C3\u00A9\r\n");
    EXPECT_EQ(TextFileContents(dir_ / "missing"), u"");
    EXPECT_EQ(GetTextFromFile(dir_ / "missing"), u"");
}

TEST_F(FileUtilsTest, RepairLeavesGoodTextAlone) {
    struct TCase {
        const char* what;
        std::string bytes;
        std::u16string text;
    };
    const std::vector<TCase> cases = {
        {"signed cafe",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9",
         u"caf\u00E9"},
        {"signed Greek", "\xEF\xBB\xBF\xCE\xB1\xCE\xB2\xCE\xB3", u"\u03B1\u03B2\u03B3"},
        {"signed, encoded twice",
         "\xEF\xBB\xBF"
         "caf\xC3\x83\xC2\xA9",
         u"caf\u00E9"},
        {"signed ASCII",
         "\xEF\xBB\xBF"
         "plain",
         u"plain"},
        {"8-bit cafe au lait", "caf\xE9 au lait", u"caf\u00E9 au lait"},
        // A capital A-acute: its second byte has no character in Windows-1252.
        {"unsigned UTF-8 A-acute", "\xC3\x81rbol", u"\u00C1rbol"},
        {"unsigned UTF-8 euro", "\xE2\x82\xAC 5", u"\u20AC 5"},
        {"unsigned overlong form",
         "a\xC0\xAF"
         "b",
         u"a\u00C0\u00AF"
         "b"},
        {"UTF-16 LE",
         Utf16LE(u"\xFEFF"
                 "caf\u00E9"),
         u"caf\u00E9"},
        {"UTF-16 BE",
         Utf16BE(u"\xFEFF"
                 "caf\u00E9"),
         u"caf\u00E9"},
        {"UTF-16 with an odd byte",
         Utf16LE(u"\xFEFF"
                 "ab") +
             "c",
         u"ab"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RepairedText(c.bytes), c.text);
        EXPECT_EQ(TextFileContents(Write("t.txt", c.bytes)), c.text + u"\r\n");
    }
}

TEST_F(FileUtilsTest, OnlyStrictlyValidUTF8IsReadAsUTF8) {
    const std::string run(37, 'a'); // longer than the sixteen-byte steps
    const std::u16string wide_run(37, u'a');
    struct TCase {
        const char* what;
        std::string bytes;
        std::u16string text;
    };
    const std::vector<TCase> cases = {
        {"four-byte form", "x\xF0\x9F\x98\x80y", u"x\xD83D\xDE00y"},
        {"highest three-byte form", "\xEF\xBF\xBD", u"\uFFFD"},
        {"after a long ASCII run", run + "\xC3\xA9" + run, wide_run + u"\u00E9" + wide_run},
        {"at a sixteen-byte edge", std::string(15, 'b') + "\xC3\xA9",
         std::u16string(15, u'b') + u"\u00E9"},
        // Not UTF-8: read through the system code page.
        {"overlong three-byte form", "\xE0\x9F\x80", u"\u00E0\u0178\u20AC"},
        {"surrogate", "\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC"},
        {"cut short", run + "\xC3", wide_run + u"\u00C3"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RepairedText(c.bytes), c.text);
    }
}

TEST_F(FileUtilsTest, SignedFlagFollowsEachFile) {
    TPossiblyDodgyTextStringlist list;
    EXPECT_FALSE(list.SignedUTF8);
    list.LoadFromFile(Write("signed.txt", "\xEF\xBB\xBF"
                                          "one"));
    EXPECT_TRUE(list.SignedUTF8);
    list.LoadFromFile(Write("short.txt", "ab"));
    EXPECT_FALSE(list.SignedUTF8);
    // Now text that looks doubly encoded is left as it is.
    list.SetText(u"caf\u00C3\u00A9");
    EXPECT_EQ(list.Strings(0), u"caf\u00C3\u00A9");
    list.SignedUTF8 = true;
    list.SetText(u"caf\u00C3\u00A9");
    EXPECT_EQ(list.Strings(0), u"caf\u00E9");
    EXPECT_THROW(list.LoadFromFile(dir_ / "missing"), platform::EFOpenError);
}

TEST_F(FileUtilsTest, EightBitListRepairsTextGivenToIt) {
    TPossiblyDodgyTextStringlist list;
    list.LoadFromFile(Write("ansi.txt", "caf\xE9"));
    EXPECT_EQ(list.Encoding(), platform::teAnsi);
    EXPECT_EQ(list.Strings(0), u"caf\u00E9");
    list.SetText(u"caf\u00C3\u00A9");
    EXPECT_EQ(list.Strings(0), u"caf\u00E9");
}

TEST_F(FileUtilsTest, SplitsLines) {
    TPossiblyDodgyTextStringlist list;
    list.SetText(u"a\r\nb\nc\rd\n\re\r\n");
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Strings(4), u"");
    EXPECT_EQ(list.Strings(5), u"e");
    list.SetText(u"");
    EXPECT_EQ(list.Count(), 0);
    list.SetLineBreak(u"||");
    list.SetText(u"x||y\nz");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(1), u"y\nz");
}

TEST_F(FileUtilsTest, SameTextInEveryEncoding) {
    const std::u16string text = u"Caf\u00E9 cr\u00E8me \u2013 na\u00EFve fa\u00E7ade \u20AC5\r\n"
                                u"second line\r\n";
    const std::vector<std::pair<const char*, std::string>> western = {
        {"UTF-8", Utf16ToUtf8(text)},
        {"UTF-8 signed", "\xEF\xBB\xBF" + Utf16ToUtf8(text)},
        {"UTF-16 LE", Utf16LE(u"\xFEFF" + text)},
        {"UTF-16 BE", Utf16BE(u"\xFEFF" + text)},
        {"Windows-1252", platform::UnicodeToAnsi(text, 1252)},
    };
    for (const auto& [what, bytes] : western) {
        SCOPED_TRACE(what);
        EXPECT_EQ(TextFileContents(Write("w.txt", bytes)), text);
    }
    const std::u16string russian =
        u"\u0417\u0438\u043C\u043D\u0435\u0435 \u0443\u0442\u0440\u043E\r\n";
    ASSERT_TRUE(platform::SetSystemCodePage(1251));
    EXPECT_EQ(TextFileContents(Write("r1251.txt", platform::UnicodeToAnsi(russian, 1251))),
              russian);
    EXPECT_EQ(TextFileContents(Write("r8.txt", Utf16ToUtf8(russian))), russian);
}

// ---- writing text ----

TEST_F(FileUtilsTest, ConvertsEightBitFilesToUTF16) {
    const std::u16string russian = u"\u0417\u0438\u043C\u0430";
    const fs::path ru = Write("ru.txt", platform::UnicodeToAnsi(russian, 1251) + "\nx");
    EXPECT_TRUE(ConvertATextFileAnsiToUTF16(ru, 0x0419));
    EXPECT_EQ(Read(ru), Utf16LE(u"\xFEFF" + russian + u"\r\nx\r\n"));
    // Already UTF-16: untouched.
    EXPECT_TRUE(ConvertATextFileAnsiToUTF16(ru, 0x0419));
    EXPECT_EQ(Read(ru), Utf16LE(u"\xFEFF" + russian + u"\r\nx\r\n"));

    const fs::path signed_file = Write("s.txt", "\xEF\xBB\xBF\xCE\xB1");
    EXPECT_TRUE(ConvertATextFileAnsiToUTF16(signed_file, 0x0409));
    EXPECT_EQ(Read(signed_file), Utf16LE(u"\xFEFF\u03B1\r\n"));

    const std::string binary("ab\0cd\xE9", 6);
    const fs::path zeros = Write("z.bin", binary);
    EXPECT_TRUE(ConvertATextFileAnsiToUTF16(zeros, 0x0409));
    EXPECT_EQ(Read(zeros), binary);

    const fs::path empty = Write("empty.txt", "");
    EXPECT_TRUE(ConvertATextFileAnsiToUTF16(empty, 0x0409));
    EXPECT_EQ(fs::file_size(empty), 0u);

    EXPECT_FALSE(ConvertATextFileAnsiToUTF16(dir_ / "missing.txt", 0x0409));
}

TEST_F(FileUtilsTest, SavesTextWithAMark) {
    EXPECT_FALSE(SavedTextAsStream(u"", dir_ / "empty.txt"));
    EXPECT_FALSE(fs::exists(dir_ / "empty.txt"));
    EXPECT_TRUE(SavedTextAsStream(u"ab", dir_ / "ab.txt"));
    EXPECT_EQ(Read(dir_ / "ab.txt"), std::string("\xFF\xFE"
                                                 "a\0b\0",
                                                 6));
    EXPECT_THROW(SavedTextAsStream(u"x", dir_ / "no" / "such" / "folder.txt"),
                 platform::EStreamError);
}

TEST_F(FileUtilsTest, InsertsIntoFiles) {
    const fs::path w = Write("w.txt", "old\r\n");
    EXPECT_TRUE(InsertIntoFileW(w, u"new ", false, 1));
    EXPECT_EQ(Read(w), Utf16LE(u"\xFEFFnew old\r\n"));

    const fs::path a = Write("a.txt", "abc\r\n");
    EXPECT_TRUE(InsertIntoFileA(a, u"X", true, 2));
    EXPECT_EQ(Read(a), "aXbc\r\n");
    EXPECT_EQ(Read(dir_ / "a.bak"), "abc\r\n");
    EXPECT_TRUE(InsertIntoFileA(a, u"END", false, 1000));
    EXPECT_EQ(Read(a), "aXbc\r\nEND\r\n");
    EXPECT_THROW(InsertIntoFileA(dir_ / "missing.txt", u"x", false, 1), platform::EFOpenError);
}

TEST_F(FileUtilsTest, Checksums) {
    const std::string bytes("\x01\0\0\0\x02\0\0\0\x03", 9);
    EXPECT_EQ(CheckSumOfAFile(Write("c.bin", bytes)), 3u);
    EXPECT_EQ(CheckSumOfABufferful(bytes.data(), 9), 3u);
    EXPECT_EQ(CheckSumOfAFile(dir_ / "missing"), 0u);
    // Across the pieces a file is read in.
    std::string big(3 * (1 << 20) + 7, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = char(i * 131 + 7);
    EXPECT_EQ(CheckSumOfAFile(Write("big.bin", big)), My4Checksum(big.data(), int64_t(big.size())));
}

TEST_F(FileUtilsTest, AppendsToFiles) {
    const fs::path chars = dir_ / "chars.txt";
    AddToFileOfChar(chars, u"ab");
    AddToFileOfChar(chars, u"\u03B1");
    EXPECT_EQ(Read(chars), Utf16LE(u"\xFEFF"
                                   "ab\u03B1"));
    AddToFileOfChar("", u"nothing");

    platform::TStringList lines;
    lines.Add(u"caf\u00E9");
    lines.Add(u"");
    UnicodeAppendToTextFile(chars, lines);
    EXPECT_EQ(Read(chars), Utf16LE(u"\xFEFF"
                                   "ab\u03B1"
                                   "caf\u00E9\r\n\r\n"));

    const fs::path ansi = Write("ansi.txt", "start\r\n");
    AnsiAppendToTextFile(ansi, lines);
    EXPECT_EQ(Read(ansi), "start\r\ncaf\xE9\r\n\r\n");
    EXPECT_THROW(AnsiAppendToTextFile(dir_ / "missing.txt", lines), platform::EFOpenError);
}

} // namespace
} // namespace qm7
