// Arbitrary bytes through the UTF-8 checks that decide how a text file is
// read. CheckedUTF must agree with a strict validation of the bytes up to
// the first multi-byte character, and the character count stays within the
// byte length.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/text.h"
#include "runtime1/scanning/UTF8_UNit.h"

using namespace qm7;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "UTF-8 check failed: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int64_t chars = UTF8LengthInChars(bytes);
    if (chars < 0 || chars > int64_t(size))
        Fail("character count out of range");

    bool ascii = false;
    const bool utf8 = CheckedUTF(bytes, ascii);
    size_t plain = 0; // the run of ASCII bytes at the start
    while (plain < size && data[plain] < 0x80)
        ++plain;
    if (plain == size) {
        if (!utf8 || !ascii)
            Fail("ASCII text");
        return 0;
    }
    if (ascii && utf8)
        Fail("non-ASCII bytes reported as ASCII");
    // The first non-ASCII character decides; it is legal exactly when a
    // strict validator accepts it on its own.
    bool legal = false;
    for (size_t n = 2; n <= 4 && plain + n <= size; ++n)
        legal = legal || platform::IsValidUtf8(bytes.substr(plain, n));
    // The check, like the tools before it, lets the three-byte forms of the
    // surrogates through.
    if (data[plain] == 0xED && plain + 2 < size && data[plain + 1] >= 0xA0 &&
        data[plain + 1] <= 0xBF && data[plain + 2] >= 0x80 && data[plain + 2] <= 0xBF)
        legal = true;
    if (utf8 != legal)
        Fail("CheckedUTF disagrees with strict validation");
    return 0;
}
