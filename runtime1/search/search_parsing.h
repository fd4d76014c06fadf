// Typed search entries to parsed search items: splitting an entry into
// alternatives, the prefix and suffix markers, the translation of wildcards,
// quoted literals, markup and line symbols into the work string the scanner
// matches, and the case copies of that string.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/export.h"
#include "platform/stringlist.h"
#include "runtime1/core/my_types.h"
#include "runtime1/search/user_input_wildcard_parsing.h"

namespace qm7 {

// One parsed search item. Created zeroed, then filled; copies are deep.
struct TSearch_word_format_rec {
    std::u16string typed_in_text;         // the alternative as typed: the item's identity
    std::u16string search_text;           // the work string
    std::array<std::u16string, 4> copies; // work string, upper, lower, capitalised
    TMySearchFlags flags;
    int32_t n_to_find = 0; // hits wanted per search call; below 1: no limit
    int32_t hits_found = 0;
    std::u16string sw_context_needed; // context word required in the same file
    int32_t spaces_in_sw = 0;
    std::array<uint8_t, 4> spareb{};
    bool ambiguous = false; // work string differs from the typed text
    bool auto_lemma_added = false;
    bool copies_converted = false; // copies hold the 8-bit code-page form
    bool has_file_based_context_word = false;
    bool achou_suficiente = false; // enough hits found for this item
    bool contains_a_tag = false;   // the search word holds markup
    int16_t Langnum = 0;
    int32_t SearchColumn = 0;
    int32_t temp_int = 0;
    std::array<uint8_t, 52> extras{};
};

// What introduces a context word in an entry.
inline constexpr std::u16string_view kContextWordMarker = u" context:=";

// Splits a typed entry into its alternatives (the entry is consumed: what is
// left in it afterwards is the last alternative). With split off the whole
// entry is one alternative. With split on, a "/" ends an alternative unless it
// is the first or last character or a double quote stands beside it.
QM7_EXPORT std::unique_ptr<platform::TStringList> SplitSWList(std::u16string& entry, bool split);

// The full parse of one alternative into rec; the alternative is left as the
// untrimmed work string.
QM7_EXPORT void Parsed_SearchWord(const TIgnore_tag_type& ignore_tags, std::u16string& alternative,
                                  TSearch_word_format_rec& rec);
// The prefix and suffix markers only, for entries already in final form.
QM7_EXPORT void UnParsed_SearchWord(std::u16string& alternative, TSearch_word_format_rec& rec);

// The translation steps: markers, quoted literals, any-word symbols,
// wildcards, line symbols, markup, typed escapes. Returns the flags; sets
// contains_a_tag when the work string holds paired markup.
QM7_EXPORT TMySearchFlags Parse_SWChunk(const TIgnore_tag_type& ignore_tags,
                                        std::u16string& alternative, bool& contains_a_tag);
// "^", "#", "*", "?" to their codes and "}}}" to the any-string code; returns
// whether the last translation changed anything.
QM7_EXPORT bool DoMainParse_Translates(std::u16string& s);
// The markup characters to their codes, slot by slot: an opening character
// is converted only together with its closing one. True when any pair was.
QM7_EXPORT bool ContainsPairedTagMarkup(const TIgnore_tag_type& ignore_tags, std::u16string& s);

// Typed character notations to characters: "{CHR(n)}" (n decimal, or
// hexadecimal as "$41", "X41" or "41H"), then "#n" (decimal) and "#x41;"
// (one or more of "Xx$Hh", hexadecimal digits, an optional ";"). A notation
// that gives no number ends the conversion there; the rest stays as typed.
QM7_EXPORT std::u16string QMFormattedReadableStringToWorkString(std::u16string_view text);

// Fills copies 0 to 3 of rec from its search_text.
QM7_EXPORT void MakeCaseCopies(TSearch_word_format_rec& rec);

} // namespace qm7
