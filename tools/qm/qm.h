// The qm command-line tool: subcommands, argument parsing, errors and the
// sample corpus.
//
// Each subcommand lives in its own file and registers itself:
//
//     static qm7::tool::TRegisterCommand reg({"lemma", "LISTFILE [WORD ...]",
//                                             "look words up in a lemma list", help, &Run});
//
// A command returns its exit status, or throws TUsageError (status 2) or
// TInputError (status 1); main prints the message as one plain sentence.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qm7::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

// The command line was wrong: exit status 2.
struct TUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The input (a file, a search word, a list) was bad: exit status 1.
struct TInputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The arguments after the subcommand's name. A command takes its options
// first, then its positionals; an option nobody took is a usage error.
class TArgs {
public:
    explicit TArgs(std::vector<std::string> args) : args_(std::move(args)) {}

    // Takes "--name"; true when it was there.
    bool Flag(std::string_view name);
    // Takes "--name VALUE" or "--name=VALUE".
    std::optional<std::string> Option(std::string_view name);
    // As Option, the value a whole number in [min, max].
    std::optional<int64_t> IntOption(std::string_view name, int64_t min, int64_t max);
    // Takes every option given more than once ("--mask a --mask b").
    std::vector<std::string> Options(std::string_view name);
    // What is left; an unknown option is a usage error. "--" ends options.
    std::vector<std::string> Positionals();

private:
    std::vector<std::string> args_;
};

struct TCommand {
    std::string name;
    std::string synopsis; // the arguments, as "SEARCH [PATH ...]"
    std::string summary;  // one line for qm --help
    std::string help;     // the options, for qm help NAME
    std::function<int(TArgs&)> run;
};

void RegisterCommand(TCommand command);
const std::vector<TCommand>& Commands();

struct TRegisterCommand {
    explicit TRegisterCommand(TCommand command) { RegisterCommand(std::move(command)); }
};

// The folder of the sample corpus: $QM_SAMPLES_DIR, else the one the program
// was built with.
std::filesystem::path SamplesDir();

// Reads a whole file; TInputError naming the file when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// The text a person reads for a path or a UTF-16 text.
std::string Display(const std::filesystem::path& path);
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// True once the user has asked to stop (Ctrl-C).
bool StopRequested();

} // namespace qm7::tool
