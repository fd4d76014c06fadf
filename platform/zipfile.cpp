#include "platform/zipfile.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace qm7::platform {

namespace {

std::string LibzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string ArchiveLabel(const std::filesystem::path& file_name) {
    return file_name.empty() ? std::string("zip archive in memory")
                             : "zip archive " + file_name.string();
}

// Reads at most this much per call, so that a declared size is never
// trusted for an allocation larger than the data that really arrives.
constexpr uint64_t kReadChunk = 1 << 16;

} // namespace

struct TZipFile::TImpl {
    zip_t* archive = nullptr;
    std::filesystem::path file_name;
    std::string bytes; // the archive itself, for one opened from memory

    TImpl() = default;
    TImpl(const TImpl&) = delete;
    TImpl& operator=(const TImpl&) = delete;
    ~TImpl() {
        if (archive != nullptr)
            zip_discard(archive);
    }
};

TZipFile::TZipFile(const std::filesystem::path& file_name) : impl_(std::make_unique<TImpl>()) {
    impl_->file_name = file_name;
    int code = 0;
    impl_->archive = zip_open(file_name.c_str(), ZIP_RDONLY, &code);
    if (impl_->archive == nullptr)
        throw EZipError("cannot open " + ArchiveLabel(file_name) + ": " + LibzipMessage(code));
}

TZipFile::TZipFile(std::unique_ptr<TImpl> impl) : impl_(std::move(impl)) {}

TZipFile TZipFile::FromBytes(std::string_view bytes) {
    auto impl = std::make_unique<TImpl>();
    impl->bytes.assign(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(impl->bytes.data(), impl->bytes.size(), 0, &error);
    if (source != nullptr) {
        impl->archive = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (impl->archive == nullptr)
            zip_source_free(source);
    }
    if (impl->archive == nullptr) {
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw EZipError("cannot open " + ArchiveLabel({}) + ": " + why);
    }
    zip_error_fini(&error);
    return TZipFile(std::move(impl));
}

TZipFile::TZipFile(TZipFile&&) noexcept = default;
TZipFile& TZipFile::operator=(TZipFile&&) noexcept = default;
TZipFile::~TZipFile() = default;

void TZipFile::Fail(const std::string& what) const {
    throw EZipError(ArchiveLabel(impl_->file_name) + ": " + what);
}

int64_t TZipFile::Count() const {
    return zip_get_num_entries(impl_->archive, 0);
}

TZipEntry TZipFile::Entry(int64_t index) const {
    if (index < 0 || index >= Count())
        Fail("there is no entry " + std::to_string(index));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(impl_->archive, zip_uint64_t(index), 0, &stat) != 0)
        Fail("entry " + std::to_string(index) + ": " + zip_strerror(impl_->archive));
    TZipEntry entry;
    if (stat.valid & ZIP_STAT_NAME && stat.name != nullptr)
        entry.name = stat.name;
    if (stat.valid & ZIP_STAT_SIZE)
        entry.size = stat.size;
    if (stat.valid & ZIP_STAT_COMP_SIZE)
        entry.packed_size = stat.comp_size;
    if (stat.valid & ZIP_STAT_MTIME)
        entry.mtime = int64_t(stat.mtime);
    if (stat.valid & ZIP_STAT_COMP_METHOD)
        entry.method = stat.comp_method;
    if (stat.valid & ZIP_STAT_ENCRYPTION_METHOD)
        entry.encrypted = stat.encryption_method != ZIP_EM_NONE;
    zip_uint8_t made_by = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(impl_->archive, zip_uint64_t(index), 0, &made_by,
                                         &attributes) == 0) {
        entry.made_by = made_by;
        entry.external_attributes = attributes;
    }
    return entry;
}

std::vector<TZipEntry> TZipFile::Entries() const {
    std::vector<TZipEntry> entries;
    const int64_t n = Count();
    entries.reserve(size_t(std::max<int64_t>(n, 0)));
    for (int64_t i = 0; i < n; ++i)
        entries.push_back(Entry(i));
    return entries;
}

int64_t TZipFile::IndexOf(std::string_view name) const {
    if (name.find('\0') != std::string_view::npos)
        return -1;
    return zip_name_locate(impl_->archive, std::string(name).c_str(), 0);
}

