#include "tools/winhelp/help_source.h"

#include <cctype>
#include <map>
#include <set>
#include <sstream>

#include "tools/winhelp/context_hash.h"
#include "tools/winhelp/cp1251.h"

namespace winhelp {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t'; }

std::string trim(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && is_space(text[begin])) ++begin;
  while (end > begin && is_space(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool starts_with(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Splits off the first blank-separated word of `rest`, leaving the remainder.
std::string take_word(std::string& rest) {
  rest = trim(rest);
  std::size_t end = 0;
  while (end < rest.size() && !is_space(rest[end])) ++end;
  std::string word = rest.substr(0, end);
  rest = trim(rest.substr(end));
  return word;
}

class Parser {
 public:
  Parser(const std::string& name, HelpProject& project) : name_(name), project_(project) {}

  void line(const std::string& raw, int number) {
    line_ = number;
    std::string text = raw;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const std::string trimmed = trim(text);
    if (trimmed.empty()) return flush();
    if (text[0] == ';') return;
    if (text[0] == '@') {
      flush();
      return directive(text);
    }
    if (!topic_) fail("text outside a topic");
    if (starts_with(text, "## ")) {
      flush();
      start(ParagraphStyle::Subheading, text.substr(3));
      return flush();
    }
    if (starts_with(text, "- ")) {
      flush();
      return start(ParagraphStyle::ListItem, text.substr(2));
    }
    if (pending_text_.empty()) return start(ParagraphStyle::Body, trimmed);
    pending_text_ += ' ';
    pending_text_ += trimmed;
  }

  void finish() { flush(); }

 private:
  [[noreturn]] void fail(const std::string& message) const {
    throw SourceError(name_ + ":" + std::to_string(line_) + ": " + message);
  }

  std::string to_cp1251(const std::string& utf8) const {
    auto converted = utf8_to_cp1251(utf8);
    if (!converted) fail("text is not UTF-8 or has a character outside Windows-1251");
    return *converted;
  }

  void directive(const std::string& text) {
    std::string rest = text.substr(1);
    const std::string word = take_word(rest);
    if (word == "title") {
      if (!project_.title.empty()) fail("@title given twice");
      if (rest.empty()) fail("@title needs a text");
      project_.title = to_cp1251(rest);
    } else if (word == "contents") {
      if (!project_.contents_id.empty()) fail("@contents given twice");
      if (!is_valid_context_id(rest)) fail("@contents needs one context id");
      project_.contents_id = rest;
    } else if (word == "topic") {
      topic(rest);
    } else {
      fail("unknown directive @" + word);
    }
  }

  void topic(std::string rest) {
    Topic topic;
    std::string word = take_word(rest);
    if (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0]))) {
      for (char c : word) {
        if (!std::isdigit(static_cast<unsigned char>(c))) fail("bad topic number " + word);
      }
      if (word.size() > 9) fail("topic number too large");
      topic.number = std::stoi(word);
      word = take_word(rest);
    }
    if (!is_valid_context_id(word)) fail("bad context id '" + word + "' (letters, digits, _ and . only)");
    if (rest.empty()) fail("@topic needs a title");
    topic.context_id = word;
    topic.title = to_cp1251(rest);
    topic.paragraphs.push_back({ParagraphStyle::Heading, {{Run::Kind::Plain, topic.title, {}}}});
    project_.topics.push_back(std::move(topic));
    topic_ = &project_.topics.back();
  }

  void start(ParagraphStyle style, const std::string& text) {
    pending_style_ = style;
    pending_text_ = trim(text);
    pending_line_ = line_;
    if (pending_text_.empty()) fail("empty paragraph");
  }

  void flush() {
    if (pending_text_.empty()) return;
    const int current = line_;
    line_ = pending_line_;
    Paragraph paragraph{pending_style_, parse_inline(to_cp1251(pending_text_))};
    topic_->paragraphs.push_back(std::move(paragraph));
    pending_text_.clear();
    line_ = current;
  }

  std::vector<Run> parse_inline(const std::string& text) const {
    std::vector<Run> runs;
    std::string plain;
    const auto emit_plain = [&] {
      if (!plain.empty()) runs.push_back({Run::Kind::Plain, plain, {}});
      plain.clear();
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
      if (text.compare(pos, 2, "**") == 0) {
        const std::size_t end = text.find("**", pos + 2);
        if (end == std::string::npos) fail("unclosed **");
        if (end == pos + 2) fail("empty bold text");
        emit_plain();
        runs.push_back({Run::Kind::Bold, text.substr(pos + 2, end - pos - 2), {}});
        pos = end + 2;
      } else if (text.compare(pos, 2, "[[") == 0) {
        const std::size_t end = text.find("]]", pos + 2);
        if (end == std::string::npos) fail("unclosed [[");
        const std::string inner = text.substr(pos + 2, end - pos - 2);
        const std::size_t bar = inner.find('|');
        Run jump{Run::Kind::Jump, {}, trim(inner.substr(0, bar))};
        if (bar != std::string::npos) jump.text = trim(inner.substr(bar + 1));
        if (!is_valid_context_id(jump.target)) fail("bad jump target '" + jump.target + "'");
        emit_plain();
        runs.push_back(std::move(jump));
        pos = end + 2;
      } else {
        plain += text[pos++];
      }
    }
    emit_plain();
    return runs;
  }

  std::string name_;
  HelpProject& project_;
  Topic* topic_ = nullptr;
  int line_ = 0;
  ParagraphStyle pending_style_ = ParagraphStyle::Body;
  std::string pending_text_;
  int pending_line_ = 0;
};

std::string upper(const std::string& id) {
  std::string out = id;
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

void parse_help_source(const std::string& utf8_text, const std::string& name, HelpProject& project) {
  std::string text = utf8_text;
  if (starts_with(text, "\xEF\xBB\xBF")) text.erase(0, 3);
  Parser parser(name, project);
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) parser.line(line, ++number);
  parser.finish();
}

void finish_project(HelpProject& project) {
  if (project.title.empty()) throw SourceError("no @title given");
  if (project.topics.empty()) throw SourceError("no topics");

  std::map<std::string, const Topic*> by_id;  // ids compare without case, as their hashes do
  std::set<std::int32_t> numbers;
  std::map<std::int32_t, std::string> hashes;
  for (const Topic& topic : project.topics) {
    if (!by_id.emplace(upper(topic.context_id), &topic).second) {
      throw SourceError("context id " + topic.context_id + " used twice");
    }
    if (topic.number && !numbers.insert(*topic.number).second) {
      throw SourceError("topic number " + std::to_string(*topic.number) + " used twice");
    }
    const auto hash = context_hash(topic.context_id);
    const auto clash = hashes.emplace(hash, topic.context_id);
    if (!clash.second) {
      throw SourceError("context ids " + clash.first->second + " and " + topic.context_id +
                        " have the same hash");
    }
  }
  if (project.contents_id.empty()) project.contents_id = project.topics.front().context_id;
  const auto contents = by_id.find(upper(project.contents_id));
  if (contents == by_id.end()) throw SourceError("@contents names no topic: " + project.contents_id);
  project.contents_id = contents->second->context_id;
  for (Topic& topic : project.topics) {
    for (Paragraph& paragraph : topic.paragraphs) {
      for (Run& run : paragraph.runs) {
        if (run.kind != Run::Kind::Jump) continue;
        const auto target = by_id.find(upper(run.target));
        if (target == by_id.end()) {
          throw SourceError("topic " + topic.context_id + " jumps to unknown " + run.target);
        }
        if (run.text.empty()) run.text = target->second->title;
      }
    }
  }
}

}  // namespace winhelp
