#include "platform/text.h"

#include <cstring>

#include <unicode/uchar.h>

#include "platform/settings.h"

namespace qm7::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// What DecodeUtf8 stores for an ill-formed sequence.
constexpr char32_t kIllFormed = 0xFFFFFFFF;

constexpr bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Primary language of a Windows locale identifier is its low ten bits.
constexpr uint32_t kLangTurkish = 0x1F;
constexpr uint32_t kLangAzeri = 0x2C;

bool IsTurkic(uint32_t lcid) {
    const uint32_t primary = lcid & 0x3FF;
    return primary == kLangTurkish || primary == kLangAzeri;
}

template <typename MapChar> std::u16string MapCase(std::u16string_view s, MapChar map) {
    std::u16string result(s);
    const size_t n = result.size();
    for (size_t i = 0; i < n; ++i) {
        const char32_t c = result[i];
        if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(result[i + 1])) {
            const char32_t cp = 0x10000 + ((c - 0xD800) << 10) + (char32_t(result[i + 1]) - 0xDC00);
            const char32_t mapped = map(cp);
            // The simple mappings keep a character within its plane; anything
            // else is left alone so the length never changes.
            if (mapped >= 0x10000 && mapped <= 0x10FFFF) {
                result[i] = char16_t(0xD800 + ((mapped - 0x10000) >> 10));
                result[i + 1] = char16_t(0xDC00 + ((mapped - 0x10000) & 0x3FF));
            }
            ++i;
            continue;
        }
        const char32_t mapped = map(c);
        if (mapped <= 0xFFFF)
            result[i] = char16_t(mapped);
    }
    return result;
}

// Decodes one sequence starting at s[i] (which is not ASCII). On success
// stores the code point and returns the sequence length; on failure returns
// the length of the maximal ill-formed subpart (at least 1) and stores
// kIllFormed. With allow_surrogates, the three-byte forms of U+D800..U+DFFF are
// accepted.
size_t DecodeUtf8(std::string_view s, size_t i, bool allow_surrogates, char32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    size_t need;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    char32_t value;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        value = lead & 0x0F;
        if (lead == 0xE0)
            lo = 0xA0;
        else if (lead == 0xED && !allow_surrogates)
            hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        value = lead & 0x07;
        if (lead == 0xF0)
            lo = 0x90;
        else if (lead == 0xF4)
            hi = 0x8F;
    } else {
        cp = kIllFormed;
        return 1;
    }
    size_t k = i + 1;
    for (size_t j = 0; j < need; ++j, ++k) {
        if (k >= s.size()) {
            cp = kIllFormed;
            return k - i;
        }
        const unsigned char b = byte(k);
        const unsigned char min = j == 0 ? lo : 0x80;
        const unsigned char max = j == 0 ? hi : 0xBF;
        if (b < min || b > max) {
            cp = kIllFormed;
            return k - i;
        }
        value = (value << 6) | (b & 0x3F);
    }
    cp = value;
    return need + 1;
}

// Length of the leading run of ASCII bytes of s from i on.
size_t AsciiRun(std::string_view s, size_t i) {
    const size_t start = i;
    while (i + 8 <= s.size()) {
        uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ULL)
            break;
        i += 8;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i - start;
}

} // namespace

size_t Pos(std::u16string_view needle, std::u16string_view haystack, size_t from) {
    if (needle.empty() || from < 1 || from > haystack.size())
        return 0;
    const size_t found = haystack.find(needle, from - 1);
    return found == std::u16string_view::npos ? 0 : found + 1;
}

std::u16string TrimLeft(std::u16string_view s) {
    size_t start = 0;
    while (start < s.size() && s[start] <= u' ')
        ++start;
    return std::u16string(s.substr(start));
}

std::u16string TrimRight(std::u16string_view s) {
    size_t end = s.size();
    while (end > 0 && s[end - 1] <= u' ')
        --end;
    return std::u16string(s.substr(0, end));
}

std::u16string Trim(std::u16string_view s) {
    size_t start = 0;
    size_t end = s.size();
    while (start < end && s[start] <= u' ')
        ++start;
    while (end > start && s[end - 1] <= u' ')
        --end;
    return std::u16string(s.substr(start, end - start));
}

