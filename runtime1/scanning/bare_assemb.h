// Fast, allocation-free routines over raw 8-bit and UTF-16 text buffers:
// substring search with and without case, character scans, in-place clean-up,
// equality tests, byte-order-mark tests, swapping two adjacent strings and two
// additive checksums.
//
// Every routine works on caller-owned memory within the count it is given
// (characters of the routine's width unless said otherwise) and never reads
// or writes past it. A count of 0 or below does nothing. Routines that shorten
// text compact it from the front; those that say so write a zero character
// after the kept text, and only when the text became shorter, so the zero
// always lies inside the counted memory.
#pragma once

#include <cstdint>

#include "platform/export.h"
#include "runtime1/scanning/bare_assemb_types.h"

namespace qm7 {

// --- Search and scan -------------------------------------------------------

// The first occurrence of the zero-terminated pattern lying wholly within the
// first length units, or null. Null also when the buffer or pattern is
// missing, the pattern is empty or longer than length.
QM7_EXPORT const char16_t* FastStrPosW(const char16_t* buffer, const char16_t* pattern,
                                       int64_t length);
QM7_EXPORT const char* FastStrPos(const char* buffer, const char* pattern, int64_t length);

// Case-insensitive forms: a buffer unit matches pattern position k when it
// equals unit k of either the lower- or the upper-case form of the pattern.
// Null when an argument is missing, the two forms differ in length, or the
// pattern is empty or longer than length.
QM7_EXPORT const char16_t* FastStrIPosW(const char16_t* buffer, const char16_t* lower_pattern,
                                        const char16_t* upper_pattern, int64_t length);
QM7_EXPORT const char* FastStrIPos(const char* buffer, const char* lower_pattern,
                                   const char* upper_pattern, int64_t length);

// The first unit equal to c within count units, or null.
QM7_EXPORT const char* FastStrScan(const char* buffer, char c, int64_t count);
QM7_EXPORT const char16_t* FastStrScanW(const char16_t* buffer, char16_t c, int64_t count);

// Non-const forms of the searches, for callers that edit what they find.
inline char16_t* FastStrPosW(char16_t* buffer, const char16_t* pattern, int64_t length) {
    return const_cast<char16_t*>(
        FastStrPosW(static_cast<const char16_t*>(buffer), pattern, length));
}
inline char* FastStrPos(char* buffer, const char* pattern, int64_t length) {
    return const_cast<char*>(FastStrPos(static_cast<const char*>(buffer), pattern, length));
}
inline char16_t* FastStrIPosW(char16_t* buffer, const char16_t* lower_pattern,
                              const char16_t* upper_pattern, int64_t length) {
    return const_cast<char16_t*>(
        FastStrIPosW(static_cast<const char16_t*>(buffer), lower_pattern, upper_pattern, length));
}
inline char* FastStrIPos(char* buffer, const char* lower_pattern, const char* upper_pattern,
                         int64_t length) {
    return const_cast<char*>(
        FastStrIPos(static_cast<const char*>(buffer), lower_pattern, upper_pattern, length));
}
inline char* FastStrScan(char* buffer, char c, int64_t count) {
    return const_cast<char*>(FastStrScan(static_cast<const char*>(buffer), c, count));
}
inline char16_t* FastStrScanW(char16_t* buffer, char16_t c, int64_t count) {
    return const_cast<char16_t*>(FastStrScanW(static_cast<const char16_t*>(buffer), c, count));
}

// Compares unit by unit up to the first difference, at index i, and returns
// the number of units left after it (count - i - 1); 0 when no difference.
QM7_EXPORT int64_t HowFarEqualContentsA(const char* a, const char* b, int64_t count);
QM7_EXPORT int64_t HowFarEqualContentsW(const char16_t* a, const char16_t* b, int64_t count);
// True when the first count units are equal (true for a count of 0).
QM7_EXPORT bool EqualContentsA(const char* a, const char* b, int64_t count);
QM7_EXPORT bool EqualContentsW(const char16_t* a, const char16_t* b, int64_t count);

// Byte-order marks, for a buffer of byte_count bytes (false below 2 bytes):
// FF FE or FE FF; FE FF alone (big-endian).
QM7_EXPORT bool UnicodeSigned(const void* buffer, int64_t byte_count);
QM7_EXPORT bool UnicodeByteReversed(const void* buffer, int64_t byte_count);

// --- Clean-up in place -----------------------------------------------------

QM7_EXPORT void ReplaceCharacterBySpace(char* buffer, char c, int64_t count);
QM7_EXPORT void ReplaceCharacterBySpaceW(char16_t* buffer, char16_t c, int64_t count);
// Every unit below 0x20 becomes a space.
QM7_EXPORT void ReplaceControlCharsBySpaceA(char* buffer, int64_t count);
QM7_EXPORT void ReplaceControlCharsBySpaceW(char16_t* buffer, int64_t count);
// Every carriage return becomes a space, and a line feed directly after it too.
QM7_EXPORT void ReplaceCarriageReturnsBySpaceA(char* buffer, int64_t count);
QM7_EXPORT void ReplaceCarriageReturnsBySpaceW(char16_t* buffer, int64_t count);
QM7_EXPORT void ReplaceTabsBySpace(char* buffer, int64_t count);
QM7_EXPORT void BlankOutSomeBytesA(char* buffer, int64_t count);
QM7_EXPORT void BlankOutSomeBytesW(char16_t* buffer, int64_t count);
QM7_EXPORT void ZeroSomeBytesW(char16_t* buffer, int64_t count);

// Removes every line feed byte and returns the new length (no terminator).
QM7_EXPORT int64_t LengthConvertedToUnix(char* buffer, int64_t count);
// Cuts every run of two or more CR LF pairs to one pair; returns the new length.
QM7_EXPORT int64_t CutDoubleCRLFsW(char16_t* buffer, int64_t count);
// Cuts every run of spaces to one space; returns the new length.
QM7_EXPORT int64_t RemoveRedundantSpaceW(char16_t* buffer, int64_t count);
// Removes every span from an opening character through the next closing one;
// an opening character without a closing one after it goes by itself.
// Returns the new length.
QM7_EXPORT int64_t ClearBetweenChars(char* buffer, char opening, char closing, int64_t count);
// As ClearBetweenChars, with the closing character looked for only among the
// max_span characters after the opening one. With remove false every span is
// overwritten by spaces instead and the length is kept. Returns the new length.
QM7_EXPORT int64_t CleanBetweenChars(char* buffer, char opening, char closing, int64_t count,
                                     int64_t max_span, bool remove);

// Blanks out the words written wholly in lower case (a-z and the letters of
// the lower alphabet); words holding a capital (A-Z or a letter of the upper
// alphabet) stay. Words are runs of bytes above the space.
QM7_EXPORT void CutLowercaseWords(char* buffer, const ANSILower_or_upperStr_type& lower_alphabet,
                                  const ANSILower_or_upperStr_type& upper_alphabet, int64_t count);
// a-z become A-Z; a byte at position k of the lower alphabet becomes the byte
// at position k of the upper alphabet.
QM7_EXPORT void CapitaliseABuffer(char* buffer, const ANSILower_or_upperStr_type& lower_alphabet,
                                  const ANSILower_or_upperStr_type& upper_alphabet, int64_t count);

// Class words of zero-width joiners become "defined" (0x0200), those of
// zero-width non-joiners "defined, alphabetic" (0x0300).
QM7_EXPORT void SetZeroWidthJoinersToDefined(const char16_t* buffer, uint16_t* classes,
                                             int64_t count);
QM7_EXPORT void SetZeroWidthNonJoinersToDefinedAlpha(const char16_t* buffer, uint16_t* classes,
                                                     int64_t count);

// Turns A followed by B (first_length and second_length units) into B
// followed by A. Nothing when either part is empty or the first unit is 0.
QM7_EXPORT void Swap2Strings(char16_t* buffer, int64_t first_length, int64_t second_length);

// Replaces every occurrence of find (find_length units) within buffer_length
// units by the zero-terminated replacement, written over the occurrence; a
// shorter replacement is padded with spaces to the occurrence's length. A
// replacement longer than the find text would overwrite what follows, so
// nothing is replaced then. Returns the number of replacements.
QM7_EXPORT int64_t SearchAndReplaceFastW(char16_t* buffer, const char16_t* find,
                                         const char16_t* replacement, int64_t buffer_length,
                                         int64_t find_length);

// --- Checksums ---------------------------------------------------------------

// Sum of word_count little-endian 16-bit words, modulo 65536.
QM7_EXPORT uint16_t My2Checksum(const void* buffer, int64_t word_count);
// Sum of the byte_count div 4 little-endian 32-bit words, modulo 2^32.
QM7_EXPORT uint32_t My4Checksum(const void* buffer, int64_t byte_count);

} // namespace qm7
