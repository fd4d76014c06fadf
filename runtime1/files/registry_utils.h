// The user who runs the process.
#pragma once

#include <string>

#include "platform/export.h"

namespace qm7 {

// The user's logon name. Throws platform::EOSError when the system cannot
// tell it.
QM7_EXPORT std::u16string Registry_Current_User();

// At most two characters: the upper-case letters of the user name, from the
// start, until two are found ("JaneDoe" gives "JD"). Passes on the error of
// Registry_Current_User.
QM7_EXPORT std::u16string Registry_Current_User_Initials();

// The initials of a given name, as above.
QM7_EXPORT std::u16string InitialsOf(const std::u16string& name);

} // namespace qm7
