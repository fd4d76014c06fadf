// Corpus text files whatever their encoding: telling what a file's bytes hold
// (8-bit, UTF-8, UTF-16 in either byte order, an early word-processor
// document, a compound document, a zip archive), reading a file into text and
// repairing UTF-8 that was read as 8-bit text, converting an 8-bit file to
// UTF-16, writing, inserting into and appending to text files, and whole-file
// checksums.
//
// Text is UTF-16; "8-bit" text is in the system code page of
// platform/settings.h unless a routine takes a locale.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/enumset.h"
#include "platform/export.h"
#include "platform/stream.h"
#include "platform/stringlist.h"

namespace qm7 {

enum TFileContentsTypes : uint8_t {
    _8_bit,           // bytes in an 8-bit code page (plain 7-bit text too)
    _UTF8,            // UTF-8, with or without the signature EF BB BF
    _16_bit,          // UTF-16 little-endian (mark FF FE, or judged so)
    _early_Word,      // an early word-processor document: DB A5 2D 00
    _Storage,         // a compound document: D0 CF 11 E0
    _Zip,             // a zip archive: 50 4B 03 04
    _16_bit_reversed, // UTF-16 big-endian (mark FE FF)
};
// Stored as one byte, bit n for ordinal n. Empty: too few bytes to tell, or
// the bytes could not be read.
using TFileContentsSet = platform::TEnumSet<TFileContentsTypes, uint8_t>;

// The names of the members, as "_8_bit,_UTF8"; "-" for the empty set.
QM7_EXPORT std::u16string FileContentsSetText(TFileContentsSet set);

// --- Content detection ---------------------------------------------------------

// What the bytes hold. Fewer than 4 bytes give the empty set. The three
// document signatures give exactly that member. Otherwise the quick
// examination (thorough false) looks at the first four bytes only: _UTF8 for
// the UTF-8 signature, and _16_bit for FF FE, _16_bit_reversed for FE FF,
// _8_bit for anything else. The thorough one gives _16_bit or
// _16_bit_reversed for an even count with a byte-order mark or bytes that
// LooksLikeUTF16 accepts; else _UTF8 for the signature; else, over the bytes
// before the first zero byte, _UTF8 when the first byte at or above 80 hex
// starts a well-formed UTF-8 sequence and _8_bit otherwise.
QM7_EXPORT TFileContentsSet FileBufferType(const void* p, int64_t count, bool thorough);
// The same for a file: the quick examination reads at most 4 bytes, the
// thorough one the whole file. A file that cannot be opened throws
// platform::EFOpenError; a failure after opening gives the empty set.
QM7_EXPORT TFileContentsSet FileContentsType(const std::filesystem::path& FileName, bool thorough);

// The statistical test for UTF-16 little-endian without a byte-order mark
// (what Windows' IsTextUnicode decides there), over the first 64 KiB: the
// whole count is even, zero bytes are present and at least 90 % of them sit
// at odd offsets (the high bytes of little-endian units), and the units hold
// neither U+FFFE nor U+FFFF nor an unpaired surrogate.
QM7_EXPORT bool LooksLikeUTF16(const void* p, int64_t count);
// At least 4 bytes, and a UTF-16 byte-order mark or LooksLikeUTF16.
QM7_EXPORT bool StringIsInUnicode(const void* p, int32_t count);
// StringIsInUnicode of the whole file; false for an empty file. A file that
// cannot be opened throws platform::EFOpenError.
QM7_EXPORT bool TextFileInUnicode(const std::filesystem::path& FileName);

// Orders content sets by their bits read as a number: -1, 0 or 1.
QM7_EXPORT int FileContentsComparison(TFileContentsSet a, TFileContentsSet b);

// --- Reading text ----------------------------------------------------------------

// The bytes of a file decoded as the platform string list loads a file: by a
// byte-order mark (UTF-16 LE, UTF-16 BE, UTF-8), otherwise through the system
// code page. found, when given, receives the encoding chosen.
QM7_EXPORT std::u16string LoadedText(std::string_view bytes,
                                     platform::TTextEncoding* found = nullptr);
// The text TPossiblyDodgyTextStringlist makes of the bytes, before it is cut
// into lines: LoadedText, except that unsigned bytes that are strictly valid
// UTF-8 are read as UTF-8 (while the system code page is a single-byte one),
// and signed UTF-8 that was encoded twice is repaired (see SetTextStr).
QM7_EXPORT std::u16string RepairedText(std::string_view bytes);

// A string list that reads text files whatever their encoding and repairs
// UTF-8 that reached it as 8-bit text.
class QM7_EXPORT TPossiblyDodgyTextStringlist : public platform::TStringList {
public:
    TPossiblyDodgyTextStringlist() = default;

