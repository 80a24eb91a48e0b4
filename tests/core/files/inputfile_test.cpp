#include "files/inputfile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
std::string ReadError(const std::string& path, size_t maxBytes = TLoadLimits{}.MaxFileBytes)
{
    try {
        ReadWholeFile(path, maxBytes);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(InputFile, OnlyARegularFileWithinTheLimitIsRead)
{
    TTempDir dir;
    WriteFileBytes(dir.File("ten"), "0123456789");
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    struct Case {
        std::string path;
        size_t maxBytes;
        std::string expected; // part of the message; empty when the file is read
    };
    const Case cases[] = {
        {dir.File("ten"), 10, ""},
        {dir.File("ten"), 9, "larger than 9 bytes"},
        {dir.File("absent"), 100, "No such file"},
        {dir.Path().string(), 100, "Is a directory"},
        // A pipe without a writer would block the reader forever; a device may never end.
        {dir.File("pipe"), 100, "not a regular file"},
        {"/dev/zero", 100, "not a regular file"},
    };
    for (const Case& c : cases) {
        const std::string error = ReadError(c.path, c.maxBytes);
        if (c.expected.empty())
            EXPECT_EQ(error, "") << c.path;
        else
            EXPECT_NE(error.find(c.expected), std::string::npos) << c.path << ": " << error;
    }

    // The databases pass over a file that is not there or is a folder, but not over a pipe.
    std::string bytes;
    EXPECT_FALSE(TryReadWholeFile(dir.File("absent"), bytes));
    EXPECT_FALSE(TryReadWholeFile(dir.Path().string(), bytes));
    EXPECT_THROW(TryReadWholeFile(dir.File("pipe"), bytes), EKbError);
    ASSERT_TRUE(TryReadWholeFile(dir.File("ten"), bytes));
    EXPECT_EQ(bytes, "0123456789");
}
