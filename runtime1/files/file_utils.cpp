#include "runtime1/files/file_utils.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/codepage.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "runtime1/files/FileOfChar.h"
#include "runtime1/scanning/UTF8_UNit.h"
#include "runtime1/scanning/WinGenOk.h"
#include "runtime1/scanning/bare_assemb.h"

namespace qm7 {

namespace {

namespace fs = std::filesystem;
using platform::TTextEncoding;

// The part of a buffer the UTF-16 test looks at.
constexpr int64_t kUTF16TestWindow = 64 * 1024;
// Whole files are summed in pieces of this size (a multiple of 4).
constexpr int64_t kChecksumPiece = 1 << 20;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

// The UTF-16 test over window bytes of a buffer of total bytes.
bool LooksLikeUTF16Window(const uint8_t* p, int64_t window, int64_t total) {
    if (p == nullptr || total < 2 || total % 2 != 0)
        return false;
    window = std::min(window, total) & ~int64_t(1);
    int64_t zeros = 0, odd_zeros = 0;
    for (int64_t i = 0; i < window; ++i)
        if (p[i] == 0) {
            ++zeros;
            odd_zeros += i & 1;
        }
    if (zeros == 0 || odd_zeros * 10 < zeros * 9)
        return false;
    const int64_t units = window / 2;
    for (int64_t k = 0; k < units; ++k) {
        const char16_t u = char16_t(p[2 * k] | (p[2 * k + 1] << 8));
        if (u == 0xFFFE || u == 0xFFFF)
            return false;
        if (u >= 0xDC00 && u <= 0xDFFF)
            return false; // a low surrogate without its high one
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (k + 1 == units) // the pair may go on past the window
                return window < total;
            const char16_t next = char16_t(p[2 * k + 2] | (p[2 * k + 3] << 8));
            if (next < 0xDC00 || next > 0xDFFF)
                return false;
            ++k;
        }
    }
    return true;
}

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
    std::u16string text(bytes.size() / 2, u'\0');
    const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
    if (big_endian) {
        for (size_t k = 0; k < text.size(); ++k)
            text[k] = char16_t((b[2 * k] << 8) | b[2 * k + 1]);
    } else {
        for (size_t k = 0; k < text.size(); ++k)
            text[k] = char16_t(b[2 * k] | (b[2 * k + 1] << 8));
    }
    return text;
}

// Decoding by a byte-order mark; false when the bytes carry none.
bool DecodedByMark(std::string_view bytes, std::u16string& text, TTextEncoding& found) {
    if (StartsWith(bytes, kUtf16LEMark)) {
        found = platform::teUtf16LE;
        text = DecodeUtf16(bytes.substr(2), false);
    } else if (StartsWith(bytes, kUtf16BEMark)) {
        found = platform::teUtf16BE;
        text = DecodeUtf16(bytes.substr(2), true);
    } else if (StartsWith(bytes, kUtf8Signature)) {
        found = platform::teUtf8Bom;
        text = platform::Utf8ToUtf16(bytes.substr(3));
    } else {
        return false;
    }
    return true;
}

