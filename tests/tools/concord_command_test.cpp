#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "qm_runner.h"

namespace {

using qm7::testing::RunQm;

class ConcordCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("qm_concord_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::vector<std::string> Lines(const std::string& out) {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    std::filesystem::path dir_;
};

// Every hit's offset, word, sentence and paragraph number over a small corpus.
TEST_F(ConcordCommand, TsvGivesEveryHitsPositionWordSentenceAndParagraph) {
    const std::string a = Write("a.txt", "The sea was calm. Was the sea blue?\n\n"
                                         "A grey sea!\nThe seas rose.");
    const std::string b = Write("b.txt", "\xEF\xBB\xBFNo sea here\xE2\x80\x99s. Sea.");
    const auto run = RunQm({"concord", "--format", "tsv", "--context", "4", "sea/seas", a, b});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        Lines(run.out),
        (std::vector<std::string>{
            a + "\t4\t2\t1\t1\tThe \tsea\t was", a + "\t26\t7\t2\t1\tthe \tsea\t blu",
            a + "\t44\t11\t3\t2\trey \tsea\t! Th", a + "\t53\t13\t4\t2\tThe \tseas\t ros",
            b + "\t3\t2\t1\t1\tNo \tsea\t her",
            b + "\t15\t4\t2\t1\t\xE2\x80\x99s. \tSea\t.", // the apostrophe stays inside hereâs
        }));
    // With a paragraph per line the last line is paragraph 3.
    const auto lines = RunQm({"concord", "--format", "tsv", "--paragraph", "line", "seas", a}).out;
    EXPECT_NE(lines.find("\t13\t4\t3\t"), std::string::npos) << lines;
}

TEST_F(ConcordCommand, CountLimitJsonAndText) {
    const std::string a = Write("a.txt", "cat \"dog\" cat\ncat");
    EXPECT_EQ(RunQm({"concord", "--count", "cat", a}).out, "3\n");
    EXPECT_EQ(RunQm({"concord", "--count", "--limit", "2", "cat", a}).out, "2\n");
    EXPECT_EQ(RunQm({"concord", "--format", "json", "--context", "3", "dog", a}).out,
              "{\"file\":\"" + a +
                  "\",\"start\":5,\"word\":2,\"sentence\":1,\"paragraph\":1,\"left\":\"t \\\"\","
                  "\"hit\":\"dog\",\"right\":\"\\\" c\"}\n");
    // Text lines align the hit after the left context.
    EXPECT_EQ(Lines(RunQm({"concord", "--context", "5", "dog", a}).out)[0],
              "cat \"dog\" cat  " + a);
}

TEST_F(ConcordCommand, EightBitTextsAndLemmas) {
    const std::string a = Write("a.txt", "un caf\xE9 noir");
    EXPECT_EQ(RunQm({"concord", "--count", "caf\xC3\xA9", a}).out, "1\n");
    const std::string lemmas = Write("lemmas.txt", "GO -> WENT,GOES\n");
    const std::string b = Write("b.txt", "she went and he goes; go!");
    const auto run = RunQm({"concord", "--count", "--lemmas", lemmas, "go", b});
    EXPECT_EQ(run.out, "3\n") << run.err;
}

TEST_F(ConcordCommand, BadInputIsOnePlainError) {
    auto run = RunQm({"concord", "the", (dir_ / "missing.txt").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing.txt"), std::string::npos);
    run = RunQm({"concord", "  ", Write("a.txt", "x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no search word"), std::string::npos) << run.err;
    EXPECT_EQ(RunQm({"concord"}).status, 2);
    EXPECT_EQ(RunQm({"concord", "--format", "xml", "a"}).status, 2);
}

TEST_F(ConcordCommand, SearchesTheSampleCorpusByDefault) {
    const auto run = RunQm({"concord", "--count", "sea"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_GT(std::stoi(run.out), 0);
}

} // namespace
