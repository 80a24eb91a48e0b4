#include "export/outputfile.h"

#include "kberror.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

void WriteOutputFile(const std::string& fileName, std::string_view bytes)
{
    // A name with an embedded NUL would silently create a different, shorter file.
    if (fileName.find('\0') != std::string::npos)
        throw EKbError("Cannot create file \"" + fileName + "\". The name holds a NUL character.");
    FILE* f = std::fopen(fileName.c_str(), "wb");
    if (!f)
        throw EKbError("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int err = ok ? 0 : errno;
    if (std::fflush(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    // Only a regular file is ours to remove; a device or pipe the name leads to is not.
    struct stat info {};
    const bool regular = fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode);
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        // A truncated source file would look like a finished one.
        if (regular)
            std::remove(fileName.c_str());
        throw EKbError("Cannot write file \"" + fileName + "\". " + std::strerror(err ? err : EIO));
    }
}