// Decodes bytes that are strictly valid UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF); false at the first byte that breaks
// the rules. Runs of ASCII are widened sixteen bytes at a time.
bool DecodeStrictUtf8(std::string_view bytes, std::u16string& out) {
    out.resize(bytes.size());
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    const uint8_t* const end = p + bytes.size();
    char16_t* d = out.data();
    const auto trail = [](uint8_t b) { return (b & 0xC0) == 0x80; };
    while (p < end) {
#if defined(__SSE2__)
        // The output never runs ahead of the input, so sixteen units fit
        // wherever sixteen bytes are left.
        const __m128i zero = _mm_setzero_si128();
        while (end - p >= 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_unpacklo_epi8(v, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 8), _mm_unpackhi_epi8(v, zero));
            const int high = _mm_movemask_epi8(v);
            if (high != 0) {
                const int ascii = __builtin_ctz(unsigned(high));
                p += ascii;
                d += ascii;
                break;
            }
            p += 16;
            d += 16;
        }
        if (p >= end)
            break;
#endif
        const uint8_t b = *p;
        const ptrdiff_t left = end - p;
        if (b < 0x80) {
            *d++ = b;
            ++p;
        } else if (b < 0xC2) {
            return false;
        } else if (b < 0xE0) {
            if (left < 2 || !trail(p[1]))
                return false;
            *d++ = char16_t(((b & 0x1F) << 6) | (p[1] & 0x3F));
            p += 2;
        } else if (b < 0xF0) {
            const uint8_t lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
            if (left < 3 || p[1] < lo || p[1] > hi || !trail(p[2]))
                return false;
            *d++ = char16_t(((b & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
            p += 3;
        } else if (b < 0xF5) {
            const uint8_t lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
            if (left < 4 || p[1] < lo || p[1] > hi || !trail(p[2]) || !trail(p[3]))
                return false;
            const uint32_t cp = ((b & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) |
                                ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
            *d++ = char16_t(0xD800 + ((cp - 0x10000) >> 10));
            *d++ = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
            p += 4;
        } else {
            return false;
        }
    }
    out.resize(size_t(d - out.data()));
    return true;
}

bool SystemPageIsSingleByte() {
    return platform::IsSingleByteCodePage(platform::SystemCodePage());
}

// Loading as TPossiblyDodgyTextStringlist does: by the mark, else unsigned
// bytes that are strictly valid UTF-8 as UTF-8 (what the repair of 8-bit
// text would make of them, without a trip through the code page that some
// bytes would not survive), else through the system code page.
std::u16string DodgyLoadedText(std::string_view bytes, TTextEncoding& found) {
    std::u16string text;
    if (DecodedByMark(bytes, text, found))
        return text;
    if (SystemPageIsSingleByte() && DecodeStrictUtf8(bytes, text)) {
        found = platform::teUtf8;
        return text;
    }
    found = platform::teAnsi;
    return platform::SystemAnsiToUnicode(bytes);
}

// The text read back as UTF-8 from its bytes in the system code page, when
// the code page holds every character and those bytes are strictly valid
// UTF-8 with at least one multi-byte sequence; otherwise the text itself.
std::u16string RereadAsUtf8(std::u16string text) {
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; }))
        return text;
    bool all_mapped = true;
    const std::string bytes = platform::UnicodeToAnsi(text, platform::SystemCodePage(), all_mapped);
    const bool multi_byte =
        std::any_of(bytes.begin(), bytes.end(), [](char b) { return uint8_t(b) >= 0x80; });
    if (!all_mapped || !multi_byte || !platform::IsValidUtf8(bytes))
        return text;
    return platform::Utf8ToUtf16(bytes);
}

std::u16string Repaired(std::u16string text, bool signed_utf8, TTextEncoding encoding) {
    if (signed_utf8 || (encoding == platform::teAnsi && SystemPageIsSingleByte()))
        return RereadAsUtf8(std::move(text));
    return text;
}

