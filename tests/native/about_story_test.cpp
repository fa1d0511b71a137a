#include "about/about_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Whole_Story() {
  std::string text;
  for (int k = 1; k <= Story_Piece_Count; ++k) {
    if (k > 1) text += ' ';
    text += Story_Piece(k);
  }
  return text;
}

bool Ends_Sentence(const std::string& piece) {
  const std::string last = Utf8_Substr(piece, Utf8_Length(piece) - 1, 1);
  return last == "." || last == "!" || last == "?" || last == "…";
}

}  // namespace

TEST(AboutStory, PiecesHaveTheirLengthsInCharacters) {
  const std::size_t lengths[] = {238, 246, 232, 229, 160};
  std::size_t total = 0;
  for (int k = 1; k <= Story_Piece_Count; ++k) {
    EXPECT_EQ(Utf8_Length(Story_Piece(k)), lengths[k - 1]) << "piece " << k;
    total += Utf8_Length(Story_Piece(k));
  }
  EXPECT_EQ(total, 1105u);
  EXPECT_STREQ(Story_Piece(0), "");
  EXPECT_STREQ(Story_Piece(6), "");
}

TEST(AboutStory, PiecesReadAsOneTextCutMidSentence) {
  const std::string story = Whole_Story();
  const std::string opening = "В интернете мне часто попадались заменители блокнота Notepad.";
  EXPECT_EQ(story.compare(0, opening.size(), opening), 0);
  EXPECT_EQ(Utf8_Substr(story, Utf8_Length(story) - 1, 1), "…");
  for (int k = 1; k <= Story_Piece_Count; ++k) {
    const std::string piece = Story_Piece(k);
    ASSERT_FALSE(piece.empty());
    // A label's text must not start or end in a space, nor break a word.
    EXPECT_NE(piece.front(), ' ') << "piece " << k;
    EXPECT_NE(piece.back(), ' ') << "piece " << k;
    if (k < Story_Piece_Count) {
      EXPECT_FALSE(Ends_Sentence(piece)) << "piece " << k;
    }
    EXPECT_EQ(piece.find("  "), std::string::npos) << "piece " << k;
  }
  EXPECT_TRUE(Ends_Sentence(Story_Piece(Story_Piece_Count)));
}

TEST(AboutStory, StoryTellsWhatTheProgramIsFor) {
  const std::string story = Whole_Story();
  for (const char* point : {"DOS", "больших файлах", "без программы установки", "Пользуйтесь"})
    EXPECT_NE(story.find(point), std::string::npos) << point;
}

TEST(AboutTexts, VersionComesFromTheProgramTitle) {
  EXPECT_EQ(About_Version_Text(About_Program_Title), "Версия продукта: 2.8");
  EXPECT_EQ(About_Version_Text("Лированик 3.10"), "Версия продукта: 3.1");
  // A short title gives what there is, never a broken character.
  EXPECT_EQ(About_Version_Text("Лированик 9"), "Версия продукта: 9");
  EXPECT_EQ(About_Version_Text(""), "Версия продукта: ");
}

TEST(AboutTexts, LinksAndFixedLabels) {
  EXPECT_EQ(About_Mail_Target(), std::string("mailto:") + About_Mail_Address);
  EXPECT_NE(std::string(About_Mail_Address).find('@'), std::string::npos);
  EXPECT_EQ(std::string(About_Home_Page).rfind("http", 0), 0u);
  EXPECT_STREQ(About_Caption, " О программе");
  EXPECT_STREQ(About_Product_Name, "Имя продукта: \"Лированик\"");
}

TEST(AboutTexts, Utf8CountingAndCutting) {
  const std::string mixed = "Ab Яё…z";
  EXPECT_EQ(Utf8_Length(mixed), 7u);
  EXPECT_EQ(Utf8_Substr(mixed, 3, 2), "Яё");
  EXPECT_EQ(Utf8_Substr(mixed, 5, 10), "…z");
  EXPECT_EQ(Utf8_Substr(mixed, 9, 2), "");
}
