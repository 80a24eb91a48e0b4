#include "cli/samefile.h"

#include "export/areaheader.h"
#include "export/exportcontext.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {
[[noreturn]] void Refuse(const TCliArgs& args, const std::string& input, const std::string& why)
{
    throw ECliUsage("'" + args.Command + "' would " + why + " \"" + input + "\", its own input. Give another output.");
}

void RefuseExportOverArea(const TCliArgs& args, const std::string& area, const std::string& dir)
{
    // Where the area's bytes really are: a link in the folder would only lose the link.
    std::error_code ec;
    const fs::path real = fs::canonical(area, ec);
    if (ec)
        return; // loading the area reports it
    const fs::path out = fs::weakly_canonical(dir, ec);
    if (ec)
        return;
    if (real.parent_path() == out && real.filename() == AreaHeaderFileName(AreaNameOf(dir)))
        Refuse(args, area, "replace");
    const fs::path rooms = out / "rooms";
    for (fs::path p = real.parent_path(); !p.empty(); p = p.parent_path()) {
        if (p == rooms)
            Refuse(args, area, "remove");
        if (p == p.root_path())
            break;
    }
}
} // namespace

void RefuseOutputOverInput(const TCliArgs& args)
{
    static const std::set<std::string> oneInOneOut = {"build", "text", "bmp", "sdb-build", "idb-build"};
    if (args.Positional.size() != 2)
        return; // the command reports the count
    const std::string& input = args.Positional[0];
    const std::string& output = args.Positional[1];
    if (args.Command == "export") {
        RefuseExportOverArea(args, input, output);
        return;
    }
    if (!oneInOneOut.count(args.Command))
        return;
    std::error_code ec;
    if (fs::equivalent(input, output, ec) && !ec)
        Refuse(args, input, "write over");
}
