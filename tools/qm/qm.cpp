#include "tools/qm/qm.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/text.h"

namespace qm7::tool {

namespace {

std::vector<TCommand>& Registry() {
    static std::vector<TCommand> commands;
    return commands;
}

bool IsOptionWord(const std::string& a) {
    return a.size() > 2 && a.starts_with("--");
}

} // namespace

void RegisterCommand(TCommand command) {
    auto& commands = Registry();
    auto at = std::lower_bound(commands.begin(), commands.end(), command.name,
                               [](const TCommand& c, const std::string& n) { return c.name < n; });
    commands.insert(at, std::move(command));
}

const std::vector<TCommand>& Commands() {
    return Registry();
}

bool TArgs::Flag(std::string_view name) {
    const std::string word = "--" + std::string(name);
    auto it = std::find(args_.begin(), args_.end(), word);
    if (it == args_.end())
        return false;
    args_.erase(it);
    return true;
}

std::optional<std::string> TArgs::Option(std::string_view name) {
    const std::string word = "--" + std::string(name);
    for (size_t i = 0; i < args_.size(); ++i) {
        if (args_[i] == "--")
            break;
        if (args_[i] == word) {
            if (i + 1 >= args_.size())
                throw TUsageError("The option " + word + " needs a value.");
            std::string value = args_[i + 1];
            args_.erase(args_.begin() + long(i), args_.begin() + long(i) + 2);
            return value;
        }
        if (args_[i].starts_with(word + "=")) {
            std::string value = args_[i].substr(word.size() + 1);
            args_.erase(args_.begin() + long(i));
            return value;
        }
    }
    return std::nullopt;
}

std::optional<int64_t> TArgs::IntOption(std::string_view name, int64_t min, int64_t max) {
    const auto text = Option(name);
    if (!text)
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < min || value > max)
        throw TUsageError("The option --" + std::string(name) + " needs a whole number from " +
                          std::to_string(min) + " to " + std::to_string(max) + ", not \"" + *text +
                          "\".");
    return value;
}

std::vector<std::string> TArgs::Options(std::string_view name) {
    std::vector<std::string> values;
    while (auto value = Option(name))
        values.push_back(*value);
    return values;
}

std::vector<std::string> TArgs::Positionals() {
    std::vector<std::string> rest;
    bool options_ended = false;
    for (const std::string& a : args_) {
        if (!options_ended && a == "--") {
            options_ended = true;
            continue;
        }
        if (!options_ended && IsOptionWord(a))
            throw TUsageError("Unknown option " + a + "; see qm help.");
        rest.push_back(a);
    }
    args_.clear();
    return rest;
}

std::filesystem::path SamplesDir() {
    if (const char* dir = std::getenv("QM_SAMPLES_DIR"); dir != nullptr && *dir != '\0')
        return dir;
    return QM_DEFAULT_SAMPLES_DIR;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw TInputError(Display(path) + " is a folder, not a file.");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TInputError("Cannot open " + Display(path) + ".");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        throw TInputError("Cannot read " + Display(path) + ".");
    return std::move(bytes).str();
}

std::string Display(const std::filesystem::path& path) {
    return path.string();
}

std::string ToUtf8(std::u16string_view text) {
    return platform::Utf16ToUtf8(text);
}

std::u16string FromUtf8(std::string_view text) {
    return platform::Utf8ToUtf16(text);
}

} // namespace qm7::tool
