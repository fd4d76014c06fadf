// Arbitrary bytes as a zip archive beside other texts in a folder: the walk
// must never fail, every entry it lists must carry the archive's name and
// the entry's, and reading an entry is bounded whatever sizes the archive
// declares (names with "..", absolute paths and huge sizes included).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/files/PeruseDir.h"
#include "runtime1/files/zip_utils.h"

using namespace qm7;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() /
                 ("qm7_peruse_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        std::ofstream(p / "plain.txt") << "plain";
        return p;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path zip = Folder() / "fuzz.zip";
    {
        std::ofstream out(zip, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    const std::u16string folder = platform::Utf8ToUtf16(Folder().string()) + u"/";
    const std::u16string archive = folder + u"fuzz.zip";
    TPeruseDir walk(u"*.txt", u"*", u"*", u"", u"", false, true, false, false, false);
    TMySearchRecList list;
    walk.HandleAllFilesIn(folder, &list);
    if (list.Count() < 1 || list.GetAMySearchRec(list.Count() - 1).ShortName != u"plain.txt")
        Fail("the folder's own text was lost");
    std::unique_ptr<platform::TZipFile> opened;
    try {
        opened = std::make_unique<platform::TZipFile>(zip);
    } catch (const platform::EZipError&) {
    }
    for (int i = 0; i + 1 < list.Count(); ++i) {
        const TMySearchRec rec = list.GetAMySearchRec(i);
        if (rec.Number_Within_Zip < 1 || rec.Size < 0)
            Fail("entry record");
        if (ZipFileFullFileName(rec.ShortName) != archive)
            Fail("archive name");
        if (!opened)
            Fail("entries from an archive that does not open");
        const platform::TZipEntry entry = opened->Entry(rec.Number_Within_Zip - 1);
        if (ZipFileWantedFileNameWithin(rec.ShortName) != platform::Utf8ToUtf16(entry.name))
            Fail("entry name");
        try {
            const std::string bytes = opened->Read(rec.Number_Within_Zip - 1, 1 << 20);
            if (bytes.size() != entry.size)
                Fail("entry size");
        } catch (const platform::EZipError&) {
        }
    }
    return 0;
}
