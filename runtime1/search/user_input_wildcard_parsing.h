// The symbols of the search-word language, the protection of symbols that the
// user quotes to take them literally, and the wildcard conversion of tag
// strings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// The markup characters of the text settings: row 0 the six opening
// characters, row 1 the matching closing ones; 0 marks an unused slot.
using TIgnore_tag_type = std::array<std::array<char16_t, 6>, 2>;

// A whole word of any spelling: an asterisk standing alone between spaces.
inline constexpr std::u16string_view any_word_symbol_char = u" * ";
// Any string.
inline constexpr std::u16string_view any_string_symbol_str = u"}}}";
// Line start (at the start of an entry) or line end (at its end).
inline constexpr std::u16string_view crlf_symbol_string = u"/\\";

// Codes of the work string a search word is translated into.
inline constexpr char16_t sw_code_line_start = 0x0010;
inline constexpr char16_t sw_code_line_end = 0x0013;
inline constexpr char16_t sw_code_any_string = 0x0015;
inline constexpr char16_t sw_code_markup_off = 0x0018;
inline constexpr char16_t sw_code_markup_on = 0x0019;
inline constexpr char16_t sw_code_any_word = 0x001A;
inline constexpr char16_t sw_code_digits = 0x001B;
inline constexpr char16_t sw_code_any_char = 0x001C;
inline constexpr char16_t sw_code_star = 0x001D;
inline constexpr char16_t sw_code_letter = 0x001E;
inline constexpr char16_t sw_code_not = 0x001F;

// The wildcards of tag strings and the control characters that replace them.
enum tag_wildcards_type : uint8_t {
    not_type,
    any_letter_type,
    asterisk_type,
    question_type,
    hash_type
};
enum tag_conversion_type : uint8_t { original_char, replacement_char };
inline constexpr std::array<std::array<char16_t, 2>, 5> tag_wildcards_converters = {{
    {u'~', sw_code_not},
    {u'^', sw_code_letter},
    {u'*', sw_code_star},
    {u'?', sw_code_any_char},
    {u'#', sw_code_digits},
}};

// The symbols that a user makes literal by enclosing exactly the symbol in
// double quotes, in the order that gives each its placeholder (base + n).
inline constexpr int kRetainedSymbolCount = 11;
inline constexpr std::array<std::u16string_view, kRetainedSymbolCount> RetainedSymbols = {
    u"^", u"/", u"*", u"==", u"?", u":\\", u"<", u">", u"#", u"}}}", u"/\\"};
// The placeholder base of the parse.
inline constexpr char16_t kRetainPlaceholderBase = 0xE000;

// The quoted form of retained symbol n: a double quote, the symbol, a double
// quote.
QM7_EXPORT std::u16string RetainedForm(int n);

// While search occurs in s, the character at the start of its first
// occurrence becomes c. True when anything changed.
QM7_EXPORT bool Parse_Translate(std::u16string& s, std::u16string_view search, char16_t c);

// Every occurrence of form becomes the single character code.
QM7_EXPORT void Parse_RetainOne(std::u16string& s, char16_t code, std::u16string_view form);
// Parse_RetainOne for the eleven quoted symbols with codes base + n.
QM7_EXPORT void Parse_Retain(std::u16string& s, char16_t base);

// Every character code becomes form trimmed and stripped of double quotes.
QM7_EXPORT void Parse_RestoreOne(std::u16string& s, char16_t code, std::u16string_view form);
// Parse_RestoreOne for the eleven quoted symbols with codes base + n.
QM7_EXPORT void Parse_Restore(std::u16string& s, char16_t base);

// The wildcards of a tag string as control characters: for each row of
// tag_wildcards_converters only the first occurrence is handled, a quoted
// form becoming the bare character, otherwise the bare character becoming
// the row's control character.
QM7_EXPORT std::u16string TagWildcardConverted(std::u16string_view tag);

} // namespace qm7
