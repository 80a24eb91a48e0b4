#pragma once
// The two export runs: the area header and one source file per room, in the fixed layout
// or by script, and the preparation of the output directory before a run.
#include "model/roomlist.h"

#include <string>

// The room's file in `rooms`: its FileName, with .c added when the name has no full stop.
std::string RoomSourceFileName(const TRoom& room);

// The folder the export commands offer for an area saved as fileName: the path up to the
// first full stop of its last component (folders may carry full stops of their own), or
// empty when that component has none. forest.arf offers forest.
std::string SuggestedOutputDirectory(const std::string& fileName);

// Removes what an earlier export into the directory left: AREANAME.h and the contents of
// the `rooms` subdirectory, nothing else; symbolic links are removed as links and never
// followed. When `rooms` itself is a link, nothing is removed (the run refuses it). Then
// creates the directory. Failures are ignored: the run reports what matters.
void PrepareOutputDirectory(const std::string& outputDirectory);

// Each writes the area header (the script export only when the area's template has
// $_INCLUDE_H_$) and the room files in ascending room number. A `rooms` that is a symbolic
// link ends the run before any file; files are created new, never written through a link.
// The first file that cannot be created or written (or whose earlier file cannot be
// removed) stops the run with EKbError; the files written so far stay. The
// area's rooms are in position order when either returns, whether it succeeds or not.
void ExportToCFiles(TRoomList& area, const std::string& outputDirectory);
void ExportUsingScript(TRoomList& area, const std::string& outputDirectory);
