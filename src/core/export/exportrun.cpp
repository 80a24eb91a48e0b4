#include "export/exportrun.h"

#include "export/areaheader.h"
#include "export/codewriter.h"
#include "export/exportcontext.h"
#include "export/exportencoding.h"
#include "export/outputfolder.h"
#include "export/roomfixed.h"
#include "export/roomscripted.h"
#include "export/scriptexpansion.h"
#include "kberror.h"
#include "model/utf8text.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// Puts the rooms back in position order however the run ends; the map's lookups rely on it.
class TPositionOrderGuard {
public:
    explicit TPositionOrderGuard(TRoomList& area) : m_area(area) {}
    ~TPositionOrderGuard() { m_area.SortByPosition(); }
    TPositionOrderGuard(const TPositionOrderGuard&) = delete;
    TPositionOrderGuard& operator=(const TPositionOrderGuard&) = delete;

private:
    TRoomList& m_area;
};

void CreateDirectory(const std::string& dir)
{
    std::error_code ec;
    fs::create_directory(dir, ec);
    if (ec)
        throw EKbError("Cannot create directory \"" + dir + "\". " + ec.message());
    if (!fs::is_directory(dir, ec))
        throw EKbError("Cannot create directory \"" + dir + "\". A file of that name is in the way.");
}

void RunExport(TRoomList& area, const std::string& outputDirectory, TExportLayout layout, TExportEncoding encoding)
{
    TPositionOrderGuard guard(area);
    area.SortByPosition();

    CreateDirectory(outputDirectory);
    const TOutputFolder folder(outputDirectory);
    const TOutputFolder rooms = folder.Subfolder("rooms");

    TExportContext ctx = MakeExportContext(area, outputDirectory);
    // The area name is the folder's, already in the file system's UTF-8: in code-page form it
    // comes through the conversion as it was.
    const std::string headerName = AreaHeaderFileName(ctx.AreaName);
    if (encoding == TExportEncoding::Utf8)
        ctx.AreaName = Utf8ToCp1250(ctx.AreaName).value_or(ctx.AreaName);
    if (layout == TExportLayout::Fixed || TemplateIncludesHeader(area.ScriptTemplate)) {
        TCodeWriter out;
        WriteAreaHeader(out, ctx);
        folder.WriteFile(headerName, EncodeExport(out.Bytes(), encoding));
    }
    // The file names too: the other rooms' code names each file in the same encoding.
    for (const TRoom* room : ctx.RoomsByNumber)
        rooms.WriteFile(EncodeExport(RoomSourceFileName(*room), encoding),
                        EncodeExport(RoomSourceCode(ctx, *room, layout), encoding));
}
} // namespace

std::string RoomSourceCode(const TExportContext& ctx, const TRoom& room, TExportLayout layout)
{
    TCodeWriter out;
    if (layout == TExportLayout::Fixed)
        WriteRoomFixed(out, ctx, room);
    else
        WriteRoomScripted(out, ctx, room);
    return out.Bytes();
}

std::string RoomSourceCode(const TRoomList& area, const std::string& outputDirectory, const TRoom& room,
                           TExportLayout layout)
{
    return RoomSourceCode(MakeExportContext(area, outputDirectory), room, layout);
}

std::string RoomSourceFileName(const TRoom& room)
{
    return room.FileName.find('.') == std::string::npos ? room.FileName + ".c" : room.FileName;
}

std::string SuggestedOutputDirectory(const std::string& fileName)
{
    const size_t slash = fileName.rfind('/');
    const size_t stop = fileName.find('.', slash == std::string::npos ? 0 : slash + 1);
    return stop == std::string::npos ? std::string() : fileName.substr(0, stop);
}

void PrepareOutputDirectory(const std::string& outputDirectory)
{
    std::error_code ec;
    if (fs::is_directory(outputDirectory, ec)) {
        try {
            const TOutputFolder folder(outputDirectory);
            // A link named rooms may point anywhere: the run refuses it, so nothing here goes
            // either. Past this check only the open folder is used, never the path again.
            if (!folder.IsLink("rooms")) {
                folder.RemoveFile(AreaHeaderFileName(AreaNameOf(outputDirectory)));
                folder.ClearSubfolder("rooms");
            }
        } catch (const EKbError&) {
            // The folder went away or cannot be read: the run reports it.
        }
    }
    fs::create_directory(outputDirectory, ec);
}

void ExportToCFiles(TRoomList& area, const std::string& outputDirectory, TExportEncoding encoding)
{
    RunExport(area, outputDirectory, TExportLayout::Fixed, encoding);
}

void ExportUsingScript(TRoomList& area, const std::string& outputDirectory, TExportEncoding encoding)
{
    RunExport(area, outputDirectory, TExportLayout::Script, encoding);
}
