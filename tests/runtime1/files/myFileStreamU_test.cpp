#include "runtime1/files/myFileStreamU.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/core/GeneralRuntime1Const.h"

namespace qm7 {
namespace {

namespace fs = std::filesystem;
using platform::TMemoryStream;
using platform::Utf8ToUtf16;

std::string Utf16LE(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

// A stream holding the bytes, read from the start.
struct TBytes : TMemoryStream {
    explicit TBytes(const std::string& bytes) {
        WriteBuffer(bytes);
        SetPosition(0);
    }
};

TEST(RecordStreams, ByteLayouts) {
    {
        TMemoryStream s;
        EXPECT_TRUE(WriteUnknownLengthPointer(s, nullptr, true));
        EXPECT_EQ(s.Bytes(), std::string(4, '\0'));
        s.SetPosition(0);
        const TCountedText back = ReadUnknownLengthPointer(s, true);
        EXPECT_TRUE(back.wide.empty());
        EXPECT_EQ(static_cast<const char16_t*>(back.Pointer())[0], u'\0');
    }
    {
        TMemoryStream s;
        WriteWidePchar(s, u"abc");
        EXPECT_EQ(s.Bytes(), std::string("\x03\0\0\0a\0b\0c\0", 10));
        s.SetPosition(0);
        EXPECT_EQ(ReadWidePchar(s), u"abc");
    }
    {
        TMemoryStream s;
        EXPECT_TRUE(WriteKnownLengthPointer(s, "abc", false, 3));
        EXPECT_EQ(s.Bytes(), std::string("\x03\0\0\0abc", 7));
        s.SetPosition(0);
        const TCountedText back = ReadUnknownLengthPointer(s, false);
        EXPECT_EQ(back.ansi, "abc");
        EXPECT_EQ(back.Count(), 3);
        EXPECT_EQ(temp_pointer_chars_allocated, 3);
    }
    {
        TMemoryStream s;
        EXPECT_EQ(WriteAnsiPchar(s, "abc"), 3);
        EXPECT_EQ(s.Bytes(), std::string("\x03\0abc", 5));
        s.SetPosition(0);
        EXPECT_EQ(ReadAnsiPchar(s), "abc");
    }
    {
        TMemoryStream s;
        EXPECT_TRUE(WriteShortString(s, ""));
        EXPECT_EQ(s.Bytes(), std::string(1, '\0'));
        s.SetPosition(0);
        EXPECT_EQ(ReadShortString(s), "");
    }
    {
        TMemoryStream s;
        EXPECT_TRUE(WriteKnownLengthPointer(s, u"\u00E9\u03B1", true, 2));
        EXPECT_TRUE(WriteKnownLengthPointer(s, "ignored", false, -4));
        EXPECT_FALSE(WriteKnownLengthPointer(s, nullptr, false, 2));
        EXPECT_EQ(s.Bytes(), std::string("\x02\0\0\0\xE9\0\xB1\x03\0\0\0\0", 12));
    }
}

TEST(RecordStreams, LongTextsAreCutWithAMatchingCount) {
    TMemoryStream s;
    EXPECT_TRUE(WriteShortString(s, std::string(300, 'x')));
    EXPECT_EQ(s.Size(), 256);
    EXPECT_EQ(uint8_t(s.Bytes()[0]), 255);
    const std::string long_text(70000, 'y');
    TMemoryStream a;
    EXPECT_EQ(WriteAnsiPchar(a, long_text.c_str()), 65535);
    a.SetPosition(0);
    EXPECT_EQ(ReadAnsiPchar(a), std::string(65535, 'y'));
}

TEST(RecordStreams, LimitsAndShortReads) {
    std::string count_50001("\x51\xC3\0\0", 4);
    const std::string body = count_50001 + std::string(50001, 'z');
    {
        TBytes s(body);
        try {
            ReadUnknownLengthPointer(s, false);
            FAIL();
        } catch (const platform::EReadError& e) {
            EXPECT_STREQ(e.what(), "file read error : ReadUnknownLengthPointer");
        }
    }
    {
        TBytes s(body);
        EXPECT_EQ(ReadUnknownLengthPointerMaxSize(s, false, 60000).ansi.size(), 50001u);
    }
    const std::string cases[] = {
        std::string("\xFF\xFF\xFF\xFF", 4), // negative
        std::string("\x05\0\0\0"
                    "abc",
                    7),           // fewer characters than counted
        std::string("\x03\0", 2), // not even a whole count
    };
    for (const std::string& bytes : cases) {
        TBytes a(bytes);
        EXPECT_THROW(ReadUnknownLengthPointerMaxSize(a, false, 100), platform::EReadError);
        TBytes w(bytes);
        EXPECT_THROW(ReadWidePchar(w), platform::EReadError);
    }
    // A UTF-16 text needs two bytes per counted unit.
    TBytes odd(std::string("\x02\0\0\0abc", 7));
    EXPECT_THROW(ReadUnknownLengthPointer(odd, true), platform::EReadError);
    TBytes ansi(std::string("\x09\0abc", 5));
    EXPECT_THROW(ReadAnsiPchar(ansi), platform::EReadError);
    TBytes shorts(std::string("\x09"
                              "abc",
                              4));
    EXPECT_THROW(ReadShortString(shorts), platform::EReadError);
    TMemoryStream empty;
    EXPECT_THROW(ReadShortString(empty), platform::EReadError);
}

TEST(RecordStreams, FileStreamWritesShortStrings) {
    const fs::path file = fs::temp_directory_path() / ("qm7_short_" + std::to_string(::getpid()));
    {
        TMyFileStream s(file, platform::fmCreate);
        EXPECT_TRUE(s.WriteAShortString("hi"));
    }
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "\x02hi");
    fs::remove(file);
}

class ZipEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qm7_zipentry_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "tmp");
        saved_temp_ = GeneralRuntime1Const::my_temp_path;
        GeneralRuntime1Const::my_temp_path = Utf8ToUtf16((dir_ / "tmp").string() + "/");
        zip_ = dir_ / "letters.zip";
        platform::WriteZipFile(zip_, {{"one.txt", "caf\xC3\xA9\nline two"},
                                      {"sub/two.txt", Utf16LE(u"\xFEFF\u03B1\rb")},
                                      {"ansi.txt", "caf\xE9"}});
    }
    void TearDown() override {
        GeneralRuntime1Const::my_temp_path = saved_temp_;
        fs::remove_all(dir_);
    }
    std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::u16string Zip() const { return Utf8ToUtf16(zip_.string()); }

    fs::path dir_, zip_;
    std::u16string saved_temp_;
};

