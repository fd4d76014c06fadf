#include "runtime1/files/zip_utils.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/text.h"

namespace qm7 {
namespace {

TEST(ZipUtils, NamesWithinArchives) {
    struct TCase {
        std::u16string name, archive, within;
    };
    const TCase cases[] = {
        {u"/a/b.zip/c/d.txt", u"/a/b.zip", u"c/d.txt"},
        {u"/a/B.ZIP/x.txt", u"/a/B.ZIP", u"x.txt"},
        {u"/a/b.zip/inner.zip/x.txt", u"/a/b.zip", u"inner.zip/x.txt"},
        {u"/a/b.zip", u"", u""},
        {u"/a/b.zipper/x.txt", u"", u""},
        {u"/a/b.txt", u"", u""},
        {u"", u"", u""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(platform::Utf16ToUtf8(c.name));
        EXPECT_EQ(ZipFileFullFileName(c.name), c.archive);
        EXPECT_EQ(ZipFileWantedFileNameWithin(c.name), c.within);
    }
}

TEST(ZipUtils, Extensions) {
    EXPECT_TRUE(IsZipExtension(u".zip"));
    EXPECT_TRUE(IsZipExtension(u".ZiP"));
    EXPECT_FALSE(IsZipExtension(u"zip"));
    EXPECT_TRUE(IsAZipFile(u"/x/letters.Zip"));
    EXPECT_FALSE(IsAZipFile(u"/x.zip/letters"));
    EXPECT_FALSE(IsAZipFile(u"/x/letters.zip.txt"));
}

TEST(ZipUtils, WithinAnArchiveOnlyWhenNoSuchFile) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("qm7_ziputils_" + std::to_string(::getpid()));
    fs::create_directories(dir / "odd.zip");
    std::ofstream(dir / "odd.zip" / "real.txt") << "x";
    const std::u16string base = platform::Utf8ToUtf16(dir.string());
    EXPECT_FALSE(IsWithinAZipFile(base + u"/odd.zip/real.txt"));
    EXPECT_TRUE(IsWithinAZipFile(base + u"/odd.zip/entry.txt"));
    EXPECT_FALSE(IsWithinAZipFile(base + u"/plain.txt"));
    fs::remove_all(dir);
}

} // namespace
} // namespace qm7
