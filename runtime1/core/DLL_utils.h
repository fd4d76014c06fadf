// Loading a function from a shared library at run time.
#pragma once

#include <string>

#include "platform/export.h"
#include "runtime1/core/basic_types.h"

namespace qm7 {

// Loads the library by name and looks the function up. The record is empty
// when the library does not load; FPointer is null when the function is
// absent.
QM7_EXPORT Tlibrary_rec FindLibraryFunction(const std::u16string& LibraryName,
                                            const std::u16string& FunctionName);
// Frees the library, clears the record and says whether the library was freed.
QM7_EXPORT bool CloseLibraryFunction(Tlibrary_rec& rec);

} // namespace qm7
