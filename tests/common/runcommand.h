#pragma once
// Runs a program with arguments (no shell), capturing its output and exit code.
#include <string>
#include <vector>

struct TCommandResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// With stdoutPath, standard output goes to that file (e.g. /dev/full) instead of Out.
TCommandResult RunCommand(const std::string& program, const std::vector<std::string>& args,
                          const std::vector<std::string>& extraEnv = {}, const std::string& stdoutPath = {});
