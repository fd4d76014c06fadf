// Byte streams: the abstract TStream, a file stream on a POSIX descriptor, a
// growable memory stream, a file stream that replaces its target only when it
// is committed, and little-endian readers and writers of numbers.
//
// Sizes, positions and counts are 64-bit signed everywhere. Read and Write
// report how many bytes they moved (a short count is not an error for them);
// ReadBuffer and WriteBuffer insist on the full count and throw otherwise.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace qm7::platform {

// Base of every stream error. The error classes are exported so that a
// library catches what another one threw.
class QM7_EXPORT EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// A file could not be opened, or created.
class QM7_EXPORT EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class QM7_EXPORT EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
// ReadBuffer got fewer bytes than asked for; WriteBuffer wrote fewer.
class QM7_EXPORT EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class QM7_EXPORT EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class QM7_EXPORT TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream();

    // Up to count bytes; returns the number moved (0 at the end, or for a
    // count of 0 or below).
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Returns the new position. A position before the start throws
    // EStreamError; one past the end is allowed (a write there fills the gap
    // with zeros).
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }
    virtual int64_t Size();
    // Truncates or extends (with zeros). The position stays where it was,
    // or moves back to the new end when it was beyond it.
    virtual void SetSize(int64_t size);

    // Exactly count bytes, or EReadError / EWriteError.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    void WriteBuffer(std::string_view bytes) { WriteBuffer(bytes.data(), int64_t(bytes.size())); }

    // Copies count bytes from the source's position; a count of 0 copies
    // the whole source from its start. Returns the bytes copied; a source that
    // ends early throws EReadError.
    int64_t CopyFrom(TStream& source, int64_t count);

protected:
    // Added to the messages of ReadBuffer and WriteBuffer: which file, and
    // what the system said about the last failure.
    virtual std::string ErrorContext() const { return {}; }
};

enum TFileMode {
    fmCreate,        // create, or truncate, and open for reading and writing
    fmOpenRead,      // an existing file, read only
    fmOpenWrite,     // an existing file, write only
    fmOpenReadWrite, // an existing file, read and write
};

// A file on a POSIX descriptor, closed when the stream is destroyed. Opening
// failures throw EFOpenError (or EFCreateError for fmCreate) naming the file
// and the reason. Files are never locked against other readers or writers.
class QM7_EXPORT TFileStream : public TStream {
public:
    TFileStream(const std::filesystem::path& file_name, TFileMode mode);
    ~TFileStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;
    void SetSize(int64_t size) override;

    const std::filesystem::path& FileName() const { return file_name_; }

protected:
    // Adopts an open descriptor; file_name is the name used in messages.
    TFileStream(int fd, std::filesystem::path file_name);
    std::string ErrorContext() const override;
    int Handle() const { return fd_; }
    // Closes the descriptor now; returns 0 or the errno of a failed close.
    int CloseHandle();

private:
    [[noreturn]] void Fail(const std::string& what) const;

    int fd_ = -1;
    int last_errno_ = 0;
    std::filesystem::path file_name_;
};

// Writes to a new file beside the target and puts it in the target's place
// only on Commit, so that a failed or abandoned save leaves an existing
// target as it was. A stream destroyed without Commit removes its file.
// A symbolic link as target is followed: the file it points to is replaced.
class QM7_EXPORT TAtomicFileStream : public TFileStream {
public:
    explicit TAtomicFileStream(const std::filesystem::path& target);
    ~TAtomicFileStream() override;

    // Flushes to disk, gives the new file the target's permissions (when the
    // target exists) and renames it over the target. Throws EWriteError when
    // any step fails; the target is then unchanged and the new file removed.
    void Commit();
    bool Committed() const { return committed_; }

private:
    struct TTempFile {
        int fd;
        std::filesystem::path temp;
        std::filesystem::path destination;
        std::filesystem::path target;
    };
    explicit TAtomicFileStream(TTempFile temp);
    static TTempFile CreateTemp(const std::filesystem::path& target);
    void Discard() noexcept;

    std::filesystem::path temp_;
    std::filesystem::path destination_;
    bool committed_ = false;
    bool finished_ = false; // committed, or the new file removed
};

// Replaces the file with the bytes in one step (through TAtomicFileStream).
// Returns false, with the reason in *error when given, when anything failed;
// an existing file is then left as it was.
QM7_EXPORT bool AtomicWriteFile(const std::filesystem::path& file_name, std::string_view bytes,
                                std::string* error = nullptr);

// A stream in memory that grows as it is written.
class QM7_EXPORT TMemoryStream : public TStream {
public:
    TMemoryStream() = default;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return int64_t(data_.size()); }
    void SetSize(int64_t size) override;

    // The bytes; valid until the next write or change of size.
    uint8_t* Memory() { return data_.data(); }
    const uint8_t* Memory() const { return data_.data(); }
    std::string_view Bytes() const {
        return {reinterpret_cast<const char*>(data_.data()), data_.size()};
    }
    void Clear();

    // Replace the contents with the whole file or the whole source stream
    // (from its start); the position is then 0.
    void LoadFromFile(const std::filesystem::path& file_name);
    void LoadFromStream(TStream& source);
    // Writes every byte, whatever the position (the file through
    // TAtomicFileStream, so a failed save keeps the old file).
    void SaveToFile(const std::filesystem::path& file_name) const;
    void SaveToStream(TStream& destination) const;

private:
    std::vector<uint8_t> data_;
    int64_t position_ = 0;
};

// Little-endian numbers, composed byte by byte so that they read and write
// the same on any host. The readers throw EReadError at the end of the stream.
QM7_EXPORT uint8_t ReadU8(TStream& s);
QM7_EXPORT int8_t ReadI8(TStream& s);
QM7_EXPORT uint16_t ReadU16(TStream& s);
QM7_EXPORT int16_t ReadI16(TStream& s);
QM7_EXPORT uint32_t ReadU32(TStream& s);
QM7_EXPORT int32_t ReadI32(TStream& s);
QM7_EXPORT uint64_t ReadU64(TStream& s);
QM7_EXPORT int64_t ReadI64(TStream& s);
QM7_EXPORT float ReadF32(TStream& s);
QM7_EXPORT double ReadF64(TStream& s);

QM7_EXPORT void WriteU8(TStream& s, uint8_t v);
QM7_EXPORT void WriteI8(TStream& s, int8_t v);
QM7_EXPORT void WriteU16(TStream& s, uint16_t v);
QM7_EXPORT void WriteI16(TStream& s, int16_t v);
QM7_EXPORT void WriteU32(TStream& s, uint32_t v);
QM7_EXPORT void WriteI32(TStream& s, int32_t v);
QM7_EXPORT void WriteU64(TStream& s, uint64_t v);
QM7_EXPORT void WriteI64(TStream& s, int64_t v);
QM7_EXPORT void WriteF32(TStream& s, float v);
QM7_EXPORT void WriteF64(TStream& s, double v);

} // namespace qm7::platform
