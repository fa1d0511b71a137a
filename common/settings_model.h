#pragma once
// The live settings: what the settings dialog's controls hold. Start-up fills
// them, every command reads them at the moment it acts, close writes them.
#include <array>
#include <cstdint>
#include <string>

#include "common/common_texts.h"

constexpr int kSoundCount = 5;
constexpr int kHistorySize = 8;

struct Settings_Model {
  // Design values of the dialog: boxes clear, slider at 1, path boxes empty.
  bool Minimize_To_Tray = false;
  bool Escape_Closes = false;
  bool Show_Status_Bar = false;
  bool Caret_Memory = false;
  // An 8-bit file opens in the page its bytes are recognised as, not as WIN.
  bool Recognize_Page_On_Open = false;
  int32_t Undo_Limit = 0;   // 0..65535
  int32_t Layout_Mode = 1;  // 1..4
  std::array<bool, kSoundCount> Sound_On{};
  std::array<std::string, kSoundCount> Sound_File{};
};

struct Window_Bounds {
  int32_t Top = 80, Left = 80, Height = 300, Width = 400;
  bool operator==(const Window_Bounds& o) const {
    return Top == o.Top && Left == o.Left && Height == o.Height && Width == o.Width;
  }
};

// Font style bits as the settings file stores them.
enum Font_Style_Bits : int32_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

// The largest size the edit area's control shows, in points.
constexpr int32_t kLargestFontSize = 1638;

struct Text_Font_Spec {
  std::string Name = "Courier New";
  int32_t Size = 12;      // points
  int32_t Style = 0;      // Font_Style_Bits
  int32_t Charset = 204;  // Russian
  int32_t Color = 0;      // colour value, see Resolve_Colour
};

// Colour values with the top bit set name a system colour by the low byte.
constexpr int32_t kTooltipBackground = int32_t(0x80000018u);
inline bool Is_System_Colour(int32_t colour) { return (uint32_t(colour) & 0x80000000u) != 0; }
inline int System_Colour_Index(int32_t colour) { return int(uint32_t(colour) & 0xFFu); }

struct History {
  std::array<std::string, kHistorySize> Names;      // newest first; empty = free slot
  std::array<std::string, kHistorySize> Positions;  // caret offsets as decimal text
};
