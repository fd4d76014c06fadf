#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime1/core/GeneralRuntime1Const.h"
#include "runtime1/core/GeneralRuntime2Const.h"
#include "runtime1/core/GeneralRuntime3Const.h"

namespace {

using qm7::FindMessage;
using qm7::LoadResString;
using qm7::TMessageEntry;
namespace gr1 = qm7::GeneralRuntime1Const;
namespace gr2 = qm7::GeneralRuntime2Const;

struct TableCase {
    const char* label;
    std::span<const TMessageEntry* const> entries;
    const TMessageEntry* (*find)(std::string_view);
    size_t size;
};

class MessageTable : public testing::TestWithParam<TableCase> {};

TEST_P(MessageTable, EveryEntryNamedOnceWithAText) {
    const TableCase& table = GetParam();
    EXPECT_EQ(table.entries.size(), table.size);
    std::set<std::string_view> names;
    std::string_view previous;
    for (const TMessageEntry* e : table.entries) {
        ASSERT_NE(e, nullptr);
        ASSERT_NE(e->name, nullptr);
        ASSERT_NE(e->text, nullptr);
        const std::string_view name(e->name);
        EXPECT_TRUE(name.starts_with("_QM") || name.starts_with("_WES")) << name;
        EXPECT_TRUE(names.insert(name).second) << "duplicate " << name;
        EXPECT_FALSE(LoadResString(*e).empty()) << name;
        // Ordered by name, so that the binary search finds every entry.
        EXPECT_LT(previous, name);
        previous = name;
        EXPECT_EQ(table.find(name), e) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, MessageTable,
                         testing::Values(TableCase{"general", gr1::Entries(), gr1::Find, 352},
                                         TableCase{"tools", gr2::Entries(), gr2::Find, 1056}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FindMessage, FindsEntriesOfBothTables) {
    EXPECT_EQ(FindMessage("_QMDeleteXQ"), &gr1::QMDeleteXQ);
    EXPECT_EQ(FindMessage("_QM_TMSStyleBlue"), &gr1::QM_TMSStyleBlue);
    EXPECT_EQ(FindMessage("_QMZScore"), &gr1::QMZScore);
    EXPECT_EQ(FindMessage("_QM1Entry"), &gr2::QM1Entry);
    EXPECT_EQ(FindMessage("_QMUseDirForAllResults"), &gr2::QMUseDirForAllResults);
    EXPECT_EQ(FindMessage("_WESEpisodes"), &gr2::WESEpisodes);
}

TEST(FindMessage, UnknownNamesGiveNull) {
    for (const char* name : {"", "_QM", "QMDeleteXQ", "_qmdeletexq", "_QMDeleteXQ ",
                             "_QMNoSuchEntry", "_QMUnknown_date_str", "~"}) {
        EXPECT_EQ(FindMessage(name), nullptr) << name;
    }
}

TEST(FindMessage, NameInBothTablesPrefersTheGeneralTable) {
    for (const char* name : {"_QMNo", "_QML", "_QMR", "_QMCentre"}) {
        const TMessageEntry* general = gr1::Find(name);
        const TMessageEntry* tools = gr2::Find(name);
        ASSERT_NE(general, nullptr) << name;
        ASSERT_NE(tools, nullptr) << name;
        EXPECT_NE(general, tools);
        EXPECT_EQ(FindMessage(name), general);
    }
    EXPECT_EQ(&gr2::QMNo, gr2::Find("_QMNo"));
}

TEST(MessageTexts, ExactTexts) {
    const struct {
        const TMessageEntry& entry;
        std::u16string_view text;
    } cases[] = {
        {gr1::QMDeleteXQ, u"Delete %s?"},
        {gr1::QMP, u"<p>"},
        {gr1::QMDiv, u"<div# *>"},
        {gr1::QMConcgramList, u"QMConcgram List"},
        {gr1::QMSpaceFiles, u" files"},
        {gr1::QMXFiles, u"%s files "},
        {gr1::QMOnlyMbSpaceOnDriveDProceed, u"Only %dMb space left on %s -- Proceed?"},
        {gr1::QMFloatGBytes, u"%.2n Gb"},
        {gr1::QMWhatsThis, u"What's this?"},
        {gr1::QMNo, u"No"},
        {gr2::QMAndWhereTied, u"&& where tied, %s"},
        {gr2::QMHasHolesAtAbout, u"has \"holes\" at about %d %%"},
        {gr2::QMFilenamesMismatchInX, u"File mismatch in %s. To fix, Compute | List of file-names"},
        {gr2::QMNoClustersThoseSettings,
         u"No clusters at settings %d - %d;  frequency %d using <= %1.3f %% found in %s"},
        {gr2::QMNTextsDoNotContainX, u"%0.n texts do not contain %s"},
        {gr2::QMSorryUnderMaintenance, u"This function is under maintenance,\r%s\rWe hope to have "
                                       u"improvements in the next upload.\r(see Updates in the "
                                       u"main Controller)."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadResString(c.entry), c.text) << c.entry.name;
    }
}

TEST(MessageTexts, QuotesAndBackslashesSurviveWhole) {
    EXPECT_EQ(LoadResString(gr2::QMFileHasaHole), u"%s has a \"hole\"");
    const std::u16string folders = LoadResString(gr2::QMUseDirForAllResults);
    EXPECT_EQ(folders, u"Use folders %s \\0, \\1 etc. for all results?");
    EXPECT_NE(folders.find(u"\\0, \\1"), std::u16string::npos);
}

TEST(MessageTexts, EntryWithoutTextLoadsEmpty) {
    const TMessageEntry blank{"_QMBlank", nullptr};
    EXPECT_EQ(LoadResString(blank), u"");
}

// The private temporary folder.

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return st;
}

std::string Narrow(const std::u16string& s) {
    return std::filesystem::path(s).string();
}

void ExpectPrivateFolder(const std::u16string& folder) {
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), u'/');
    const struct stat st = StatOf(Narrow(folder));
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(st.st_uid, geteuid());
}

