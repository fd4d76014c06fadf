// Runs the qm program as a person would, and captures what it printed.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qm7::testing {

struct TQmRun {
    int status = -1;
    std::string out; // standard output
    std::string err; // standard error
};

inline std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs qm with the arguments and the given standard input.
inline TQmRun RunQm(const std::vector<std::string>& args, const std::string& input = "") {
    const auto folder =
        std::filesystem::temp_directory_path() / ("qm_run_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto in = folder / "stdin", err = folder / "stderr";
    std::ofstream(in, std::ios::binary) << input;
    std::string command = ShellQuoted(QM_EXE);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command += " < " + ShellQuoted(in.string()) + " 2> " + ShellQuoted(err.string());
    TQmRun run;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ostringstream errors;
    errors << std::ifstream(err, std::ios::binary).rdbuf();
    run.err = errors.str();
    std::filesystem::remove_all(folder);
    return run;
}

} // namespace qm7::testing
