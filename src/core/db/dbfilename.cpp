#include "db/dbfilename.h"

#include "db/textmatch.h"

bool NeedsSaveDialog(const std::string& fileName, const std::string& placeholder)
{
    return fileName.empty() || AsciiFold(fileName) == AsciiFold(placeholder);
}

std::string WithDatabaseExtension(const std::string& fileName, const std::string& extension)
{
    return fileName.find(extension) == std::string::npos ? fileName + extension : fileName;
}
