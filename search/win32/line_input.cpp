#include "search/win32/line_input.h"

#include "platform/win32/platform_win32.h"
#include "search/win32/search_ids.h"

namespace {

struct Input_State {
  std::string caption, prompt, text;
};

std::string Field_Text(HWND dialog) {
  HWND field = GetDlgItem(dialog, IDC_LINE_INPUT_TEXT);
  const int length = GetWindowTextLengthW(field);
  std::wstring text(size_t(length) + 1, L'\0');
  GetWindowTextW(field, text.data(), length + 1);
  text.resize(size_t(length));
  return Narrow(text);
}

INT_PTR CALLBACK Input_Proc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<Input_State*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lp);
      state = reinterpret_cast<Input_State*>(lp);
      SetWindowTextW(dialog, Wide(state->caption).c_str());
      SetDlgItemTextW(dialog, IDC_LINE_INPUT_PROMPT, Wide(state->prompt).c_str());
      SetDlgItemTextW(dialog, IDC_LINE_INPUT_TEXT, Wide(state->text).c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        state->text = Field_Text(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::string Input_Box(HWND owner, const std::string& caption, const std::string& prompt,
                      const std::string& preset) {
  Input_State state{caption, prompt, preset};
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LINE_INPUT), owner,
                                         Input_Proc, LPARAM(&state));
  return result == IDOK ? state.text : preset;
}
