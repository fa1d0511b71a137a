#include "about/win32/about_form.h"

#include "about/win32/about_ids.h"
#include "platform/win32/window_class.h"

namespace {

const wchar_t Picture_Class[] = L"LirovantAboutPicture";
// RT_RCDATA, spelled for the W functions whatever UNICODE is.
const wchar_t* const Rcdata_Type = MAKEINTRESOURCEW(10);

const Jpeg_Picture* Picture_Of(HWND window) {
  return reinterpret_cast<const Jpeg_Picture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Paint_Picture(HWND window, HDC dc) {
  RECT r;
  GetClientRect(window, &r);
  const Jpeg_Picture* picture = Picture_Of(window);
  if (picture == nullptr || picture->Empty()) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture->Width;
  info.bmiHeader.biHeight = -picture->Height;  // rows run top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, 0, 0, r.right, r.bottom, 0, 0, picture->Width, picture->Height, picture->Pixels.data(),
                &info, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK Picture_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PRINTCLIENT:
      Paint_Picture(window, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      Paint_Picture(window, dc);
      EndPaint(window, &ps);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

Jpeg_Picture Load_About_Picture(HINSTANCE instance) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_ABOUT_PICTURE), Rcdata_Type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return Decode_Jpeg(static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, found));
}

bool Register_About_Picture(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Picture_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = Picture_Class;
  return Register_Window_Class(wc);
}

HWND Create_About_Picture(HWND parent, int id, RECT place, const Jpeg_Picture* picture) {
  return CreateWindowExW(0, Picture_Class, L"", WS_CHILD | WS_VISIBLE, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         const_cast<Jpeg_Picture*>(picture));
}
