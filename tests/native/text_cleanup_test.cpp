#include "text/line_cleanup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Readable working text: ␣ is a space, ¶ a CR, ⇥ a tab.
std::string T(const std::string& marked)
{
    std::string text;
    for (std::size_t i = 0; i < marked.size();) {
        if (marked.compare(i, 3, "␣") == 0) {
            text += ' ';
            i += 3;
        } else if (marked.compare(i, 2, "¶") == 0) {
            text += '\r';
            i += 2;
        } else if (marked.compare(i, 3, "⇥") == 0) {
            text += '\t';
            i += 3;
        } else {
            text += marked[i++];
        }
    }
    return text;
}

std::vector<std::int64_t> Positions(std::string (*command)(const std::string&, const Position_Callback&),
                                    const std::string& text)
{
    std::vector<std::int64_t> seen;
    command(text, [&](std::int64_t p) { seen.push_back(p); });
    return seen;
}

}  // namespace

TEST(TextCleanup, RemoveLineBreaksJoinsParagraphLines)
{
    EXPECT_EQ(Remove_Line_Breaks(T("a¶b¶¶c¶␣d")), T("a␣b¶¶c¶␣d"));
    EXPECT_EQ(Remove_Line_Breaks(T("¶ab")), T("␣ab"));
    EXPECT_EQ(Remove_Line_Breaks(T("ab¶")), T("ab␣"));
    EXPECT_EQ(Remove_Line_Breaks(T("a¶⇥b")), T("a␣⇥b"));
    // Judged on the text as taken: the middle CR of three stays too.
    EXPECT_EQ(Remove_Line_Breaks(T("a¶¶¶b")), T("a¶¶¶b"));
    EXPECT_EQ(Remove_Line_Breaks(T("¶")), T("␣"));
    EXPECT_EQ(Remove_Line_Breaks(""), "");
}

TEST(TextCleanup, RemoveLineStartSpaceTakesOneSpacePerLine)
{
    EXPECT_EQ(Remove_Line_Start_Space(T("␣a¶␣␣b¶␣c")), T("a¶␣b¶c"));
    EXPECT_EQ(Remove_Line_Start_Space(T("a¶␣¶␣␣x")), T("a¶¶␣x"));
    EXPECT_EQ(Remove_Line_Start_Space(T("␣␣a")), T("␣a"));
    EXPECT_EQ(Remove_Line_Start_Space(T("a¶")), T("a¶"));
    EXPECT_EQ(Remove_Line_Start_Space(T("␣")), "");
    EXPECT_EQ(Remove_Line_Start_Space(T("a␣b")), T("a␣b"));
}

TEST(TextCleanup, SqueezeSpacesKeepsLeadingIndentAndTrailingRuns)
{
    EXPECT_EQ(Squeeze_Spaces(T("a␣␣b␣␣␣c")), T("a␣b␣c"));
    EXPECT_EQ(Squeeze_Spaces(T("␣␣a␣␣b")), T("␣␣a␣b"));
    EXPECT_EQ(Squeeze_Spaces(T("a␣␣¶b")), T("a␣␣¶b"));
    EXPECT_EQ(Squeeze_Spaces(T("x¶␣␣␣y␣␣z")), T("x¶␣␣␣y␣z"));
    EXPECT_EQ(Squeeze_Spaces(T("ab␣␣")), T("ab␣"));
    // A tab ends a run.
    EXPECT_EQ(Squeeze_Spaces(T("a␣␣⇥␣␣b")), T("a␣⇥␣b"));
    EXPECT_EQ(Squeeze_Spaces(""), "");
}

TEST(TextCleanup, RemoveTrailingSpacesOnlyBeforeLineBreaks)
{
    EXPECT_EQ(Remove_Trailing_Spaces(T("a␣␣¶b␣¶␣␣¶c␣␣")), T("a¶b¶¶c␣␣"));
    EXPECT_EQ(Remove_Trailing_Spaces(T("a␣b⇥¶")), T("a␣b⇥¶"));
}

TEST(TextCleanup, ReplaceTabsWithFourSpaces)
{
    EXPECT_EQ(Replace_Tabs(T("⇥a⇥")), T("␣␣␣␣a␣␣␣␣"));
    EXPECT_EQ(Replace_Tabs(T("ab⇥⇥¶")), T("ab␣␣␣␣␣␣␣␣¶"));
}

TEST(TextCleanup, AddSpacesIntoWords)
{
    EXPECT_EQ(Add_Spaces_Into_Words("abc"), T("a␣b␣c"));
    EXPECT_EQ(Add_Spaces_Into_Words(T("ab␣cd")), T("a␣b␣␣␣c␣d"));
    EXPECT_EQ(Add_Spaces_Into_Words(T("a¶b")), T("a␣¶␣b"));
    EXPECT_EQ(Add_Spaces_Into_Words("a"), "a");
    EXPECT_EQ(Add_Spaces_Into_Words(""), "");
}

TEST(TextCleanup, CountersFollowEachCommandsLoop)
{
    EXPECT_EQ(Positions(Remove_Line_Breaks, T("a¶b")), (std::vector<std::int64_t>{1, 2, 3}));
    // The text shrinks by the two spaces that go.
    EXPECT_EQ(Positions(Remove_Line_Start_Space, T("␣a¶␣b")), (std::vector<std::int64_t>{1, 2, 3}));
    // One iteration per byte that is not a space and per run of spaces.
    EXPECT_EQ(Positions(Squeeze_Spaces, T("a␣␣␣b")), (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(Positions(Remove_Trailing_Spaces, T("a␣␣¶")), (std::vector<std::int64_t>{1, 2, 3}));
    // The text grows by three bytes per tab.
    EXPECT_EQ(Positions(Replace_Tabs, T("⇥a")).size(), 5u);
    EXPECT_EQ(Positions(Add_Spaces_Into_Words, "abcd"), (std::vector<std::int64_t>{1, 2, 3}));
}

TEST(TextCleanup, EmptyCallbackIsAllowedEverywhere)
{
    const Position_Callback none;
    EXPECT_EQ(Squeeze_Spaces(T("a␣␣b"), none), T("a␣b"));
    EXPECT_EQ(Replace_Tabs(T("⇥"), none), T("␣␣␣␣"));
}
