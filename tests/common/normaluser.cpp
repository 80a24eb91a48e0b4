#include "normaluser.h"

#include <cerrno>
#include <exception>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;

void WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}
} // namespace

std::string RunAsNormalUser(const std::function<std::string()>& fn)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "cannot make a pipe";
    const pid_t pid = ::fork();
    if (pid < 0)
        return "cannot fork";
    if (pid == 0) {
        ::close(fds[0]);
        std::string result;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            result = "cannot give up root";
        } else {
            try {
                result = fn();
            } catch (const std::exception& e) {
                result = std::string("exception: ") + e.what();
            }
        }
        WriteAll(fds[1], result);
        ::_exit(0); // no test teardown in the child
    }
    ::close(fds[1]);
    std::string result;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        result.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child ended abnormally: " + result;
    return result;
}

void GiveToNormalUser(const std::filesystem::path& dir)
{
    if (::geteuid() != 0)
        return;
    namespace fs = std::filesystem;
    ::lchown(dir.c_str(), kNobody, kNobody);
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        ::lchown(entry.path().c_str(), kNobody, kNobody);
}
