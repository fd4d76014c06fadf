// The system colours of the desktop, by the Windows index the suite's colour
// values name (a negative colour value carries the index in its low byte).
// Linux has no such table, so these are the usual light-theme defaults.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/export.h"

namespace qm7::platform {

inline constexpr int kSystemColourWindow = 5;
inline constexpr int kSystemColourWindowText = 8;
inline constexpr int kSystemColourHighlight = 13;
inline constexpr int kSystemColourHighlightText = 14;
inline constexpr int kSystemColourBtnFace = 15;

// The colour reference (0x00BBGGRR) of a system colour, or nothing for an
// index that names none.
QM7_EXPORT std::optional<uint32_t> SystemColour(int index);

} // namespace qm7::platform
