#include "runtime1/search/search_parsing.h"

#include <algorithm>
#include <limits>

#include "runtime1/core/Useful_Classes.h"
#include "runtime1/scanning/WinGenOk.h"
#include "runtime1/strings/my_string_functions.h"

namespace qm7 {

// ---- splitting ---------------------------------------------------------------

std::unique_ptr<platform::TStringList> SplitSWList(std::u16string& entry, bool split) {
    auto list = std::make_unique<platform::TStringList>();
    if (!split) {
        list->Add(entry);
        return list;
    }
    size_t i = 1;
    while (i + 1 < entry.size()) {
        if (entry[i] == u'/' && entry[i - 1] != u'"' && entry[i + 1] != u'"') {
            list->Add(entry.substr(0, i));
            entry.erase(0, i + 1);
            i = 1;
            continue;
        }
        ++i;
    }
    if (!entry.empty())
        list->Add(entry);
    return list;
}

// ---- typed escapes -------------------------------------------------------------

namespace {

bool IsDecimalDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int HexDigitValue(char16_t c) {
    if (IsDecimalDigit(c))
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

bool IsHexSignal(char16_t c) {
    return HexSignalStr.find(c) != std::u16string_view::npos;
}

// Digits in the base, as a value of at most limit; false when there are none,
// another character follows, or the value is too large.
bool ReadDigits(std::u16string_view digits, int base, uint64_t limit, uint64_t& value) {
    if (digits.empty())
        return false;
    value = 0;
    for (const char16_t c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0 || d >= base)
            return false;
        value = value * uint64_t(base) + uint64_t(d);
        if (value > limit)
            return false;
    }
    return true;
}

// Reads text as a 32-bit integer the way the suite's conversion does:
// leading spaces, an optional sign, decimal digits or hexadecimal ones after
// "$" or "0X"; a hexadecimal value may use all 32 bits.
bool ReadInt32(std::u16string_view text, int32_t& v) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    uint64_t value = 0;
    if (!text.empty() && text.front() == u'$') {
        if (!ReadDigits(text.substr(1), 16, 0xFFFFFFFFu, value))
            return false;
    } else if (text.size() > 1 && text[0] == u'0' && (text[1] == u'X' || text[1] == u'x')) {
        if (!ReadDigits(text.substr(2), 16, 0xFFFFFFFFu, value))
            return false;
    } else {
        const uint64_t limit = negative ? uint64_t(std::numeric_limits<int32_t>::max()) + 1
                                        : uint64_t(std::numeric_limits<int32_t>::max());
        if (!ReadDigits(text, 10, limit, value))
            return false;
    }
    const uint32_t bits = uint32_t(value);
    v = int32_t(negative ? 0u - bits : bits);
    return true;
}

// "{CHR(" at or after from, the letters in any case.
size_t FindChrEscape(std::u16string_view s, size_t from) {
    static constexpr std::u16string_view kOpen = u"{CHR(";
    for (size_t at = s.find(u'{', from); at != std::u16string_view::npos;
         at = s.find(u'{', at + 1)) {
        if (s.size() - at < kOpen.size())
            return std::u16string_view::npos;
        bool same = true;
        for (size_t k = 1; k < kOpen.size() && same; ++k) {
            char16_t c = s[at + k];
            if (c >= u'a' && c <= u'z')
                c = char16_t(c - u'a' + u'A');
            same = c == kOpen[k];
        }
        if (same)
            return at;
    }
    return std::u16string_view::npos;
}

void ConvertChrEscapes(std::u16string& s) {
    size_t p = 0;
    for (;;) {
        const size_t open = FindChrEscape(s, p);
        if (open == std::u16string::npos)
            return;
        const size_t inner = open + 5;
        const size_t close = s.find(u")}", inner);
        if (close == std::u16string::npos || close == inner)
            return;
        const std::u16string number =
            BracedNumberStrToDigitalformat(std::u16string_view(s).substr(inner, close - inner));
        if (number.empty())
            return;
        int32_t v = 0;
        if (ReadInt32(number, v)) {
            s.replace(open, close + 2 - open, 1, char16_t(uint32_t(v) & 0xFFFF));
            ++p;
        } else {
            // Unchanged text: the searches from p + 1 up to here would only
            // find this same escape again.
            p = open + 1;
        }
    }
}

void ConvertHashEscapes(std::u16string& s) {
    for (;;) {
        const size_t hash = s.find(u'#');
        if (hash == std::u16string::npos)
            return;
        size_t k = hash + 1;
        uint64_t value = 0;
        if (k < s.size() && IsHexSignal(s[k])) {
            while (k < s.size() && IsHexSignal(s[k]))
                ++k;
            const size_t digits = k;
            while (k < s.size() && HexDigitValue(s[k]) >= 0)
                ++k;
            if (!ReadDigits(std::u16string_view(s).substr(digits, k - digits), 16, 0xFFFFFFFFu,
                            value))
                return;
            if (k < s.size() && s[k] == u';')
                ++k;
        } else {
            while (k < s.size() && IsDecimalDigit(s[k]))
                ++k;
            if (!ReadDigits(std::u16string_view(s).substr(hash + 1, k - hash - 1), 10,
                            uint64_t(std::numeric_limits<int32_t>::max()), value))
                return;
        }
        s.replace(hash, k - hash, 1, char16_t(value & 0xFFFF));
    }
}

} // namespace

