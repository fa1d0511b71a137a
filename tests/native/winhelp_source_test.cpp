#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/help_topics.h"

#include "tools/winhelp/cp1251.h"
#include "tools/winhelp/help_source.h"
#include "tests/native/shipped_help.h"

namespace {

using winhelp::HelpProject;
using winhelp::ParagraphStyle;
using winhelp::Run;
using winhelp::SourceError;

std::string cp(const std::string& utf8) {
  const auto converted = winhelp::utf8_to_cp1251(utf8);
  if (!converted) throw std::invalid_argument("test text outside Windows-1251");
  return *converted;
}

HelpProject parse(const std::string& text) {
  HelpProject project;
  winhelp::parse_help_source(text, "test.txt", project);
  winhelp::finish_project(project);
  return project;
}

std::string error_of(const std::string& text) {
  try {
    parse(text);
  } catch (const SourceError& error) {
    return error.what();
  }
  return "no error";
}

TEST(WinhelpCp1251, MapsCyrillicAndTypographicSigns) {
  EXPECT_EQ(winhelp::utf8_to_cp1251("Ab1"), "Ab1");
  EXPECT_EQ(winhelp::utf8_to_cp1251("АЯая"), "\xC0\xDF\xE0\xFF");
  EXPECT_EQ(winhelp::utf8_to_cp1251("Ёё«»—–…•№"), "\xA8\xB8\xAB\xBB\x97\x96\x85\x95\xB9");
  EXPECT_EQ(winhelp::utf8_to_cp1251("\xC2\xA0"), "\xA0") << "no-break space";
}

TEST(WinhelpCp1251, RejectsWhatTheCodePageLacksAndBrokenUtf8) {
  EXPECT_FALSE(winhelp::utf8_to_cp1251("→"));
  EXPECT_FALSE(winhelp::utf8_to_cp1251("ü"));
  EXPECT_FALSE(winhelp::utf8_to_cp1251("\xD0"));          // truncated sequence
  EXPECT_FALSE(winhelp::utf8_to_cp1251("\xC0\xAF"));      // overlong '/'
  EXPECT_FALSE(winhelp::utf8_to_cp1251("\xED\xA0\x80"));  // surrogate
}

TEST(WinhelpSource, ReadsTopicsParagraphsAndRuns) {
  const HelpProject project = parse(
      "; a comment\n"
      "@title Справка\n"
      "@topic START Начало\n"
      "\n"
      "Первая строка\n"
      "  и вторая, **жирно** и [[IDH_TIPS|ссылка]].\n"
      "\n"
      "## Раздел\n"
      "- пункт один\n"
      "  продолжение\n"
      "- пункт два [[IDH_TIPS]]\n"
      "@topic 100 IDH_TIPS Советы\r\n"
      "Текст.\r\n");

  EXPECT_EQ(project.title, cp("Справка"));
  EXPECT_EQ(project.contents_id, "START") << "the first topic is the contents by default";
  ASSERT_EQ(project.topics.size(), 2u);

  const auto& start = project.topics[0];
  EXPECT_FALSE(start.number);
  EXPECT_EQ(start.title, cp("Начало"));
  ASSERT_EQ(start.paragraphs.size(), 5u);
  EXPECT_EQ(start.paragraphs[0].style, ParagraphStyle::Heading);
  EXPECT_EQ(start.paragraphs[0].runs[0].text, cp("Начало"));

  const auto& body = start.paragraphs[1];
  EXPECT_EQ(body.style, ParagraphStyle::Body);
  ASSERT_EQ(body.runs.size(), 5u);
  EXPECT_EQ(body.runs[0].text, cp("Первая строка и вторая, ")) << "lines join with one space";
  EXPECT_EQ(body.runs[1].kind, Run::Kind::Bold);
  EXPECT_EQ(body.runs[1].text, cp("жирно"));
  EXPECT_EQ(body.runs[2].text, cp(" и "));
  EXPECT_EQ(body.runs[3].kind, Run::Kind::Jump);
  EXPECT_EQ(body.runs[3].target, "IDH_TIPS");
  EXPECT_EQ(body.runs[3].text, cp("ссылка"));
  EXPECT_EQ(body.runs[4].text, ".");

  EXPECT_EQ(start.paragraphs[2].style, ParagraphStyle::Subheading);
  EXPECT_EQ(start.paragraphs[3].style, ParagraphStyle::ListItem);
  EXPECT_EQ(start.paragraphs[3].runs[0].text, cp("пункт один продолжение"));
  EXPECT_EQ(start.paragraphs[4].runs[1].text, cp("Советы")) << "[[id]] shows the target's title";

  EXPECT_EQ(project.topics[1].number, 100);
  EXPECT_EQ(project.topics[1].paragraphs[1].runs[0].text, cp("Текст.")) << "CR LF line ends";
}

TEST(WinhelpSource, ContentsDirectiveNamesATopicWhateverItsCase) {
  const HelpProject project = parse("@title T\n@contents second\n@topic FIRST A\n@topic SECOND B\n");
  EXPECT_EQ(project.contents_id, "SECOND");
}

TEST(WinhelpSource, ReportsMistakesWithFileAndLine) {
  EXPECT_EQ(error_of("@title T\nloose text\n"), "test.txt:2: text outside a topic");
  EXPECT_EQ(error_of("@title T\n@topic A t\nsome **bold\n"), "test.txt:3: unclosed **");
  EXPECT_EQ(error_of("@title T\n@topic A t\nx [[B\n"), "test.txt:3: unclosed [[");
  EXPECT_EQ(error_of("@title T\n@topic A-B t\n"),
            "test.txt:2: bad context id 'A-B' (letters, digits, _ and . only)");
  EXPECT_EQ(error_of("@title T\n@topic 20 A\n"), "test.txt:2: @topic needs a title");
  EXPECT_EQ(error_of("@title T\n@topic A t\nстрелка →\n"),
            "test.txt:3: text is not UTF-8 or has a character outside Windows-1251");
  EXPECT_EQ(error_of("@title T\n@picture x\n"), "test.txt:2: unknown directive @picture");
  EXPECT_EQ(error_of("@title T\n@title U\n"), "test.txt:2: @title given twice");
}

TEST(WinhelpSource, ChecksTheWholeProject) {
  EXPECT_EQ(error_of("@topic A t\n"), "no @title given");
  EXPECT_EQ(error_of("@title T\n"), "no topics");
  EXPECT_EQ(error_of("@title T\n@topic 20 A t\n@topic 20 B u\n"), "topic number 20 used twice");
  EXPECT_EQ(error_of("@title T\n@topic Tips t\n@topic TIPS u\n"), "context id TIPS used twice");
  EXPECT_EQ(error_of("@title T\n@topic A t\nsee [[NOWHERE]]\n"), "topic A jumps to unknown NOWHERE");
  EXPECT_EQ(error_of("@title T\n@contents Z\n@topic A t\n"), "@contents names no topic: Z");
}

// The program opens topics by number: one the help file lacks would end in
// the viewer's "topic not found".
TEST(WinhelpSource, EveryTopicTheProgramOpensIsInTheShippedHelp) {
  const HelpProject project = Shipped_Help_Project();
  for (int number : kHelpTopics) {
    const bool found = std::any_of(project.topics.begin(), project.topics.end(),
                                   [number](const winhelp::Topic& t) { return t.number == number; });
    EXPECT_TRUE(found) << "no help topic " << number;
  }
}

}  // namespace
