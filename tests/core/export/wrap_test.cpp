#include "export/wrap.h"
#include "forestarea.h"

#include <gtest/gtest.h>

namespace {
std::string Wrapped(const std::string& text, TWrapWidths widths = {40, 75})
{
    TCodeWriter out;
    out.Write("  SetLong(");
    WriteWrapped(out, text, ");", 4, widths);
    return out.Bytes();
}
} // namespace

TEST(EscapeQuotes, OnlyQuotesGetABackslash)
{
    EXPECT_EQ(EscapeQuotes("say \"hi\""), "say \\\"hi\\\"");
    // A typed \n and other backslashes stay as they are.
    EXPECT_EQ(EscapeQuotes("a\\nb \\ c"), "a\\nb \\ c");
    EXPECT_EQ(EscapeQuotes(""), "");
    EXPECT_EQ(EscapeQuotes("\"\""), "\\\"\\\"");
}

TEST(WriteWrapped, WorkedExamples)
{
    EXPECT_EQ(Wrapped("The trees open onto a small clearing. In the middle lies a huge grey stone covered with "
                      "moss, and a narrow path leads east.\r\n"),
              CrLf({"  SetLong(\"The trees open onto a small clearing. \"",
                    "    \"In the middle lies a huge grey stone covered with moss, and a narrow \"",
                    "    \"path leads east.\");"}));
    // A typed \n ends its row; the forced break writes an empty row as well.
    EXPECT_EQ(Wrapped("Line one.\\nLine two is here.\r\n"),
              CrLf({"  SetLong(\"Line one.\\n\"", "    \"\"", "    \"Line two is here.\");"}));
    // Line ends vanish without a space.
    EXPECT_EQ(Wrapped("Two\r\nlines\r\n"), CrLf({"  SetLong(\"Twolines\");"}));
    EXPECT_EQ(Wrapped(""), CrLf({"  SetLong(\"\");"}));
}

TEST(WriteWrapped, LongWordsStayWholeAndQuotesAreEscaped)
{
    const std::string fifty(50, 'x');
    // A first chunk wider than the first row leaves that row empty.
    EXPECT_EQ(Wrapped(fifty), CrLf({"  SetLong(\"\"", ("    \"" + fifty + "\");").c_str()}));
    const std::string eighty(80, 'y');
    EXPECT_EQ(Wrapped("ab " + eighty),
              CrLf({"  SetLong(\"ab \"", "    \"\"", ("    \"" + eighty + "\");").c_str()}));
    // Widths count the text, not the backslashes that escaping adds.
    EXPECT_EQ(Wrapped("\"Hi\" she said, \"come here.\" Then she left the room and the "
                      "house.",
                      {20, 40}),
              CrLf({"  SetLong(\"\\\"Hi\\\" she said, \"", "    \"\\\"come here.\\\" Then she left the room \"",
                    "    \"and the house.\");"}));
}

TEST(WriteWrapped, RowsBreakAfterPunctuationAndKeepTheirIndent)
{
    TCodeWriter out;
    out.Write("    \"key\": ");
    WriteWrapped(out, "One!Two?Three,Four.Five six", ", ", 8, {8, 20});
    EXPECT_EQ(out.Bytes(), CrLf({"    \"key\": \"One!Two?\"", "        \"Three,Four.\"", "        \"Five six\", "}));
}

TEST(WriteWrapped, LinesGiveWhatTheirCrLfJoinGives)
{
    const std::vector<TStrings> cases = {
        {},
        {""},
        {"One line."},
        {"Two", "lines"},
        {"ends in CR\r", "\nstarts with LF"},
        {"inner\r\npair", "x\r", "\r\n", "y"},
        {"A fairly long first line that will need to wrap, surely.", "And \\n a second one."},
    };
    for (const TStrings& lines : cases) {
        std::string joined;
        for (const auto& l : lines)
            joined += l + "\r\n";
        TCodeWriter fromText, fromLines;
        WriteWrapped(fromText, joined, ");", 4, {20, 30});
        WriteWrapped(fromLines, lines, ");", 4, {20, 30});
        EXPECT_EQ(fromLines.Bytes(), fromText.Bytes()) << joined;
    }
}
