#include "runtime1/files/inifileU2.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/stream.h"
#include "platform/text.h"

namespace qm7 {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string Utf16Le(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

class IniTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qm7_ini_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / "tool.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::u16string Name() const { return platform::Utf8ToUtf16(file_.string()); }
    fs::path dir_, file_;
};

TEST_F(IniTest, SavesUtf16WithMarkAndYesNo) {
    // The file was UTF-8; it is saved as UTF-16 little-endian all the same.
    WriteBytes(file_, "[Main]\nName = caf\xC3\xA9\n");
    TMyMemIniFile ini(Name());
    EXPECT_EQ(ini.ReadString(u"main", u"NAME", u""), u"caf\u00E9");
    ini.WriteBool(u"Main", u"Flag", true);
    ini.WriteBool(u"Other", u"Off", false);
    ini.UpdateFile();
    EXPECT_EQ(ReadBytes(file_), "\xFF\xFE" + Utf16Le(u"[Main]\r\nName=caf\u00E9\r\nFlag=YES\r\n\r\n"
                                                     u"[Other]\r\nOff=NO\r\n\r\n"));
}

TEST_F(IniTest, ReadBoolComparesFirstCharacterWithTheDefault) {
    WriteBytes(file_, "\xFF\xFE" + Utf16Le(u"[S]\r\na=no\r\nb=NO\r\nc=yes\r\nd=Yes\r\ne=\r\n"));
    TMyMemIniFile ini(Name());
    struct {
        const char16_t* key;
        bool def, expected;
    } cases[] = {
        {u"a", false, true},      {u"b", false, false},       {u"c", true, false},
        {u"d", true, true},       {u"e", true, false},        {u"e", false, true},
        {u"missing", true, true}, {u"missing", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadBool(u"S", c.key, c.def), c.expected)
            << platform::Utf16ToUtf8(c.key) << " default " << c.def;
    // The base's reading of the same object, by its own rules.
    const platform::TMemIniFile& base = ini;
    EXPECT_FALSE(base.ReadBool(u"S", u"d", false));
}

TEST_F(IniTest, MissingFileReadsNothingAndBackupNeedsAFile) {
    TMyMemIniFile ini(Name());
    EXPECT_EQ(ini.ReadString(u"S", u"k", u"def"), u"def");
    EXPECT_FALSE(ini.SaveABackup());
    ini.WriteString(u"S", u"k", u"v");
    ini.UpdateFile();
    ASSERT_TRUE(ini.SaveABackup());
    EXPECT_EQ(ReadBytes(dir_ / "tool.BAK"), ReadBytes(file_));
    TMyMemIniFile unnamed(u"");
    EXPECT_FALSE(unnamed.SaveABackup());
}

TEST_F(IniTest, FailedSaveKeepsTheOldFile) {
    TMyMemIniFile ini(platform::Utf8ToUtf16((dir_ / "no" / "such.ini").string()));
    ini.WriteString(u"S", u"k", u"v");
    EXPECT_THROW(ini.UpdateFile(), platform::EStreamError);
}

} // namespace
} // namespace qm7
