#include "files/areasavename.h"

#include "model/text.h"

bool AreaNeedsSaveName(const std::string& fileName)
{
    return fileName.empty() || AsciiUpper(fileName) == "NONAME.ARF";
}

std::string AreaSaveFileName(const std::string& chosen)
{
    if (chosen.find(".arf") != std::string::npos)
        return chosen;
    return chosen + ".arf";
}
