#pragma once
// The printer as a device for the line output: GDI drawing on a printer's
// device context in the edit area's font.
#include <windows.h>

#include <string>

#include "common/settings_model.h"
#include "documents/print_device.h"

class Gdi_Print_Device : public Print_Device {
 public:
  // `page` is the printable area in device units; the font is scaled to the
  // device's resolution and selected into `dc` until the device goes away.
  Gdi_Print_Device(HDC dc, const Text_Font_Spec& font, SIZE page, std::wstring title);
  ~Gdi_Print_Device() override;
  Gdi_Print_Device(const Gdi_Print_Device&) = delete;
  Gdi_Print_Device& operator=(const Gdi_Print_Device&) = delete;

  bool Start_Document() override;
  bool End_Document() override;
  void Abort_Document() override;
  int32_t Page_Width() override { return page_.cx; }
  int32_t Page_Height() override { return page_.cy; }
  int32_t Text_Width(const std::string& text) override;
  int32_t Text_Height(const std::string& text) override;
  int32_t Average_Char_Width() override;
  int32_t Char_Height() override;
  int32_t Dots_Per_Inch() override { return GetDeviceCaps(dc_, LOGPIXELSY); }
  bool Draw(int32_t x, int32_t y, const std::string& text) override;
  bool New_Page() override;

 protected:
  // Some drivers reset the device context at a new page.
  void Select_Font();

 private:
  SIZE Extent(const std::string& text);
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_font_ = nullptr;
  SIZE page_;
  std::wstring title_;
};
