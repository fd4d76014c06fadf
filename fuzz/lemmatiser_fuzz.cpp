// Feeds arbitrary bytes to the lemmatiser as a list file of each kind, then
// looks words up and walks the list through the exported interface.
//
// The first byte chooses the options (upper-casing, commas, code page); the
// rest is the list file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "QM7Lemmatiser.h"

namespace {

std::u16string ListFileName() {
    static const std::string path = [] {
        std::string name = "/tmp/qm7lemmafuzz_" + std::to_string(getpid()) + ".txt";
        return name;
    }();
    static const bool removed_at_exit =
        std::atexit([] {
            const std::u16string wide = ListFileName();
            std::remove(std::string(wide.begin(), wide.end()).c_str());
        }) == 0;
    (void)removed_at_exit;
    return std::u16string(path.begin(), path.end());
}

bool WriteListFile(const uint8_t* data, size_t size) {
    const std::u16string wide = ListFileName();
    const std::string path(wide.begin(), wide.end());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// A word of the list to look up: the first item of the file, as it is.
std::string FirstItem(const uint8_t* data, size_t size) {
    std::string item;
    for (size_t i = 0; i < size && item.size() < 64; ++i) {
        if (data[i] == '\n' || data[i] == '\r' || data[i] == ',' || data[i] == 0)
            break;
        item += char(data[i]);
    }
    return item;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t options = data[0];
    ++data;
    --size;
    static const uint32_t code_pages[] = {1252, 932, 1251, 949};
    QM7Lemmatiser_SetSystemCodePage(code_pages[(options >> 2) & 3]);
    if (!WriteListFile(data, size))
        return 0;
    const std::u16string file = ListFileName();
    const std::string word8 = FirstItem(data, size);
    std::u16string word16;
    for (size_t i = 0; i + 1 < word8.size(); i += 2)
        word16 += char16_t(uint8_t(word8[i]) | (uint8_t(word8[i + 1]) << 8));
    // The word-changing exports read a word as text in the list's encoding,
    // whole; the 8-bit word also goes to UTF-16 lists, so zero bytes after it
    // end it there too.
    const std::string word8_ended = word8 + std::string(3, '\0');

    for (uint8_t kind = 0; kind < 4; ++kind) {
        const uint8_t slot = uint8_t(kind + (options >> 4));
        LoadedOne(slot, file.c_str(), kind, {}, {}, (options & 0x80) ? 0x041F : 0x0409,
                  (options & 1) == 0, (options & 2) != 0);
        for (int16_t unicode = 0; unicode < 2; ++unicode) {
            const void* word =
                unicode ? static_cast<const void*>(word16.c_str()) : word8_ended.c_str();
            WordListerChangeWord(slot, word, 0, unicode ? -1 : 0);
            FoundInTheList(slot, word, uint8_t(unicode), kind);
        }
        LemmaVariantsOf(slot, word16.c_str(), u", ");
        LemmaHeadWords(slot, 0);
        const int32_t lines = TraversedOne(slot, 20, kind);
        for (int32_t n = 0; n <= lines; ++n) {
            GetAString(n, 1, 0);
            GetAString(n, 0, 0);
        }
        ClearOne(slot, kind);
    }
    return 0;
}