char32_t UpperChar(char32_t c, uint32_t lcid) {
    if (c < 0x80) {
        if (c == U'i' && IsTurkic(lcid))
            return 0x0130;
        return c >= U'a' && c <= U'z' ? c - 0x20 : c;
    }
    if (c > 0x10FFFF)
        return c;
    return char32_t(u_toupper(UChar32(c)));
}

char32_t LowerChar(char32_t c, uint32_t lcid) {
    if (c < 0x80) {
        if (c == U'I' && IsTurkic(lcid))
            return 0x0131;
        return c >= U'A' && c <= U'Z' ? c + 0x20 : c;
    }
    if (c > 0x10FFFF)
        return c;
    return char32_t(u_tolower(UChar32(c)));
}

std::u16string UpperCase(std::u16string_view s, uint32_t lcid) {
    return MapCase(s, [lcid](char32_t c) { return UpperChar(c, lcid); });
}

std::u16string LowerCase(std::u16string_view s, uint32_t lcid) {
    return MapCase(s, [lcid](char32_t c) { return LowerChar(c, lcid); });
}

std::u16string AnsiUpperCase(std::u16string_view s) {
    return UpperCase(s, UserLCID());
}

std::u16string AnsiLowerCase(std::u16string_view s) {
    return LowerCase(s, UserLCID());
}

std::string Utf16ToUtf8(std::u16string_view s) {
    // First the exact length, then the bytes, with no reallocation.
    const size_t n = s.size();
    size_t length = 0;
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c < 0x80) {
            length += 1;
        } else if (c < 0x800) {
            length += 2;
        } else if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(s[i + 1])) {
            length += 4;
            ++i;
        } else {
            length += 3; // a lone surrogate takes its three-byte form
        }
    }
    std::string out(length, '\0');
    char* dst = out.data();
    for (size_t i = 0; i < n; ++i) {
        char32_t c = s[i];
        if (c < 0x80) {
            *dst++ = char(c);
        } else if (c < 0x800) {
            *dst++ = char(0xC0 | (c >> 6));
            *dst++ = char(0x80 | (c & 0x3F));
        } else {
            if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(s[i + 1])) {
                c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(s[i + 1]) - 0xDC00);
                ++i;
                *dst++ = char(0xF0 | (c >> 18));
                *dst++ = char(0x80 | ((c >> 12) & 0x3F));
            } else {
                *dst++ = char(0xE0 | (c >> 12));
            }
            *dst++ = char(0x80 | ((c >> 6) & 0x3F));
            *dst++ = char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view s) {
    // Every byte gives at most one code unit (four bytes give two).
    std::u16string out(s.size(), u'\0');
    char16_t* dst = out.data();
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const size_t n = s.size();
    const auto is_trail = [p](size_t k) { return (p[k] & 0xC0) == 0x80; };
    size_t i = 0;
    while (i < n) {
        while (i + 8 <= n) {
            uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            for (size_t k = 0; k < 8; ++k)
                dst[k] = p[i + k];
            dst += 8;
            i += 8;
        }
        if (i >= n)
            break;
        const unsigned char b = p[i];
        if (b < 0x80) {
            *dst++ = b;
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF && i + 1 < n && is_trail(i + 1)) {
            *dst++ = char16_t(((b & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
        } else if (b >= 0xE1 && b <= 0xEF && i + 2 < n && is_trail(i + 1) && is_trail(i + 2)) {
            // Surrogates (lead 0xED) are read as themselves.
            *dst++ = char16_t(((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
            i += 3;
        } else {
            char32_t cp;
            i += DecodeUtf8(s, i, true, cp);
            if (cp == kIllFormed) {
                *dst++ = char16_t(kReplacement);
            } else if (cp >= 0x10000) {
                *dst++ = char16_t(0xD800 + ((cp - 0x10000) >> 10));
                *dst++ = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                *dst++ = char16_t(cp);
            }
        }
    }
    out.resize(size_t(dst - out.data()));
    return out;
}

bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        i += AsciiRun(s, i);
        if (i >= s.size())
            break;
        char32_t cp;
        i += DecodeUtf8(s, i, false, cp);
        if (cp == kIllFormed)
            return false;
    }
    return true;
}

} // namespace qm7::platform
