#include "runtime1/scanning/myUnicodeNew.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <new>
#include <string>

#include "runtime1/files/logging_utilities.h"

namespace qm7 {

namespace {

bool NoExtent(TDeviceContext, const char16_t*, int32_t, TSize&) {
    return false;
}

struct TMyUnicodeNewUnloader {
    ~TMyUnicodeNewUnloader() {
        if (keeping_log)
            AddToLogFile(u"quit myUnicodeNew, ");
    }
} unloader;

// The length of p, but at most n.
template <class T> size_t BoundedLength(const T* p, int64_t n) {
    size_t length = 0;
    if (p && n > 0)
        while (int64_t(length) < n && p[length] != 0)
            ++length;
    return length;
}

template <class T> T* NewCopy(const T* p, size_t length) {
    if (length >= size_t(PTRDIFF_MAX) / sizeof(T))
        throw std::bad_alloc();
    T* copy = new T[length + 1];
    if (p)
        std::copy_n(p, length, copy);
    copy[length] = 0;
    return copy;
}

template <class T> T* NewCopy(const T* p) {
    return NewCopy(p, p ? std::char_traits<T>::length(p) : 0);
}

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// Position of "{chr(" at or after from, ignoring case.
size_t FindChrOpening(const std::u16string& text, size_t from) {
    static constexpr std::u16string_view kOpening = u"{chr(";
    for (size_t i = from; i + kOpening.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < kOpening.size() && AsciiLower(text[i + k]) == kOpening[k])
            ++k;
        if (k == kOpening.size())
            return i;
    }
    return std::u16string::npos;
}

// A decimal integer that fits 32 bits, with an optional sign.
bool ToInteger(std::u16string_view s, int32_t& value) {
    std::string ascii;
    for (const char16_t c : s) {
        if (c > 0x7F)
            return false;
        ascii.push_back(char(c));
    }
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

char16_t CodeUnitOf(int32_t code) {
    return char16_t(uint32_t(code) & 0xFFFF);
}

} // namespace

TTextExtentProc TextExtentProc = NoExtent;

char* MyNewPAnsichar(const char* p) {
    return NewCopy(p);
}

char16_t* MyNewPChar(const char16_t* p) {
    return NewCopy(p);
}

char* CheckedNewLenPAnsichar(const char* p, int64_t n) {
    return NewCopy(p, BoundedLength(p, n));
}

char16_t* CheckedNewLenPchar(const char16_t* p, int64_t n) {
    return NewCopy(p, BoundedLength(p, n));
}

void DeletePAnsichar(char* p) {
    delete[] p;
}

void DeletePWideChar(char16_t* p) {
    delete[] p;
}

int64_t StrScanIndex(std::u16string_view text, char16_t c, int64_t from) {
    if (from < 1)
        from = 1;
    if (uint64_t(from) > text.size())
        return 0;
    const size_t at = text.find(c, size_t(from - 1));
    return at == std::u16string_view::npos ? 0 : int64_t(at) + 1;
}

std::u16string ExpandTabbedWideString(std::u16string_view text, int64_t n) {
    const std::u16string spaces(size_t(std::max<int64_t>(n, 0)), u' ');
    std::u16string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u'\t')
            out += spaces;
        else
            out += c;
    }
    return out;
}

void FillWChar(char16_t* buffer, int64_t byte_count, char16_t c) {
    if (buffer && byte_count >= 2)
        std::fill_n(buffer, byte_count / 2, c);
}

bool IsHashSymbol(char16_t c) {
    return c == 0x001B;
}

bool IsHashOrBrace(char16_t c) {
    return c == u'#' || c == u'{';
}

int32_t MyFormatValidNumberStr(std::u16string& text) {
    int32_t result = -1;
    static constexpr size_t kOpeningLength = 5; // "{CHR("
    size_t from = 0;
    for (;;) {
        const size_t open = FindChrOpening(text, from);
        if (open == std::u16string::npos)
            break;
        const size_t close = text.find(u")}", open + kOpeningLength);
        if (close == std::u16string::npos)
            break;
        int32_t code = 0;
        const std::u16string_view digits =
            std::u16string_view(text).substr(open + kOpeningLength, close - open - kOpeningLength);
        if (!ToInteger(digits, code)) {
            from = open + 1;
            continue;
        }
        text.replace(open, close + 2 - open, 1, CodeUnitOf(code));
        result = int32_t(CodeUnitOf(code));
        from = open + 1;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'#')
            continue;
        size_t end = i + 1;
        while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
            ++end;
        int32_t code = 0;
        if (end == i + 1 || !ToInteger(std::u16string_view(text).substr(i + 1, end - i - 1), code))
            continue;
        text.replace(i, end - i, 1, CodeUnitOf(code));
        result = int32_t(CodeUnitOf(code));
    }
    return result;
}

search_word_type32 StringToSearch_word_type32(std::u16string_view text) {
    search_word_type32 field{};
    std::copy_n(text.begin(), std::min<size_t>(text.size(), field.size() - 1), field.begin());
    return field;
}

std::u16string Search_word_type32ToString(const search_word_type32& field) {
    const auto end = std::find(field.begin(), field.end(), u'\0');
    return std::u16string(field.begin(), end);
}

TSize GetTextExtentW(TDeviceContext dc, std::u16string_view text, int32_t n) {
    if (n <= 0 || text.empty() || !TextExtentProc)
        return {};
    n = int32_t(std::min<size_t>(size_t(n), text.size()));
    TSize size;
    return TextExtentProc(dc, text.data(), n, size) ? size : TSize{};
}

} // namespace qm7
