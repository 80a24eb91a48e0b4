#include "files/recoverycopy.h"

#include "kberror.h"

#include <charconv>

namespace {
const std::string Signature = "Kesterbrandor recovery 1\n";
const char* const DamagedMessage = "The recovery copy is damaged.";

// A decimal number closed by a line end, from pos on.
int64_t ReadNumber(const std::string& bytes, size_t& pos)
{
    const size_t end = bytes.find('\n', pos);
    int64_t value = 0;
    if (end == std::string::npos)
        throw EKbError(DamagedMessage);
    const auto [ptr, ec] = std::from_chars(bytes.data() + pos, bytes.data() + end, value);
    if (ec != std::errc() || ptr != bytes.data() + end)
        throw EKbError(DamagedMessage);
    pos = end + 1;
    return value;
}
} // namespace

std::string RecoveryCopyBytes(const TRecoveryCopy& copy)
{
    // The file name goes by its length: it may hold any byte, a line end included.
    std::string out = Signature;
    out += std::to_string(copy.TakenAt) + '\n';
    out += std::to_string(copy.FileName.size()) + '\n';
    out += copy.FileName;
    out += copy.Compressed;
    return out;
}

TRecoveryCopy ParseRecoveryCopy(const std::string& bytes)
{
    if (bytes.compare(0, Signature.size(), Signature) != 0)
        throw EKbError(DamagedMessage);
    size_t pos = Signature.size();
    TRecoveryCopy copy;
    copy.TakenAt = ReadNumber(bytes, pos);
    const int64_t nameLength = ReadNumber(bytes, pos);
    if (nameLength < 0 || static_cast<uint64_t>(nameLength) > bytes.size() - pos)
        throw EKbError(DamagedMessage);
    copy.FileName = bytes.substr(pos, static_cast<size_t>(nameLength));
    copy.Compressed = bytes.substr(pos + static_cast<size_t>(nameLength));
    return copy;
}