std::string TZipFile::Read(int64_t index, uint64_t max_bytes) const {
    const TZipEntry entry = Entry(index);
    const std::string label = "entry \"" + entry.name + "\"";
    if (entry.size > max_bytes)
        Fail(label + " holds " + std::to_string(entry.size) + " bytes, more than the " +
             std::to_string(max_bytes) + " read into memory");
    if (entry.encrypted)
        Fail(label + " is encrypted");
    zip_file_t* file = zip_fopen_index(impl_->archive, zip_uint64_t(index), 0);
    if (file == nullptr)
        Fail(label + ": " + zip_strerror(impl_->archive));
    std::string bytes;
    bytes.reserve(size_t(std::min<uint64_t>(entry.size, 16 * kReadChunk)));
    std::string why;
    for (;;) {
        // One byte more than declared may come in: that shows a lying entry.
        const uint64_t room = entry.size + 1 - bytes.size();
        const uint64_t want = std::min(room, kReadChunk);
        const size_t at = bytes.size();
        bytes.resize(at + size_t(want));
        const zip_int64_t got = zip_fread(file, bytes.data() + at, want);
        if (got < 0) {
            why = zip_file_strerror(file);
            bytes.resize(at);
            break;
        }
        bytes.resize(at + size_t(got));
        if (got == 0)
            break;
        if (bytes.size() > entry.size) {
            why = "inflates to more bytes than it declares";
            break;
        }
    }
    zip_fclose(file);
    if (why.empty() && bytes.size() != entry.size)
        why = "holds fewer bytes than it declares";
    if (!why.empty())
        Fail(label + ": " + why);
    return bytes;
}

std::string TZipFile::Comment() const {
    int length = 0;
    const char* comment = zip_get_archive_comment(impl_->archive, &length, 0);
    return comment != nullptr && length > 0 ? std::string(comment, size_t(length)) : std::string();
}

const std::filesystem::path& TZipFile::FileName() const {
    return impl_->file_name;
}

namespace {

void PutU16(std::string& out, uint16_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8));
}

void PutU32(std::string& out, uint32_t v) {
    PutU16(out, uint16_t(v & 0xFFFF));
    PutU16(out, uint16_t(v >> 16));
}

// libzip removes an archive left without entries, so an empty one is
// written here: the end-of-central-directory record alone.
void WriteEmptyZip(const std::filesystem::path& file_name, std::string_view comment) {
    std::string bytes = "PK\x05\x06";
    for (int i = 0; i < 4; ++i)
        PutU16(bytes, 0);
    PutU32(bytes, 0);
    PutU32(bytes, 0);
    PutU16(bytes, uint16_t(std::min<size_t>(comment.size(), 0xFFFF)));
    bytes.append(comment.substr(0, 0xFFFF));
    std::ofstream out(file_name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw EZipError("cannot write " + ArchiveLabel(file_name));
}

} // namespace

void WriteZipFile(const std::filesystem::path& file_name, const std::vector<TZipNewEntry>& entries,
                  std::string_view comment) {
    if (entries.empty()) {
        WriteEmptyZip(file_name, comment);
        return;
    }
    int code = 0;
    zip_t* archive = zip_open(file_name.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr)
        throw EZipError("cannot create " + ArchiveLabel(file_name) + ": " + LibzipMessage(code));
    const auto fail = [&](const std::string& what) {
        const std::string why = zip_strerror(archive);
        zip_discard(archive);
        throw EZipError("cannot write " + ArchiveLabel(file_name) + ": " + what + ": " + why);
    };
    for (const TZipNewEntry& e : entries) {
        zip_source_t* source = zip_source_buffer(archive, e.bytes.data(), e.bytes.size(), 0);
        if (source == nullptr)
            fail(e.name);
        const zip_int64_t index = zip_file_add(archive, e.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            fail(e.name);
        }
        const auto at = zip_uint64_t(index);
        if (!e.compress && zip_set_file_compression(archive, at, ZIP_CM_STORE, 0) != 0)
            fail(e.name);
        if (e.mtime != 0 && zip_file_set_mtime(archive, at, time_t(e.mtime), 0) != 0)
            fail(e.name);
        if (zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX,
                                             e.external_attributes) != 0)
            fail(e.name);
    }
    if (!comment.empty() &&
        zip_set_archive_comment(archive, comment.data(),
                                zip_uint16_t(std::min<size_t>(comment.size(), 0xFFFF))) != 0)
        fail("comment");
    if (zip_close(archive) != 0)
        fail("close");
}

} // namespace qm7::platform
