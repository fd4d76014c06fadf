#include "platform/zipfile.h"

#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

namespace fs = std::filesystem;

uint32_t Crc32(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void U16(std::string& out, uint32_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char((v >> 8) & 0xFF));
}
void U32(std::string& out, uint32_t v) {
    U16(out, v & 0xFFFF);
    U16(out, v >> 16);
}

// One stored (uncompressed) entry whose recorded sizes and checksum may lie.
struct TRawEntry {
    std::string name, data;
    uint32_t declared_size, crc;
};

TRawEntry Honest(std::string name, std::string data) {
    const auto size = uint32_t(data.size());
    const uint32_t crc = Crc32(data);
    return {std::move(name), std::move(data), size, crc};
}

// An archive written byte by byte, as a damaged or hostile one would be.
std::string RawZip(const std::vector<TRawEntry>& entries) {
    std::string out, central;
    for (const TRawEntry& e : entries) {
        const auto offset = uint32_t(out.size());
        U32(out, 0x04034b50);
        U16(out, 20), U16(out, 0), U16(out, 0), U16(out, 0), U16(out, 0x21);
        U32(out, e.crc), U32(out, uint32_t(e.data.size())), U32(out, e.declared_size);
        U16(out, uint32_t(e.name.size())), U16(out, 0);
        out += e.name + e.data;
        U32(central, 0x02014b50);
        U16(central, 20), U16(central, 20), U16(central, 0), U16(central, 0), U16(central, 0);
        U16(central, 0x21);
        U32(central, e.crc), U32(central, uint32_t(e.data.size())), U32(central, e.declared_size);
        U16(central, uint32_t(e.name.size())), U16(central, 0), U16(central, 0), U16(central, 0);
        U16(central, 0), U32(central, 0), U32(central, offset);
        central += e.name;
    }
    const auto at = uint32_t(out.size());
    out += central;
    U32(out, 0x06054b50), U16(out, 0), U16(out, 0);
    U16(out, uint32_t(entries.size())), U16(out, uint32_t(entries.size()));
    U32(out, uint32_t(central.size())), U32(out, at), U16(out, 0);
    return out;
}

class ZipFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qm7_zip_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(ZipFileTest, ListsWhatWasWritten) {
    const fs::path file = dir_ / "a.zip";
    const int64_t when = 1718000000; // June 2024
    WriteZipFile(file,
                 {{"one.txt", "first text", when, 0100644u << 16, true},
                  {"sub/", "", when, 040755u << 16, false},
                  {"sub/zwei \xC3\xBC.txt", std::string(100000, 'x'), when, 0, true}},
                 "the comment");
    const TZipFile zip(file);
    ASSERT_EQ(zip.Count(), 3);
    EXPECT_EQ(zip.Comment(), "the comment");
    EXPECT_EQ(zip.FileName(), file);

    const std::vector<TZipEntry> entries = zip.Entries();
    EXPECT_EQ(entries[0].name, "one.txt");
    EXPECT_EQ(entries[0].size, 10u);
    EXPECT_EQ(entries[0].external_attributes, 0100644u << 16);
    EXPECT_EQ(entries[0].made_by, 3);
    // The old date form keeps two-second steps.
    EXPECT_NEAR(double(entries[0].mtime), double(when), 2.0);
    EXPECT_TRUE(entries[1].IsFolder());
    EXPECT_FALSE(entries[0].IsFolder());
    EXPECT_EQ(entries[2].name, "sub/zwei \xC3\xBC.txt");
    EXPECT_EQ(entries[2].size, 100000u);
    EXPECT_LT(entries[2].packed_size, 1000u);
    EXPECT_EQ(entries[2].method, 8);

