#include "testutil.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TTempDir::TTempDir()
{
    std::random_device rd;
    for (;;) {
        m_path = fs::temp_directory_path() / ("kbtest-" + std::to_string(rd()));
        if (fs::create_directory(m_path))
            break;
    }
}

TTempDir::~TTempDir()
{
    std::error_code ec;
    // Restore permissions a test may have taken away, so that removal succeeds.
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::map<std::string, std::string> DirectoryTree(const fs::path& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        files[fs::relative(e.path(), dir).string()] = e.is_regular_file() ? ReadFileBytes(e.path().string()) : "<dir>";
    return files;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path SourceDir()
{
    const char* s = std::getenv("KB_SOURCE_DIR");
    return s ? fs::path(s) : fs::current_path();
}

TFifoWithReader::TFifoWithReader(const std::string& path)
{
    if (::mkfifo(path.c_str(), 0644) != 0 || (m_reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK)) < 0)
        throw std::runtime_error("cannot make the pipe " + path);
}

TFifoWithReader::~TFifoWithReader() { ::close(m_reader); }

TFileSizeLimit::TFileSizeLimit(rlim_t bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // else the signal ends the process
    const rlimit limit{bytes, m_old.rlim_max};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot limit the file size");
}

TFileSizeLimit::~TFileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}
