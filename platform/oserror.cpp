#include "platform/oserror.h"

#include <cerrno>
#include <cstring>

namespace qm7::platform {

namespace {

std::string MessageOf(int error_code, const std::string& context) {
    std::string message =
        "System Error.  Code: " + std::to_string(error_code) + ".\n" + std::strerror(error_code);
    if (!context.empty())
        message += ": " + context;
    return message;
}

} // namespace

EOSError::EOSError(int error_code, const std::string& context)
    : std::runtime_error(MessageOf(error_code, context)), error_code_(error_code) {}

void RaiseLastOSError(int error_code, const std::string& context) {
    throw EOSError(error_code != 0 ? error_code : errno, context);
}

} // namespace qm7::platform
