#include "runtime1/files/logging_utilities.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/text.h"

namespace qm7 {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Utf16Le(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

class LoggingTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qm7_log_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        log_ = dir_ / "suite.log";
        saved_tool_ = current_tool_var;
        current_tool_var = tt_line_finder;
        SetLogFilename(platform::Utf8ToUtf16(log_.string()));
        keeping_log = true;
    }
    void TearDown() override {
        keeping_log = false;
        SetLogFilename(u"");
        current_tool_var = saved_tool_;
        fs::remove_all(dir_);
    }
    fs::path dir_, log_;
    tool_type saved_tool_{};
};

TEST_F(LoggingTest, FirstEntryCreatesFileWithMarkLabelAndText) {
    AddToLogFile(u"hello \u00E9");
    AddToLogFile(u"part", false);
    AddToLogFile(u"rest");
    EXPECT_EQ(ReadBytes(log_),
              "\xFF\xFE" + Utf16Le(u"(LF): hello \u00E9\r\n(LF): part(LF): rest\r\n"));
}

TEST_F(LoggingTest, NothingHappensWhileLoggingIsOff) {
    keeping_log = false;
    AddToLogFile(u"lost");
    EXPECT_FALSE(fs::exists(log_));
    keeping_log = true;
    AddToLogFile(u"kept");
    EXPECT_EQ(ReadBytes(log_), "\xFF\xFE" + Utf16Le(u"(LF): kept\r\n"));
}

TEST_F(LoggingTest, AppendsFromTheLastWholeUnit) {
    {
        std::ofstream out(log_, std::ios::binary);
        out << std::string("\xFF\xFE"
                           "a\0\x01",
                           5); // a stray odd byte at the end
    }
    AddToLogFile(u"x", false);
    EXPECT_EQ(ReadBytes(log_), "\xFF\xFE" + Utf16Le(u"a(LF): x"));
}

TEST_F(LoggingTest, NewSectionWritesAsterisksAndStartTime) {
    StartNewLogSection();
    const std::string bytes = ReadBytes(log_);
    const std::string head = "\xFF\xFE" + Utf16Le(u"(LF): **********\r\n(LF): LOG STARTED at ");
    ASSERT_GT(bytes.size(), head.size());
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), Utf16Le(u"\r\n"));
    EXPECT_FALSE(LogDateTimeText().empty());
}

TEST_F(LoggingTest, LabelsOfTheTools) {
    EXPECT_EQ(LogLabelOf(tt_word_lister), u"(WL): ");
    EXPECT_EQ(LogLabelOf(tt_controller), u"(QM7): ");
    EXPECT_EQ(LogLabelOf(tt_word_buffer), u"(WBF): ");
    EXPECT_EQ(LogLabelOf(tt_update_checker), u"(?"
                                             u"?)");
    current_tool_var = tt_spare_10;
    AddToLogFile(u"odd");
    EXPECT_EQ(ReadBytes(log_), "\xFF\xFE" + Utf16Le(u"(?"
                                                    u"?)odd\r\n"));
}

TEST_F(LoggingTest, UnwritableLogSwitchesLoggingOffSilently) {
    SetLogFilename(platform::Utf8ToUtf16((dir_ / "missing" / "x.log").string()));
    EXPECT_NO_THROW(AddToLogFile(u"text"));
    EXPECT_FALSE(keeping_log);
}

TEST_F(LoggingTest, ClearLogFileRestartsAnExistingLog) {
    ClearLogFile(); // no file: nothing is written
    EXPECT_FALSE(fs::exists(log_));
    AddToLogFile(u"old");
    ClearLogFile();
    const std::string bytes = ReadBytes(log_);
    EXPECT_EQ(bytes.find(Utf16Le(u"old")), std::string::npos);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(bytes.find(Utf16Le(u"LOG STARTED at ")), std::string::npos);
}

} // namespace
} // namespace qm7
