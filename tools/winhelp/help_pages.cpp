#include "tools/winhelp/help_pages.h"

#include <cctype>
#include <stdexcept>

#include "common/help_pages.h"

namespace winhelp {
namespace {

bool same_id(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

const Topic& topic_of(const HelpProject& project, const std::string& id) {
  for (const Topic& topic : project.topics)
    if (same_id(topic.context_id, id)) return topic;
  throw SourceError("no topic " + id + " for a link");
}

// Text for HTML: the markup characters as entities, the Cyrillic bytes as they are.
std::string escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string runs_html(const HelpProject& project, const std::vector<Run>& runs) {
  std::string out;
  for (const Run& run : runs) {
    switch (run.kind) {
      case Run::Kind::Plain:
        out += escaped(run.text);
        break;
      case Run::Kind::Bold:
        out += "<b>" + escaped(run.text) + "</b>";
        break;
      case Run::Kind::Jump:
        out += "<a href=\"" + page_file_name(project, topic_of(project, run.target)) + "\">" +
               escaped(run.text) + "</a>";
        break;
    }
  }
  return out;
}

// Consecutive list items make one list.
std::string body_html(const HelpProject& project, const Topic& topic) {
  std::string out;
  bool in_list = false;
  for (const Paragraph& paragraph : topic.paragraphs) {
    const bool item = paragraph.style == ParagraphStyle::ListItem;
    if (item && !in_list) out += "<ul>\n";
    if (!item && in_list) out += "</ul>\n";
    in_list = item;
    const std::string text = runs_html(project, paragraph.runs);
    switch (paragraph.style) {
      case ParagraphStyle::Heading:
        out += "<h1>" + text + "</h1>\n";
        break;
      case ParagraphStyle::Subheading:
        out += "<h2>" + text + "</h2>\n";
        break;
      case ParagraphStyle::Body:
        out += "<p>" + text + "</p>\n";
        break;
      case ParagraphStyle::ListItem:
        out += "<li>" + text + "</li>\n";
        break;
    }
  }
  if (in_list) out += "</ul>\n";
  return out;
}

const char kStyle[] =
    "body{font-family:Tahoma,Verdana,sans-serif;font-size:10pt;line-height:1.45;max-width:46em;"
    "margin:1.5em auto;padding:0 1em;color:#1e1e1e;background:#fffef8}"
    "h1{font-size:15pt;color:#204a87;border-bottom:1px solid #c8c8c8;padding-bottom:.2em}"
    "h2{font-size:11pt;color:#204a87;margin-top:1.4em}"
    "a{color:#0645ad}a:visited{color:#5a3696}"
    "li{margin:.25em 0}"
    ".back{font-size:9pt;margin-bottom:1em}";

std::string page_html(const HelpProject& project, const Topic& topic) {
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n"
      "<title>" +
      escaped(topic.title) + " \x97 " + escaped(project.title) + "</title>\n<style>" + kStyle +
      "</style>\n</head>\n<body>\n";
  if (!same_id(topic.context_id, project.contents_id)) {
    const Topic& contents = topic_of(project, project.contents_id);
    out += "<p class=\"back\"><a href=\"" + page_file_name(project, contents) + "\">" +
           escaped(contents.title) + "</a></p>\n";
  }
  out += body_html(project, topic);
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace

std::string page_file_name(const HelpProject& project, const Topic& topic) {
  if (same_id(topic.context_id, project.contents_id)) return kHelpContentsPage;
  if (topic.number) return Help_Page_Name(*topic.number);
  std::string name;
  for (char c : topic.context_id) name += char(std::tolower(static_cast<unsigned char>(c)));
  return name + ".html";
}

std::vector<HelpPage> build_help_pages(const HelpProject& project) {
  std::vector<HelpPage> pages;
  for (const Topic& topic : project.topics)
    pages.push_back({page_file_name(project, topic), page_html(project, topic)});
  return pages;
}

}  // namespace winhelp
