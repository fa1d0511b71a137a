#include "cli/text_tool.h"

#include "cli/tool_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "text/codepages.h"
#include "text/exact_conversion.h"
#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/page_detector.h"
#include "text/translit.h"

namespace {

const char Help[] =
    "Usage: lirovant-text COMMAND [OPTIONS] [IN [OUT]]\n"
    "Russian text in the code pages DOS (866), ISO (8859-5), KOI (KOI8-R),\n"
    "MAC (Mac OS Cyrillic), WIN (1251) and UTF-8.\n"
    "\n"
    "  detect [--confidence] [FILE...]\n"
    "                                 print each file's page, a tab and its name;\n"
    "                                 UTF-16LE/UTF-16BE by their byte order mark,\n"
    "                                 ? when the page cannot be told; --confidence\n"
    "                                 adds how sure, 0 to 1, before the name\n"
    "  convert --to PAGE [--from PAGE|auto] [--replace] [--letters-only] [IN [OUT]]\n"
    "                                 every character kept; one the target lacks is\n"
    "                                 an error, or ? with --replace; --letters-only\n"
    "                                 moves only the 64 Russian letters and leaves\n"
    "                                 every other byte (8-bit pages only)\n"
    "  retype to-russian|to-latin     text typed in the wrong keyboard layout\n"
    "  translit                       Russian letters in Latin ones\n"
    "  case upper|lower|toggle        letter case\n"
    "\n"
    "retype, translit and case read and write WIN unless --encoding PAGE says\n"
    "otherwise. Without IN or OUT (or with -) standard input and output are used;\n"
    "OUT is written whole or not at all.\n"
    "\n"
    "Exit codes: 0 done, 2 usage, 3 unknown page, 4 unreadable input,\n"
    "5 output not written, 6 invalid UTF-8, 7 character the target lacks,\n"
    "8 page of the input cannot be told.\n";

struct Options {
  std::string command;
  std::vector<std::string> operands;
  std::string from = "auto";
  std::string to;
  std::string encoding = "WIN";
  bool replace = false;
  bool letters_only = false;
  bool confidence = false;
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
    throw Tool_Error{Exit_Unknown_Page, "unknown page " + name + " (DOS, ISO, KOI, MAC, WIN or UTF-8)"};
  return page;
}

struct Detected {
  const char* name;
  double confidence;
};

Detected Detect(const std::vector<std::string_view>& stretches) {
  const std::string_view start = stretches.empty() ? std::string_view() : stretches[0];
  if (start.substr(0, 3) == "\xEF\xBB\xBF") return {"UTF-8", 1};
  if (start.substr(0, 2) == "\xFF\xFE") return {"UTF-16LE", 1};
  if (start.substr(0, 2) == "\xFE\xFF") return {"UTF-16BE", 1};
  const Page_Guess guess = Detect_Page_Of_Sample(stretches);
  if (guess.page == Page_Unknown) return {"?", 0};
  return {Text_Page_Name(static_cast<Text_Page>(guess.page)), guess.confidence};
}

// A file is judged by a few stretches of it, read where they lie.
Detected Detect(Tool_Input& input) {
  if (!input.Is_File()) {
    const std::string text = input.Read_Rest();
    std::vector<std::string_view> stretches;
    for (const Byte_Range& range : Detect_Sample_Ranges(text.size()))
      stretches.push_back(std::string_view(text).substr(range.start, range.size));
    return Detect(stretches);
  }
  std::vector<std::string> texts;
  for (const Byte_Range& range : Detect_Sample_Ranges(input.File_Size()))
    texts.push_back(input.Read_At(range.start, range.size));
  return Detect(std::vector<std::string_view>(texts.begin(), texts.end()));
}

int Run_Detect(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  std::vector<std::string> names = options.operands;
  if (names.empty()) names.push_back("-");
  int code = Exit_Done;
  for (const std::string& name : names) {
    try {
      Tool_Input input(name, in);
      const Detected detected = Detect(input);
      out << detected.name << '\t';
      if (options.confidence) {
        char figure[16];
        std::snprintf(figure, sizeof figure, "%.3f\t", detected.confidence);
        out << figure;
      }
      out << name << '\n';
    } catch (const Tool_Error& error) {  // the other files still get their answer
      err << "lirovant-text: " << error.message << '\n';
      code = error.code;
    }
  }
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
                     "the input is not UTF-8 at offset " + std::to_string(report.first_invalid_at)};
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

Text_Page Source_Page(const Options& options, Tool_Input& input) {
  if (options.from != "auto") return Page_Named(options.from);
  const char* name = Detect(input).name;
  input.Rewind();
  Text_Page page;
  if (!Parse_Text_Page(name, &page))
    throw Tool_Error{Exit_Undetected, std::string("cannot convert from ") + name + "; give --from"};
  return page;
}

// Piece by piece, so that a file of any size takes little memory.
void Convert_Stream(const Options& options, Tool_Input& input, Text_Page from, Text_Page to,
                    Tool_Output& output) {
  Exact_Converter converter(from, to);
  std::string converted;
  bool first = true;
  for (std::string piece; input.Next_Piece(&piece);) {
    std::string_view text = piece;
    if (first && from == Page_UTF8 && to != Page_UTF8 && text.substr(0, 3) == "\xEF\xBB\xBF")
      text.remove_prefix(3);
    first = false;
    converted.clear();
    if (options.letters_only)
      converted = Convert_Text(std::string(text), static_cast<Codepage>(from), static_cast<Codepage>(to));
    else
      converter.Convert(text, &converted);
    Check_Report(converter.Report(), to, options.replace);
    output.Write(converted);
  }
  converted.clear();
  converter.Finish(&converted);
  Check_Report(converter.Report(), to, options.replace);
  output.Write(converted);
}

int Run_Convert(const Options& options, std::istream& in, std::ostream& out) {
  if (options.to.empty()) throw Tool_Error{Exit_Usage, "convert needs --to PAGE"};
  Check_Operands(options, 2);
  const Text_Page to = Page_Named(options.to);
  if (options.from != "auto") Page_Named(options.from);  // a bad name fails before the input is read
  Tool_Input input(Operand(options, 0), in);
  const Text_Page from = Source_Page(options, input);
  if (options.letters_only && (from == Page_UTF8 || to == Page_UTF8))
    throw Tool_Error{Exit_Usage, "--letters-only takes 8-bit pages only"};
  Tool_Output output(Operand(options, 1), out);
  Convert_Stream(options, input, from, to, output);
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
    return Run_Text_Command(options, in, out);
  } catch (const Tool_Error& error) {
    err << "lirovant-text: " << error.message << '\n';
    return error.code;
  }
}
