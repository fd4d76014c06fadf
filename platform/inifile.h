// TMemIniFile: an ini file held in memory.
//
// The file is read when the object is made (a missing or unreadable file
// gives an empty one); its encoding is taken from its byte-order mark (UTF-16
// either order, UTF-8), else UTF-8 when the bytes are valid UTF-8, else the
// system code page. Sections and keys are compared without regard to case
// and keep the order in which they were read or added. Lines are trimmed;
// empty lines and lines starting with ";" are dropped; "[name]" starts a
// section; "key=value" lines (key and value trimmed) belong to the section
// above them, and lines before the first section are dropped.
//
// Nothing is written until UpdateFile, which writes every section as
// "[name]", its "key=value" lines and an empty line, each line ending CR LF,
// in the encoding set (with its byte-order mark), to a new file that then
// replaces the old one in one step.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"
#include "platform/stringlist.h"

namespace qm7::platform {

class QM7_EXPORT TMemIniFile {
public:
    explicit TMemIniFile(const std::filesystem::path& file_name);
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;
    virtual ~TMemIniFile();

    const std::filesystem::path& FileName() const { return file_name_; }
    // The encoding UpdateFile writes: at first the one the file was read in
    // (UTF-16 little-endian for a new file).
    TTextEncoding Encoding() const { return encoding_; }
    void SetEncoding(TTextEncoding encoding) { encoding_ = encoding; }

    // The value of the key, or def when the section or key is missing.
    std::u16string ReadString(std::u16string_view section, std::u16string_view ident,
                              std::u16string_view def) const;
    // Adds the section and key when missing, else replaces the value.
    void WriteString(std::u16string_view section, std::u16string_view ident,
                     std::u16string_view value);
    // Decimal, or hexadecimal after "$" or "0x"; def when missing or not a
    // 32-bit number.
    int32_t ReadInteger(std::u16string_view section, std::u16string_view ident, int32_t def) const;
    void WriteInteger(std::u16string_view section, std::u16string_view ident, int32_t value);
    // "0" is false, any other number true; def when missing or not a number.
    bool ReadBool(std::u16string_view section, std::u16string_view ident, bool def) const;
    // Writes "1" or "0".
    void WriteBool(std::u16string_view section, std::u16string_view ident, bool value);
    // With "." as decimal point; def when missing or not a number.
    double ReadFloat(std::u16string_view section, std::u16string_view ident, double def) const;
    void WriteFloat(std::u16string_view section, std::u16string_view ident, double value);

    bool SectionExists(std::u16string_view section) const;
    bool ValueExists(std::u16string_view section, std::u16string_view ident) const;
    // The keys of a section, the names of all sections, or a section's
    // "key=value" lines, into the list (cleared first).
    void ReadSection(std::u16string_view section, TStringList& keys) const;
    void ReadSections(TStringList& sections) const;
    void ReadSectionValues(std::u16string_view section, TStringList& values) const;
    void EraseSection(std::u16string_view section);
    void DeleteKey(std::u16string_view section, std::u16string_view ident);
    void Clear();

    // The file's text as UpdateFile writes it, and replacing everything by
    // the sections of a text.
    std::u16string Text() const;
    void SetText(std::u16string_view text);

    // Writes the file (see above). Throws EStreamError when it cannot; the
    // old file is then left as it was.
    void UpdateFile() const;
    // Changes the file name and, when reload is true, reads that file instead.
    void Rename(const std::filesystem::path& file_name, bool reload);

private:
    struct TEntry {
        std::u16string key;
        std::u16string value;
        bool has_value = true; // the line held "="
    };
    struct TSection {
        std::u16string name;
        std::vector<TEntry> entries;
    };

    void Load();
    const TSection* FindSection(std::u16string_view name) const;
    TSection* FindSection(std::u16string_view name);
    TSection& AddSection(std::u16string_view name);
    static const TEntry* FindEntry(const TSection& section, std::u16string_view key);

    std::filesystem::path file_name_;
    TTextEncoding encoding_ = teUtf16LE;
    std::vector<TSection> sections_;
};

} // namespace qm7::platform
