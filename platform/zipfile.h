// Zip archives through libzip: the entries of an archive with their sizes,
// dates and attributes, one entry read into memory, the archive comment, and
// a small writer for new archives.
//
// Entry names are given in UTF-8 as libzip decodes them (names not flagged as
// UTF-8 are read as code page 437, the zip format's default). Nothing is ever
// written to disk under an entry's name, so names holding "..", absolute paths
// or other oddities are only text here.
//
// Reading an entry is bounded: an entry whose declared size is above the cap
// (kMaxZipEntryBytes unless the caller gives another) is refused before any
// byte is inflated, and an entry that inflates to more bytes than it declared
// is refused as damaged, so no archive can make a reader allocate without
// bound.
//
// libzip converts every entry's date with mktime when it opens an archive.
// While TZ is unset the C library reads the zone file again at each such
// call, which doubles the cost of opening an archive of many entries; a
// program that lists large archives does well to set TZ (":/etc/localtime"
// names the same zone).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace qm7::platform {

// The archive cannot be opened or read, an entry is missing or damaged, or
// an entry is above the size cap. The message names the archive and says why.
class QM7_EXPORT EZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most bytes an entry may inflate to when read into memory: 256 MiB.
inline constexpr uint64_t kMaxZipEntryBytes = uint64_t(256) << 20;

struct TZipEntry {
    std::string name;         // as stored (forward slashes), in UTF-8
    uint64_t size = 0;        // uncompressed size, from the central directory
    uint64_t packed_size = 0; // compressed size
    int64_t mtime = 0;        // seconds since 1970, from the entry's local date and time
    uint32_t external_attributes = 0;
    uint8_t made_by = 0; // the system that made the entry (0 MS-DOS, 3 Unix, ...)
    uint16_t method = 0; // compression method (0 stored, 8 deflated, ...)
    bool encrypted = false;

    // The entry is a folder: its name ends with "/".
    bool IsFolder() const { return !name.empty() && name.back() == '/'; }
};

class QM7_EXPORT TZipFile {
public:
    // Opens an archive read-only; EZipError when the file is missing or is
    // not a readable zip archive.
    explicit TZipFile(const std::filesystem::path& file_name);
    // An archive held in memory (the bytes are copied).
    static TZipFile FromBytes(std::string_view bytes);

    TZipFile(TZipFile&&) noexcept;
    TZipFile& operator=(TZipFile&&) noexcept;
    ~TZipFile();

    // The number of entries.
    int64_t Count() const;
    // Entry index (0-based); EZipError for an index out of range or an entry
    // whose central-directory record cannot be read.
    TZipEntry Entry(int64_t index) const;
    // Every entry in archive order; EZipError as Entry.
    std::vector<TZipEntry> Entries() const;
    // The index of the entry with exactly this name, or -1.
    int64_t IndexOf(std::string_view name) const;
    // The uncompressed bytes of entry index. EZipError when the index is out
    // of range, the entry declares more than max_bytes, inflates to more or
    // fewer bytes than it declares, is encrypted, or cannot be inflated.
    std::string Read(int64_t index, uint64_t max_bytes = kMaxZipEntryBytes) const;
    // The archive comment (UTF-8), empty when there is none.
    std::string Comment() const;
    // The name the archive was opened under (empty for one in memory).
    const std::filesystem::path& FileName() const;

private:
    struct TImpl;
    explicit TZipFile(std::unique_ptr<TImpl> impl);
    [[noreturn]] void Fail(const std::string& what) const;

    std::unique_ptr<TImpl> impl_;
};

// One entry of a new archive.
struct TZipNewEntry {
    std::string name;  // UTF-8, forward slashes
    std::string bytes; // the contents
    int64_t mtime = 0; // seconds since 1970; 0 leaves libzip's default (now)
    uint32_t external_attributes = 0;
    bool compress = true; // deflate, else store
};

// Writes a new archive (replacing any file of that name) holding the entries
// in order, with the comment when it is not empty. EZipError on failure; no
// partial archive is left behind.
QM7_EXPORT void WriteZipFile(const std::filesystem::path& file_name,
                             const std::vector<TZipNewEntry>& entries,
                             std::string_view comment = {});

} // namespace qm7::platform