    EXPECT_EQ(zip.Read(0), "first text");
    EXPECT_EQ(zip.Read(2), std::string(100000, 'x'));
    EXPECT_EQ(zip.IndexOf("sub/zwei \xC3\xBC.txt"), 2);
    EXPECT_EQ(zip.IndexOf("missing.txt"), -1);
    EXPECT_EQ(zip.IndexOf(std::string("one.txt\0x", 9)), -1);
    EXPECT_THROW(zip.Entry(3), EZipError);
    EXPECT_THROW(zip.Entry(-1), EZipError);
    EXPECT_THROW(zip.Read(3), EZipError);
}

TEST_F(ZipFileTest, EmptyArchiveKeepsItsComment) {
    const fs::path file = dir_ / "empty.zip";
    WriteZipFile(file, {}, "nothing here");
    const TZipFile zip(file);
    EXPECT_EQ(zip.Count(), 0);
    EXPECT_EQ(zip.Comment(), "nothing here");
}

TEST_F(ZipFileTest, ReadingIsBoundedByTheCap) {
    const fs::path file = dir_ / "big.zip";
    WriteZipFile(file, {{"big.txt", std::string(5000, 'y')}});
    const TZipFile zip(file);
    EXPECT_EQ(zip.Read(0, 5000).size(), 5000u);
    try {
        zip.Read(0, 4999);
        FAIL() << "an entry above the cap was read";
    } catch (const EZipError& e) {
        EXPECT_NE(std::string(e.what()).find("big.txt"), std::string::npos) << e.what();
    }
}

TEST_F(ZipFileTest, RefusesEntriesThatLieAboutTheirSize) {
    const std::string data = "0123456789";
    // Declared far beyond the cap: refused before anything is inflated.
    const TZipFile huge = TZipFile::FromBytes(RawZip({{"huge.txt", data, 0xFFFFFFF0u, 0}}));
    EXPECT_EQ(huge.Entry(0).size, 0xFFFFFFF0u);
    EXPECT_THROW(huge.Read(0), EZipError);
    // Declared smaller than the data.
    const TZipFile shorter = TZipFile::FromBytes(RawZip({{"short.txt", data, 4, Crc32(data)}}));
    EXPECT_THROW(shorter.Read(0), EZipError);
    // A wrong checksum.
    const TZipFile bad_crc = TZipFile::FromBytes(RawZip({{"crc.txt", data, 10, 1234}}));
    EXPECT_THROW(bad_crc.Read(0), EZipError);
    // The honest archive reads.
    const TZipFile honest = TZipFile::FromBytes(RawZip({Honest("ok.txt", data)}));
    EXPECT_EQ(honest.Read(0), data);
}

TEST_F(ZipFileTest, StrangeNamesAreOnlyText) {
    const TZipFile zip = TZipFile::FromBytes(
        RawZip({Honest("../../escape.txt", "a"), Honest("/etc/absolute.txt", "b")}));
    EXPECT_EQ(zip.Entry(0).name, "../../escape.txt");
    EXPECT_EQ(zip.Entry(1).name, "/etc/absolute.txt");
    EXPECT_EQ(zip.Read(1), "b");
}

TEST_F(ZipFileTest, ArchivesThatCannotBeOpened) {
    EXPECT_THROW(TZipFile(dir_ / "missing.zip"), EZipError);
    std::ofstream(dir_ / "text.zip") << "this is not an archive";
    try {
        TZipFile zip(dir_ / "text.zip");
        FAIL();
    } catch (const EZipError& e) {
        EXPECT_NE(std::string(e.what()).find("text.zip"), std::string::npos) << e.what();
    }
    EXPECT_THROW(TZipFile::FromBytes("PK\x03\x04 and then nothing"), EZipError);
    // No bytes at all read as an archive without entries.
    EXPECT_EQ(TZipFile::FromBytes("").Count(), 0);
}

TEST_F(ZipFileTest, MovedArchiveStaysUsable) {
    TZipFile a = TZipFile::FromBytes(RawZip({Honest("x.txt", "moved")}));
    TZipFile b = std::move(a);
    EXPECT_EQ(b.Read(0), "moved");
}

} // namespace
} // namespace qm7::platform
