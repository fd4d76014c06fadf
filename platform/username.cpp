#include "platform/username.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "platform/oserror.h"
#include "platform/text.h"

namespace qm7::platform {

namespace {

// The password-database name of the effective user; empty with the error
// code in `error` when there is none.
std::string PasswordName(int& error) {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size_t(size > 0 ? size : 1024));
    for (;;) {
        passwd entry{};
        passwd* found = nullptr;
        error = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (error == 0 && !found)
            error = ENOENT;
        if (error != 0 || !found->pw_name)
            return {};
        return found->pw_name;
    }
}

} // namespace

std::u16string CurrentUserName() {
    int error = 0;
    std::string name = PasswordName(error);
    if (name.empty()) {
        const char* user = std::getenv("USER");
        if (user && *user)
            name = user;
    }
    if (name.empty())
        RaiseLastOSError(error != 0 ? error : ENOENT, "the user name");
    return Utf8ToUtf16(name);
}

std::string UserConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.config";
    return {};
}

} // namespace qm7::platform
