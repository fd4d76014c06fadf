#include "platform/inifile.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

TEST(MemIniFileTest, ParsingRules) {
    TMemIniFile ini("");
    ini.SetText(u"orphan=dropped\r\n"
                u"  [First]  \n"
                u"; a comment\n"
                u"Key = value with = sign \r"
                u"bare line\n"
                u"\n"
                u"[second]\n"
                u"n=$1F\n"
                u"m=-12\n"
                u"big=99999999999\n"
                u"f=2.5\n"
                u"[FIRST]\n"
                u"extra=1\n");
    EXPECT_EQ(ini.ReadString(u"first", u"key", u""), u"value with = sign");
    EXPECT_EQ(ini.ReadString(u"First", u"orphan", u"none"), u"none");
    EXPECT_EQ(ini.ReadString(u"First", u"extra", u""), u"1");
    EXPECT_EQ(ini.ReadInteger(u"second", u"n", 0), 31);
    EXPECT_EQ(ini.ReadInteger(u"second", u"m", 0), -12);
    EXPECT_EQ(ini.ReadInteger(u"second", u"big", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(u"second", u"f", 0), 2.5);
    EXPECT_TRUE(ini.ReadBool(u"second", u"m", false));
    EXPECT_TRUE(ini.ValueExists(u"FIRST", u"bare line"));
    EXPECT_EQ(ini.Text(), u"[First]\r\nKey=value with = sign\r\nbare line\r\nextra=1\r\n\r\n"
                          u"[second]\r\nn=$1F\r\nm=-12\r\nbig=99999999999\r\nf=2.5\r\n\r\n");

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(list.Count(), 2);
    ini.ReadSection(u"second", list);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Strings(3), u"f");
    ini.DeleteKey(u"SECOND", u"F");
    ini.EraseSection(u"first");
    EXPECT_EQ(ini.Text(), u"[second]\r\nn=$1F\r\nm=-12\r\nbig=99999999999\r\n\r\n");
}

TEST(MemIniFileTest, WritesKeepOrderAndReplaceInPlace) {
    TMemIniFile ini("");
    ini.WriteInteger(u"B", u"x", 1);
    ini.WriteBool(u"A", u"y", true);
    ini.WriteFloat(u"B", u"z", 0.25);
    ini.WriteString(u"b", u"X", u"2");
    EXPECT_EQ(ini.Text(), u"[B]\r\nx=2\r\nz=0.25\r\n\r\n[A]\r\ny=1\r\n\r\n");
}

TEST(MemIniFileTest, KeepsTheEncodingItRead) {
    const auto path = std::filesystem::temp_directory_path() / "qm7_platform_ini_test.ini";
    std::ofstream(path, std::ios::binary) << "[S]\r\nk=\xC3\xA9\r\n";
    {
        TMemIniFile ini(path);
        EXPECT_EQ(ini.Encoding(), teUtf8);
        EXPECT_EQ(ini.ReadString(u"S", u"k", u""), u"\u00E9");
        ini.UpdateFile();
    }
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[S]\r\nk=\xC3\xA9\r\n\r\n");
    std::filesystem::remove(path);
}

} // namespace
} // namespace qm7::platform
