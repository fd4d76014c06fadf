// Types shared by the buffer primitives.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// An 8-bit alphabet of at most 128 characters (the lower- or upper-case
// letters of a code page), kept with its length. Longer text is cut to 128.
struct QM7_EXPORT ANSILower_or_upperStr_type {
    static constexpr size_t kCapacity = 128;

    ANSILower_or_upperStr_type() = default;
    ANSILower_or_upperStr_type(std::string_view text);

    size_t Length() const { return length; }
    std::string_view View() const { return {chars.data(), length}; }
    char operator[](size_t index) const { return chars[index]; }

    uint8_t length = 0;
    std::array<char, kCapacity> chars{};
};

} // namespace qm7
