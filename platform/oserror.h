// The error that reports a failed operating-system call: its error code and
// the system's text for it.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/export.h"

namespace qm7::platform {

class QM7_EXPORT EOSError : public std::runtime_error {
public:
    // A message of the form "System Error.  Code: 2.\nNo such file or directory"
    // followed, when given, by ": " and what was being done.
    EOSError(int error_code, const std::string& context = {});
    int ErrorCode() const { return error_code_; }

private:
    int error_code_;
};

// Throws EOSError for the error code (errno when none is given or it is 0).
[[noreturn]] QM7_EXPORT void RaiseLastOSError(int error_code = 0, const std::string& context = {});

} // namespace qm7::platform
