#include "cli/text_tool.h"

#include "cli/tool_files.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/codepages.h"
#include "text/exact_conversion.h"
#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/page_detector.h"
#include "text/reading_chain.h"
#include "text/translit.h"

namespace {

const char Help[] =
    "Usage: lirovant-text COMMAND [OPTIONS] [IN [OUT]]\n"
    "Russian, Ukrainian and Belarusian text in the code pages DOS (866), ISO\n"
    "(8859-5), KOI (KOI8-R), MAC (Mac OS Cyrillic), WIN (1251), KOI8-U, CP1125\n"
    "(the Ukrainian DOS page) and IBM855, and in UTF-8, UTF-16LE, UTF-16BE and\n"
    "UTF-16 (with its byte order mark). Pages are also known by the names\n"
    "people use, in any case: KOI8-R, CP866, IBM866, ISO-8859-5, MacCyrillic,\n"
    "x-mac-cyrillic, CP1251, windows-1251, CP855 ...\n"
    "\n"
    "  detect [--confidence] [FILE...]\n"
    "                                 print each file's page, a tab and its name;\n"
    "                                 ? when it cannot be told: no letters, a page\n"
    "                                 the tool does not read, text in two pages,\n"
    "                                 or no answer as sure as 0.5; \"UTF-8 with\n"
    "                                 errors\" for UTF-8 with a few bytes that are\n"
    "                                 no UTF-8; a chain of wrong readings, oldest\n"
    "                                 first, for garbled text: \"UTF-8 via WIN\" is\n"
    "                                 UTF-8 read as WIN and saved again;\n"
    "                                 --confidence adds how sure, 0 to 1, before\n"
    "                                 the name (0 for ?); --odds-scale F tries\n"
    "                                 another scale of the letter model's odds, as\n"
    "                                 tools/bench/detect_bench.py does to choose it\n"
    "  convert --to PAGE [--from PAGE|auto] [--replace] [--letters-only] [IN [OUT]]\n"
    "                                 every character kept; one the target lacks is\n"
    "                                 an error, or ? with --replace; --letters-only\n"
    "                                 moves only the 64 Russian letters and leaves\n"
    "                                 every other byte (DOS, ISO, KOI, MAC, WIN only);\n"
    "                                 text of ASCII alone is written as it is\n"
    "  repair [--to PAGE] [--replace] [IN [OUT]]\n"
    "                                 undoes up to two wrong readings (the chain\n"
    "                                 detect names) and writes the text in UTF-8\n"
    "                                 or PAGE; text that is not garbled is only\n"
    "                                 written in PAGE, garbled text whose chain\n"
    "                                 cannot be told not at all\n"
    "  retype to-russian|to-latin     text typed in the wrong keyboard layout\n"
    "  translit                       Russian letters in Latin ones\n"
    "  case upper|lower|toggle        letter case\n"
    "\n"
    "retype, translit and case read and write WIN unless --encoding PAGE says\n"
    "otherwise. Without IN or OUT (or with -) standard input and output are used;\n"
    "input from standard input or a pipe is judged by its first part. OUT is\n"
    "written whole or not at all: through a new file beside it that takes its\n"
    "place at the end with its permissions; a device or a pipe named as OUT is\n"
    "written to directly. Standard output takes the text as it is made.\n"
    "UTF-16 is written with a byte order mark, UTF-16LE and UTF-16BE without.\n"
    "\n"
    "Exit codes: 0 done, 2 usage, 3 unknown page, 4 unreadable input,\n"
    "5 output not written (standard output too), 6 invalid UTF-8 (UTF-8 with\n"
    "errors is never converted as an 8-bit page), 7 character the target lacks,\n"
    "8 page of the input, or for repair the wrong readings that garbled it,\n"
    "cannot be told.\n";

struct Options {
  std::string command;
  std::vector<std::string> operands;
  std::string from = "auto";
  std::string to;
  std::string encoding = "WIN";
  bool replace = false;
  bool letters_only = false;
  bool confidence = false;
  double odds_scale = Model_Overconfidence;
  bool help = false;
};

// The value of an option given as "--name value" or "--name=value".
bool Take_Value(const std::vector<std::string>& args, std::size_t* i, const std::string& name,
                std::string* value) {
  const std::string& arg = args[*i];
  if (arg.compare(0, name.size() + 1, name + "=") == 0) {
    *value = arg.substr(name.size() + 1);
    return true;
  }
  if (arg != name) return false;
  if (*i + 1 >= args.size()) throw Tool_Error{Exit_Usage, name + " needs a value"};
  *value = args[++*i];
  return true;
}

double Odds_Scale(const std::string& value) {
  char* end = nullptr;
  const double scale = std::strtod(value.c_str(), &end);
  if (value.empty() || *end != '\0' || !(scale >= 0.5 && scale <= 100))
    throw Tool_Error{Exit_Usage, "--odds-scale takes a number from 0.5 to 100"};
  return scale;
}

Options Parse_Options(const std::vector<std::string>& args) {
  Options options;
  bool operands_only = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (operands_only || arg == "-" || arg.empty() || arg[0] != '-') {
      (options.command.empty() ? options.command : options.operands.emplace_back()) = arg;
    } else if (arg == "--") {
      operands_only = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--replace") {
      options.replace = true;
    } else if (arg == "--letters-only") {
      options.letters_only = true;
    } else if (arg == "--confidence") {
      options.confidence = true;
    } else if (std::string scale; Take_Value(args, &i, "--odds-scale", &scale)) {
      options.odds_scale = Odds_Scale(scale);
    } else if (!Take_Value(args, &i, "--from", &options.from) && !Take_Value(args, &i, "--to", &options.to) &&
               !Take_Value(args, &i, "--encoding", &options.encoding)) {
      throw Tool_Error{Exit_Usage, "unknown option " + arg};
    }
  }
  return options;
}

