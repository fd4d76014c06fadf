#include "runtime1/files/zip_utils.h"

#include <filesystem>
#include <system_error>

#include "platform/text.h"

namespace qm7 {

namespace {

constexpr std::u16string_view kZipExtension = u".zip";
constexpr std::u16string_view kZipWithDelimiter = u".zip/";

// Where the first ".zip/" starts (case ignored), or npos.
size_t ZipMarkAt(std::u16string_view FileName) {
    return platform::LowerCase(FileName).find(kZipWithDelimiter);
}

std::u16string_view ExtensionOf(std::u16string_view FileName) {
    const size_t dot = FileName.find_last_of(u"./");
    if (dot == std::u16string_view::npos || FileName[dot] != u'.')
        return {};
    return FileName.substr(dot);
}

} // namespace

bool IsZipExtension(std::u16string_view Ext) {
    return platform::LowerCase(Ext) == kZipExtension;
}

bool IsAZipFile(std::u16string_view FileName) {
    return IsZipExtension(ExtensionOf(FileName));
}

bool IsWithinAZipFile(std::u16string_view FileName) {
    if (ZipMarkAt(FileName) == std::u16string_view::npos)
        return false;
    std::error_code error;
    return !std::filesystem::exists(std::filesystem::path(platform::Utf16ToUtf8(FileName)), error);
}

std::u16string ZipFileFullFileName(std::u16string_view FileName) {
    const size_t at = ZipMarkAt(FileName);
    if (at == std::u16string_view::npos)
        return {};
    return std::u16string(FileName.substr(0, at + kZipExtension.size()));
}

std::u16string ZipFileWantedFileNameWithin(std::u16string_view FileName) {
    const size_t at = ZipMarkAt(FileName);
    if (at == std::u16string_view::npos)
        return {};
    return std::u16string(FileName.substr(at + kZipWithDelimiter.size()));
}

} // namespace qm7
