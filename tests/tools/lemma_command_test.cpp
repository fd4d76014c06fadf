// qm lemma, run as a program.
#include <gtest/gtest.h>

#include "tools/qm_runner.h"


#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kData =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "lemmatiser" / "data";

struct TRun {
    int status = -1;
    std::string output; // standard output, then standard error
};

class LemmaCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("qm_lemma_test_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // qm lemma with the arguments; its standard output, then its errors.
    TRun Qm(const std::vector<std::string>& args, const std::string& input = "") {
        std::vector<std::string> all{"lemma"};
        all.insert(all.end(), args.begin(), args.end());
        const auto run = qm7::testing::RunQm(all, input);
        return {run.status, run.out + run.err};
    }

    std::filesystem::path folder_;
};

TEST_F(LemmaCommand, LooksWordsUpInEveryEncoding) {
    for (const char* file : {"lemmas_ansi.txt", "lemmas_utf16le.txt", "lemmas_utf16be.txt"}) {
        SCOPED_TRACE(file);
        const TRun run = Qm({(kData / file).string(), "WENT", "CAFÉS", "went", "COME"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, "WENT\tGO\nCAFÉS\tCAFÉ\nwent\twent\nCOME\tCOME\n");
    }
}

TEST_F(LemmaCommand, ReadsWordsFromStandardInput) {
    const TRun run = Qm({(kData / "lemmas_ansi.txt").string()}, "IS\r\nGONE\n\nX\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "IS\tBE\nGONE\tGO\nX\tX\n");
}

TEST_F(LemmaCommand, HeadwordsVariantsAndDisplayLines) {
    const std::string list = (kData / "lemmas_utf16be.txt").string();
    EXPECT_EQ(Qm({"--headwords", list}).output, "BE\nCAFÉ\nGO\n");
    EXPECT_EQ(Qm({"--variants", "go", list}).output, "GOES\nGOING\nWENT\nGONE\n");
    EXPECT_EQ(Qm({"--show", "2", list}).output, "AM (BE)\nARE (BE)\n");
    const TRun unknown = Qm({"--variants", "NOPE", list});
    EXPECT_EQ(unknown.status, 1);
}

TEST_F(LemmaCommand, UpperCasingAndCodePage) {
    const auto lower = Write("lower.txt", "go -> went\n");
    EXPECT_EQ(Qm({"--upper", lower.string(), "went", "WENT"}).output, "went\tGO\nWENT\tGO\n");
    EXPECT_EQ(Qm({lower.string(), "went", "WENT"}).output, "went\tgo\nWENT\tWENT\n");
    const auto cyrillic = Write("cyrillic.txt", "\xC8\xC4\xD2\xC8 -> \xD8\xC5\xCB\n");
    EXPECT_EQ(Qm({"--codepage", "1251", cyrillic.string(), "ШЕЛ"}).output, "ШЕЛ\tИДТИ\n");
}

TEST_F(LemmaCommand, OtherKindsOfList) {
    EXPECT_EQ(Qm({"--kind", "stop", (kData / "stop_utf16le.txt").string(), "THE", "the"}).output,
              "THE\tyes\nthe\tno\n");
    EXPECT_EQ(Qm({"--kind", "match", "--show", "9", (kData / "match_ansi.txt").string()}).output,
              "London\nNY\nNew York\n");
    EXPECT_EQ(Qm({"--kind=relation", (kData / "relation_ansi.txt").string(), "LOVE"}).output,
              "LOVE\tyes\n");
}

TEST_F(LemmaCommand, ErrorsAndUsage) {
    const TRun missing = Qm({(folder_ / "missing.txt").string(), "x"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output,
              "qm: Cannot load " + (folder_ / "missing.txt").string() + " as a lemma list.\n");
    EXPECT_EQ(Qm({"--kind", "match", (kData / "empty_utf16le.txt").string()}).status, 1);
    EXPECT_EQ(Qm({}).status, 2);
    EXPECT_EQ(Qm({"--kind", "other", "x.txt"}).status, 2);
    EXPECT_EQ(Qm({"--headwords", "--show", "3", "x.txt"}).status, 2);
    EXPECT_EQ(Qm({"--kind", "stop", "--headwords", "x.txt"}).status, 2);
    EXPECT_EQ(Qm({"--codepage", "65001", "x.txt"}).status, 2);
}

TEST_F(LemmaCommand, LopsidedListShowsWhatTheWalkCollected) {
    std::string text = "A1\n";
    for (int i = 2999; i >= 0; --i)
        text += "w" + std::to_string(10000 + i) + "\n";
    const TRun run = Qm({"--kind", "match", "--show", "5", Write("lopsided.txt", text).string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("A1\n"), std::string::npos);
    EXPECT_NE(run.output.find("lopsided data: stack overflow in Tree"), std::string::npos);
}

} // namespace