Text_Page Page_Named(const std::string& name) {
  Text_Page page;
  if (!Parse_Text_Page(name, &page))
    throw Tool_Error{Exit_Unknown_Page, "unknown page " + name +
                                            " (DOS, ISO, KOI, MAC, WIN, KOI8-U, CP1125, IBM855, UTF-8, "
                                            "UTF-16LE, UTF-16BE or UTF-16)"};
  return page;
}

struct Detected {
  Page_Guess guess;
  bool ascii = false;  // no byte beyond ASCII: every page reads it alike
  std::optional<Reading_Chain> chain;

  double Confidence() const { return guess.confidence * (chain ? chain->confidence : 1.0); }
  // Garbled text whose wrong readings cannot be told is no more told than
  // text whose page cannot.
  bool Told() const { return guess.page != Page_Unknown && Confidence() >= Least_Confidence; }
  std::string Name() const {
    if (!Told()) return "?";
    if (chain) return Chain_Name(chain->readings);
    if (guess.utf8_errors) return "UTF-8 with errors";
    return Text_Page_Name(static_cast<Text_Page>(guess.page));
  }
};

bool Has_High_Byte(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

// The text the sample holds, as UTF-8, for the look for wrong readings.
// UTF-16 is taken from its first stretch alone, which starts at a unit.
std::string Sample_Text(const std::vector<std::string_view>& stretches, Text_Page page) {
  if (Is_Utf16_Page(page)) return Convert_Exact(stretches[0], page, Page_UTF8).text;
  std::string sample = Sample_Of(stretches);
  if (page == Page_UTF8 && sample.compare(0, 3, "\xEF\xBB\xBF") == 0) sample.erase(0, 3);  // a mark, not text
  return Convert_Exact(sample, page, Page_UTF8).text;
}

Detected Detect(const std::vector<std::string_view>& stretches, double odds_scale) {
  Detected detected;
  detected.guess = Detect_Page_Of_Sample(stretches, odds_scale);
  if (detected.guess.page == Page_Unknown) {
    detected.ascii = true;
    for (const std::string_view stretch : stretches)
      detected.ascii = detected.ascii && !Has_High_Byte(stretch);
    return detected;
  }
  if (!detected.guess.utf8_errors)
    detected.chain =
        Find_Reading_Chain(Sample_Text(stretches, static_cast<Text_Page>(detected.guess.page)), odds_scale);
  return detected;
}

// A file is judged by a few stretches of it, read where they lie; a stream
// by its head, which the reading that follows gives again.
Detected Detect(Tool_Input& input, double odds_scale) {
  if (!input.Is_Seekable()) {
    const std::string_view head = input.Head();
    std::vector<std::string_view> stretches;
    for (const Byte_Range& range : Detect_Sample_Ranges(head.size()))
      stretches.push_back(head.substr(range.start, range.size));
    return Detect(stretches, odds_scale);
  }
  std::vector<std::string> texts;
  for (const Byte_Range& range : Detect_Sample_Ranges(input.File_Size()))
    texts.push_back(input.Read_At(range.start, range.size));
  return Detect(std::vector<std::string_view>(texts.begin(), texts.end()), odds_scale);
}

int Run_Detect(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  std::vector<std::string> names = options.operands;
  if (names.empty()) names.push_back("-");
  int code = Exit_Done;
  for (const std::string& name : names) {
    try {
      Tool_Input input(name, in);
      const Detected detected = Detect(input, options.odds_scale);
      out << detected.Name() << '\t';
      if (options.confidence) {
        char figure[16];
        std::snprintf(figure, sizeof figure, "%.3f\t", detected.Told() ? detected.Confidence() : 0.0);
        out << figure;
      }
      out << name << '\n';
    } catch (const Tool_Error& error) {  // the other files still get their answer
      err << "lirovant-text: " << error.message << '\n';
      code = error.code;
    }
  }
  if (!out.flush()) throw Tool_Error{Exit_Unwritable, "cannot write standard output"};
  return code;
}

std::string Code_Point_Name(char32_t code) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
  return name;
}

