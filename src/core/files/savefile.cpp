#include "files/savefile.h"

#include "kberror.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
std::string ErrnoText(int err) { return std::strerror(err); }

std::string TempNameBeside(const fs::path& target)
{
    static std::mt19937_64 rng{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08llx.tmp", static_cast<unsigned long long>(rng() & 0xFFFFFFFFull));
    return target.string() + suffix;
}
} // namespace

void SaveFileAtomically(const std::string& fileName, const std::string& bytes)
{
    const fs::path target(fileName);
    std::string temp;
    FILE* f = nullptr;
    for (int attempt = 0; attempt < 16 && !f; ++attempt) {
        temp = TempNameBeside(target);
        f = std::fopen(temp.c_str(), "wbx");
        if (!f && errno != EEXIST)
            break;
    }
    if (!f)
        throw EKbError("Cannot create file \"" + fileName + "\". " + ErrnoText(errno));

    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int err = ok ? 0 : errno;
    if (ok && std::fflush(f) != 0) {
        ok = false;
        err = errno;
    }
#ifndef _WIN32
    if (ok && fsync(fileno(f)) != 0) {
        ok = false;
        err = errno;
    }
#endif
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        std::remove(temp.c_str());
        throw EKbError("Cannot write file \"" + fileName + "\". " + ErrnoText(err));
    }

    std::error_code ec;
    // Keep the permissions of the file being replaced.
    if (fs::exists(target, ec)) {
        const auto perms = fs::status(target, ec).permissions();
        if (!ec)
            fs::permissions(temp, perms, ec);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        throw EKbError("Cannot write file \"" + fileName + "\". " + ec.message());
    }
}

bool TryReadWholeFile(const std::string& fileName, std::string& bytes)
{
    std::error_code ec;
    if (fs::is_directory(fileName, ec))
        return false;
    FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return !failed;
}

std::string ReadWholeFile(const std::string& fileName)
{
    std::string bytes;
    if (!TryReadWholeFile(fileName, bytes)) {
        const int err = errno;
        throw EKbError("Cannot open file \"" + fileName + "\". " + (err ? ErrnoText(err) : std::string("Not a file")));
    }
    return bytes;
}
