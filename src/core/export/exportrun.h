#pragma once
// The two export runs: the area header and one source file per room, in the fixed layout
// or by script, and the preparation of the output directory before a run.
#include "export/exportcontext.h"
#include "export/exportencoding.h"
#include "model/roomlist.h"

#include <string>

// "to .c files" writes the fixed layout, "Using Script1" expands the scripts.
enum class TExportLayout { Fixed, Script };

// The room's file in `rooms`: its FileName, with .c added when the name has no full stop.
std::string RoomSourceFileName(const TRoom& room);

// The folder the export commands offer for an area saved as fileName: the path up to the
// first full stop of its last component (folders may carry full stops of their own), or
// empty when that component has none. forest.arf offers forest.
std::string SuggestedOutputDirectory(const std::string& fileName);

// The bytes of the room's file as a run with ctx writes them.
std::string RoomSourceCode(const TExportContext& ctx, const TRoom& room, TExportLayout layout);
// The same for one room of an area in position order, with the context a run into
// outputDirectory would have: what the editor shows before exporting.
std::string RoomSourceCode(const TRoomList& area, const std::string& outputDirectory, const TRoom& room,
                           TExportLayout layout);

// Removes what an earlier export into the directory left: AREANAME.h and the contents of
// the `rooms` subdirectory, nothing else; symbolic links are removed as links and never
// followed. When `rooms` itself is a link, nothing is removed (the run refuses it). Everything
// is removed through the opened folders, so a link swapped in meanwhile leads nowhere. Then
// creates the directory. Failures are ignored: the run reports what matters.
void PrepareOutputDirectory(const std::string& outputDirectory);

// Each writes the area header (the script export only when the area's template has
// $_INCLUDE_H_$) and the room files in ascending room number. A `rooms` that is a symbolic
// link ends the run before any file; files are created new, never written through a link.
// The first file that cannot be created or written (or whose earlier file cannot be
// removed) stops the run with EKbError; the files written so far stay. The
// area's rooms are in position order when either returns, whether it succeeds or not.
// The encoding turns the area's 8-bit text into UTF-8 on the way out, file names included.
void ExportToCFiles(TRoomList& area, const std::string& outputDirectory,
                    TExportEncoding encoding = TExportEncoding::CodePage);
void ExportUsingScript(TRoomList& area, const std::string& outputDirectory,
                       TExportEncoding encoding = TExportEncoding::CodePage);
