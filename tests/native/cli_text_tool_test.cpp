#include "cli/text_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "text/codepages.h"
#include "text/exact_conversion.h"

namespace {

namespace fs = std::filesystem;

struct Tool_Run {
  int code;
  std::string out, err;
};

Tool_Run Tool(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = Run_Text_Tool(args, in, out, err);
  return {code, out.str(), err.str()};
}

class TextTool : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("lirovant_text_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  fs::path folder_;
};

const std::string Russian = u8"Широкая электрификация южных губерний — «№ 5»";

TEST_F(TextTool, DetectNamesEachFileAndGoesOnPastAnUnreadableOne) {
  const std::string koi = File("a.koi", Convert_Exact(Russian, Page_UTF8, Page_KOI).text);
  const std::string bom = File("b.txt", "\xFF\xFE\x41\x00");
  const std::string ascii = File("c.txt", "plain");
  const std::string missing = (folder_ / "none.txt").string();
  const Tool_Run run = Tool({"detect", koi, missing, bom, ascii});
  EXPECT_EQ(run.code, Exit_Unreadable);
  EXPECT_EQ(run.out, "KOI\t" + koi + "\nUTF-16LE\t" + bom + "\n?\t" + ascii + "\n");
  EXPECT_NE(run.err.find(missing), std::string::npos);
  EXPECT_EQ(Tool({"detect"}, Russian).out, "UTF-8\t-\n");
  EXPECT_EQ(Tool({"detect", "--confidence", bom, ascii}).out,
            "UTF-16LE\t1.000\t" + bom + "\n?\t0.000\t" + ascii + "\n");
}

TEST_F(TextTool, ConvertKeepsEveryCharacterOrNamesTheFirstLackingOne) {
  const std::string text = u8"Широкая электрификация, № 5 ─";
  const std::string dos = File("in.dos", Convert_Exact(text, Page_UTF8, Page_DOS).text);
  const std::string out = File("out.txt", "old");
  Tool_Run run = Tool({"convert", "--from", "DOS", "--to", "KOI", dos, out});
  EXPECT_EQ(run.code, Exit_Missing_Character);
  EXPECT_NE(run.err.find("KOI has no U+2116 (at offset 24; 1 in all)"), std::string::npos) << run.err;
  EXPECT_EQ(Read(out), "old");  // the file stays as it was, and no temporary is left
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);

  run = Tool({"convert", "--to=KOI", "--from", "auto", dos, out, "--replace"});
  EXPECT_EQ(run.code, Exit_Done) << run.err;
  EXPECT_EQ(Read(out), Convert_Exact(u8"Широкая электрификация, ? 5 ─", Page_UTF8, Page_KOI).text);

  EXPECT_EQ(Tool({"convert", "--from", "dos", "--to", "utf-8", dos}).out, text);
  const std::string win = Convert_Exact(Russian, Page_UTF8, Page_WIN).text;
  EXPECT_EQ(Tool({"convert", "--from", "WIN", "--to", "MAC", "--letters-only"}, win).out,
            Convert_Text(win, Codepage_WIN, Codepage_MAC));
}

TEST_F(TextTool, EveryKindOfBadInputHasItsOwnExitCode) {
  EXPECT_EQ(Tool({}).code, Exit_Usage);
  EXPECT_EQ(Tool({"frobnicate"}).code, Exit_Usage);
  EXPECT_EQ(Tool({"convert", "--from", "WIN"}).code, Exit_Usage);
  EXPECT_EQ(Tool({"convert", "--to", "WIN", "--bogus"}).code, Exit_Usage);
  EXPECT_EQ(Tool({"convert", "--to", "WIN", "a", "b", "c"}).code, Exit_Usage);
  EXPECT_EQ(Tool({"convert", "--from", "UTF-8", "--to", "WIN", "--letters-only"}, "x").code, Exit_Usage);
  EXPECT_EQ(Tool({"case", "sideways"}).code, Exit_Usage);
  EXPECT_EQ(Tool({"convert", "--from", "KOI8", "--to", "WIN"}).code, Exit_Unknown_Page);
  EXPECT_EQ(Tool({"translit", "--encoding", "CP437"}).code, Exit_Unknown_Page);
  EXPECT_EQ(Tool({"convert", "--to", "WIN", (folder_ / "none").string()}).code, Exit_Unreadable);
  EXPECT_EQ(Tool({"convert", "--from", "UTF-8", "--to", "WIN"}, "\xD0").code, Exit_Invalid_Utf8);
  EXPECT_EQ(
      Tool({"convert", "--from", "WIN", "--to", "WIN", "-", (folder_ / "no" / "dir").string()}, "x").code,
      Exit_Unwritable);
  EXPECT_EQ(Tool({"convert", "--to", "WIN"}, "\x01\x02\x03\xC1").code, Exit_Undetected);
  const Tool_Run help = Tool({"--help"});
  EXPECT_EQ(help.code, Exit_Done);
  EXPECT_NE(help.out.find("Exit codes"), std::string::npos);
}