    // Reads the whole file (platform::EFOpenError when it cannot be opened)
    // and sets SignedUTF8 to whether it starts with EF BB BF.
    void LoadFromFile(const std::filesystem::path& file_name) override;
    // Clears the list and, unless the text is empty, repairs it and adds its
    // lines. Repair: with SignedUTF8, text that the system code page holds
    // unchanged and whose bytes there are valid UTF-8 with a multi-byte
    // sequence is decoded from those bytes as UTF-8 (undoing UTF-8 encoded
    // twice); without it, when the list last read with the system code page
    // (a single-byte one), the same is done for text whose bytes are strictly
    // valid UTF-8. Any other text stays as it is.
    void SetTextStr(std::u16string_view text) override;

    bool SignedUTF8 = false;
};

// The file's repaired text, each line followed by CR LF; empty when there is
// no such file.
QM7_EXPORT std::u16string TextFileContents(const std::filesystem::path& FileName);
// The file's text as the platform string list reads it (LoadedText, no
// repair), each line followed by CR LF; empty when there is no such file.
// (A routine of the string functions, kept beside its sibling.)
QM7_EXPORT std::u16string GetTextFromFile(const std::filesystem::path& FileName);

// --- Writing text ----------------------------------------------------------------

// Converts an existing file that is not UTF-16 to UTF-16 little-endian with a
// byte-order mark, lines joined and ended by CR LF. The bytes are decoded by
// their UTF-8 signature, or else through the code page of the locale. An empty
// file, a file holding a zero byte (not text) and a file already in UTF-16
// are left untouched. The new file replaces the old in one step. Returns whether the
// file exists; write failures throw platform::EStreamError.
QM7_EXPORT bool ConvertATextFileAnsiToUTF16(const std::filesystem::path& FileName, uint32_t Locale);

// Writes FF FE and the text's code units to the file (replacing it in one
// step). An empty text writes nothing and gives false. Failures throw
// platform::EStreamError.
QM7_EXPORT bool SavedTextAsStream(std::u16string_view text, const std::filesystem::path& FileName);

// Insert text before the character at the 1-based position (a position past
// the end appends) of the file's text, lines ending CR LF. With make_backup
// the file is first copied to the same name with the extension ".bak".
// InsertIntoFileA saves in the encoding found on loading, InsertIntoFileW as
// UTF-16 little-endian with a byte-order mark. A file that cannot be opened
// throws platform::EFOpenError; a failure while inserting or saving gives
// false.
QM7_EXPORT bool InsertIntoFileA(const std::filesystem::path& FileName, std::u16string_view text,
                                bool make_backup, uint32_t position);
QM7_EXPORT bool InsertIntoFileW(const std::filesystem::path& FileName, std::u16string_view text,
                                bool make_backup, uint32_t position);

// Appends every line of the list, each followed by CR LF, to an existing file
// (platform::EFOpenError when it cannot be opened): AnsiAppendToTextFile in
// the system code page, UnicodeAppendToTextFile as UTF-16 records through
// AddToFileOfChar. (Routines of the string functions, kept here beside the
// other writers.)
QM7_EXPORT void AnsiAppendToTextFile(const std::filesystem::path& FileName,
                                     const platform::TStringList& list);
QM7_EXPORT void UnicodeAppendToTextFile(const std::filesystem::path& FileName,
                                        const platform::TStringList& list);

// --- Checksums -------------------------------------------------------------------

// A file stream that can sum itself.
class QM7_EXPORT TMyCheckSumFileStream : public platform::TFileStream {
public:
    using platform::TFileStream::TFileStream;
    // My4Checksum of the whole stream (read from its start in pieces).
    uint32_t GetChecksum();
};

// 0 when the file does not exist; else the checksum of the whole file
// (platform::EFOpenError when it cannot be opened).
QM7_EXPORT uint32_t CheckSumOfAFile(const std::filesystem::path& FileName);
// My4Checksum of the buffer. (A routine of the string functions.)
QM7_EXPORT uint32_t CheckSumOfABufferful(const void* p, int64_t count);

} // namespace qm7
