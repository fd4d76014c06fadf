// The qm program's own behaviour: help, version, errors and exit status.
#include <gtest/gtest.h>

#include "tools/qm_runner.h"

namespace qm7 {
namespace {

using testing::RunQm;

TEST(Qm, HelpAndVersion) {
    auto run = RunQm({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: qm COMMAND"), std::string::npos);
    EXPECT_NE(run.out.find("message"), std::string::npos);

    run = RunQm({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("7.0.0.100"), std::string::npos);

    run = RunQm({"help", "message"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--raw"), std::string::npos);
}

TEST(Qm, UsageErrorsExitTwoWithOneSentence) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"no-such-command"},
                                                 {"tools", "--no-such-option"},
                                                 {"message"},
                                                 {"help", "no-such-command"}}) {
        const auto run = RunQm(args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    const auto run = RunQm({"no-such-command"});
    EXPECT_EQ(run.err, "qm: There is no command called \"no-such-command\"; see qm --help.\n");
}

TEST(Qm, MessagesByName) {
    auto run =
        RunQm({"message", "_QMNmanyConcordanceLinesFoundForXPercent", "12345", "sea", "3.14159"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "12,345 concordance lines found for 'sea' (3.14 %)\n");

    run = RunQm({"message", "--raw", "_QMUseDirForAllResults"});
    EXPECT_EQ(run.out, "Use folders %s \\0, \\1 etc. for all results?\n");

    run = RunQm({"message", "_QMNoSuchMessage"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qm: There is no message called \"_QMNoSuchMessage\".\n");

    run = RunQm({"message", "_QMNFilesLoaded", "many"});
    EXPECT_EQ(run.status, 1);
}

TEST(Qm, ToolsListsTheSuite) {
    const auto run = RunQm({"tools"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Word_Lister7.exe"), std::string::npos);
    EXPECT_NE(run.out.find("QM7_API_Library7.dll"), std::string::npos);
}

} // namespace
} // namespace qm7
