// The logon name of the user who runs the process.
#pragma once

#include <string>

#include "platform/export.h"

namespace qm7::platform {

// The name from the password database for the effective user id, else the
// USER environment variable. Throws EOSError (platform/oserror.h) when
// neither gives a name.
QM7_EXPORT std::u16string CurrentUserName();

// The user's configuration folder: $XDG_CONFIG_HOME when set to an absolute
// path, else ~/.config; empty when there is no home either.
QM7_EXPORT std::string UserConfigFolder();

} // namespace qm7::platform
