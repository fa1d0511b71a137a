// Printing drawn into a recording device: the real GDI device and line
// output draw each page on a white bitmap the size of a letter page at
// 96 dpi; the pages are checked and, when LIROVANT_PRINT_PAGES names a
// folder, saved there as BMP files to look at.
#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "documents/print_document.h"
#include "documents/win32/print_help_commands.h"
#include "common/win1251_unicode.h"

namespace {

constexpr int kPageWidth = 816, kPageHeight = 1056;

class Recording_Device : public Gdi_Print_Device {
 public:
  struct Drawn {
    int page;
    int32_t x, y;
    std::string text;
  };
  Recording_Device(HDC dc, const Text_Font_Spec& font)
      : Gdi_Print_Device(dc, font, SIZE{kPageWidth, kPageHeight}, L"test") {}

  bool Start_Document() override {
    events.push_back("start");
    Clear();
    return true;
  }
  bool End_Document() override {
    events.push_back("end");
    Keep_Page();
    return true;
  }
  void Abort_Document() override { events.push_back("abort"); }
  bool New_Page() override {
    Keep_Page();
    Clear();
    return true;
  }
  bool Draw(int32_t x, int32_t y, const std::string& text) override {
    drawn.push_back({int(pages.size()) + 1, x, y, text});
    return Gdi_Print_Device::Draw(x, y, text);
  }

  std::vector<std::string> events;
  std::vector<Drawn> drawn;
  std::vector<std::vector<uint32_t>> pages;
  uint32_t* bits = nullptr;

 private:
  void Clear() { std::fill(bits, bits + kPageWidth * kPageHeight, 0x00FFFFFFu); }
  void Keep_Page() {
    GdiFlush();
    pages.emplace_back(bits, bits + kPageWidth * kPageHeight);
  }
};

struct Page_Canvas {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  uint32_t* bits = nullptr;
  Page_Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kPageWidth;
    info.bmiHeader.biHeight = -kPageHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* memory = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<uint32_t*>(memory);
    old = SelectObject(dc, bitmap);
  }
  ~Page_Canvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

int Inked_Rows(const std::vector<uint32_t>& page) {
  int rows = 0;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x)
      if ((page[size_t(y) * kPageWidth + x] & 0xFFFFFF) != 0xFFFFFF) {
        ++rows;
        break;
      }
  return rows;
}

void Save_Bmp(const std::vector<uint32_t>& page, const std::string& path) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = kPageWidth;
  info.biHeight = -kPageHeight;
  info.biPlanes = 1;
  info.biBitCount = 32;
  const DWORD bytes = DWORD(page.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + bytes;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(reinterpret_cast<const char*>(page.data()), bytes);
}

std::vector<std::string> Sample_Document() {
  std::vector<std::string> lines;
  lines.push_back(Utf8_To_Win1251("Лировант: пробная печать, страница 1"));
  lines.push_back(Utf8_To_Win1251("Колонки:\tодин\tдва\tтри"));
  std::string long_line = Utf8_To_Win1251("Длинная строка без переноса: ");
  for (int i = 0; i < 12; ++i) long_line += Utf8_To_Win1251("съешь же ещё этих мягких французских булок ");
  lines.push_back(long_line);
  for (int i = 1; i <= 50; ++i) lines.push_back(Utf8_To_Win1251("строка ") + std::to_string(i));
  lines.push_back(Utf8_To_Win1251("перед прогоном листа\fпосле прогона листа"));
  lines.push_back(Utf8_To_Win1251("последняя строка"));
  return lines;
}

}  // namespace

TEST(PrintPages, SampleDocumentDrawsItsPagesAtThePageEdge) {
  Page_Canvas canvas;
  ASSERT_NE(canvas.bits, nullptr);
  Text_Font_Spec font;  // Courier New 12
  Recording_Device device(canvas.dc, font);
  device.bits = canvas.bits;
  const auto lines = Sample_Document();
  ASSERT_TRUE(Print_Lines(lines, device));
  EXPECT_EQ(device.events, (std::vector<std::string>{"start", "end"}));
  ASSERT_GE(device.pages.size(), 3u);

  // The long line breaks at the right edge, inside words.
  int long_pieces = 0;
  for (const auto& d : device.drawn)
    if (d.page == 1 && d.y > 0 && d.x == 0 && d.text.find(Utf8_To_Win1251("булок")) != std::string::npos)
      ++long_pieces;
  EXPECT_GE(long_pieces, 3);
  for (const auto& d : device.drawn) EXPECT_LE(d.x + device.Text_Width(d.text), kPageWidth) << d.text;

  // Tabs put the columns on stops 8 average characters apart.
  const int32_t stop = 8 * device.Average_Char_Width();
  int tabbed = 0;
  for (const auto& d : device.drawn)
    if (d.text == Utf8_To_Win1251("один") || d.text == Utf8_To_Win1251("два")) {
      EXPECT_EQ(d.x % stop, 0) << d.x;
      EXPECT_GE(d.x, stop);
      ++tabbed;
    }
  EXPECT_EQ(tabbed, 2);

  // The form feed: what follows it starts the last page at the top.
  const auto after = std::find_if(device.drawn.begin(), device.drawn.end(), [](const auto& d) {
    return d.text == Utf8_To_Win1251("после прогона листа");
  });
  ASSERT_NE(after, device.drawn.end());
  EXPECT_EQ(after->page, int(device.pages.size()));
  EXPECT_EQ(after->x, 0);
  EXPECT_EQ(after->y, 0);

  for (const auto& page : device.pages) EXPECT_GT(Inked_Rows(page), 5);
  if (const char* folder = std::getenv("LIROVANT_PRINT_PAGES"))
    for (size_t i = 0; i < device.pages.size(); ++i)
      Save_Bmp(device.pages[i], std::string(folder) + "\\page" + std::to_string(i + 1) + ".bmp");
}

TEST(PrintPages, EmptyDocumentStartsAndEndsTheJobWithABlankPage) {
  Page_Canvas canvas;
  Recording_Device device(canvas.dc, Text_Font_Spec{});
  device.bits = canvas.bits;
  ASSERT_TRUE(Print_Lines({}, device));
  EXPECT_EQ(device.events, (std::vector<std::string>{"start", "end"}));
  EXPECT_TRUE(device.drawn.empty());
  ASSERT_EQ(device.pages.size(), 1u);
  EXPECT_EQ(Inked_Rows(device.pages[0]), 0);
}

TEST(PrintPages, DefaultPrinterWhenTheSystemHasOne) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  if (!PrintDlgW(&dialog) || !dialog.hDC) GTEST_SKIP() << "no printer installed";
  {
    const SIZE page{GetDeviceCaps(dialog.hDC, HORZRES), GetDeviceCaps(dialog.hDC, VERTRES)};
    Gdi_Print_Device device(dialog.hDC, Text_Font_Spec{}, page, L"Lirovant test");
    EXPECT_TRUE(Print_Lines(Sample_Document(), device));
  }
  DeleteDC(dialog.hDC);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
}
