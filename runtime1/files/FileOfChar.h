// An append-only file of UTF-16 characters: 16-bit little-endian records, the
// first the byte-order mark FF FE, every other one code unit of text. No line
// breaks are added.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// Appends the text's code units to the file, creating it with the mark first
// when it does not exist; nothing happens for an empty file name. In an
// existing file the text goes after its last whole record. Failures to open,
// write or close throw platform::EStreamError.
QM7_EXPORT void AddToFileOfChar(const std::filesystem::path& FileName, std::u16string_view text);

} // namespace qm7
