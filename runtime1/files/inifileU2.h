// The suite's ini files: the in-memory ini file, always saved in UTF-16
// little-endian with its byte-order mark, with Booleans written "YES" and
// "NO", and a backup copy of the file on disk.
#pragma once

#include <string>
#include <string_view>

#include "platform/export.h"
#include "platform/inifile.h"

namespace qm7 {

// The texts written for true and false.
extern QM7_EXPORT std::u16string ident_YES;
extern QM7_EXPORT std::u16string ident_NO;

class QM7_EXPORT TMyMemIniFile : public platform::TMemIniFile {
public:
    // Reads the file when it exists; every save writes UTF-16 little-endian
    // with FF FE, whatever form the file had.
    explicit TMyMemIniFile(const std::u16string& AFilename);

    // Hide the base's "1"/"0" forms for callers that hold a TMyMemIniFile.
    // The value reads as the default when its first character is the first
    // character of the default's text (ident_YES or ident_NO), compared
    // case-sensitively; anything else, an empty value included, reads as the
    // opposite. A missing key reads as the default.
    bool ReadBool(std::u16string_view Section, std::u16string_view Ident, bool Default) const;
    // Writes ident_YES or ident_NO.
    void WriteBool(std::u16string_view Section, std::u16string_view Ident, bool Value);

    // Copies the file on disk to the same name with the extension ".BAK",
    // replacing an older backup. False when the object has no file name, the
    // file does not exist, or the copy failed.
    bool SaveABackup() const;
};

} // namespace qm7
