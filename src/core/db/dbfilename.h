#pragma once
// The file-name rules of "Save" and "Save as" of both databases.
#include <string>

// "Save" shows the save dialog when the name is empty or still the placeholder
// ("NONAME.SDB", "NONAME.IDB"; letters a to z compared without case).
bool NeedsSaveDialog(const std::string& fileName, const std::string& placeholder);
// Appends the extension (".sdb", ".idb") when the name does not contain it anywhere.
std::string WithDatabaseExtension(const std::string& fileName, const std::string& extension);
