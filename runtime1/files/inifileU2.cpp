#include "runtime1/files/inifileU2.h"

#include <filesystem>
#include <system_error>

#include "platform/text.h"

namespace qm7 {

std::u16string ident_YES = u"YES";
std::u16string ident_NO = u"NO";

TMyMemIniFile::TMyMemIniFile(const std::u16string& AFilename)
    : platform::TMemIniFile(std::filesystem::path(platform::Utf16ToUtf8(AFilename))) {
    SetEncoding(platform::teUtf16LE);
}

bool TMyMemIniFile::ReadBool(std::u16string_view Section, std::u16string_view Ident,
                             bool Default) const {
    const std::u16string& default_text = Default ? ident_YES : ident_NO;
    const std::u16string value = ReadString(Section, Ident, default_text);
    if (value.empty() || default_text.empty())
        return !Default;
    return value[0] == default_text[0] ? Default : !Default;
}

void TMyMemIniFile::WriteBool(std::u16string_view Section, std::u16string_view Ident, bool Value) {
    WriteString(Section, Ident, Value ? ident_YES : ident_NO);
}

bool TMyMemIniFile::SaveABackup() const {
    const std::filesystem::path& name = FileName();
    std::error_code ec;
    if (name.empty() || !std::filesystem::is_regular_file(name, ec))
        return false;
    std::filesystem::path backup = name;
    backup.replace_extension(".BAK");
    if (backup == name)
        return false;
    return std::filesystem::copy_file(name, backup,
                                      std::filesystem::copy_options::overwrite_existing, ec) &&
           !ec;
}

} // namespace qm7
