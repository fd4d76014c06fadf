#include "runtime1/core/wdef_mini.h"

#include "platform/syscolours.h"

namespace qm7 {

TWindowHandle global_own_HWnd = 0;

TColor MyColourToRGB(TColor colour) {
    if (colour >= 0)
        return colour;
    const int index = int(uint32_t(colour) & 0xFF);
    return TColor(platform::SystemColour(index).value_or(0));
}

} // namespace qm7
