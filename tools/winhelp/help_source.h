// The readable source of the help topics and the model it is parsed into.
//
// Markup (UTF-8 text, one or more files read in order):
//   ; comment line
//   @title <help file title>              once, before or between topics
//   @contents <context-id>                the contents topic (default: the first)
//   @topic [<number>] <context-id> <title>  starts a topic; the number is the
//                                         one programs pass with HELP_CONTEXT
//   ## <text>                             a subheading paragraph
//   - <text>                              a list item (indented lines continue it)
//   blank line                            ends a paragraph; other lines join into it
// Inline: **bold**, [[context-id|text]] and [[context-id]] (a jump that shows
// the target's title).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace winhelp {

// All text of the model is Windows-1251.
struct Run {
  enum class Kind { Plain, Bold, Jump };
  Kind kind = Kind::Plain;
  std::string text;
  std::string target;  // context id of a jump
};

enum class ParagraphStyle { Heading, Subheading, Body, ListItem };

struct Paragraph {
  ParagraphStyle style = ParagraphStyle::Body;
  std::vector<Run> runs;
};

struct Topic {
  std::optional<std::int32_t> number;
  std::string context_id;
  std::string title;
  std::vector<Paragraph> paragraphs;  // the title's heading comes first
};

struct HelpProject {
  std::string title;
  std::string contents_id;
  std::vector<Topic> topics;
};

class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Adds the topics of one source file to the project. `name` only labels
// error messages ("name:line: ..."). Throws SourceError.
void parse_help_source(const std::string& utf8_text, const std::string& name, HelpProject& project);

// Checks what only the whole project can tell: a title, at least one topic,
// unique ids, numbers and hashes, and that every jump and the contents id
// name a topic. Fills in the contents id and the text of [[id]] jumps.
// Throws SourceError.
void finish_project(HelpProject& project);

}  // namespace winhelp
