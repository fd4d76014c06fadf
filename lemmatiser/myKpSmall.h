// The lemmatiser's own small general routines: the yield hook and the few
// text conversions it needs. The lemmatiser links none of the other
// libraries, so it keeps these private copies; the host binds the hook
// through the exported QM7Lemmatiser_SetYieldHook.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm7::lemmatiser {

// A procedure bound to an object: code is called with object as its argument.
struct TYieldProcessProc {
    void (*code)(void* object) = nullptr;
    void* object = nullptr;
};

extern TYieldProcessProc AYieldProcessProc;

// Calls the host's yield procedure when one is set; otherwise does nothing.
void MyYieldProcess();

// Length of a NUL-terminated UTF-16 text that may lie at any address.
size_t WideLength(const void* text);
// Reads unit i of a UTF-16 text that may lie at any address.
char16_t WideUnitAt(const void* text, size_t i);
// A NUL-terminated UTF-16 text copied out of memory at any address.
std::u16string WideTextOf(const void* text);

// 8-bit text in the system code page to UTF-16 and back.
std::u16string AnsiToWide(std::string_view text);
std::string WideToAnsi(std::u16string_view text);

// The longest start of s of at most max_units code units that does not end
// between the two halves of a surrogate pair.
std::u16string_view WideCut(std::u16string_view s, size_t max_units);
// s in the system code page, cut to at most max_bytes bytes without cutting
// a character (a double-byte character is kept whole or left out).
std::string WideToAnsiCut(std::u16string_view s, size_t max_bytes);

// Upper-casing in place under a Windows locale identifier, by code point, so
// the length of UTF-16 text never changes. 8-bit text goes through the system
// code page; in a single-byte code page a byte with no upper-case
// counterpart in the page stays as it is.
void UpperCaseWideInPlace(std::u16string& text, uint32_t lcid);
void UpperCaseAnsiInPlace(std::string& text, uint32_t lcid);

} // namespace qm7::lemmatiser
