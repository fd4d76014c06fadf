#include "platform/process.h"

#include <system_error>

namespace qm7::platform {

std::filesystem::path ProgramFileName() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

} // namespace qm7::platform
