// The names by which the suite refers to a file inside a zip archive: the
// archive's path, a "/", then the entry's name as stored in the archive
// (which may itself hold "/"), as in "/corpus/letters.zip/2024/june.txt".
// Every test ignores case.
#pragma once

#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// The extension (with its dot) is ".zip".
QM7_EXPORT bool IsZipExtension(std::u16string_view Ext);
// The file name's extension is ".zip".
QM7_EXPORT bool IsAZipFile(std::u16string_view FileName);
// No file of that name exists and the name holds ".zip/": it names an entry
// of an archive.
QM7_EXPORT bool IsWithinAZipFile(std::u16string_view FileName);
// The name up to and including the first ".zip" that is followed by "/";
// empty when there is none.
QM7_EXPORT std::u16string ZipFileFullFileName(std::u16string_view FileName);
// The part after that ".zip/"; empty when there is none.
QM7_EXPORT std::u16string ZipFileWantedFileNameWithin(std::u16string_view FileName);

} // namespace qm7
