// qm message: a shared message of the suite, by name, formatted with values.
#include <charconv>
#include <cstdio>

#include "platform/format.h"
#include "runtime1/core/GeneralRuntime1Const.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

namespace {

// A value typed on the command line: a whole number, a number, or a text.
platform::TFormatArg ArgumentOf(const std::string& text) {
    int64_t whole = 0;
    const char* end = text.data() + text.size();
    if (auto r = std::from_chars(text.data(), end, whole); r.ec == std::errc() && r.ptr == end)
        return whole;
    double number = 0;
    if (auto r = std::from_chars(text.data(), end, number); r.ec == std::errc() && r.ptr == end)
        return number;
    return FromUtf8(text);
}

platform::TFormatArg Arg(const std::vector<std::string>& values, size_t i) {
    return i < values.size() ? ArgumentOf(values[i]) : platform::TFormatArg(std::u16string());
}

int Run(TArgs& args) {
    const bool raw = args.Flag("raw");
    const std::vector<std::string> rest = args.Positionals();
    if (rest.empty())
        throw TUsageError("qm message needs the name of a message, such as _QMDeleteXQ.");
    const TMessageEntry* entry = FindMessage(rest[0]);
    if (entry == nullptr)
        throw TInputError("There is no message called \"" + rest[0] + "\".");
    const std::u16string text = LoadResString(*entry);
    if (raw) {
        std::printf("%s\n", ToUtf8(text).c_str());
        return kExitOk;
    }
    const std::vector<std::string> values(rest.begin() + 1, rest.end());
    if (values.size() > 4)
        throw TUsageError("qm message takes at most four values.");
    try {
        const std::u16string formatted = platform::Format(
            text, {Arg(values, 0), Arg(values, 1), Arg(values, 2), Arg(values, 3)});
        std::printf("%s\n", ToUtf8(formatted).c_str());
    } catch (const std::invalid_argument&) {
        throw TInputError("The values do not fit the message \"" + ToUtf8(text) + "\".");
    }
    return kExitOk;
}

TRegisterCommand reg({"message", "NAME [VALUE ...]",
                      "show a shared message of the suite, filled in with values",
                      "  --raw   show the text as it is stored, placeholders and all\n", &Run});

} // namespace

} // namespace qm7::tool
