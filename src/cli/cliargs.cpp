#include "cli/cliargs.h"

namespace {
const std::set<std::string> kValueOptions = {"--encoding", "--zoom", "--depth"};
}

std::string TCliArgs::Encoding() const { return Option("--encoding", "windows-1250"); }

void TCliArgs::Expect(size_t n) const
{
    if (Positional.size() != n)
        throw ECliUsage("'" + Command + "' takes " + std::to_string(n) + " file argument" + (n == 1 ? "" : "s") + ".");
}

std::string TCliArgs::Option(const std::string& name, const std::string& def) const
{
    auto it = Options.find(name);
    return it == Options.end() ? def : it->second;
}

TCliArgs ParseCliArgs(int argc, char** argv)
{
    TCliArgs a;
    for (int i = 1; i < argc; ++i) {
        const std::string s = argv[i];
        if (s.rfind("--", 0) == 0 && s.size() > 2) {
            const auto eq = s.find('=');
            if (eq != std::string::npos) {
                a.Options[s.substr(0, eq)] = s.substr(eq + 1);
            } else if (kValueOptions.count(s)) {
                if (i + 1 >= argc)
                    throw ECliUsage("Option " + s + " needs a value.");
                a.Options[s] = argv[++i];
            } else {
                a.Flags.insert(s);
            }
        } else if (a.Command.empty()) {
            a.Command = s;
        } else {
            a.Positional.push_back(s);
        }
    }
    return a;
}
