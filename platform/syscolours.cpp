#include "platform/syscolours.h"

#include <array>

namespace qm7::platform {

namespace {

// Indices 0 to 30; index 25 names no colour.
constexpr std::array<int64_t, 31> kSystemColours = {
    0xC8C8C8, // scroll bar
    0x000000, // desktop
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window background
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application workspace
    0xD77800, // highlight
    0xFFFFFF, // highlighted text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0x000000, // inactive caption text
    0xFFFFFF, // button highlight
    0x696969, // 3-D dark shadow
    0xE3E3E3, // 3-D light
    0x000000, // tooltip text
    0xE1FFFF, // tooltip background
    -1,       // (none)
    0xCC6600, // hot-tracked item
    0xEAD1B9, // active caption gradient
    0xF2E4D7, // inactive caption gradient
    0xFF9933, // menu highlight
    0xF0F0F0, // menu bar
};

} // namespace

std::optional<uint32_t> SystemColour(int index) {
    if (index < 0 || index >= int(kSystemColours.size()) || kSystemColours[size_t(index)] < 0)
        return std::nullopt;
    return uint32_t(kSystemColours[size_t(index)]);
}

} // namespace qm7::platform
