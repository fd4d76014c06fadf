// Formatting of message texts and numbers for the user.
//
// Format() understands the placeholders the message tables use and nothing
// else; it never hands a text to a printf-style call as the format.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "platform/export.h"
#include "platform/settings.h"

namespace qm7::platform {

// One argument of Format: an integer, a floating value or a text.
using TFormatArg = std::variant<int64_t, double, std::u16string>;

// Placeholders: %s %d %n %.Nn %N.n %W.Pf %W.Pg %x %%, each with an optional
// argument index ("%1:s") and width ("%-10s", "%4.1f"). A placeholder whose
// argument is missing or of the wrong kind is an error (std::invalid_argument).
// Decimal rounding in %f, %n and %g takes halves away from zero (0.125 with
// two decimals gives 0.13).
QM7_EXPORT std::u16string Format(std::u16string_view format,
                                 std::initializer_list<TFormatArg> args);
QM7_EXPORT std::u16string Format(std::u16string_view format,
                                 std::initializer_list<TFormatArg> args,
                                 const TFormatSettings& settings);

// Rounds to the nearest integer, halves to even (2.5 gives 2, 3.5 gives 4).
QM7_EXPORT double RoundHalfEven(double value);

} // namespace qm7::platform
