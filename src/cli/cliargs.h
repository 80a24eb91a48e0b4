#pragma once
// Parsed command line of kesterbrandor-cli and the exit codes of its commands.
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

enum TExitCode { exitDone = 0, exitValidationErrors = 1, exitUsage = 2, exitFileError = 3 };

// Wrong usage: printed with the usage text, exit code 2.
class ECliUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCliArgs {
    std::string Command;
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Options; // --name VALUE
    std::set<std::string> Flags;                // --name

    std::string Encoding() const;
    // Exactly n positional arguments, or a usage error.
    void Expect(size_t n) const;
    // Every option given is one of names (--help goes with any command), or a usage error.
    void AllowOnly(const std::set<std::string>& names) const;
    bool Flag(const std::string& name) const { return Flags.count(name) > 0; }
    std::string Option(const std::string& name, const std::string& def) const;
};

// Options are --name VALUE or --name=VALUE, flags --name; an unknown name is a usage error.
TCliArgs ParseCliArgs(int argc, char** argv);
