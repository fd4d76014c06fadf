// Facts about the running program.
#pragma once

#include <filesystem>

#include "platform/export.h"

namespace qm7::platform {

// The full file name of the running program (empty when it cannot be read).
QM7_EXPORT std::filesystem::path ProgramFileName();

} // namespace qm7::platform
