#include "gui/document/doctext.h"

#include "cp1250chart.h"
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
    const std::string cp1250 = "P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1" "belsk\xe9 \xf3" "dy";
    EXPECT_EQ(DocToQt(cp1250), czech);
    bool lossy = true;
    EXPECT_EQ(QtToDoc(czech, &lossy), cp1250);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(QtToDoc(""), "");

    // Every byte survives the widget, also the few the code page leaves undefined.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    lossy = true;
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
}

TEST_F(DocText, CodePageSetting)
{
    SetDocCodePage("windows-1252");
    EXPECT_EQ(DocToQt(Bytes({0xe8})), QString::fromUtf8("è"));
    bool lossy = false;
    EXPECT_EQ(QtToDoc(QString::fromUtf8("č"), &lossy), "\x1A");
    EXPECT_TRUE(lossy);

    EXPECT_THROW(SetDocCodePage("no-such-code-page"), EKbError);
    EXPECT_EQ(DocToQt(Bytes({0xe8})), QString::fromUtf8("è")) << "a bad name keeps the code page";

    SetDocCodePage("windows-1250");
    EXPECT_EQ(DocToQt(Bytes({0xe8})), QString::fromUtf8("č"));
}

TEST_F(DocText, HighBytesFollowTheCodePageChart)
{
    QString defined; // every character the chart gives
    for (char32_t c : Cp1250High)
        if (c)
            defined += QString::fromUcs4(&c, 1);
    for (int i = 0; i < 128; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        SCOPED_TRACE(QStringLiteral("byte 0x%1").arg(0x80 + i, 0, 16).toStdString());
        const QString shown = DocToQt(byte);
        if (const char32_t c = Cp1250High[i]) {
            EXPECT_EQ(shown, QString::fromUcs4(&c, 1));
            // The letter typed into a field is stored as its byte.
            EXPECT_EQ(QtToDoc(QString::fromUcs4(&c, 1)), byte);
        } else {
            // An undefined byte shows as one character that no defined byte shows as.
            ASSERT_EQ(shown.size(), 1);
            EXPECT_FALSE(defined.contains(shown[0]));
        }
    }
    // All 256 bytes, NUL too, come back from the widget as they were.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool lossy = true;
    EXPECT_EQ(QtToDoc(DocToQt(all), &lossy), all);
    EXPECT_FALSE(lossy);
}
