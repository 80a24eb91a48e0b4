#include "runcommand.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "testutil.h"

TCommandResult RunCommand(const std::string& program, const std::vector<std::string>& args,
                          const std::vector<std::string>& extraEnv, const std::string& stdoutPath)
{
    TTempDir dir;
    const std::string out = stdoutPath.empty() ? dir.File("out") : stdoutPath, err = dir.File("err");
    TCommandResult result;
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr))
            _exit(127);
        for (const auto& e : extraEnv)
            putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (stdoutPath.empty())
        result.Out = ReadFileBytes(out);
    result.Err = ReadFileBytes(err);
    return result;
}
