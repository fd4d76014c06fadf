#include "runtime1/files/myFileStreamU.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/stringlist.h"
#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/core/GeneralRuntime1Const.h"
#include "runtime1/files/file_utils.h"
#include "runtime1/files/zip_utils.h"

namespace qm7 {

const char16_t nowt[2] = {0, 0};
int32_t temp_pointer_chars_allocated = 0;

namespace {

using platform::TStream;

constexpr int32_t kDefaultMaxSize = 50000;
constexpr size_t kShortStringMax = 255;
constexpr size_t kAnsiPcharMax = 0xFFFF;

[[noreturn]] void ReadError(const char* routine) {
    throw platform::EReadError(std::string("file read error : ") + routine);
}

// Reads exactly count bytes after checking that the stream still holds them.
void ReadChecked(TStream& Stream, void* buffer, int64_t count, const char* routine) {
    if (count <= 0)
        return;
    if (count > Stream.Size() - Stream.Position() || Stream.Read(buffer, count) != count)
        ReadError(routine);
}

int32_t ReadCount32(TStream& Stream, const char* routine) {
    uint8_t b[4];
    ReadChecked(Stream, b, 4, routine);
    return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                   uint32_t(b[3]) << 24);
}

std::u16string ReadUnits(TStream& Stream, int64_t n, const char* routine) {
    if (n < 0 || n * 2 > Stream.Size() - Stream.Position())
        ReadError(routine);
    std::string bytes(size_t(n * 2), '\0');
    ReadChecked(Stream, bytes.data(), n * 2, routine);
    std::u16string text(size_t(n), u'\0');
    for (size_t k = 0; k < text.size(); ++k)
        text[k] = char16_t(uint8_t(bytes[2 * k]) | uint8_t(bytes[2 * k + 1]) << 8);
    return text;
}

std::string ReadBytes(TStream& Stream, int64_t n, const char* routine) {
    if (n < 0 || n > Stream.Size() - Stream.Position())
        ReadError(routine);
    std::string bytes(size_t(n), '\0');
    ReadChecked(Stream, bytes.data(), n, routine);
    return bytes;
}

std::string LittleEndianUnits(const char16_t* p, size_t n) {
    std::string bytes(n * 2, '\0');
    for (size_t k = 0; k < n; ++k) {
        bytes[2 * k] = char(p[k] & 0xFF);
        bytes[2 * k + 1] = char(p[k] >> 8);
    }
    return bytes;
}

std::string Count32(int32_t n) {
    std::string b(4, '\0');
    for (int k = 0; k < 4; ++k)
        b[size_t(k)] = char((uint32_t(n) >> (8 * k)) & 0xFF);
    return b;
}

size_t WideLength(const char16_t* p) {
    return p == nullptr ? 0 : std::char_traits<char16_t>::length(p);
}

std::u16string EntryText(std::u16string_view zipfile, int32_t n) {
    const platform::TZipFile zip(platform::Utf16ToUtf8(zipfile));
    if (n < 1 || n > zip.Count())
        throw platform::EZipError("zip archive " + platform::Utf16ToUtf8(zipfile) +
                                  ": there is no entry " + std::to_string(n));
    return RepairedText(zip.Read(n - 1));
}

// Writes bytes to path through a new file beside it and a rename, so that a
// symbolic link at path is replaced rather than followed.
void WriteThroughRename(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw platform::EFCreateError("cannot create a file beside " + path + ": " +
                                      std::strerror(errno));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += size_t(n);
    }
    const int closed = ::close(fd);
    if (done != bytes.size() || closed != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        ::unlink(temp.c_str());
        throw platform::EWriteError("cannot write " + path + ": " + why);
    }
}

} // namespace

bool TMyFileStream::WriteAShortString(std::string_view s) {
    return WriteShortString(*this, s);
}

bool WriteKnownLengthPointer(TStream& Stream, const void* p, bool in_unicode, int32_t n) {
    if (n < 1)
        return Stream.Write(Count32(0).data(), 4) == 4;
    if (p == nullptr)
        return false;
    std::string bytes = Count32(n);
    if (in_unicode)
        bytes += LittleEndianUnits(static_cast<const char16_t*>(p), size_t(n));
    else
        bytes.append(static_cast<const char*>(p), size_t(n));
    return Stream.Write(bytes.data(), int64_t(bytes.size())) == int64_t(bytes.size());
}

bool WriteUnknownLengthPointer(TStream& Stream, const void* p, bool in_unicode) {
    size_t n = 0;
    if (p != nullptr)
        n = in_unicode ? WideLength(static_cast<const char16_t*>(p))
                       : std::strlen(static_cast<const char*>(p));
    if (n > size_t(std::numeric_limits<int32_t>::max()))
        return false;
    return WriteKnownLengthPointer(Stream, p, in_unicode, int32_t(n));
}

