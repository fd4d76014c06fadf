// Rectangles and the desktop's work area.
#pragma once

#include <cstdint>

#include "platform/export.h"

namespace qm7::platform {

struct TRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

// The part of the desktop that windows may use. There is no desktop to ask
// here: the area is that of a 1920 x 1080 screen less a 40-pixel task bar,
// unless QM_WORK_AREA holds "left,top,right,bottom".
QM7_EXPORT TRect DesktopWorkArea();

} // namespace qm7::platform