// The error that the first bad character makes, if any.
void Check_Report(const Exact_Conversion& report, Text_Page to, bool replace) {
  if (report.invalid > 0)
    throw Tool_Error{Exit_Invalid_Utf8,
                     "the input is not UTF-8 at offset " + std::to_string(report.first_invalid_at) +
                         " (UTF-8 with errors is never read as an 8-bit page; give --from PAGE "
                         "if it is one)"};
  if (report.missing > 0 && !replace)
    throw Tool_Error{Exit_Missing_Character,
                     std::string(Text_Page_Name(to)) + " has no " + Code_Point_Name(report.first_missing) +
                         " (at offset " + std::to_string(report.first_missing_at) + "; " +
                         std::to_string(report.missing) + " in all); --replace writes ? instead"};
}

std::string Checked(const Exact_Conversion& result, Text_Page to, bool replace) {
  Check_Report(result, to, replace);
  return result.text;
}

void Check_Operands(const Options& options, std::size_t files) {
  if (options.operands.size() > files)
    throw Tool_Error{Exit_Usage, "too many files: " + options.operands.back()};
}

std::string Operand(const Options& options, std::size_t i) {
  return i < options.operands.size() ? options.operands[i] : std::string();
}

// The page the input is stored in: ASCII alone goes as UTF-8, which every
// page and UTF-16 read alike, and UTF-8 with errors as UTF-8, whose errors
// the conversion then names.
// advice says how to go on when the page cannot be told.
Text_Page Stored_Page(const Detected& detected, const Tool_Input& input, const std::string& advice) {
  if (detected.guess.page != Page_Unknown) return static_cast<Text_Page>(detected.guess.page);
  if (detected.ascii) return Page_UTF8;
  throw Tool_Error{Exit_Undetected, "cannot tell the page of " + input.Name() + "; " + advice};
}

// repair has no --from: a page the user knows is given to convert.
const char Repair_Advice[] = "convert --from PAGE writes it as it is";

