#include "platform/win32/document_prompts_win32.h"

#include "common/settings_model.h"
#include "platform/win32/platform_win32.h"

namespace {
int Box(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), type);
}
}  // namespace

Answer Win32_Document_Prompts::Ask_Save_Changes(const std::string& text) {
  switch (Box(owner_, text, kMessageCaption, MB_YESNOCANCEL | MB_DEFBUTTON1)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

Answer Win32_Document_Prompts::Ask_Overwrite(const std::string& text) {
  return Box(owner_, text, kMessageCaption, MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING) == IDYES ? Answer::Yes
                                                                                                : Answer::No;
}

void Win32_Document_Prompts::Notice(const std::string& text) { Box(owner_, text, kMessageCaption, MB_OK); }

void Win32_Document_Prompts::Information(const std::string& text) {
  Box(owner_, text, "Information", MB_OK | MB_ICONINFORMATION);
}

void Win32_Document_Prompts::File_Error(const std::string& text) {
  Box(owner_, text, kMessageCaption, MB_OK | MB_ICONERROR);
}
