// String functions shared by the tools: paragraphs cut into sentences, and
// conversions between numbers and the strings users read and type.
//
// Positions in strings are 1-based; "integer" is a 32-bit signed integer
// read the way the run-time library reads one: optional leading spaces, an
// optional sign, decimal digits or hexadecimal digits after "$", "x" or "0x",
// nothing after the digits. Numbers written for the user take their
// separators from UserDefaultFormatSettings unless a routine says otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"
#include "platform/stringlist.h"

namespace qm7 {

using TArrayOfIntegers = std::vector<int32_t>;

// --- Sentences ----------------------------------------------------------------

// The kinds of character-type information GetStringTypeExNT2000 knows.
inline constexpr uint32_t CT_CTYPE1 = 0x0001;

// Fills types[0 .. length - 1] with the character-type-1 flags of the text:
// UTF-16 units when wide is set, otherwise bytes in the locale's code page.
// False (and nothing written) for another kind of information, a missing
// text or array, or a negative length.
QM7_EXPORT bool GetStringTypeExNT2000(bool wide, uint32_t locale, uint32_t info_type,
                                      const void* text, int32_t length, uint16_t* types);

// The sentences of a paragraph, trimmed, in text order.
//
// With a separator the text is cut at each occurrence of it (white space
// after an occurrence is skipped). Without one a sentence ends at a
// terminator that is not followed directly by a lower-case letter or digit
// and whose next letter or digit, after any closing punctuation and white
// space, is not lower case; the closing punctuation stays with the sentence.
// Markup tags ("<" up to ">") of at most max_tag characters count as
// punctuation; a max_tag of 0 or below leaves tags as text.
QM7_EXPORT std::unique_ptr<platform::TStringList>
SentencesFromParagraph(std::u16string_view text, std::u16string_view separator, uint32_t locale,
                       int32_t max_tag);

// The sentences of a paragraph by Unicode categories: a sentence starts at
// its first capital, caseless letter or digit, ends at a terminator (not
// followed by a digit) once it holds at least min_size letters, digits and
// marks, and is kept when its trimmed length exceeds min_size. With
// include_unterminated the tail after the last sentence end is a sentence
// too.
QM7_EXPORT std::unique_ptr<platform::TStringList>
SentencesExtractedFromParagraph(bool include_unterminated, int32_t min_size,
                                std::u16string_view text);

// --- Number lists -------------------------------------------------------------

// A number list expands to at most this many numbers; a longer one is refused
// with std::invalid_argument.
inline constexpr int64_t kMaxExpandedNumbers = 1'000'000;

// Ascending integers written the way page lists are: runs of three or more as
// "first-last", the rest separated by commas (1, 2, 3, 7 gives "1-3,7").
// Items that are not integers are skipped.
QM7_EXPORT std::u16string HumanAbbreviatedNumberListString(const platform::TStringList& list);
// The same for the values plus offset.
QM7_EXPORT std::u16string HumanAbbreviatedNumberListString(const TArrayOfIntegers& values,
                                                           int32_t offset);
// One item per value: the decimal text of value + offset.
QM7_EXPORT std::unique_ptr<platform::TStringList>
TArrayOfIntegersToStringlist(const TArrayOfIntegers& values, int32_t offset);

// Reads a page list back: ASCII digits make numbers, "," ends one, "a-b"
// gives every number from a to b (a missing a is 0; nothing when b < a),
// other characters are ignored. result receives each number minus offset
// (numbers that then leave the 32-bit range are skipped). Throws
// std::invalid_argument when the list holds more than kMaxExpandedNumbers.
QM7_EXPORT void HumanAbbreviatedNumberListStringAsIntegers(std::u16string_view text, int32_t offset,
                                                           TArrayOfIntegers& result);
// Every number of the page list, separated by ","; "1-3,7" gives "1,2,3,7".
// Throws as HumanAbbreviatedNumberListStringAsIntegers.
QM7_EXPORT std::u16string HumanAbbreviatedNumberListStringExpanded(std::u16string_view text);
// The n-th number (1-based) of the page list as text: the first for n below
// 1, the last when the list is shorter, empty when it has none. Ranges are
// counted, never expanded.
QM7_EXPORT std::u16string ANumberInHumanString(std::u16string_view text, int32_t n);
// The first occurrence of each of "01" to "12" replaced by the user locale's
// short name of that month.
QM7_EXPORT std::u16string HumanAbbreviatedNumberListStringToMonths(std::u16string_view text);
// Inserts the decimal text of n into a list of ascending integers, in order,
// unless the text is already there. Throws std::invalid_argument when an item
// it has to compare is not an integer.
QM7_EXPORT void ForceItemsToInclude(platform::TStringList& list, int32_t n);

// Clears every mark, then marks the indexes a selection such as "2, 5-6, -3"
// names: "k" one number, "-n" the numbers 1 to n, "a-b" the numbers a to b.
// Number k is index k when one_based is set, k - 1 otherwise; indexes are
// clamped to the array, so a number beyond it selects its last element.
// Yields between pieces.
QM7_EXPORT void ConvertStringToRangeOfBoolean(std::u16string_view text, bool one_based,
                                              std::vector<bool>& marks);

// --- Tests and small conversions ----------------------------------------------

// True for an integer, and for non-empty text made only of digits of any
// script, "%", "," and "."; false for an empty text.
QM7_EXPORT bool IsANumber(std::u16string_view s);
// s itself when it is an integer, otherwise its ASCII digits.
QM7_EXPORT std::u16string DigitsOnlyOf(std::u16string_view s);
// The integer made of the digits after the first tab; -1 when there are none.
QM7_EXPORT int32_t AfterTabIntegerOf(std::u16string_view s);
// The integer written right after the first "["; 0 when there is no "[".
// Throws std::invalid_argument when no digits follow it.
QM7_EXPORT int32_t IntegerInsideSquareBrackets(std::u16string_view s);
// The first position at or after max(start, 1) holding an ASCII digit, or -1.
QM7_EXPORT int64_t PositionOfNumberInString(std::u16string_view s, int64_t start);
// The text after the first "="; empty when there is none.
QM7_EXPORT std::u16string ValueString(std::u16string_view s);
// The decimal text of v with zeros after any minus sign up to width
// characters ("0007", "-007").
QM7_EXPORT std::u16string WithLeftZeros(int32_t width, int64_t v);
// The code unit n, or "?" for n above U+FFFF.
QM7_EXPORT char16_t WideCharFromCardinal(uint32_t n);
QM7_EXPORT std::u16string WideStringFromCardinal(uint32_t n);
// The message texts "Yes" and "No".
QM7_EXPORT std::u16string YesorNo(bool b);

// --- Formatting -----------------------------------------------------------------

// x with the given number of decimals (0 to 20; no decimal separator for 0),
// with or without thousands separators, and "%" after it when percent is set.
// Halves round away from zero.
QM7_EXPORT std::u16string FormattedWithDecimals(int32_t decimals, bool thousands, bool percent,
                                                float x);
// 1000 as "1,000", 1500 as "1.5K", then "M", "G" and "Yikes"; the process's
// format settings.
QM7_EXPORT std::u16string EasiestNRepresentationOfLargeNumber(float x);
// A byte count in "bytes", "Kb", "Mb" or "Gb", without a space.
QM7_EXPORT std::u16string ValueToByteStr(int64_t v);
// A p-value, snapped to 0.05 or a power of ten when within 1/10000 of it,
// with up to 16 decimals and no trailing zeros.
QM7_EXPORT std::u16string PValueStr(double p);
// "%dst", "%dnd", "%drd" or "%dth" for n (11, 12 and 13 take "th").
QM7_EXPORT std::u16string OrdinalFormatOf(int32_t n);

// --- Character-code lists -----------------------------------------------------

// Each code unit in decimal followed by ","; FromNumStr reads it back
// (pieces that are no code from 0 to 65535 are skipped, as is text after the
// last ","), yielding per piece.
QM7_EXPORT std::u16string PwdToNumStr(std::u16string_view s);
QM7_EXPORT std::u16string FromNumStr(std::u16string_view s);
// Each code unit in upper-case hexadecimal followed by ",": two digits up to
// FF, four above. FromHexNumStr reads two-digit codes in steps of three
// characters and four-digit codes ended by "," or the text's end; a pair that
// is not hexadecimal repeats the previous character (0 at the start).
QM7_EXPORT std::u16string ToHexNumStr(std::u16string_view s);
QM7_EXPORT std::u16string FromHexNumStr(std::u16string_view s);
// Upper case, with a leading "X" or a trailing "H" turned into the "$"
// notation of hexadecimal numbers ("x1f" and "1fh" give "$1F").
QM7_EXPORT std::u16string BracedNumberStrToDigitalformat(std::u16string_view s);

} // namespace qm7
