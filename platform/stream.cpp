#include "platform/stream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm7::platform {

namespace fs = std::filesystem;

namespace {

// The most one read or write call asks of the system.
constexpr int64_t kMaxChunk = int64_t(1) << 30;

std::string Quoted(const fs::path& name) {
    return "\"" + name.string() + "\"";
}

std::string SystemError(int error) {
    return std::strerror(error);
}

int64_t CheckedPosition(int64_t base, int64_t offset) {
    int64_t position = 0;
    if (__builtin_add_overflow(base, offset, &position) || position < 0)
        throw EStreamError("invalid stream position");
    return position;
}

} // namespace

// ---------------------------------------------------------------- TStream

TStream::~TStream() = default;

int64_t TStream::Size() {
    const int64_t position = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(int64_t) {
    throw EStreamError("this stream cannot change its size");
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count == 0)
        return;
    const int64_t done = count > 0 ? Read(buffer, count) : 0;
    if (done != count) {
        std::string context = ErrorContext();
        throw EReadError("stream read error: " + std::to_string(done) + " of " +
                         std::to_string(count) + " bytes read" +
                         (context.empty() ? "" : " (" + context + ")"));
    }
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count == 0)
        return;
    const int64_t done = count > 0 ? Write(buffer, count) : 0;
    if (done != count) {
        std::string context = ErrorContext();
        throw EWriteError("stream write error: " + std::to_string(done) + " of " +
                          std::to_string(count) + " bytes written" +
                          (context.empty() ? "" : " (" + context + ")"));
    }
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    if (count < 0)
        throw EStreamError("negative count to copy");
    std::vector<uint8_t> buffer(size_t(std::min<int64_t>(count, 1 << 16)));
    int64_t left = count;
    while (left > 0) {
        const int64_t n = std::min<int64_t>(left, int64_t(buffer.size()));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

// ---------------------------------------------------------------- TFileStream

namespace {

int OpenFlags(TFileMode mode) {
    switch (mode) {
    case fmCreate:
        return O_RDWR | O_CREAT | O_TRUNC;
    case fmOpenRead:
        return O_RDONLY;
    case fmOpenWrite:
        return O_WRONLY;
    case fmOpenReadWrite:
        return O_RDWR;
    }
    return O_RDONLY;
}

// Opens the file and refuses directories; throws the matching open error.
int OpenFile(const fs::path& name, TFileMode mode) {
    const bool creating = mode == fmCreate;
    auto fail = [&](int error) -> int {
        const std::string message =
            std::string(creating ? "cannot create file " : "cannot open file ") + Quoted(name) +
            ": " + SystemError(error);
        if (creating)
            throw EFCreateError(message);
        throw EFOpenError(message);
    };
    int fd = -1;
    do {
        fd = ::open(name.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fail(errno);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return fail(EISDIR);
    }
    return fd;
}

} // namespace

TFileStream::TFileStream(const fs::path& file_name, TFileMode mode)
    : fd_(OpenFile(file_name, mode)), file_name_(file_name) {}

TFileStream::TFileStream(int fd, fs::path file_name) : fd_(fd), file_name_(std::move(file_name)) {}

TFileStream::~TFileStream() {
    CloseHandle();
}

int TFileStream::CloseHandle() {
    if (fd_ < 0)
        return 0;
    const int result = ::close(fd_);
    fd_ = -1;
    // A close interrupted by a signal has still released the descriptor.
    return result == 0 || errno == EINTR ? 0 : errno;
}

std::string TFileStream::ErrorContext() const {
    std::string context = Quoted(file_name_);
    if (last_errno_ != 0)
        context += ": " + SystemError(last_errno_);
    return context;
}

void TFileStream::Fail(const std::string& what) const {
    throw EStreamError(what + " " + ErrorContext());
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, size_t(std::min(count - done, kMaxChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            last_errno_ = errno;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    const auto* in = static_cast<const uint8_t*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, in + done, size_t(std::min(count - done, kMaxChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            last_errno_ = errno;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(fd_, off_t(offset), whence);
    if (position < 0) {
        last_errno_ = errno;
        if (errno == EINVAL)
            throw EStreamError("invalid stream position " + ErrorContext());
        Fail("cannot seek in");
    }
    return int64_t(position);
}

int64_t TFileStream::Size() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        last_errno_ = errno;
        Fail("cannot measure");
    }
    return int64_t(info.st_size);
}

void TFileStream::SetSize(int64_t size) {
    if (size < 0)
        throw EStreamError("negative stream size " + ErrorContext());
    const int64_t position = Position();
    if (::ftruncate(fd_, off_t(size)) != 0) {
        last_errno_ = errno;
        Fail("cannot change the size of");
    }
    if (position > size)
        Seek(size, soBeginning);
}

// ---------------------------------------------------------------- TAtomicFileStream

TAtomicFileStream::TAtomicFileStream(const fs::path& target)
    : TAtomicFileStream(CreateTemp(target)) {}

TAtomicFileStream::TAtomicFileStream(TTempFile temp)
    : TFileStream(temp.fd, std::move(temp.target)), temp_(std::move(temp.temp)),
      destination_(std::move(temp.destination)) {}

TAtomicFileStream::~TAtomicFileStream() {
    Discard();
}

TAtomicFileStream::TTempFile TAtomicFileStream::CreateTemp(const fs::path& target) {
    // Follow a symbolic link, so that the file it names is replaced and the
    // link itself survives.
    fs::path destination = target;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            destination = resolved;
    }
    if (destination.filename().empty())
        throw EFCreateError("cannot create file " + Quoted(target) + ": not a file name");
    const fs::path folder =
        destination.parent_path().empty() ? fs::path(".") : destination.parent_path();

    static std::mt19937_64 random{std::random_device{}()};
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%012llx.tmp",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        fs::path temp = folder / ("." + destination.filename().string() + suffix);
        const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return TTempFile{fd, std::move(temp), std::move(destination), target};
        error = errno;
        if (error != EEXIST && error != EINTR)
            break;
    }
    throw EFCreateError("cannot create file " + Quoted(target) + ": " + SystemError(error));
}

void TAtomicFileStream::Discard() noexcept {
    if (finished_)
        return;
    finished_ = true;
    CloseHandle();
    ::unlink(temp_.c_str());
}

void TAtomicFileStream::Commit() {
    if (committed_)
        return;
    if (finished_)
        throw EWriteError("cannot save " + Quoted(FileName()) + ": the save was abandoned");
    auto fail = [&](const char* step, int error) {
        Discard();
        throw EWriteError(std::string("cannot save ") + Quoted(FileName()) + " (" + step +
                          "): " + SystemError(error));
    };
    if (::fsync(Handle()) != 0)
        fail("flush", errno);
    struct stat info {};
    if (::stat(destination_.c_str(), &info) == 0)
        ::fchmod(Handle(), info.st_mode & 07777); // best effort: the data matters more
    if (const int error = CloseHandle(); error != 0)
        fail("close", error);
    if (::rename(temp_.c_str(), destination_.c_str()) != 0)
        fail("rename", errno);
    committed_ = true;
    finished_ = true;
}

bool AtomicWriteFile(const fs::path& file_name, std::string_view bytes, std::string* error) {
    try {
        TAtomicFileStream stream(file_name);
        stream.WriteBuffer(bytes);
        stream.Commit();
        return true;
    } catch (const std::exception& e) {
        if (error != nullptr)
            *error = e.what();
        return false;
    }
}

// ---------------------------------------------------------------- TMemoryStream

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    const int64_t available = Size() - position_;
    const int64_t n = std::min(count, available);
    if (n <= 0)
        return 0;
    std::memcpy(buffer, data_.data() + position_, size_t(n));
    position_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    const int64_t end = CheckedPosition(position_, count);
    if (end > Size())
        data_.resize(size_t(end));
    std::memcpy(data_.data() + position_, buffer, size_t(count));
    position_ = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : Size();
    position_ = CheckedPosition(base, offset);
    return position_;
}

void TMemoryStream::SetSize(int64_t size) {
    if (size < 0)
        throw EStreamError("negative stream size");
    data_.resize(size_t(size));
    position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
    data_.clear();
    data_.shrink_to_fit();
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const fs::path& file_name) {
    TFileStream file(file_name, fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    const int64_t size = source.Size();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    source.ReadBuffer(bytes.data(), size);
    data_ = std::move(bytes);
    position_ = 0;
}

void TMemoryStream::SaveToFile(const fs::path& file_name) const {
    TAtomicFileStream file(file_name);
    SaveToStream(file);
    file.Commit();
}

void TMemoryStream::SaveToStream(TStream& destination) const {
    destination.WriteBuffer(data_.data(), int64_t(data_.size()));
}

// ---------------------------------------------------------------- little-endian numbers

namespace {

template <size_t N> uint64_t ReadLE(TStream& s) {
    std::array<uint8_t, N> bytes{};
    s.ReadBuffer(bytes.data(), N);
    uint64_t value = 0;
    for (size_t i = 0; i < N; ++i)
        value |= uint64_t(bytes[i]) << (8 * i);
    return value;
}

template <size_t N> void WriteLE(TStream& s, uint64_t value) {
    std::array<uint8_t, N> bytes{};
    for (size_t i = 0; i < N; ++i)
        bytes[i] = uint8_t(value >> (8 * i));
    s.WriteBuffer(bytes.data(), N);
}

} // namespace

uint8_t ReadU8(TStream& s) {
    return uint8_t(ReadLE<1>(s));
}
int8_t ReadI8(TStream& s) {
    return int8_t(ReadLE<1>(s));
}
uint16_t ReadU16(TStream& s) {
    return uint16_t(ReadLE<2>(s));
}
int16_t ReadI16(TStream& s) {
    return int16_t(ReadLE<2>(s));
}
uint32_t ReadU32(TStream& s) {
    return uint32_t(ReadLE<4>(s));
}
int32_t ReadI32(TStream& s) {
    return int32_t(ReadLE<4>(s));
}
uint64_t ReadU64(TStream& s) {
    return ReadLE<8>(s);
}
int64_t ReadI64(TStream& s) {
    return int64_t(ReadLE<8>(s));
}
float ReadF32(TStream& s) {
    return std::bit_cast<float>(ReadU32(s));
}
double ReadF64(TStream& s) {
    return std::bit_cast<double>(ReadU64(s));
}

void WriteU8(TStream& s, uint8_t v) {
    WriteLE<1>(s, v);
}
void WriteI8(TStream& s, int8_t v) {
    WriteLE<1>(s, uint8_t(v));
}
void WriteU16(TStream& s, uint16_t v) {
    WriteLE<2>(s, v);
}
void WriteI16(TStream& s, int16_t v) {
    WriteLE<2>(s, uint16_t(v));
}
void WriteU32(TStream& s, uint32_t v) {
    WriteLE<4>(s, v);
}
void WriteI32(TStream& s, int32_t v) {
    WriteLE<4>(s, uint32_t(v));
}
void WriteU64(TStream& s, uint64_t v) {
    WriteLE<8>(s, v);
}
void WriteI64(TStream& s, int64_t v) {
    WriteLE<8>(s, uint64_t(v));
}
void WriteF32(TStream& s, float v) {
    WriteU32(s, std::bit_cast<uint32_t>(v));
}
void WriteF64(TStream& s, double v) {
    WriteU64(s, std::bit_cast<uint64_t>(v));
}

} // namespace qm7::platform
