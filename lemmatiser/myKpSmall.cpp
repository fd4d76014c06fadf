#include "lemmatiser/myKpSmall.h"

#include <array>
#include <cstring>
#include <unordered_map>

#include "platform/codepage.h"
#include "platform/settings.h"
#include "platform/text.h"

namespace qm7::lemmatiser {

TYieldProcessProc AYieldProcessProc;

void MyYieldProcess() {
    if (AYieldProcessProc.code != nullptr)
        AYieldProcessProc.code(AYieldProcessProc.object);
}

char16_t WideUnitAt(const void* text, size_t i) {
    char16_t unit;
    std::memcpy(&unit, static_cast<const char*>(text) + 2 * i, sizeof unit);
    return unit;
}

size_t WideLength(const void* text) {
    size_t n = 0;
    while (WideUnitAt(text, n) != 0)
        ++n;
    return n;
}

std::u16string WideTextOf(const void* text) {
    std::u16string result(WideLength(text), u'\0');
    std::memcpy(result.data(), text, result.size() * sizeof(char16_t));
    return result;
}

std::u16string AnsiToWide(std::string_view text) {
    return platform::AnsiToUnicode(text, platform::SystemCodePage());
}

std::string WideToAnsi(std::u16string_view text) {
    return platform::UnicodeToAnsi(text, platform::SystemCodePage());
}

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The table of upper-case bytes of a single-byte code page under a locale.
std::array<char, 256> UpperCaseTable(uint32_t code_page, uint32_t lcid) {
    std::array<char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        table[size_t(b)] = byte;
        const std::u16string wide = platform::AnsiToUnicode(std::string_view(&byte, 1), code_page);
        if (wide.size() != 1 || wide[0] == 0xFFFD || IsHighSurrogate(wide[0]) ||
            IsLowSurrogate(wide[0]))
            continue;
        const char32_t upper = platform::UpperChar(wide[0], lcid);
        if (upper == wide[0] || upper > 0xFFFF)
            continue;
        bool all_mapped = true;
        const std::string back =
            platform::UnicodeToAnsi(std::u16string(1, char16_t(upper)), code_page, all_mapped);
        if (all_mapped && back.size() == 1)
            table[size_t(b)] = back[0];
    }
    return table;
}

} // namespace

std::u16string_view WideCut(std::u16string_view s, size_t max_units) {
    if (s.size() <= max_units)
        return s;
    size_t n = max_units;
    if (n > 0 && IsHighSurrogate(s[n - 1]) && IsLowSurrogate(s[n]))
        --n;
    return s.substr(0, n);
}

std::string WideToAnsiCut(std::u16string_view s, size_t max_bytes) {
    std::string whole = WideToAnsi(s);
    if (whole.size() <= max_bytes)
        return whole;
    // Too long: convert one character at a time and stop before the first
    // one that would not fit whole.
    std::string result;
    size_t i = 0;
    while (i < s.size()) {
        size_t n = 1;
        if (IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]))
            n = 2;
        const std::string one = WideToAnsi(s.substr(i, n));
        if (result.size() + one.size() > max_bytes)
            break;
        result += one;
        i += n;
    }
    return result;
}

void UpperCaseWideInPlace(std::u16string& text, uint32_t lcid) {
    std::u16string upper = platform::UpperCase(text, lcid);
    if (upper.size() == text.size())
        text = std::move(upper);
}

void UpperCaseAnsiInPlace(std::string& text, uint32_t lcid) {
    const uint32_t code_page = platform::SystemCodePage();
    if (platform::IsSingleByteCodePage(code_page)) {
        const std::array<char, 256> table = UpperCaseTable(code_page, lcid);
        for (char& c : text)
            c = table[static_cast<unsigned char>(c)];
        return;
    }
    // A double-byte code page: the whole text goes through UTF-16, as long as
    // it survives the round trip unchanged (else it is left as it is). A
    // character whose upper case the code page cannot hold stays as it is.
    std::u16string wide = AnsiToWide(text);
    bool all_mapped = true;
    if (platform::UnicodeToAnsi(wide, code_page, all_mapped) != text || !all_mapped)
        return;
    std::unordered_map<char16_t, char16_t> known;
    for (char16_t& unit : wide) {
        if (IsHighSurrogate(unit) || IsLowSurrogate(unit))
            continue;
        auto found = known.find(unit);
        if (found == known.end()) {
            char16_t upper = unit;
            const char32_t mapped = platform::UpperChar(unit, lcid);
            if (mapped != unit && mapped <= 0xFFFF) {
                bool fits = true;
                platform::UnicodeToAnsi(std::u16string(1, char16_t(mapped)), code_page, fits);
                if (fits)
                    upper = char16_t(mapped);
            }
            found = known.emplace(unit, upper).first;
        }
        unit = found->second;
    }
    text = platform::UnicodeToAnsi(wide, code_page);
}

} // namespace qm7::lemmatiser
