#include "runtime1/core/DLL_utils.h"

#include <dlfcn.h>

#include "platform/text.h"

namespace qm7 {

Tlibrary_rec FindLibraryFunction(const std::u16string& LibraryName,
                                 const std::u16string& FunctionName) {
    Tlibrary_rec rec;
    if (LibraryName.empty())
        return rec;
    rec.Hinst = dlopen(platform::Utf16ToUtf8(LibraryName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (rec.Hinst != nullptr && !FunctionName.empty())
        rec.FPointer = dlsym(rec.Hinst, platform::Utf16ToUtf8(FunctionName).c_str());
    return rec;
}

bool CloseLibraryFunction(Tlibrary_rec& rec) {
    const bool freed = rec.Hinst != nullptr && dlclose(rec.Hinst) == 0;
    rec = {};
    return freed;
}

} // namespace qm7
