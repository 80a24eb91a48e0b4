// export, validate and text: the code generation of an area file without the editor.
#include "cli/commands.h"
#include "cli/terminaltext.h"
#include "export/exportrun.h"
#include "export/textexport.h"
#include "export/validation.h"
#include "files/areafile.h"

#include <iostream>

namespace {
TExportEncoding EncodingOf(const TCliArgs& args)
{
    return args.Flag("--utf8") ? TExportEncoding::Utf8 : TExportEncoding::CodePage;
}
} // namespace

int CmdExport(const TCliArgs& args, std::ostream& out)
{
    args.Expect(2);
    TRoomList area(0, 0);
    LoadArea(args.Positional[0], area);
    const std::string& dir = args.Positional[1];
    PrepareOutputDirectory(dir);
    if (args.Flag("--script"))
        ExportUsingScript(area, dir, EncodingOf(args));
    else
        ExportToCFiles(area, dir, EncodingOf(args));
    out << "Export done.\n";
    return exitDone;
}

int CmdValidate(const TCliArgs& args, std::ostream& out)
{
    args.Expect(1);
    TRoomList area(0, 0);
    LoadArea(args.Positional[0], area);
    const TValidationReport report = ValidateArea(area, EncodingOf(args));
    for (const TReportLine& line : report.Lines())
        out << TerminalText(line.Text(), false) << "\n";
    std::cerr << report.Summary() << "\n";
    return report.HasErrors() ? exitValidationErrors : exitDone;
}

int CmdText(const TCliArgs& args, std::ostream& out)
{
    args.Expect(2);
    TRoomList area(0, 0);
    LoadArea(args.Positional[0], area);
    ExportToText(area, args.Positional[1]);
    (void)out;
    return exitDone;
}
