// The help commands of the real main window and the settings dialog when the
// system's WinHelp fails: the same topic's page goes to the browser.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "common/help_topics.h"
#include "common/program_paths.h"
#include "platform/help_viewer.h"
#include "platform/win32/platform_win32.h"
#include "settings/win32/settings_ids.h"
#include "test_main_window.h"

namespace {

// A system without a WinHelp viewer whose browser opens every page.
class No_Winhelp : public Help_Viewer {
 public:
  std::vector<std::optional<int>> Asked;
  std::vector<std::string> Pages;
  bool Show_Winhelp(const std::string& help_file, std::optional<int> topic) override {
    EXPECT_EQ(help_file, Help_File_Path(Probe().Exe_Path()));
    Asked.push_back(topic);
    return false;
  }
  bool Open_Page(const std::string& page) override {
    Pages.push_back(page);
    return true;
  }
};

class HelpFallback : public Main_Window_Test {};

TEST_F(HelpFallback, EachHelpMenuItemOpensItsTopicsPage) {
  No_Winhelp viewer;
  Probe().Help_Display() = &viewer;
  const std::string help = Program_Prefix(Probe().Exe_Path()) + "Help\\";
  for (int id : {IDM_Tips, IDM_Whats_New, IDM_Shortcomings, IDM_Lines_Help, IDM_Help_Contents})
    SendMessageW(Probe().Handle(), WM_COMMAND, id, 0);
  Settle();
  EXPECT_EQ(viewer.Asked, (std::vector<std::optional<int>>{kTopicTips, kTopicWhatsNew, kTopicShortcomings,
                                                           kTopicReadFirst, std::nullopt}));
  EXPECT_EQ(viewer.Pages,
            (std::vector<std::string>{help + "topic100.html", help + "topic20.html", help + "topic135.html",
                                      help + "topic130.html", help + "index.html"}));
}

TEST_F(HelpFallback, F1InTheMainWindowOpensTheContents) {
  No_Winhelp viewer;
  Probe().Help_Display() = &viewer;
  BYTE keys[256] = {};
  SetKeyboardState(keys);
  MSG f1{Probe().Edit().Handle(), WM_KEYDOWN, VK_F1, 0x003B0001, 0, {0, 0}};
  EXPECT_TRUE(Window().Take_Message(f1));
  Settle();
  EXPECT_EQ(viewer.Asked, (std::vector<std::optional<int>>{std::nullopt}));
}

TEST_F(HelpFallback, F1OnASettingsControlOpensThatControlsPage) {
  No_Winhelp viewer;
  Probe().Help_Display() = &viewer;
  HELPINFO info{};
  info.cbSize = sizeof(info);
  info.iContextType = HELPINFO_WINDOW;
  info.iCtrlId = IDC_Undo_Limit;
  SendMessageW(Probe().Settings_Box().Handle(), WM_HELP, 0, LPARAM(&info));
  ASSERT_EQ(viewer.Pages.size(), 1u);
  EXPECT_EQ(viewer.Pages[0], Program_Prefix(Probe().Exe_Path()) + "Help\\topic125.html");
}

// The build puts the pages beside the test program as beside the editor.
TEST(HelpPagesShipped, EveryPageTheFallbackOpensLiesInTheHelpFolder) {
  const std::string exe = Executable_Path();
  std::vector<std::optional<int>> topics(std::begin(kHelpTopics), std::end(kHelpTopics));
  topics.push_back(std::nullopt);
  for (const std::optional<int>& topic : topics) {
    const std::string page = Help_Page_Path(exe, topic);
    EXPECT_NE(GetFileAttributesW(Wide(page).c_str()), INVALID_FILE_ATTRIBUTES) << page;
  }
}

}  // namespace