std::string ReadWholeStream(platform::TStream& stream) {
    const int64_t size = std::max<int64_t>(0, stream.Size() - stream.Position());
    std::string bytes(size_t(size), '\0');
    int64_t got = 0;
    while (got < size) {
        const int64_t n = stream.Read(bytes.data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.resize(size_t(got));
    return bytes;
}

std::string ReadWholeFile(const fs::path& FileName) {
    platform::TFileStream file(FileName, platform::fmOpenRead);
    return ReadWholeStream(file);
}

bool FileExists(const fs::path& FileName) {
    std::error_code error;
    return fs::is_regular_file(FileName, error);
}

} // namespace

std::u16string FileContentsSetText(TFileContentsSet set) {
    static constexpr const char16_t* kNames[] = {
        u"_8_bit", u"_UTF8", u"_16_bit", u"_early_Word", u"_Storage", u"_Zip", u"_16_bit_reversed"};
    std::u16string text;
    for (int m = 0; m < 7; ++m)
        if (set.Contains(TFileContentsTypes(m))) {
            if (!text.empty())
                text += u',';
            text += kNames[m];
        }
    return text.empty() ? u"-" : text;
}

// --- Content detection ---------------------------------------------------------

bool LooksLikeUTF16(const void* p, int64_t count) {
    return LooksLikeUTF16Window(static_cast<const uint8_t*>(p), kUTF16TestWindow, count);
}

TFileContentsSet FileBufferType(const void* p, int64_t count, bool thorough) {
    if (p == nullptr || count < 4)
        return {};
    const auto* b = static_cast<const uint8_t*>(p);
    const std::string_view head(static_cast<const char*>(p), 4);
    if (head == std::string_view("\xD0\xCF\x11\xE0", 4))
        return {_Storage};
    if (head == std::string_view("\xDB\xA5\x2D\x00", 4))
        return {_early_Word};
    if (head == std::string_view("PK\x03\x04", 4))
        return {_Zip};
    TFileContentsSet set;
    if (!thorough) {
        if (StartsWith(head, kUtf8Signature))
            set.Include(_UTF8);
        if (StartsWith(head, kUtf16LEMark))
            set.Include(_16_bit);
        else if (StartsWith(head, kUtf16BEMark))
            set.Include(_16_bit_reversed);
        else
            set.Include(_8_bit);
        return set;
    }
    if (count % 2 == 0 && (StartsWith(head, kUtf16LEMark) || StartsWith(head, kUtf16BEMark) ||
                           LooksLikeUTF16Window(b, kUTF16TestWindow, count))) {
        set.Include(StartsWith(head, kUtf16BEMark) ? _16_bit_reversed : _16_bit);
        return set;
    }
    if (StartsWith(head, kUtf8Signature)) {
        set.Include(_UTF8);
        return set;
    }
    const void* zero = std::memchr(p, 0, size_t(count));
    const int64_t n = zero != nullptr ? static_cast<const uint8_t*>(zero) - b : count;
    bool ascii = true;
    const bool ok = CheckedUTF(std::string_view(static_cast<const char*>(p), size_t(n)), ascii);
    set.Include(ok && !ascii ? _UTF8 : _8_bit);
    return set;
}

TFileContentsSet FileContentsType(const std::filesystem::path& FileName, bool thorough) {
    platform::TFileStream file(FileName, platform::fmOpenRead);
    try {
        if (!thorough) {
            char head[4];
            int64_t got = 0;
            while (got < 4) {
                const int64_t n = file.Read(head + got, 4 - got);
                if (n <= 0)
                    break;
                got += n;
            }
            return FileBufferType(head, got, false);
        }
        if (file.Size() < 4)
            return {};
        const std::string bytes = ReadWholeStream(file);
        return FileBufferType(bytes.data(), int64_t(bytes.size()), true);
    } catch (const std::exception&) {
        return {};
    }
}

bool StringIsInUnicode(const void* p, int32_t count) {
    if (p == nullptr || count < 4)
        return false;
    const std::string_view head(static_cast<const char*>(p), 2);
    return head == kUtf16LEMark || head == kUtf16BEMark || LooksLikeUTF16(p, count);
}

bool TextFileInUnicode(const std::filesystem::path& FileName) {
    platform::TFileStream file(FileName, platform::fmOpenRead);
    const int64_t size = file.Size();
    if (size < 4)
        return false;
    // Only the marks and the window of the UTF-16 test are looked at.
    std::string head(size_t(std::min(size, kUTF16TestWindow)), '\0');
    file.ReadBuffer(head.data(), int64_t(head.size()));
    const auto* b = reinterpret_cast<const uint8_t*>(head.data());
    return StartsWith(head, kUtf16LEMark) || StartsWith(head, kUtf16BEMark) ||
           LooksLikeUTF16Window(b, int64_t(head.size()), size);
}

int FileContentsComparison(TFileContentsSet a, TFileContentsSet b) {
    const int difference = int(a.ToBits()) - int(b.ToBits());
    return difference > 0 ? 1 : difference < 0 ? -1 : 0;
}

// --- Reading text ----------------------------------------------------------------

std::u16string LoadedText(std::string_view bytes, platform::TTextEncoding* found) {
    std::u16string text;
    TTextEncoding encoding = platform::teAnsi;
    if (!DecodedByMark(bytes, text, encoding))
        text = platform::SystemAnsiToUnicode(bytes);
    if (found != nullptr)
        *found = encoding;
    return text;
}

std::u16string RepairedText(std::string_view bytes) {
    TTextEncoding encoding = platform::teAnsi;
    std::u16string text = DodgyLoadedText(bytes, encoding);
    return Repaired(std::move(text), bytes.size() > 2 && StartsWith(bytes, kUtf8Signature),
                    encoding);
}

void TPossiblyDodgyTextStringlist::LoadFromFile(const std::filesystem::path& file_name) {
    const std::string bytes = ReadWholeFile(file_name);
    // Set for every file, short ones too, so that one file's signature never
    // decides how the next is repaired.
    SignedUTF8 = bytes.size() > 2 && StartsWith(bytes, kUtf8Signature);
    TTextEncoding encoding = platform::teAnsi;
    const std::u16string text = DodgyLoadedText(bytes, encoding);
    SetEncoding(encoding);
    SetTextStr(text);
}

void TPossiblyDodgyTextStringlist::SetTextStr(std::u16string_view text) {
    if (text.empty()) {
        Clear();
        return;
    }
    platform::TStringList::SetTextStr(Repaired(std::u16string(text), SignedUTF8, Encoding()));
}

std::u16string TextFileContents(const std::filesystem::path& FileName) {
    if (!FileExists(FileName))
        return {};
    TPossiblyDodgyTextStringlist list;
    list.LoadFromFile(FileName);
    return list.Text();
}

std::u16string GetTextFromFile(const std::filesystem::path& FileName) {
    if (!FileExists(FileName))
        return {};
    platform::TStringList list;
    list.SetText(LoadedText(ReadWholeFile(FileName)));
    return list.Text();
}

// --- Writing text ----------------------------------------------------------------

bool ConvertATextFileAnsiToUTF16(const std::filesystem::path& FileName, uint32_t Locale) {
    if (!FileExists(FileName))
        return false;
    if (TextFileInUnicode(FileName))
        return true;
    const std::string bytes = ReadWholeFile(FileName);
    // An empty file has nothing to convert; a zero byte means the file is
    // not 8-bit text, and converting up to it would lose the rest.
    if (bytes.empty() || bytes.find('\0') != std::string::npos)
        return true;
    const std::u16string text = StartsWith(bytes, kUtf8Signature)
                                    ? platform::Utf8ToUtf16(bytes.substr(3))
                                    : platform::AnsiToUnicode(bytes, LCIDToCodePage(Locale));
    platform::TStringList list;
    list.SetText(text);
    list.SaveToFile(FileName, platform::teUtf16LE);
    return true;
}

bool SavedTextAsStream(std::u16string_view text, const std::filesystem::path& FileName) {
    if (text.empty())
        return false;
    std::string error;
    if (!platform::AtomicWriteFile(FileName, platform::EncodeText(text, platform::teUtf16LE),
                                   &error))
        throw platform::EWriteError(error);
    return true;
}

namespace {

bool InsertIntoFile(const std::filesystem::path& FileName, std::u16string_view text,
                    bool make_backup, uint32_t position, bool as_utf16) {
    if (make_backup) {
        fs::path backup = FileName;
        backup.replace_extension(".bak");
        std::error_code error;
        // Without the backup that was asked for, the file is not changed.
        if (!fs::copy_file(FileName, backup, fs::copy_options::overwrite_existing, error))
            return false;
    }
    platform::TStringList list;
    list.LoadFromFile(FileName);
    try {
        const std::u16string old = list.Text();
        const size_t at = std::min<size_t>(std::max<uint32_t>(position, 1) - 1, old.size());
        std::u16string joined = old.substr(0, at);
        joined += text;
        joined += std::u16string_view(old).substr(at);
        list.SetText(joined);
        if (as_utf16)
            list.SaveToFile(FileName, platform::teUtf16LE);
        else
            list.SaveToFile(FileName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool InsertIntoFileA(const std::filesystem::path& FileName, std::u16string_view text,
                     bool make_backup, uint32_t position) {
    return InsertIntoFile(FileName, text, make_backup, position, false);
}

bool InsertIntoFileW(const std::filesystem::path& FileName, std::u16string_view text,
                     bool make_backup, uint32_t position) {
    return InsertIntoFile(FileName, text, make_backup, position, true);
}

void AnsiAppendToTextFile(const std::filesystem::path& FileName,
                          const platform::TStringList& list) {
    platform::TFileStream file(FileName, platform::fmOpenReadWrite);
    file.Seek(0, platform::soEnd);
    std::string bytes;
    for (int i = 0; i < list.Count(); ++i) {
        bytes += platform::SystemUnicodeToAnsi(list.Strings(i));
        bytes += "\r\n";
    }
    file.WriteBuffer(bytes);
}

void UnicodeAppendToTextFile(const std::filesystem::path& FileName,
                             const platform::TStringList& list) {
    AddToFileOfChar(FileName, list.Text());
}

// --- Checksums -------------------------------------------------------------------

uint32_t TMyCheckSumFileStream::GetChecksum() {
    Seek(0, platform::soBeginning);
    std::vector<uint8_t> piece(static_cast<size_t>(kChecksumPiece));
    uint32_t sum = 0;
    for (;;) {
        int64_t got = 0;
        while (got < kChecksumPiece) {
            const int64_t n = Read(piece.data() + got, kChecksumPiece - got);
            if (n <= 0)
                break;
            got += n;
        }
        sum += My4Checksum(piece.data(), got);
        if (got < kChecksumPiece)
            return sum;
    }
}

uint32_t CheckSumOfAFile(const std::filesystem::path& FileName) {
    if (!FileExists(FileName))
        return 0;
    TMyCheckSumFileStream file(FileName, platform::fmOpenRead);
    return file.GetChecksum();
}

uint32_t CheckSumOfABufferful(const void* p, int64_t count) {
    return My4Checksum(p, count);
}

} // namespace qm7
