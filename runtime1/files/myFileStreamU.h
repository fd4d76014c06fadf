// Texts written into binary streams and read back, and one entry of a zip
// archive read as text.
//
// Stream forms (all integers little-endian; they are part of the suite's
// saved files):
//   counted text     signed 32-bit count n, then n UTF-16 code units (2n
//                    bytes) or n 8-bit characters; no terminator. Whether the
//                    characters are 8-bit or UTF-16 is not stored: writer
//                    and reader agree through in_unicode.
//   UTF-16 text      signed 32-bit count n of code units, then 2n bytes.
//   8-bit text       unsigned 16-bit count n, then n bytes.
//   short string     one length byte L (0 to 255), then L bytes.
//
// Readers check a count (negative, above the limit, or more than the stream
// still holds) before anything is allocated, and never return unread memory:
// every such problem, and every short read, throws platform::EReadError with
// "file read error : <routine>".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"
#include "platform/stream.h"

namespace qm7 {

// A file stream that writes short strings.
class QM7_EXPORT TMyFileStream : public platform::TFileStream {
public:
    using platform::TFileStream::TFileStream;
    // As WriteShortString on this stream.
    bool WriteAShortString(std::string_view s);
};

// Zero bytes: an always-empty zero-terminated text, 8-bit or UTF-16 alike.
extern QM7_EXPORT const char16_t nowt[2];
// The character count read by the last ReadUnknownLengthPointerMaxSize.
extern QM7_EXPORT int32_t temp_pointer_chars_allocated;

// A counted text read back: the 8-bit characters (ansi) or the UTF-16 code
// units (wide), as in_unicode said. Pointer() is the zero-terminated buffer.
struct QM7_EXPORT TCountedText {
    bool in_unicode = false;
    std::string ansi;
    std::u16string wide;

    const void* Pointer() const {
        return in_unicode ? static_cast<const void*>(wide.c_str())
                          : static_cast<const void*>(ansi.c_str());
    }
    int32_t Count() const { return int32_t(in_unicode ? wide.size() : ansi.size()); }
};

// Writes n as the count, then n UTF-16 code units (in_unicode) or n bytes
// from p. True when every byte was taken. A count below 1 writes a count of 0
// and nothing else; a missing p with a count above 0 writes nothing and gives
// false.
QM7_EXPORT bool WriteKnownLengthPointer(platform::TStream& Stream, const void* p, bool in_unicode,
                                        int32_t n);
// The same for the zero-terminated text p (a missing p is the empty text).
QM7_EXPORT bool WriteUnknownLengthPointer(platform::TStream& Stream, const void* p,
                                          bool in_unicode);
// Reads a counted text of at most MaxSize characters.
QM7_EXPORT TCountedText ReadUnknownLengthPointerMaxSize(platform::TStream& Stream, bool in_unicode,
                                                        int32_t MaxSize);
// The same with the limit 50000.
QM7_EXPORT TCountedText ReadUnknownLengthPointer(platform::TStream& Stream, bool in_unicode);

// UTF-16 text with a 32-bit count; a short write throws platform::EWriteError.
QM7_EXPORT void WriteWidePchar(platform::TStream& Stream, const char16_t* p);
QM7_EXPORT std::u16string ReadWidePchar(platform::TStream& Stream);
// 8-bit text with a 16-bit count: at most 65535 bytes, a longer text is cut.
// Returns the number of text bytes written.
QM7_EXPORT int32_t WriteAnsiPchar(platform::TStream& Stream, const char* p);
QM7_EXPORT std::string ReadAnsiPchar(platform::TStream& Stream);
// At most 255 bytes; a longer string is cut. True unless an error is thrown.
QM7_EXPORT bool WriteShortString(platform::TStream& Stream, std::string_view s);
QM7_EXPORT std::string ReadShortString(platform::TStream& Stream);

// The text of entry n (from 1) of the archive, decoded as a text file is
// (byte-order mark, strict UTF-8, else the system code page). Throws
// platform::EZipError when the archive or the entry cannot be read.
QM7_EXPORT std::u16string ContentsOfFileWithinZipFile(std::u16string_view zipfile, int32_t n);
// The same for the suite's combined name of an archive and one of its
// entries ("/corpus/letters.zip/june.txt").
QM7_EXPORT std::u16string ContentsOfFileWithinZipFile(std::u16string_view name);
// Writes entry n (from 1) of the archive, its lines ending CR LF, as UTF-16
// little-endian with a byte-order mark to "tempzip.txt" in the suite's private
// temporary folder, and returns that path. The file is written under a
// temporary name and renamed into place (a symbolic link of that name is
// replaced, never followed). When n is out of range nothing is written and
// any earlier tempzip.txt is removed, so the path never holds a stale entry.
// Empty when there is no private temporary folder. Throws platform::EZipError
// or platform::EStreamError on failure.
QM7_EXPORT std::u16string OpenedAZipFileToTempDir(std::u16string_view zipfile, int32_t n);

} // namespace qm7
