// Reading folders: the names a folder holds (readdir), and what a path or a
// name inside an open folder is (stat, following symbolic links), with the
// Windows-style attributes the libraries keep for found files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace qm7::platform {

// File attribute bits as the libraries store them.
inline constexpr int32_t faReadOnly = 0x01;
inline constexpr int32_t faHidden = 0x02;
inline constexpr int32_t faSysFile = 0x04;
inline constexpr int32_t faDirectory = 0x10;
inline constexpr int32_t faArchive = 0x20;

struct TPathInfo {
    bool is_folder = false;
    bool is_regular = false;
    int64_t size = 0;
    int64_t mtime = 0; // seconds since 1970
    uint32_t mode = 0; // st_mode
    uint64_t device = 0;
    uint64_t inode = 0;
};

// The attributes of an entry called name: read-only when the owner may not
// write it, hidden when the name starts with ".", folder, and archive for
// every regular file. There are no system files.
QM7_EXPORT int32_t AttributesOf(std::string_view name, const TPathInfo& info);

// A folder opened for reading its names and examining them.
class QM7_EXPORT TOpenFolder {
public:
    explicit TOpenFolder(const std::filesystem::path& folder);
    TOpenFolder(const TOpenFolder&) = delete;
    TOpenFolder& operator=(const TOpenFolder&) = delete;
    ~TOpenFolder();

    // False when the folder could not be opened; Error() says why (errno).
    bool Ok() const { return fd_ >= 0; }
    int Error() const { return error_; }

    // Every name in the folder but "." and "..", in the system's order.
    // False, with Error() set, when reading failed part way.
    bool Names(std::vector<std::string>& names);
    // The same with what the folder's listing tells of each name: whether it
    // may be a folder (a folder, a symbolic link, or a name whose kind the
    // file system does not say), so that plain files need not be examined.
    struct TEntry {
        std::string name;
        bool maybe_folder = true;
    };
    bool Entries(std::vector<TEntry>& entries);
    // What the name inside the folder is, following a symbolic link; false
    // when it cannot be examined (a dangling link, a name gone meanwhile).
    bool Examine(const std::string& name, TPathInfo& info) const;

private:
    int fd_ = -1;
    int error_ = 0;
};

// What the path is, following symbolic links; false when it does not exist or
// cannot be examined.
QM7_EXPORT bool ExaminePath(const std::filesystem::path& path, TPathInfo& info);

// Renames from to to, refusing when to already exists (EEXIST) instead of
// replacing it. Returns 0 or the errno of the failure.
QM7_EXPORT int RenameWithoutReplacing(const std::filesystem::path& from,
                                      const std::filesystem::path& to);

} // namespace qm7::platform