std::u16string QMFormattedReadableStringToWorkString(std::u16string_view text) {
    std::u16string s(text);
    ConvertChrEscapes(s);
    ConvertHashEscapes(s);
    return s;
}

// ---- translation -----------------------------------------------------------------

bool DoMainParse_Translates(std::u16string& s) {
    Parse_Translate(s, u"^", sw_code_letter);
    Parse_Translate(s, u"#", sw_code_digits);
    Parse_Translate(s, u"*", sw_code_star);
    Parse_Translate(s, u"?", sw_code_any_char);
    bool changed = false;
    for (size_t at = s.find(any_string_symbol_str); at != std::u16string::npos;
         at = s.find(any_string_symbol_str, at + 1)) {
        s.replace(at, any_string_symbol_str.size(), 1, sw_code_any_string);
        changed = true;
    }
    return changed;
}

bool ContainsPairedTagMarkup(const TIgnore_tag_type& ignore_tags, std::u16string& s) {
    bool paired = false;
    for (size_t slot = 0; slot < ignore_tags[0].size(); ++slot) {
        const char16_t opening = ignore_tags[0][slot];
        const char16_t closing = ignore_tags[1][slot];
        if (opening == 0 || s.find(opening) == std::u16string::npos)
            continue;
        // An opening character without its closing one is an ordinary
        // character of the search word.
        if (closing != 0 && s.find(closing) == std::u16string::npos)
            continue;
        std::replace(s.begin(), s.end(), opening, sw_code_markup_on);
        if (closing != 0)
            std::replace(s.begin(), s.end(), closing, sw_code_markup_off);
        paired = true;
    }
    return paired;
}

namespace {

// Any-word symbols: every asterisk standing between two spaces.
void TranslateAnyWords(std::u16string& s) {
    for (size_t at = s.find(any_word_symbol_char); at != std::u16string::npos;
         at = s.find(any_word_symbol_char, at + 1))
        s[at + 1] = sw_code_any_word;
}

void TranslateLineSymbol(std::u16string& s) {
    const size_t n = crlf_symbol_string.size();
    if (s.find(crlf_symbol_string) == std::u16string::npos)
        return;
    if (s.ends_with(crlf_symbol_string))
        s.replace(s.size() - n, n, u"#x13;");
    else if (s.starts_with(crlf_symbol_string))
        s.replace(0, n, u"#x10;");
}

bool InRange(char16_t c, char16_t base) {
    return c >= base && c < base + kRetainedSymbolCount;
}

size_t CountInRange(std::u16string_view s, char16_t base) {
    return size_t(
        std::count_if(s.begin(), s.end(), [base](char16_t c) { return InRange(c, base); }));
}

// A placeholder base whose codes neither the text nor the markup characters
// use: the parse's own base unless the user typed one of its codes.
bool PlaceholderBaseIsFree(std::u16string_view s, const TIgnore_tag_type& ignore_tags,
                           char16_t base) {
    for (const auto& row : ignore_tags)
        for (const char16_t c : row)
            if (c != 0 && InRange(c, base))
                return false;
    return CountInRange(s, base) == 0;
}

// Steps from the quoted literals through the typed escapes, with the
// literals held as placeholders base + n. False when an escape produced one
// of the placeholder codes.
bool TranslateWithPlaceholders(const TIgnore_tag_type& ignore_tags, std::u16string& s,
                               char16_t base, bool& contains_a_tag) {
    Parse_Retain(s, base);
    const size_t placeholders = CountInRange(s, base);
    TranslateAnyWords(s);
    DoMainParse_Translates(s);
    TranslateLineSymbol(s);
    contains_a_tag = ContainsPairedTagMarkup(ignore_tags, s);
    s = QMFormattedReadableStringToWorkString(s);
    if (CountInRange(s, base) != placeholders)
        return false;
    Parse_Restore(s, base);
    return true;
}

} // namespace