TEST_F(ZipEntryTest, EntriesAsText) {
    EXPECT_EQ(ContentsOfFileWithinZipFile(Zip(), 1), u"caf\u00E9\nline two");
    EXPECT_EQ(ContentsOfFileWithinZipFile(Zip(), 2), u"\u03B1\rb");
    EXPECT_EQ(ContentsOfFileWithinZipFile(Zip(), 3), u"caf\u00E9");
    EXPECT_EQ(ContentsOfFileWithinZipFile(Zip() + u"/sub/two.txt"), u"\u03B1\rb");
}

TEST_F(ZipEntryTest, MissingEntriesAndArchives) {
    EXPECT_THROW(ContentsOfFileWithinZipFile(Zip(), 0), platform::EZipError);
    EXPECT_THROW(ContentsOfFileWithinZipFile(Zip(), 4), platform::EZipError);
    EXPECT_THROW(ContentsOfFileWithinZipFile(Zip() + u"/none.txt"), platform::EZipError);
    EXPECT_THROW(ContentsOfFileWithinZipFile(u"/no/archive/here.txt"), platform::EZipError);
    EXPECT_THROW(ContentsOfFileWithinZipFile(u"/no/such.zip", 1), platform::EZipError);
}

TEST_F(ZipEntryTest, EntryToTheTemporaryFolder) {
    const fs::path expected = dir_ / "tmp" / "tempzip.txt";
    EXPECT_EQ(OpenedAZipFileToTempDir(Zip(), 1), Utf8ToUtf16(expected.string()));
    EXPECT_EQ(Read(expected), Utf16LE(u"\xFEFF"
                                      u"caf\u00E9\r\nline two\r\n"));
    EXPECT_EQ(fs::file_size(expected), Read(expected).size());

    // Out of range: the path comes back, and no earlier entry is left there.
    EXPECT_EQ(OpenedAZipFileToTempDir(Zip(), 0), Utf8ToUtf16(expected.string()));
    EXPECT_FALSE(fs::exists(expected));

    // A link planted at the name is replaced, and what it pointed to kept.
    std::ofstream(dir_ / "victim.txt") << "keep me";
    fs::create_symlink(dir_ / "victim.txt", expected);
    OpenedAZipFileToTempDir(Zip(), 2);
    EXPECT_FALSE(fs::is_symlink(expected));
    EXPECT_EQ(Read(expected), Utf16LE(u"\xFEFF\u03B1\r\nb\r\n"));
    EXPECT_EQ(Read(dir_ / "victim.txt"), "keep me");

    // Nothing else is left in the folder.
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_ / "tmp")) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);

    EXPECT_THROW(OpenedAZipFileToTempDir(u"/no/such.zip", 1), platform::EZipError);
    EXPECT_FALSE(fs::exists(expected));
    GeneralRuntime1Const::my_temp_path.clear();
    EXPECT_EQ(OpenedAZipFileToTempDir(Zip(), 1), u"");
}

} // namespace
} // namespace qm7
