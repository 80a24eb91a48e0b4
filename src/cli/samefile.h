#pragma once
// Outputs that would replace or remove the command's own input are wrong usage: refused
// before anything is read or written.
#include "cli/cliargs.h"

// For the commands that read one file and write another (build, text, bmp, sdb-build,
// idb-build): the output is the input itself, also through links, ./ or .. (compared once
// the output exists). For export: the area file is the header the export replaces or lies in
// the rooms folder it clears. Throws ECliUsage.
void RefuseOutputOverInput(const TCliArgs& args);