TCountedText ReadUnknownLengthPointerMaxSize(TStream& Stream, bool in_unicode, int32_t MaxSize) {
    static constexpr const char* kRoutine = "ReadUnknownLengthPointer";
    const int32_t n = ReadCount32(Stream, kRoutine);
    temp_pointer_chars_allocated = n;
    if (n < 0 || n > MaxSize)
        ReadError(kRoutine);
    TCountedText text;
    text.in_unicode = in_unicode;
    if (in_unicode)
        text.wide = ReadUnits(Stream, n, kRoutine);
    else
        text.ansi = ReadBytes(Stream, n, kRoutine);
    return text;
}

TCountedText ReadUnknownLengthPointer(TStream& Stream, bool in_unicode) {
    return ReadUnknownLengthPointerMaxSize(Stream, in_unicode, kDefaultMaxSize);
}

void WriteWidePchar(TStream& Stream, const char16_t* p) {
    const size_t n = std::min(WideLength(p), size_t(std::numeric_limits<int32_t>::max() / 2 - 4));
    std::string bytes = Count32(int32_t(n));
    if (n > 0)
        bytes += LittleEndianUnits(p, n);
    Stream.WriteBuffer(bytes);
}

std::u16string ReadWidePchar(TStream& Stream) {
    const int32_t n = ReadCount32(Stream, "ReadWidePchar");
    return ReadUnits(Stream, n, "ReadWidePchar");
}

int32_t WriteAnsiPchar(TStream& Stream, const char* p) {
    const size_t n = p == nullptr ? 0 : std::min(std::strlen(p), kAnsiPcharMax);
    const uint8_t count[2] = {uint8_t(n & 0xFF), uint8_t(n >> 8)};
    Stream.WriteBuffer(count, 2);
    if (n == 0)
        return 0;
    return int32_t(std::max<int64_t>(Stream.Write(p, int64_t(n)), 0));
}

std::string ReadAnsiPchar(TStream& Stream) {
    uint8_t count[2];
    ReadChecked(Stream, count, 2, "ReadAnsiPchar");
    return ReadBytes(Stream, count[0] | count[1] << 8, "ReadAnsiPchar");
}

bool WriteShortString(TStream& Stream, std::string_view s) {
    s = s.substr(0, kShortStringMax);
    std::string bytes(1, char(s.size()));
    bytes += s;
    Stream.WriteBuffer(bytes);
    return true;
}

std::string ReadShortString(TStream& Stream) {
    uint8_t length = 0;
    ReadChecked(Stream, &length, 1, "ReadShortString");
    return ReadBytes(Stream, length, "ReadShortString");
}

std::u16string ContentsOfFileWithinZipFile(std::u16string_view zipfile, int32_t n) {
    return EntryText(zipfile, n);
}

std::u16string ContentsOfFileWithinZipFile(std::u16string_view name) {
    const std::u16string zipfile = ZipFileFullFileName(name);
    const std::u16string wanted = ZipFileWantedFileNameWithin(name);
    if (zipfile.empty() || wanted.empty())
        throw platform::EZipError(platform::Utf16ToUtf8(name) +
                                  " does not name an entry of a zip archive");
    const platform::TZipFile zip(platform::Utf16ToUtf8(zipfile));
    const int64_t index = zip.IndexOf(platform::Utf16ToUtf8(wanted));
    if (index < 0)
        throw platform::EZipError("zip archive " + platform::Utf16ToUtf8(zipfile) +
                                  " holds no entry " + platform::Utf16ToUtf8(wanted));
    return RepairedText(zip.Read(index));
}

std::u16string OpenedAZipFileToTempDir(std::u16string_view zipfile, int32_t n) {
    std::u16string folder = GeneralRuntime1Const::my_temp_path;
    if (folder.empty())
        return {};
    if (folder.back() != u'/')
        folder += u'/';
    const std::u16string result = folder + u"tempzip.txt";
    const std::string path = platform::Utf16ToUtf8(result);
    // Whatever happens below, an earlier entry must not pass for this one.
    ::unlink(path.c_str());
    const platform::TZipFile zip(platform::Utf16ToUtf8(zipfile));
    if (n < 1 || n > zip.Count())
        return result;
    platform::TStringList lines;
    lines.SetText(RepairedText(zip.Read(n - 1)));
    WriteThroughRename(path, platform::EncodeText(lines.Text(), platform::teUtf16LE));
    return result;
}

} // namespace qm7
