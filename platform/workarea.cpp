#include "platform/workarea.h"

#include <cstdio>
#include <cstdlib>

namespace qm7::platform {

TRect DesktopWorkArea() {
    TRect area{0, 0, 1920, 1040};
    if (const char* text = std::getenv("QM_WORK_AREA")) {
        TRect given;
        if (std::sscanf(text, "%d,%d,%d,%d", &given.Left, &given.Top, &given.Right,
                        &given.Bottom) == 4 &&
            given.Right > given.Left && given.Bottom > given.Top)
            area = given;
    }
    return area;
}

} // namespace qm7::platform
