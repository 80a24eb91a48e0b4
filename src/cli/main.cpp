// kesterbrandor-cli: the area and database files and the exports without a display.
#include "cli/commands.h"
#include "cli/samefile.h"
#include "cli/stdoutbuffer.h"
#include "cli/terminaltext.h"
#include "cli/textcodec.h"
#include "kberror.h"

#include <functional>
#include <iostream>
#include <map>
#include <set>

namespace {
const char* const kUsage =
    "usage: kesterbrandor-cli COMMAND ARGS [options]\n"
    "  dump AREA.arf                 JSON of the whole area on stdout\n"
    "  build AREA.json OUT.arf       JSON (as dump prints it) to an area file\n"
    "  export AREA.arf DIR [--script] [--utf8]  room files and area header into DIR (its\n"
    "                                last component is the area name); --script expands the\n"
    "                                area's script template instead of the fixed layout;\n"
    "                                --utf8 writes the text in UTF-8, not the 8-bit code page\n"
    "  validate AREA.arf [--utf8]    one report line per problem; exit 1 when any is an error;\n"
    "                                --utf8: the export will be in UTF-8\n"
    "  text AREA.arf OUT.txt         the texts of every room as a plain text file\n"
#ifdef KB_HAVE_RENDER
    "  bmp AREA.arf OUT.bmp [--zoom 25|50|75|100|150|200|300|400] [--depth 4|8]\n"
    "      [--no-grid] [--no-centers] [--no-fill]   the map picture (default 100%, 4 bits);\n"
    "                                a name ending in .png writes a PNG\n"
#endif
    "  sdb-dump FILE.sdb             JSON of a sentence database on stdout\n"
    "  idb-dump FILE.idb             JSON of an item database on stdout\n"
    "  sdb-build FILE.json OUT.sdb   JSON (as sdb-dump prints it) to a sentence database\n"
    "  idb-build FILE.json OUT.idb   JSON (as idb-dump prints it) to an item database\n"
    "options: --encoding NAME (default windows-1250) for the text in JSON; --help\n"
    "exit codes: 0 done, 1 validation found errors, 2 wrong usage, 3 a file could not be read or written\n"
    "examples:\n"
    "  kesterbrandor-cli dump forest.arf > forest.json\n"
    "  kesterbrandor-cli build forest.json forest.arf\n"
    "  kesterbrandor-cli export forest.arf lib/domains/forest --script --utf8\n"
    "  kesterbrandor-cli validate forest.arf --utf8 > findings.txt\n"
    "  kesterbrandor-cli text forest.arf forest.txt\n"
#ifdef KB_HAVE_RENDER
    "  kesterbrandor-cli bmp forest.arf forest.png --zoom 200 --depth 8\n"
#endif
    "  kesterbrandor-cli sdb-dump sentences.sdb > sentences.json\n"
    "  kesterbrandor-cli sdb-build sentences.json sentences.sdb\n"
    "  kesterbrandor-cli idb-dump items.idb --encoding iso-8859-2 > items.json\n"
    "  kesterbrandor-cli idb-build items.json items.idb\n";

struct TCommand {
    std::function<int(const TCliArgs&, std::ostream&)> Run;
    std::set<std::string> Options; // the options it takes
};

const std::map<std::string, TCommand>& Commands()
{
    const std::set<std::string> json = {"--encoding"};
    static const std::map<std::string, TCommand> commands = {
        {"dump", {CmdDump, json}},
        {"build", {CmdBuild, json}},
        {"export", {CmdExport, {"--script", "--utf8"}}},
        {"validate", {CmdValidate, {"--utf8"}}},
        {"text", {CmdText, {}}},
#ifdef KB_HAVE_RENDER
        {"bmp", {CmdBmp, {"--zoom", "--depth", "--no-grid", "--no-centers", "--no-fill"}}},
#endif
        {"sdb-dump", {CmdSdbDump, json}},
        {"idb-dump", {CmdIdbDump, json}},
        {"sdb-build", {CmdSdbBuild, json}},
        {"idb-build", {CmdIdbBuild, json}},
    };
    return commands;
}

void CheckEncoding(const TCliArgs& args)
{
    if (!args.Options.count("--encoding"))
        return;
    try {
        const TTextCodec codec(args.Encoding());
    } catch (const EKbError& e) {
        throw ECliUsage(e.what());
    }
}

int Run(int argc, char** argv)
{
    const TCliArgs args = ParseCliArgs(argc, argv);
    if (args.Flag("--help") || args.Command == "help") {
        std::cout << kUsage;
        return exitDone;
    }
    auto it = Commands().find(args.Command);
    if (it == Commands().end())
        throw ECliUsage(args.Command.empty() ? "No command given." : "Unknown command '" + args.Command + "'.");
    args.AllowOnly(it->second.Options);
    CheckEncoding(args);
    RefuseOutputOverInput(args);
    return it->second.Run(args, std::cout);
}
} // namespace

int main(int argc, char** argv)
{
    TStdoutBuffer out;
    const TStdoutRedirect redirect(out);
    try {
        const int code = Run(argc, argv);
        out.Finish();
        return code;
    } catch (const ECliUsage& e) {
        std::cerr << TerminalText(e.what()) << "\n" << kUsage;
        return exitUsage;
    } catch (const std::exception& e) {
        // Messages name rooms' files and the like: area data.
        std::cerr << TerminalText(e.what()) << "\n";
        return exitFileError;
    }
}
