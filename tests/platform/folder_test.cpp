#include "platform/folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

namespace fs = std::filesystem;

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qm7_folder_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    fs::path dir_;
};

TEST_F(FolderTest, NamesAndWhatTheyAre) {
    Write("b.txt", "12345");
    Write(".hidden", "");
    fs::create_directory(dir_ / "sub");
    fs::create_directory_symlink(dir_ / "sub", dir_ / "link");
    fs::create_symlink(dir_ / "gone", dir_ / "dangling");

    TOpenFolder folder(dir_);
    ASSERT_TRUE(folder.Ok());
    std::vector<std::string> names;
    ASSERT_TRUE(folder.Names(names));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".hidden", "b.txt", "dangling", "link", "sub"}));
    // Reading again gives the same names.
    std::vector<std::string> again;
    ASSERT_TRUE(folder.Names(again));
    EXPECT_EQ(again.size(), names.size());

    TPathInfo file, sub, link;
    ASSERT_TRUE(folder.Examine("b.txt", file));
    EXPECT_TRUE(file.is_regular);
    EXPECT_EQ(file.size, 5);
    ASSERT_TRUE(folder.Examine("sub", sub));
    ASSERT_TRUE(folder.Examine("link", link));
    EXPECT_TRUE(link.is_folder);
    EXPECT_EQ(link.inode, sub.inode);
    EXPECT_EQ(link.device, sub.device);
    TPathInfo none;
    EXPECT_FALSE(folder.Examine("dangling", none));
    EXPECT_FALSE(folder.Examine("missing", none));
    EXPECT_TRUE(ExaminePath(dir_ / "b.txt", none));
    EXPECT_FALSE(ExaminePath(dir_ / "missing", none));
}

TEST_F(FolderTest, MissingFolder) {
    TOpenFolder folder(dir_ / "missing");
    EXPECT_FALSE(folder.Ok());
    EXPECT_EQ(folder.Error(), ENOENT);
    std::vector<std::string> names{"stale"};
    EXPECT_FALSE(folder.Names(names));
    EXPECT_TRUE(names.empty());
}

TEST_F(FolderTest, Attributes) {
    TPathInfo regular;
    regular.is_regular = true;
    regular.mode = S_IFREG | 0644;
    TPathInfo read_only = regular;
    read_only.mode = S_IFREG | 0444;
    TPathInfo folder;
    folder.is_folder = true;
    folder.mode = S_IFDIR | 0755;
    EXPECT_EQ(AttributesOf("a.txt", regular), faArchive);
    EXPECT_EQ(AttributesOf("a.txt", read_only), faArchive | faReadOnly);
    EXPECT_EQ(AttributesOf(".a", regular), faArchive | faHidden);
    EXPECT_EQ(AttributesOf("sub", folder), faDirectory);
}

TEST_F(FolderTest, RenameNeverReplaces) {
    Write("old.txt", "old");
    Write("taken.txt", "precious");
    EXPECT_EQ(RenameWithoutReplacing(dir_ / "old.txt", dir_ / "taken.txt"), EEXIST);
    std::ifstream in(dir_ / "taken.txt");
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "precious");
    EXPECT_EQ(RenameWithoutReplacing(dir_ / "old.txt", dir_ / "new.txt"), 0);
    EXPECT_FALSE(fs::exists(dir_ / "old.txt"));
    EXPECT_TRUE(fs::exists(dir_ / "new.txt"));
    EXPECT_EQ(RenameWithoutReplacing(dir_ / "old.txt", dir_ / "other.txt"), ENOENT);
}

} // namespace
} // namespace qm7::platform
