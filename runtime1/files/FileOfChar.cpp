#include "runtime1/files/FileOfChar.h"

#include <string>
#include <system_error>

#include "platform/stream.h"

namespace qm7 {

namespace {

std::string LittleEndianUnits(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(char(c & 0xFF));
        bytes.push_back(char(c >> 8));
    }
    return bytes;
}

} // namespace

void AddToFileOfChar(const std::filesystem::path& FileName, std::u16string_view text) {
    if (FileName.empty())
        return;
    std::error_code error;
    if (std::filesystem::exists(FileName, error)) {
        platform::TFileStream file(FileName, platform::fmOpenReadWrite);
        const int64_t size = file.Size();
        file.Seek(size - size % 2, platform::soBeginning);
        file.WriteBuffer(LittleEndianUnits(text));
        return;
    }
    platform::TFileStream file(FileName, platform::fmCreate);
    file.WriteBuffer(LittleEndianUnits(std::u16string(1, u'\xFEFF') + std::u16string(text)));
}

} // namespace qm7
