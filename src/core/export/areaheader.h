#pragma once
// The area header file AREANAME.h: include guard, climate and the constants of the run.
#include "export/codewriter.h"
#include "export/exportcontext.h"

#include <string>

// AREANAME.h
std::string AreaHeaderFileName(const std::string& areaName);

// The header's text, file header lines included.
void WriteAreaHeader(TCodeWriter& out, const TExportContext& ctx);