TEST(MyTempPath, PrivateFolderUnderTheTemporaryFolder) {
    ExpectPrivateFolder(gr1::my_temp_path);
    const std::string path = Narrow(gr1::my_temp_path);
    EXPECT_NE(path.find("/quillmark-" + std::to_string(geteuid())), std::string::npos) << path;
}

class PrivateTempFolder : public testing::Test {
protected:
    void SetUp() override {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "qm-temp-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        base_ = std::filesystem::canonical(tmpl).string();
        expected_ = base_ + "/quillmark-" + std::to_string(geteuid());
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(base_, ec);
    }
    std::string base_;
    std::string expected_;
};

TEST_F(PrivateTempFolder, MadeOnceThenReused) {
    const std::u16string first = gr1::PrivateTempFolder(base_);
    ExpectPrivateFolder(first);
    EXPECT_EQ(Narrow(first), expected_ + "/");
    EXPECT_EQ(gr1::PrivateTempFolder(base_ + "/"), first);
}

TEST_F(PrivateTempFolder, UnsafeEntriesAreNeverUsed) {
    std::string target = base_ + "/target";
    ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
    const struct {
        const char* label;
        void (*plant)(const std::string& path, const std::string& target);
    } cases[] = {
        {"too open",
         [](const std::string& p, const std::string&) {
             ASSERT_EQ(mkdir(p.c_str(), 0700), 0);
             ASSERT_EQ(chmod(p.c_str(), 0755), 0);
         }},
        {"link to a private folder",
         [](const std::string& p, const std::string& t) {
             ASSERT_EQ(symlink(t.c_str(), p.c_str()), 0);
         }},
        {"plain file",
         [](const std::string& p, const std::string&) {
             FILE* f = fopen(p.c_str(), "w");
             ASSERT_NE(f, nullptr);
             fclose(f);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove_all(expected_);
        c.plant(expected_, target);
        const std::u16string folder = gr1::PrivateTempFolder(base_);
        ExpectPrivateFolder(folder);
        EXPECT_NE(Narrow(folder), expected_ + "/");
        EXPECT_EQ(Narrow(folder).rfind(expected_ + "-", 0), 0u) << Narrow(folder);
    }
    // The planted folder was left as it was.
    std::filesystem::remove_all(expected_);
    ASSERT_EQ(mkdir(expected_.c_str(), 0700), 0);
    ASSERT_EQ(chmod(expected_.c_str(), 0755), 0);
    gr1::PrivateTempFolder(base_);
    EXPECT_EQ(StatOf(expected_).st_mode & 07777, 0755u);
}

TEST_F(PrivateTempFolder, SomeoneElsesFolderIsNeverUsed) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder to another user";
    }
    ASSERT_EQ(mkdir(expected_.c_str(), 0700), 0);
    ASSERT_EQ(chown(expected_.c_str(), 65534, 65534), 0);
    const std::u16string folder = gr1::PrivateTempFolder(base_);
    ExpectPrivateFolder(folder);
    EXPECT_NE(Narrow(folder), expected_ + "/");
}

TEST_F(PrivateTempFolder, UnusableBaseGivesEmpty) {
    EXPECT_EQ(gr1::PrivateTempFolder(""), u"");
    EXPECT_EQ(gr1::PrivateTempFolder(base_ + "/missing/deeper"), u"");
}

} // namespace
