#include "platform/stream.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

namespace fs = std::filesystem;

class StreamFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qm7_stream_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const fs::path& p, std::string_view bytes) {
        std::ofstream(p, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    size_t EntriesInDir() const {
        return size_t(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
};

TEST_F(StreamFiles, FileAndMemoryStreamsRoundTripAndReportShortReads) {
    const fs::path file = dir_ / "data.bin";
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer("hello world");
        EXPECT_EQ(out.Size(), 11);
        out.SetPosition(6);
        out.WriteBuffer("W", 1);
    }
    TMemoryStream memory;
    memory.LoadFromFile(file);
    EXPECT_EQ(memory.Bytes(), "hello World");

    auto check_reads = [](TStream& s) {
        char buf[8] = {};
        EXPECT_EQ(s.Seek(-5, soEnd), 6);
        EXPECT_EQ(s.Read(buf, 8), 5) << "a short count from Read is not an error";
        EXPECT_EQ(std::string(buf, 5), "World");
        EXPECT_EQ(s.Read(buf, 8), 0);
        s.SetPosition(8);
        EXPECT_THROW(s.ReadBuffer(buf, 4), EReadError);
        EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
    };
    check_reads(memory);
    TFileStream in(file, fmOpenRead);
    check_reads(in);
}

TEST_F(StreamFiles, OpenErrorsNameTheFile) {
    const fs::path missing = dir_ / "missing.txt";
    try {
        TFileStream in(missing, fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos) << e.what();
    }
    EXPECT_THROW(TFileStream(dir_, fmOpenRead), EFOpenError) << "a folder is not a file";
    EXPECT_THROW(TFileStream(dir_ / "no" / "such.txt", fmCreate), EFCreateError);

    Put(dir_ / "ro.txt", "x");
    TFileStream read_only(dir_ / "ro.txt", fmOpenRead);
    EXPECT_EQ(read_only.Write("y", 1), 0);
    try {
        read_only.WriteBuffer("y", 1);
        FAIL() << "wrote to a read-only stream";
    } catch (const EWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("ro.txt"), std::string::npos) << e.what();
    }
}

TEST(MemoryStream, GrowsAndFillsGapsWithZeros) {
    TMemoryStream s;
    std::string big(100000, 'a');
    s.WriteBuffer(big);
    EXPECT_EQ(s.Size(), 100000);
    s.Seek(10, soEnd);
    s.WriteBuffer("z", 1);
    EXPECT_EQ(s.Size(), 100011);
    EXPECT_EQ(s.Bytes().substr(99999), std::string("a\0\0\0\0\0\0\0\0\0\0z", 12));

    s.SetSize(4);
    EXPECT_EQ(s.Position(), 4) << "the position follows a shrinking end";
    EXPECT_EQ(s.Bytes(), "aaaa");

    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(s, 0), 4) << "a count of 0 copies the whole source";
    s.SetPosition(1);
    EXPECT_EQ(copy.CopyFrom(s, 2), 2);
    EXPECT_EQ(copy.Bytes(), "aaaaaa");
    EXPECT_THROW(copy.CopyFrom(s, 5), EReadError);
}

TEST(LittleEndian, WritesKnownBytesAndReadsThemBack) {
    TMemoryStream s;
    WriteU8(s, 0xAB);
    WriteI16(s, -2);
    WriteU16(s, 0x1234);
    WriteI32(s, -3);
    WriteU32(s, 0x89ABCDEF);
    WriteI64(s, -4);
    WriteF32(s, 1.5f);
    WriteF64(s, -0.25);
    const std::string expected("\xAB"
                               "\xFE\xFF"
                               "\x34\x12"
                               "\xFD\xFF\xFF\xFF"
                               "\xEF\xCD\xAB\x89"
                               "\xFC\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                               "\x00\x00\xC0\x3F"
                               "\x00\x00\x00\x00\x00\x00\xD0\xBF",
                               1 + 2 + 2 + 4 + 4 + 8 + 4 + 8);
    EXPECT_EQ(s.Bytes(), expected);

    s.SetPosition(0);
    EXPECT_EQ(ReadU8(s), 0xAB);
    EXPECT_EQ(ReadI16(s), -2);
    EXPECT_EQ(ReadU16(s), 0x1234);
    EXPECT_EQ(ReadI32(s), -3);
    EXPECT_EQ(ReadU32(s), 0x89ABCDEFu);
    EXPECT_EQ(ReadI64(s), -4);
    EXPECT_EQ(ReadF32(s), 1.5f);
    EXPECT_EQ(ReadF64(s), -0.25);
    EXPECT_THROW(ReadU8(s), EReadError);

    TMemoryStream extremes;
    WriteI64(extremes, std::numeric_limits<int64_t>::min());
    WriteF64(extremes, std::numeric_limits<double>::quiet_NaN());
    extremes.SetPosition(0);
    EXPECT_EQ(ReadI64(extremes), std::numeric_limits<int64_t>::min());
    EXPECT_TRUE(std::isnan(ReadF64(extremes)));
}

TEST_F(StreamFiles, AtomicSaveReplacesOnlyOnCommit) {
    const fs::path target = dir_ / "list.txt";
    Put(target, "old");

    std::string error;
    EXPECT_TRUE(AtomicWriteFile(target, "new contents", &error)) << error;
    EXPECT_EQ(Contents(target), "new contents");

    {
        TAtomicFileStream abandoned(target);
        abandoned.WriteBuffer("half-written");
    } // destroyed without Commit, as when a writer throws
    EXPECT_EQ(Contents(target), "new contents");
    EXPECT_EQ(EntriesInDir(), 1u) << "the unfinished file is removed";

    // A commit that fails (a folder stands where the file should go) keeps
    // what is there and leaves nothing behind.
    const fs::path folder = dir_ / "folder";
    fs::create_directory(folder);
    EXPECT_FALSE(AtomicWriteFile(folder, "x", &error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(EntriesInDir(), 2u);

    EXPECT_FALSE(AtomicWriteFile(dir_ / "no" / "such" / "file.txt", "x", &error));
}

TEST_F(StreamFiles, AtomicSaveKeepsTheOldFileWhenTheFolderIsNotWritable) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    const fs::path target = dir_ / "kept.txt";
    Put(target, "old");
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
    std::string error;
    EXPECT_FALSE(AtomicWriteFile(target, "new", &error));
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(Contents(target), "old");
}

TEST_F(StreamFiles, AtomicSaveKeepsPermissionsAndFollowsLinks) {
    const fs::path real = dir_ / "real.txt";
    const fs::path link = dir_ / "link.txt";
    Put(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, link);

    TMemoryStream s;
    s.WriteBuffer("via link");
    s.SaveToFile(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(real), "via link");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace qm7::platform
