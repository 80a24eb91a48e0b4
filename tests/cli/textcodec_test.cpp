// The CLI's JSON text against the code page's chart: every high byte, and every byte back.
#include "cp1250chart.h"
#include "cli/textcodec.h"

#include <gtest/gtest.h>

namespace {
std::string Utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}
} // namespace

TEST(TextCodec, HighBytesFollowTheCodePageChart)
{
    const TTextCodec codec;
    for (int i = 0; i < 128; ++i) {
        const int byte = 0x80 + i;
        SCOPED_TRACE(byte);
        const std::string one(1, static_cast<char>(byte));
        // Undefined bytes travel as private-use characters, so JSON keeps them.
        const std::string expected = Utf8(Cp1250High[i] ? Cp1250High[i] : 0xF700 + byte);
        EXPECT_EQ(codec.ToUtf8(one), expected);
        EXPECT_EQ(codec.FromUtf8(expected), one);
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(codec.FromUtf8(codec.ToUtf8(all)), all);
    // The low half is ASCII as it stands.
    EXPECT_EQ(codec.ToUtf8(all.substr(0, 128)), all.substr(0, 128));
}