// The text's bytes in `written`, read as `read_as` and saved as UTF-8.
std::string Misread(const std::string& utf8, Text_Page written, Text_Page read_as) {
  return Convert_Exact(Convert_Exact(utf8, Page_UTF8, written).text, read_as, Page_UTF8).text;
}

// Each chain of wrong readings is named by detect and undone by repair in
// one run, into UTF-8 or the page asked for; text that is not garbled is
// only written in that page.
TEST_F(TextTool, RepairUndoesEachChainInOneRun) {
  const std::string text = u8"Привет, как дела у тебя сегодня? Всё хорошо.";
  const std::string utf8_via_win = Misread(text, Page_UTF8, Page_WIN);
  const std::pair<std::string, std::string> chains[] = {
      {utf8_via_win, "UTF-8 via WIN"},
      {Misread(text, Page_KOI, Page_WIN), "KOI via WIN"},
      {Misread(utf8_via_win, Page_UTF8, Page_WIN), "UTF-8 via WIN via WIN"},
      {Misread(text, Page_DOS, Page_WIN), "DOS via WIN"},
  };
  for (const auto& [garbled, name] : chains) {
    const std::string file = File("garbled.txt", garbled);
    EXPECT_EQ(Tool({"detect", file}).out, name + "\t" + file + "\n");
    EXPECT_EQ(Tool({"repair", file}).out, text) << name;
    EXPECT_EQ(Tool({"repair"}, "\xEF\xBB\xBF" + garbled).out, text) << name << ", after a mark";
    const Tool_Run to_koi = Tool({"repair", "--to", "KOI8-R"}, garbled);
    EXPECT_EQ(to_koi.out, Convert_Exact(text, Page_UTF8, Page_KOI).text) << name;
    EXPECT_EQ(to_koi.code, Exit_Done) << to_koi.err;
  }
  EXPECT_EQ(Tool({"repair"}, text).out, text);
  EXPECT_EQ(Tool({"repair", "--to", "WIN"}, Convert_Exact(text, Page_UTF8, Page_KOI).text).out,
            Convert_Exact(text, Page_UTF8, Page_WIN).text);
  EXPECT_EQ(Tool({"repair", "--to", "KOI"}, u8"ґанок").code, Exit_Missing_Character);
}

// Text it cannot tell, here Greek, is ? to detect and is neither converted
// from a page nor repaired; a table of letters, which one wrong reading would
// change only in its one-letter words, is named by its page, not a chain.
TEST_F(TextTool, TextItCannotTellIsAQuestionMarkOnEveryPath) {
  const std::string greek_1253 =
      "\xD4\xEF \xF0\xF1\xFC\xE3\xF1\xE1\xEC\xEC\xE1 \xE4\xE5\xED \xEC\xF0\xEF\xF1\xE5\xDF \xED\xE1 "
      "\xE1\xED\xEF\xDF\xEE\xE5\xE9 \xF4\xEF \xE1\xF1\xF7\xE5\xDF\xEF.";
  EXPECT_EQ(Tool({"detect", "--confidence"}, greek_1253).out, "?\t0.000\t-\n");
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"convert", "--to", "UTF-8"}, {"repair"}}) {
    const Tool_Run run = Tool(command, greek_1253);
    EXPECT_EQ(run.code, Exit_Undetected) << command[0];
    EXPECT_EQ(run.out, "") << command[0];
  }
  EXPECT_NE(Tool({"repair"}, greek_1253).err.find("convert --from PAGE"), std::string::npos);
  const std::string table =
      u8"ы 374\tFC\tь\tКИРИЛЛИЧЕСКАЯ СТРОЧНАЯ БУКВА ь 375\tFD\tэ\tКИРИЛЛИЧЕСКАЯ "
      u8"СТРОЧНАЯ БУКВА э 376\tFE\tю\tКИРИЛЛИЧЕСКАЯ СТРОЧНАЯ БУКВА ю";
  EXPECT_EQ(Tool({"detect"}, Convert_Exact(table, Page_UTF8, Page_KOI).text).out, "KOI\t-\n");
  EXPECT_EQ(Tool({"repair"}, table).out, table);
  EXPECT_EQ(Tool({"detect", "--odds-scale", "0"}).code, Exit_Usage);
}

