// UTF-16 code units and character-class flags that the buffer routines name.
#pragma once

#include <cstdint>

#include "platform/chartype.h"

namespace qm7 {

inline constexpr char16_t uc_tab = 0x0009;
inline constexpr char16_t uc_line_feed = 0x000A;
inline constexpr char16_t uc_carriage_return = 0x000D;
inline constexpr char16_t uc_space = 0x0020;
inline constexpr char16_t uc_no_break_space = 0x00A0;
inline constexpr char16_t uc_soft_hyphen = 0x00AD;
inline constexpr char16_t uc_zero_width_non_joiner = 0x200C;
inline constexpr char16_t uc_zero_width_joiner = 0x200D;
inline constexpr char16_t uc_byte_order_mark = 0xFEFF;
inline constexpr char16_t uc_reversed_byte_order_mark = 0xFFFE;

// Character-type-1 flags of a class word.
inline constexpr uint16_t ct1_upper = platform::C1_UPPER;
inline constexpr uint16_t ct1_lower = platform::C1_LOWER;
inline constexpr uint16_t ct1_digit = platform::C1_DIGIT;
inline constexpr uint16_t ct1_space = platform::C1_SPACE;
inline constexpr uint16_t ct1_punct = platform::C1_PUNCT;
inline constexpr uint16_t ct1_control = platform::C1_CNTRL;
inline constexpr uint16_t ct1_blank = platform::C1_BLANK;
inline constexpr uint16_t ct1_xdigit = platform::C1_XDIGIT;
inline constexpr uint16_t ct1_alpha = platform::C1_ALPHA;
inline constexpr uint16_t ct1_defined = platform::C1_DEFINED;

} // namespace qm7
