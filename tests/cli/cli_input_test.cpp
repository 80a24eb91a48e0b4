// Input files the CLI must refuse with exit 3 and a message, quickly and without blocking.
#include "runcommand.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(CliInput, UnreadableInputsExitWithAMessage)
{
    TTempDir dir;
    const std::string forest = ReadFileBytes(std::string(KB_SOURCE_DIR) + "/examples/forest.arf");
    WriteFileBytes(dir.File("cut.arf"), forest.substr(0, 700));
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"dump", dir.File("cut.arf")}, "it ends before all of its data"},
        {{"validate", dir.File("cut.arf")}, "it ends before all of its data"},
        {{"dump", "/dev/zero"}, "not a regular file"},
        {{"dump", dir.File("pipe")}, "not a regular file"},
        {{"sdb-dump", dir.File("pipe")}, "not a regular file"},
        {{"idb-dump", dir.Path().string()}, "Is a directory"},
        {{"dump", dir.Path().string()}, "Is a directory"},
        {{"build", dir.File("pipe"), dir.File("out.arf")}, "not a regular file"},
    };
    for (const Case& c : cases) {
        const TCommandResult r = RunCommand(KB_CLI_PATH, c.args);
        EXPECT_EQ(r.ExitCode, 3) << c.args[0] << " " << c.args[1];
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << c.args[0] << " " << c.args[1] << ": " << r.Err;
        EXPECT_EQ(r.Out, "");
    }
}
