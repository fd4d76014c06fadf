// Helpers of the lemmatiser tests: list files written into a private
// temporary folder, in 8-bit or UTF-16 form.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace qm7::lemmatiser::testing {

inline std::string Utf16Le(std::u16string_view text, bool with_mark = true) {
    std::string bytes = with_mark ? std::string("\xFF\xFE") : std::string();
    for (char16_t unit : text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

inline std::string Utf16Be(std::u16string_view text) {
    std::string bytes("\xFE\xFF");
    for (char16_t unit : text) {
        bytes += char(unit >> 8);
        bytes += char(unit & 0xFF);
    }
    return bytes;
}

// A temporary folder removed with everything in it when the object goes.
class TTempFolder {
public:
    TTempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qm7lemmaXXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // Writes bytes into a file of the folder and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        return file;
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::u16string PathText(const std::filesystem::path& path) {
    return path.u16string();
}

} // namespace qm7::lemmatiser::testing
