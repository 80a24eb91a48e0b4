#pragma once
// Naming rules of the Save command for area files.
#include <string>

// Whether Save must ask for a name: the area was never given one, or it still carries the
// bare default name "Noname.arf" (any letter case, no folder).
bool AreaNeedsSaveName(const std::string& fileName);
// The name as it is written: ".arf" is appended unless it occurs anywhere in the name
// (exact lower case, so a folder called "x.arf" counts).
std::string AreaSaveFileName(const std::string& chosen);
