#include "platform/folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace qm7::platform {

namespace {

void Fill(const struct stat& st, TPathInfo& info) {
    info.is_folder = S_ISDIR(st.st_mode);
    info.is_regular = S_ISREG(st.st_mode);
    info.size = int64_t(st.st_size);
    info.mtime = int64_t(st.st_mtim.tv_sec);
    info.mode = st.st_mode;
    info.device = uint64_t(st.st_dev);
    info.inode = uint64_t(st.st_ino);
}

} // namespace

int32_t AttributesOf(std::string_view name, const TPathInfo& info) {
    int32_t attr = 0;
    if ((info.mode & S_IWUSR) == 0)
        attr |= faReadOnly;
    if (!name.empty() && name.front() == '.')
        attr |= faHidden;
    if (info.is_folder)
        attr |= faDirectory;
    if (info.is_regular)
        attr |= faArchive;
    return attr;
}

TOpenFolder::TOpenFolder(const std::filesystem::path& folder) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        error_ = errno;
}

TOpenFolder::~TOpenFolder() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool TOpenFolder::Names(std::vector<std::string>& names) {
    std::vector<TEntry> entries;
    const bool ok = Entries(entries);
    names.clear();
    names.reserve(entries.size());
    for (TEntry& e : entries)
        names.push_back(std::move(e.name));
    return ok;
}

bool TOpenFolder::Entries(std::vector<TEntry>& entries) {
    entries.clear();
    if (fd_ < 0)
        return false;
    // fdopendir takes the descriptor over, so it gets a copy of its own.
    const int copy = ::dup(fd_);
    if (copy < 0) {
        error_ = errno;
        return false;
    }
    DIR* dir = ::fdopendir(copy);
    if (dir == nullptr) {
        error_ = errno;
        ::close(copy);
        return false;
    }
    ::rewinddir(dir);
    bool ok = true;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0) {
                error_ = errno;
                ok = false;
            }
            break;
        }
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        const unsigned char type = entry->d_type;
        entries.push_back({n, type == DT_DIR || type == DT_LNK || type == DT_UNKNOWN});
    }
    ::closedir(dir);
    return ok;
}

bool TOpenFolder::Examine(const std::string& name, TPathInfo& info) const {
    struct stat st;
    if (fd_ < 0 || ::fstatat(fd_, name.c_str(), &st, 0) != 0)
        return false;
    Fill(st, info);
    return true;
}

bool ExaminePath(const std::filesystem::path& path, TPathInfo& info) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    Fill(st, info);
    return true;
}

int RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the no-replace rename: a hard link fails when
    // the name is taken, and the old name goes once the new one is there.
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        return error;
    }
    return 0;
}

} // namespace qm7::platform
