// Content detection and decoding of arbitrary bytes, under a code page the
// first byte picks: detection gives a set of known members, the quick look
// agrees with the thorough one on the document signatures, and decoding
// agrees with the plain decoders wherever the rules say it must.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/codepage.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "runtime1/files/file_utils.h"

using namespace qm7;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

constexpr uint32_t kPages[] = {1252, 1250, 1251, 1253, 1254, 1255, 1256,
                               1257, 1258, 874,  932,  936,  949,  950};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    platform::SetSystemCodePage(kPages[data[0] % (sizeof kPages / sizeof kPages[0])]);
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto n = int64_t(bytes.size());

    const TFileContentsSet quick = FileBufferType(bytes.data(), n, false);
    const TFileContentsSet thorough = FileBufferType(bytes.data(), n, true);
    if ((quick.ToBits() & ~0x7F) != 0 || (thorough.ToBits() & ~0x7F) != 0)
        Fail("unknown member");
    if (n < 4 && (!quick.Empty() || !thorough.Empty()))
        Fail("too few bytes to tell");
    const TFileContentsSet documents{_Zip, _Storage, _early_Word};
    if ((quick & documents) != (thorough & documents))
        Fail("document signatures");
    if (n >= 4 && thorough.Empty())
        Fail("thorough look found nothing");
    if (StringIsInUnicode(bytes.data(), int32_t(n)) && n % 2 == 0 &&
        (thorough & documents).Empty() && !thorough.Contains(_16_bit) &&
        !thorough.Contains(_16_bit_reversed))
        Fail("UTF-16 judged differently");

    platform::TTextEncoding found = platform::teAnsi;
    const std::u16string loaded = LoadedText(bytes, &found);
    const std::u16string repaired = RepairedText(bytes);
    const bool marked = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
                        bytes.starts_with("\xEF\xBB\xBF");
    if (!marked && platform::IsSingleByteCodePage(platform::SystemCodePage()) &&
        platform::IsValidUtf8(bytes) && repaired != platform::Utf8ToUtf16(bytes))
        Fail("valid UTF-8 not read as UTF-8");
    if (!marked && platform::IsSingleByteCodePage(platform::SystemCodePage()) &&
        !platform::IsValidUtf8(bytes) && repaired != platform::SystemAnsiToUnicode(bytes))
        Fail("8-bit text not read through the code page");
    if ((found == platform::teUtf16LE || found == platform::teUtf16BE) && repaired != loaded)
        Fail("UTF-16 text repaired");

    TPossiblyDodgyTextStringlist list;
    list.SignedUTF8 = (data[0] & 0x80) != 0;
    list.SetText(loaded);
    if (loaded.find_first_not_of(u"\r\n") != std::u16string::npos && list.Count() == 0)
        Fail("lines lost");
    return 0;
}