// ASCII alone, or nothing, is the same in every page and goes as it is; UTF-8
// with a stray word of another page is named so and never converted as an
// 8-bit page; UTF-16 is read and written by the names people use.
TEST_F(TextTool, AsciiUtf8WithErrorsAndUtf16) {
  EXPECT_EQ(Tool({"convert", "--to", "KOI"}, "only ASCII").out, "only ASCII");
  const Tool_Run empty = Tool({"convert", "--to", "UTF-16"});
  EXPECT_EQ(empty.code, Exit_Done);
  EXPECT_EQ(empty.out, "");
  const std::string stray = Russian + " " + Convert_Exact(u8"даст", Page_UTF8, Page_WIN).text + " " + Russian;
  EXPECT_EQ(Tool({"detect"}, stray).out, "UTF-8 with errors\t-\n");
  const Tool_Run garbled = Tool({"convert", "--to", "WIN"}, stray);
  EXPECT_EQ(garbled.code, Exit_Invalid_Utf8);
  EXPECT_NE(garbled.err.find("not UTF-8 at offset"), std::string::npos) << garbled.err;

  const std::string utf16 = File("u16.txt", Convert_Exact(Russian, Page_UTF8, Page_UTF16).text);
  EXPECT_EQ(Tool({"detect", utf16}).out, "UTF-16LE\t" + utf16 + "\n");
  EXPECT_EQ(Tool({"convert", "--to", "windows-1251", utf16}).out,
            Convert_Exact(Russian, Page_UTF8, Page_WIN).text);
  EXPECT_EQ(Tool({"convert", "--from", "cp1251", "--to", "UTF-16BE"},
                 Convert_Exact(u8"Ёж", Page_UTF8, Page_WIN).text)
                .out,
            std::string("\x04\x01\x04\x36", 4));
  EXPECT_EQ(Tool({"convert", "--to", "IBM855"}, Convert_Exact(u8"Ґанок", Page_UTF8, Page_KOI8U).text).code,
            Exit_Missing_Character);  // IBM855 has no Ґ
}

TEST_F(TextTool, TextCommandsWorkInTheGivenEncoding) {
  const auto koi = [](const std::string& utf8) { return Convert_Exact(utf8, Page_UTF8, Page_KOI).text; };
  EXPECT_EQ(Tool({"case", "upper", "--encoding", "KOI"}, koi(u8"ёжик")).out, koi(u8"ЁЖИК"));
  EXPECT_EQ(Tool({"case", "toggle", "--encoding", "UTF-8"}, u8"ЁЖИК").out, u8"ёжик");
  EXPECT_EQ(Tool({"retype", "to-russian", "--encoding", "UTF-8"}, "ghbdtn").out, u8"привет");
  EXPECT_EQ(Tool({"retype", "to-latin"}, Convert_Exact(u8"руддщ", Page_UTF8, Page_WIN).text).out, "hello");
  EXPECT_EQ(Tool({"translit", "--encoding", "UTF-8"}, u8"щука").out, "schuka");
  // № re-typed from the Russian layout has no place in KOI8-R.
  EXPECT_EQ(Tool({"retype", "to-russian", "--encoding", "KOI"}, "#").code, Exit_Missing_Character);
}

}  // namespace
