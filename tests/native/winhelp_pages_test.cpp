#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/help_pages.h"
#include "common/help_topics.h"
#include "platform/help_viewer.h"
#include "tools/winhelp/help_pages.h"
#include "tools/winhelp/help_source.h"
#include "tests/native/shipped_help.h"

namespace {

using winhelp::HelpPage;
using winhelp::HelpProject;

std::map<std::string, std::string> pages_by_name(const std::vector<HelpPage>& pages) {
  std::map<std::string, std::string> named;
  for (const HelpPage& page : pages) named[page.file_name] = page.html;
  return named;
}

std::vector<std::string> links_of(const std::string& html) {
  std::vector<std::string> links;
  const std::string mark = "href=\"";
  for (size_t at = html.find(mark); at != std::string::npos; at = html.find(mark, at)) {
    at += mark.size();
    links.push_back(html.substr(at, html.find('"', at) - at));
  }
  return links;
}

TEST(HelpPages, EveryTopicTheProgramOpensHasItsPageAndTheContentsTheIndex) {
  const std::vector<HelpPage> pages = winhelp::build_help_pages(Shipped_Help_Project());
  const auto named = pages_by_name(pages);
  EXPECT_EQ(named.size(), pages.size()) << "two topics share a page name";
  for (int number : kHelpTopics)
    EXPECT_EQ(named.count(Help_Page_Name(number)), 1u) << "no page for " << number;
  ASSERT_EQ(named.count(kHelpContentsPage), 1u);
  EXPECT_NE(named.at(kHelpContentsPage).find("<h1>\xD1\xEE\xE4\xE5\xF0\xE6\xE0\xED\xE8\xE5</h1>"),
            std::string::npos);
}

TEST(HelpPages, EveryLinkLeadsToAPageOfTheFolder) {
  const auto named = pages_by_name(winhelp::build_help_pages(Shipped_Help_Project()));
  size_t links = 0;
  for (const auto& [name, html] : named) {
    for (const std::string& link : links_of(html)) {
      ++links;
      EXPECT_EQ(named.count(link), 1u) << name << " links to missing " << link;
    }
  }
  // The contents page alone lists four topics; each other page leads back to it.
  EXPECT_GE(links, 4 + named.size() - 1);
}

TEST(HelpPages, MarkupBecomesHtmlAndItsCharactersAreEscaped) {
  HelpProject project;
  winhelp::parse_help_source(
      "@title T\n@topic A Start\nx < y & **bold**\n- see [[B]]\n- two\n\nafter\n@topic 7 B Next page\nback\n",
      "test.txt", project);
  winhelp::finish_project(project);
  const auto named = pages_by_name(winhelp::build_help_pages(project));
  const std::string& first = named.at(kHelpContentsPage);
  EXPECT_NE(first.find("charset=windows-1251"), std::string::npos);
  EXPECT_NE(first.find("<p>x &lt; y &amp; <b>bold</b></p>"), std::string::npos);
  EXPECT_NE(
      first.find(
          "<ul>\n<li>see <a href=\"topic7.html\">Next page</a></li>\n<li>two</li>\n</ul>\n<p>after</p>"),
      std::string::npos);
  const std::string& second = named.at("topic7.html");
  EXPECT_NE(second.find("<a href=\"index.html\">Start</a>"), std::string::npos);
  EXPECT_EQ(first.find("class=\"back\""), std::string::npos);
  // A topic without a number is named after its context id.
  HelpProject other;
  winhelp::parse_help_source("@title T\n@topic A Start\n[[Idh_More]]\n@topic Idh_More More\nx\n", "t.txt",
                             other);
  winhelp::finish_project(other);
  const auto unnumbered = pages_by_name(winhelp::build_help_pages(other));
  EXPECT_EQ(unnumbered.count("idh_more.html"), 1u);
  EXPECT_NE(unnumbered.at(kHelpContentsPage).find("href=\"idh_more.html\""), std::string::npos);
}

// Stands in for the system: WinHelp answers as told, pages are noted.
class Fake_Viewer : public Help_Viewer {
 public:
  bool Winhelp_Works = true;
  bool Browser_Works = true;
  std::vector<std::string> Pages;
  std::optional<int> Winhelp_Topic;
  bool Show_Winhelp(const std::string&, std::optional<int> topic) override {
    Winhelp_Topic = topic;
    return Winhelp_Works;
  }
  bool Open_Page(const std::string& page) override {
    Pages.push_back(page);
    return Browser_Works;
  }
};

TEST(HelpChoice, TheHelpFileComesFirstAndThePageOnlyWhenItFails) {
  Fake_Viewer viewer;
  EXPECT_TRUE(Show_Help_Topic(viewer, "C:\\P\\Lirovant.exe", kTopicTips));
  EXPECT_EQ(viewer.Winhelp_Topic, kTopicTips);
  EXPECT_TRUE(viewer.Pages.empty());

  viewer.Winhelp_Works = false;
  EXPECT_TRUE(Show_Help_Topic(viewer, "C:\\P\\Lirovant.exe", kTopicTips));
  EXPECT_TRUE(Show_Help_Topic(viewer, "C:\\P\\Lirovant.exe", std::nullopt));
  EXPECT_EQ(viewer.Pages,
            (std::vector<std::string>{"C:\\P\\Help\\topic100.html", "C:\\P\\Help\\index.html"}));

  viewer.Browser_Works = false;
  EXPECT_FALSE(Show_Help_Topic(viewer, "C:\\P\\Lirovant.exe", kTopicSounds));
  EXPECT_EQ(Help_Missing_Text(viewer.Pages.back()), "Не удалось открыть справку C:\\P\\Help\\topic124.html");
}

}  // namespace
