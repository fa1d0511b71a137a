#include "text/reading_chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Text = u8"Привет, как дела у тебя сегодня? Всё хорошо, спасибо.";

// The text's bytes in `written`, read as `read_as` and saved as UTF-8.
std::string Misread(const std::string& utf8, Text_Page written, Text_Page read_as) {
  return Convert_Exact(Convert_Exact(utf8, Page_UTF8, written).text, read_as, Page_UTF8).text;
}

struct Chain_Case {
  std::vector<Wrong_Reading> readings;
  const char* name;
};

// Each chain of one or two wrong readings is found, named and undone, on a
// sample and piece by piece over the whole text.
TEST(ReadingChain, EveryChainIsFoundNamedAndUndone) {
  const Chain_Case cases[] = {
      {{{Page_UTF8, Page_WIN}}, "UTF-8 via WIN"},
      {{{Page_KOI, Page_WIN}}, "KOI via WIN"},
      {{{Page_DOS, Page_WIN}}, "DOS via WIN"},
      {{{Page_UTF8, Page_KOI}}, "UTF-8 via KOI"},
      {{{Page_UTF8, Page_WIN}, {Page_UTF8, Page_WIN}}, "UTF-8 via WIN via WIN"},
      {{{Page_KOI, Page_WIN}, {Page_UTF8, Page_WIN}}, "KOI via WIN via WIN"},
  };
  for (const Chain_Case& c : cases) {
    std::string garbled = Text;
    for (const Wrong_Reading& reading : c.readings)
      garbled = Misread(garbled, reading.written, reading.read_as);
    const auto chain = Find_Reading_Chain(garbled);
    ASSERT_TRUE(chain) << c.name;
    EXPECT_EQ(Chain_Name(chain->readings), c.name);
    EXPECT_EQ(chain->text, Text) << c.name;
    EXPECT_GT(chain->confidence, 0.9) << c.name;
    const std::string utf16 = Convert_Exact(garbled, Page_UTF8, Page_UTF16).text;
    Readings_Undoer undoer(Page_UTF16, chain->readings, Page_KOI);
    std::string undone;
    for (std::size_t at = 0; at < utf16.size(); at += 7)
      undoer.Convert(std::string_view(utf16).substr(at, 7), &undone);
    undoer.Finish(&undone);
    EXPECT_EQ(undone, Convert_Exact(Text, Page_UTF8, Page_KOI).text) << c.name;
    EXPECT_EQ(undoer.Report().missing + undoer.Report().invalid, 0u) << c.name;
  }
}

// Text that is not garbled, in any of the three languages, is left alone;
// so is text that a reading back changes only in slight evidence: the lone
// letters of a table, which read in DOS and written in MAC become other
// letters, and the capital that starts a sentence, which MAC reads as a small
// letter.
TEST(ReadingChain, TextThatIsNotGarbledIsLeftAlone) {
  const std::string table =
      u8"ы 374\t252\tFC\tь\tКИРИЛЛИЧЕСКАЯ СТРОЧНАЯ БУКВА ь 375\t253\tFD\tэ\tКИРИЛЛИЧЕСКАЯ СТРОЧНАЯ "
      u8"БУКВА э 376\t254\tFE\tю\tКИРИЛЛИЧЕСКАЯ СТРОЧНАЯ БУКВА ю 377\t255\tFF\tя\tКИР";
  for (const std::string& text : {Text, std::string(u8"Ёлка"), std::string(u8"Київ є столицею України."),
                                  std::string(u8"Беларуская мова"), std::string("plain ASCII"), std::string(),
                                  table, std::string(u8"Юникода обыч")})
    EXPECT_FALSE(Find_Reading_Chain(text)) << text;
}

TEST(ReadingChain, AnInBetweenPageIsNamedAndAChainThatDoesNotFitIsReported) {
  EXPECT_EQ(Chain_Name({{Page_KOI, Page_WIN}, {Page_DOS, Page_WIN}}), "KOI via WIN as DOS via WIN");
  const Exact_Conversion lacking = Undo_Readings(u8"ґ", Page_UTF8, {{Page_UTF8, Page_KOI}}, Page_UTF8);
  EXPECT_EQ(lacking.missing, 1u);  // KOI8-R has no ґ: the chain does not fit this text
}

}  // namespace