// Piece by piece, so that a file of any size takes little memory. The
// converter is an Exact_Converter or a Readings_Undoer; a UTF-8 mark at the
// start is dropped when drop_mark says so.
template <typename Converter>
void Convert_Stream(Converter& converter, Tool_Input& input, bool drop_mark, Text_Page to, bool replace,
                    Tool_Output& output) {
  std::string converted;
  bool first = true;
  for (std::string piece; input.Next_Piece(&piece);) {
    std::string_view text = piece;
    if (first && drop_mark && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    first = false;
    converted.clear();
    converter.Convert(text, &converted);
    Check_Report(converter.Report(), to, replace);
    output.Write(converted);
  }
  converted.clear();
  converter.Finish(&converted);
  Check_Report(converter.Report(), to, replace);
  output.Write(converted);
}

// The menu's conversion: only the Russian letters move.
void Convert_Letters(Tool_Input& input, Text_Page from, Text_Page to, Tool_Output& output) {
  if (from >= Codepage_Count || to >= Codepage_Count)
    throw Tool_Error{Exit_Usage, "--letters-only takes DOS, ISO, KOI, MAC and WIN only"};
  for (std::string piece; input.Next_Piece(&piece);)
    output.Write(Convert_Text(piece, static_cast<Codepage>(from), static_cast<Codepage>(to)));
}

int Run_Convert(const Options& options, std::istream& in, std::ostream& out) {
  if (options.to.empty()) throw Tool_Error{Exit_Usage, "convert needs --to PAGE"};
  Check_Operands(options, 2);
  const Text_Page to = Page_Named(options.to);
  if (options.from != "auto") Page_Named(options.from);  // a bad name fails before the input is read
  Tool_Input input(Operand(options, 0), in);
  Text_Page from = Page_UTF8;
  if (options.from != "auto") {
    from = Page_Named(options.from);
  } else {
    from = Stored_Page(Detect(input, options.odds_scale), input, "give --from");
    input.Rewind();
  }
  if (options.letters_only && (from >= Codepage_Count || to >= Codepage_Count))
    throw Tool_Error{Exit_Usage, "--letters-only takes DOS, ISO, KOI, MAC and WIN only"};
  Tool_Output output(Operand(options, 1), out);
  if (options.letters_only) {
    Convert_Letters(input, from, to, output);
  } else {
    Exact_Converter converter(from, to);
    Convert_Stream(converter, input, from == Page_UTF8 && to != Page_UTF8, to, options.replace, output);
  }
  output.Commit();
  return Exit_Done;
}

int Run_Repair(const Options& options, std::istream& in, std::ostream& out) {
  Check_Operands(options, 2);
  const Text_Page to = options.to.empty() ? Page_UTF8 : Page_Named(options.to);
  Tool_Input input(Operand(options, 0), in);
  const Detected detected = Detect(input, options.odds_scale);
  const Text_Page stored = Stored_Page(detected, input, Repair_Advice);
  if (detected.chain && !detected.Told())
    throw Tool_Error{Exit_Undetected,
                     "cannot tell which wrong readings garbled " + input.Name() + "; " + Repair_Advice};
  input.Rewind();
  Tool_Output output(Operand(options, 1), out);
  Readings_Undoer undoer(stored, detected.chain ? detected.chain->readings : std::vector<Wrong_Reading>{},
                         to);
  Convert_Stream(undoer, input, stored, to, options.replace, output);
  output.Commit();
  return Exit_Done;
}

using Text_Command = std::string (*)(const std::string&);

Text_Command Command_Named(const std::string& command, const std::string& how) {
  if (command == "translit") return [](const std::string& text) { return Translit_Text(text); };
  if (command == "retype" && how == "to-russian") return Retype_To_Russian;
  if (command == "retype" && how == "to-latin") return Retype_To_Latin;
  if (command == "case" && how == "upper") return Upper_Case_Text;
  if (command == "case" && how == "lower") return Lower_Case_Text;
  if (command == "case" && how == "toggle") return Toggle_Case_Text;
  if (command == "retype") throw Tool_Error{Exit_Usage, "retype needs to-russian or to-latin"};
  if (command == "case") throw Tool_Error{Exit_Usage, "case needs upper, lower or toggle"};
  throw Tool_Error{Exit_Usage, "unknown command " + command + "; see --help"};
}

// The editor's commands work on Windows-1251, so other pages pass through it.
int Run_Text_Command(const Options& options, std::istream& in, std::ostream& out) {
  Options files = options;
  std::string how;
  if (options.command != "translit") {
    how = Operand(options, 0);
    if (!files.operands.empty()) files.operands.erase(files.operands.begin());
  }
  const Text_Command command = Command_Named(options.command, how);
  Check_Operands(files, 2);
  const Text_Page page = Page_Named(options.encoding);
  Tool_Input input(Operand(files, 0), in);
  const std::string text = input.Read_Rest();
  const std::string win = Checked(Convert_Exact(text, page, Page_WIN), Page_WIN, options.replace);
  const std::string result = Checked(Convert_Exact(command(win), Page_WIN, page), page, options.replace);
  Tool_Output output(Operand(files, 1), out);
  output.Write(result);
  output.Commit();
  return Exit_Done;
}

}  // namespace

int Run_Text_Tool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
  try {
    const Options options = Parse_Options(args);
    if (options.help) {
      out << Help;
      return Exit_Done;
    }
    if (options.command.empty()) throw Tool_Error{Exit_Usage, "no command; see --help"};
    if (options.command == "detect") return Run_Detect(options, in, out, err);
    if (options.command == "convert") return Run_Convert(options, in, out);
    if (options.command == "repair") return Run_Repair(options, in, out);
    return Run_Text_Command(options, in, out);
  } catch (const Tool_Error& error) {
    err << "lirovant-text: " << error.message << '\n';
    return error.code;
  }
}
