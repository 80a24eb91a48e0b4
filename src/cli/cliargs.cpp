#include "cli/cliargs.h"

namespace {
const std::set<std::string> kValueOptions = {"--encoding", "--zoom", "--depth"};
const std::set<std::string> kFlags = {"--help", "--script", "--utf8", "--no-grid", "--no-centers", "--no-fill"};
} // namespace

std::string TCliArgs::Encoding() const { return Option("--encoding", "windows-1250"); }

void TCliArgs::Expect(size_t n) const
{
    if (Positional.size() != n)
        throw ECliUsage("'" + Command + "' takes " + std::to_string(n) + " file argument" + (n == 1 ? "" : "s") + ".");
}

void TCliArgs::AllowOnly(const std::set<std::string>& names) const
{
    const auto check = [&](const std::string& name) {
        if (name != "--help" && !names.count(name))
            throw ECliUsage("Option " + name + " does not apply to '" + Command + "'.");
    };
    for (const auto& [name, value] : Options)
        check(name);
    for (const std::string& name : Flags)
        check(name);
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
            const std::string name = s.substr(0, eq);
            if (!kValueOptions.count(name) && !kFlags.count(name))
                throw ECliUsage("Unknown option '" + name + "'.");
            if (kFlags.count(name)) {
                if (eq != std::string::npos)
                    throw ECliUsage("Option " + name + " takes no value.");
                a.Flags.insert(name);
            } else if (eq != std::string::npos) {
                a.Options[name] = s.substr(eq + 1);
            } else {
                if (i + 1 >= argc)
                    throw ECliUsage("Option " + name + " needs a value.");
                a.Options[name] = argv[++i];
            }
        } else if (a.Command.empty()) {
            a.Command = s;
        } else {
            a.Positional.push_back(s);
        }
    }
    return a;
}
