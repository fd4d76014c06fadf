// qm: concordances, word lists, lemma look-ups and key words over a folder of
// corpus texts, from the command line.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "runtime1/core/my_types.h"
#include "runtime1/core/my_types_mini.h"
#include "tools/qm/progress.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs("Usage: qm COMMAND [OPTIONS] [ARGUMENTS]\n\n"
               "Concordances, word lists, lemma look-ups and key words over corpus texts.\n"
               "With no PATH, commands that read texts use the sample corpus.\n\n"
               "Commands:\n",
               out);
    for (const TCommand& c : Commands())
        std::fprintf(out, "  %-10s %s\n", c.name.c_str(), c.summary.c_str());
    std::fputs("\nOptions:\n"
               "  --help      show this help (qm help COMMAND for a command's options)\n"
               "  --version   show the version\n\n"
               "Exit status: 0 success, 1 bad input, 2 usage error.\n",
               out);
}

const TCommand* FindCommand(const std::string& name) {
    for (const TCommand& c : Commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

void PrintCommandHelp(const TCommand& c) {
    std::printf("Usage: qm %s %s\n\n%s\n", c.name.c_str(), c.synopsis.c_str(), c.summary.c_str());
    if (!c.help.empty())
        std::printf("\n%s", c.help.c_str());
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        PrintUsage(stdout);
        return kExitOk;
    }
    if (first == "--version") {
        std::printf("qm %s (Quillmark Tools %s)\n", QM_VERSION_STRING,
                    ToUtf8(CurrentQMMajorVersion100Str()).c_str());
        return kExitOk;
    }
    if (first == "help") {
        const TCommand* c = argc > 2 ? FindCommand(argv[2]) : nullptr;
        if (argc > 2 && c == nullptr)
            throw TUsageError("There is no command called \"" + std::string(argv[2]) + "\".");
        c ? PrintCommandHelp(*c) : PrintUsage(stdout);
        return kExitOk;
    }
    const TCommand* command = FindCommand(first);
    if (command == nullptr)
        throw TUsageError("There is no command called \"" + first + "\"; see qm --help.");
    std::vector<std::string> rest(argv + 2, argv + argc);
    for (const std::string& a : rest)
        if (a == "--help" || a == "-h") {
            PrintCommandHelp(*command);
            return kExitOk;
        }
    TArgs args(std::move(rest));
    return command->run(args);
}

} // namespace

} // namespace qm7::tool

int main(int argc, char** argv) {
    using namespace qm7::tool;
    qm7::current_tool_var = qm7::tt_controller;
    InstallHooks();
    int status = kExitOk;
    try {
        status = Run(argc, argv);
    } catch (const TUsageError& e) {
        Progress().End();
        std::fprintf(stderr, "qm: %s\n", e.what());
        status = kExitUsage;
    } catch (const TInputError& e) {
        Progress().End();
        std::fprintf(stderr, "qm: %s\n", e.what());
        status = kExitBadInput;
    } catch (const std::exception& e) {
        Progress().End();
        std::fprintf(stderr, "qm: %s\n", e.what());
        status = kExitBadInput;
    }
    Progress().End();
    std::fflush(stdout);
    return status;
}
