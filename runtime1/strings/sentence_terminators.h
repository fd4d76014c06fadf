// The characters that end sentences, and the small scanners that find
// sentence ends and sentence starts in a UTF-16 text.
//
// Positions are 1-based code-unit positions; a "character" is one UTF-16
// code unit. "Letter or digit" is a Unicode letter (any of the five letter
// categories) or decimal digit; "lower case" is the lower-case-letter
// category.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// Exclamation mark, full stop and question mark.
inline constexpr std::array<char16_t, 3> basic_sent_terminators = {0x0021, 0x002E, 0x003F};

// The sentence-ending punctuation of other scripts, ascending.
extern QM7_EXPORT const std::array<char16_t, 63> other_sent_terminators;

// Punctuation above U+00BF that never ends a sentence, ascending.
extern QM7_EXPORT const std::array<char16_t, 276> punct_not_ending_sent;

inline bool IsBasicSentTerminator(char16_t c) {
    return c == 0x0021 || c == 0x002E || c == 0x003F;
}
inline bool IsOtherSentTerminator(char16_t c) {
    return std::binary_search(other_sent_terminators.begin(), other_sent_terminators.end(), c);
}
inline bool IsPunctNotEndingSent(char16_t c) {
    return std::binary_search(punct_not_ending_sent.begin(), punct_not_ending_sent.end(), c);
}

// True for the characters of the two terminator tables.
QM7_EXPORT bool IsPotentialSentenceTerminator(char16_t c);

// The first position p at or after start where a letter or digit has been
// met since start and either p is the last position, or the character at p
// is a potential terminator not followed by a letter or digit. -1 when start
// lies beyond the text or there is no such position. A start below 1 counts
// as 1.
QM7_EXPORT int64_t EndOfSentence(int64_t start, std::u16string_view text);

// p advanced over everything that is not a letter or digit, stopping at the
// last position. A p below 1 counts as 1; 0 for an empty text.
QM7_EXPORT int64_t FirstLetterOrDigitPosAfterSentenceEnd(std::u16string_view text, int64_t p);

// False exactly when the character at p is lower case and p lies before the
// last position.
QM7_EXPORT bool FirstCharAfterSentenceEndUpperCase(std::u16string_view text, int64_t p);

// The first letter or digit at or after p that starts a sentence with
// something other than a lower-case letter; sentences that begin in lower
// case are stepped over. The last position when there is no such start.
QM7_EXPORT int64_t FirstValidStartOfSentence(std::u16string_view text, int64_t p);

} // namespace qm7
