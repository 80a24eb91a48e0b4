#pragma once
// The commands of kesterbrandor-cli; each returns its exit code and throws EKbError for
// a file that cannot be read or written, ECliUsage for wrong usage.
#include "cli/cliargs.h"

#include <ostream>

int CmdDump(const TCliArgs& args, std::ostream& out);
int CmdBuild(const TCliArgs& args, std::ostream& out);
int CmdExport(const TCliArgs& args, std::ostream& out);
int CmdValidate(const TCliArgs& args, std::ostream& out);
int CmdText(const TCliArgs& args, std::ostream& out);
int CmdBmp(const TCliArgs& args, std::ostream& out);
int CmdSdbDump(const TCliArgs& args, std::ostream& out);
int CmdIdbDump(const TCliArgs& args, std::ostream& out);
int CmdSdbBuild(const TCliArgs& args, std::ostream& out);
int CmdIdbBuild(const TCliArgs& args, std::ostream& out);
