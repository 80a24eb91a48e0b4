#include "files/loadlimits.h"

#include "kberror.h"

std::string SizeText(size_t bytes)
{
    const size_t mib = size_t(1) << 20, gib = size_t(1) << 30;
    if (bytes % gib == 0)
        return std::to_string(bytes / gib) + " GiB";
    if (bytes % mib == 0)
        return std::to_string(bytes / mib) + " MiB";
    return std::to_string(bytes) + " bytes";
}

void CheckFileSize(size_t bytes, const TLoadLimits& limits)
{
    if (bytes > limits.MaxFileBytes)
        throw EKbError("The file is too large: it is over " + SizeText(limits.MaxFileBytes) + ", the most a file may hold.");
}
