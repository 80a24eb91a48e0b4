#include "gui/app/doctext.h"

#include "kberror.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(std::initializer_list<unsigned char> list)
{
    return std::string(list.begin(), list.end());
}

class DocText : public ::testing::Test {
protected:
    void TearDown() override { SetDocCodePage("windows-1250"); }
};

} // namespace

TEST_F(DocText, CzechRoundTrip)
{
    EXPECT_EQ(DocCodePage(), "windows-1250");
    const QString czech = QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy");
    const std::string cp1250 = Bytes({0x50, 0xf8, 0xed, 0x6c, 0x69, 0x9a, 0x20, 0x9e, 0x6c, 0x75, 0x9d, 0x6f, 0x75,
                                      0xe8, 0x6b, 0xfd, 0x20, 0x6b, 0xf9, 0xf2, 0x20, 0xfa, 0x70, 0xec, 0x6c, 0x20,
                                      0xef, 0xe1, 0x62, 0x65, 0x6c, 0x73, 0x6b, 0xe9, 0x20, 0xf3, 0x64, 0x79});
    EXPECT_EQ(DocToQt(cp1250), czech);
    bool lossy = true;
    EXPECT_EQ(QtToDoc(czech, &lossy), cp1250);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(DocToQt(""), "");
    EXPECT_EQ(QtToDoc(""), "");
}

TEST_F(DocText, EveryByteSurvivesTheWidget)
{
    // Also the few bytes the code page leaves undefined, and line breaks.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    bool lossy = true;
    EXPECT_EQ(QtToDoc(DocToQt(all), &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST_F(DocText, UnmappableCharactersAreReported)
{
    bool lossy = false;
    EXPECT_EQ(QtToDoc(QString::fromUtf8("a\u2603b\U0001F600c"), &lossy), "a\x1A" "b\x1A" "c");
    EXPECT_TRUE(lossy);
    // The next conversion starts clean.
    EXPECT_EQ(QtToDoc(QString::fromUtf8("čaj"), &lossy), Bytes({0xe8, 'a', 'j'}));
    EXPECT_FALSE(lossy);
    EXPECT_EQ(QtToDoc(QString::fromUtf8("\u2603")), "\x1A");
}

TEST_F(DocText, CodePageSetting)
{
    SetDocCodePage("windows-1252");
    EXPECT_EQ(DocToQt(Bytes({0xe8})), QString::fromUtf8("è"));
    bool lossy = false;
    EXPECT_EQ(QtToDoc(QString::fromUtf8("č"), &lossy), "\x1A");
    EXPECT_TRUE(lossy);

    EXPECT_THROW(SetDocCodePage("no-such-code-page"), EKbError);
    EXPECT_EQ(DocCodePage(), "windows-1252");
    EXPECT_EQ(DocToQt(Bytes({0xe8})), QString::fromUtf8("è"));

    SetDocCodePage("windows-1250");
    EXPECT_EQ(DocToQt(Bytes({0xe8})), QString::fromUtf8("č"));
}
