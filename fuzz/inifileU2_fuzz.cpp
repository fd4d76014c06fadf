// Reads arbitrary bytes as an ini file: decoded by their byte-order mark (or
// as UTF-8, or the system code page), parsed, written out and parsed again.
// The second parse must give the same text, every key must read back the
// value the file gave it, and the YES/NO reading must agree with its rule.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/inifile.h"
#include "platform/stringlist.h"
#include "runtime1/files/inifileU2.h"

using namespace qm7;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "ini check failed: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = platform::DecodeText(bytes);

    TMyMemIniFile ini(u"");
    ini.SetText(text);
    const std::u16string written = ini.Text();

    TMyMemIniFile again(u"");
    again.SetText(written);
    if (again.Text() != written)
        Fail("a written file does not read back as itself");

    platform::TStringList sections, keys;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        const std::u16string& section = sections.Strings(s);
        if (!again.SectionExists(section))
            Fail("section lost");
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) {
            const std::u16string& key = keys.Strings(k);
            const std::u16string value = ini.ReadString(section, key, u"\uFFFF");
            if (again.ReadString(section, key, u"\uFFFE") != value)
                Fail("value changed");
            const bool yes = ini.ReadBool(section, key, true);
            const bool no = ini.ReadBool(section, key, false);
            if (yes != (!value.empty() && value[0] == u'Y'))
                Fail("ReadBool with default true");
            if (no != !(!value.empty() && value[0] == u'N'))
                Fail("ReadBool with default false");
            ini.ReadInteger(section, key, 0);
            ini.ReadFloat(section, key, 0);
        }
    }
    return 0;
}