TMySearchFlags Parse_SWChunk(const TIgnore_tag_type& ignore_tags, std::u16string& alternative,
                             bool& contains_a_tag) {
    const TMySearchFlags flags = FlagsFromSW(alternative);
    // Placeholder ranges of the private use area, then of the noncharacters.
    constexpr char16_t kBases[][2] = {{0xE000, 0xF8FF}, {0xFDD0, 0xFDEF}};
    for (const auto& range : kBases) {
        for (uint32_t base = range[0]; base + kRetainedSymbolCount - 1 <= range[1];
             base += kRetainedSymbolCount) {
            if (!PlaceholderBaseIsFree(alternative, ignore_tags, char16_t(base)))
                continue;
            std::u16string s = alternative;
            if (TranslateWithPlaceholders(ignore_tags, s, char16_t(base), contains_a_tag)) {
                alternative = std::move(s);
                return flags;
            }
        }
    }
    // Every range in use: the parse's own base, come what may.
    std::u16string s = alternative;
    Parse_Retain(s, kRetainPlaceholderBase);
    TranslateAnyWords(s);
    DoMainParse_Translates(s);
    TranslateLineSymbol(s);
    contains_a_tag = ContainsPairedTagMarkup(ignore_tags, s);
    s = QMFormattedReadableStringToWorkString(s);
    Parse_Restore(s, kRetainPlaceholderBase);
    alternative = std::move(s);
    return flags;
}

// ---- records ---------------------------------------------------------------------

namespace {

bool IsSpaceOrTab(char16_t c) {
    return c == u' ' || c == u'\t';
}

// Spaces and tabs only: the control codes of the work string stay.
std::u16string TrimSpacesAndTabs(std::u16string_view s) {
    while (!s.empty() && IsSpaceOrTab(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpaceOrTab(s.back()))
        s.remove_suffix(1);
    return std::u16string(s);
}

bool HoldsWildcardCode(std::u16string_view s) {
    return std::any_of(s.begin(), s.end(),
                       [](char16_t c) { return c >= sw_code_any_word && c <= sw_code_not; });
}

size_t FirstCodePointLength(std::u16string_view s) {
    if (s.size() >= 2 && s[0] >= 0xD800 && s[0] <= 0xDBFF && s[1] >= 0xDC00 && s[1] <= 0xDFFF)
        return 2;
    return s.empty() ? 0 : 1;
}

} // namespace

void MakeCaseCopies(TSearch_word_format_rec& rec) {
    rec.copies[0] = rec.search_text;
    rec.copies[1] = Uppercase(rec.search_text);
    rec.copies[2] = Lowercase(rec.search_text);
    rec.copies[3].clear();
    if (!rec.copies[1].empty()) {
        const size_t first = FirstCodePointLength(rec.copies[1]);
        rec.copies[3] = rec.copies[1].substr(0, first) + rec.copies[2].substr(first);
    }
}

void Parsed_SearchWord(const TIgnore_tag_type& ignore_tags, std::u16string& alternative,
                       TSearch_word_format_rec& rec) {
    rec = TSearch_word_format_rec{};
    rec.typed_in_text = alternative;
    const size_t context = alternative.find(kContextWordMarker);
    if (context != std::u16string::npos) {
        rec.has_file_based_context_word = true;
        rec.sw_context_needed = alternative.substr(context + kContextWordMarker.size());
        alternative.erase(context);
    }
    rec.flags = Parse_SWChunk(ignore_tags, alternative, rec.contains_a_tag);
    rec.search_text = TrimSpacesAndTabs(alternative);
    rec.ambiguous = rec.search_text != rec.typed_in_text || HoldsWildcardCode(rec.search_text);
    MakeCaseCopies(rec);
}

void UnParsed_SearchWord(std::u16string& alternative, TSearch_word_format_rec& rec) {
    rec = TSearch_word_format_rec{};
    rec.typed_in_text = alternative;
    rec.flags = FlagsFromSW(alternative);
    rec.search_text = alternative;
    rec.ambiguous = rec.search_text != rec.typed_in_text;
    MakeCaseCopies(rec);
}

} // namespace qm7
