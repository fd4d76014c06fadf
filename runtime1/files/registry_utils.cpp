#include "runtime1/files/registry_utils.h"

#include <unicode/uchar.h>

#include "platform/username.h"

namespace qm7 {

std::u16string Registry_Current_User() {
    return platform::CurrentUserName();
}

std::u16string InitialsOf(const std::u16string& name) {
    std::u16string initials;
    for (size_t i = 0; i < name.size() && initials.size() < 2; ++i)
        if (u_charType(name[i]) == U_UPPERCASE_LETTER)
            initials += name[i];
    return initials;
}

std::u16string Registry_Current_User_Initials() {
    return InitialsOf(Registry_Current_User());
}

} // namespace qm7
