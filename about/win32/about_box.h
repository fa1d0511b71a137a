#pragma once
// The about box: the program's picture, name and version, a scrolling story
// and two links. Created once, hidden; each opening is modal.
#include <windows.h>

#include <functional>
#include <vector>

#include "about/win32/about_form.h"
#include "platform/win32/command_table.h"

class About_Box {
 public:
  // What a click on a link does with its target ("mailto:..." or the home page).
  using Link_Opener = std::function<void(HWND box, const wchar_t* target)>;

  // The box of `owner`; its window is made by Create or by the first Show.
  explicit About_Box(HWND owner) : owner_(owner) {}
  ~About_Box();
  About_Box(const About_Box&) = delete;
  About_Box& operator=(const About_Box&) = delete;

  // Creates the box, hidden; a second call returns the box made by the
  // first. Returns nullptr when the window cannot be made.
  HWND Create(HINSTANCE instance);
  // "О программе": starts the story from the beginning and shows the box
  // modally, centred on the screen that holds the owner (or the primary
  // screen) and drawn at that screen's scale; returns when the box has been
  // closed. Creates the box first when Create has not; does nothing while
  // the box is already open.
  void Show();
  void Register(Command_Table& table);
  // The default hands the target to the shell; the tests record it instead.
  // An empty opener puts the default back.
  void Set_Link_Opener(Link_Opener opener) { link_opener_ = std::move(opener); }

 private:
  static LRESULT CALLBACK Box_Proc(HWND form, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK Link_Proc(HWND link, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT On_Message(HWND form, UINT message, WPARAM wparam, LPARAM lparam);
  void Place_Story_Labels();
  void Fill_Labels();
  void On_Activation();
  void On_Deactivation();
  void Set_Link_Look(HWND link, bool& hot, bool now_hot);
  void Mouse_Over_Panel();
  void Open_Link(const std::wstring& target);
  void Watch_Links();
  bool Is_Story_Label(HWND label) const;
  COLORREF Text_Colour(HWND label) const;
  LRESULT Label_Colours(HDC dc, HWND label) const;
  void On_Command(int id, int code);
  bool Build_At(int dpi);
  void Centre_Box();
  std::vector<HWND> Disable_Other_Windows();
  void Run_Modal_Loop();

  HWND owner_;
  TAboutBox box_;
  Link_Opener link_opener_;
  // The links' own procedure, which theirs passes every message on to.
  WNDPROC static_proc_ = nullptr;
};
