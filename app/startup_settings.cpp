#include "app/startup_settings.h"

#include <algorithm>

#include "platform/keyboard_layout.h"

const char* const kDefaultSoundPaths[kSoundCount] = {"Sound\\Zapusk.wav", "Sound\\Razvern.wav",
                                                     "Sound\\Raspahn.wav", "Sound\\Svernut.wav",
                                                     "Sound\\Vyhod.wav"};

namespace {
const std::string kSize = "Size", kSound = "Sound", kFont = "Font";
const std::string kFileStore = "File_Store", kPosStore = "Poziciya_Store";

std::string Nth(const char* key, int n) { return key + std::to_string(n); }
}  // namespace

Creation_Settings Read_Creation_Settings(Settings_File& file, const std::vector<std::string>& args,
                                         const std::string& exe_path, int dpi) {
  const auto at_dpi = [dpi](int32_t pixels) { return int32_t((int64_t(pixels) * dpi + 48) / 96); };
  Creation_Settings s;
  s.Layout_Mode = file.Read_Integer(kSize, "Raskladka_Default", 1);
  if (s.Layout_Mode == 2) {
    s.Startup_Layout = Startup_Layout_Name(2, file.Read_String(kSize, "Raskladka", kRussianLayout));
  } else {
    s.Startup_Layout = Startup_Layout_Name(s.Layout_Mode, {});
  }
  s.Dialog_Path = file.Read_String(kSize, "Path", args.size() == 1 ? args[0] : exe_path);
  s.Bounds.Top = file.Read_Integer(kSize, "Top", at_dpi(80));
  s.Bounds.Left = file.Read_Integer(kSize, "Left", at_dpi(80));
  s.Bounds.Height = file.Read_Integer(kSize, "Height", at_dpi(300));
  s.Bounds.Width = file.Read_Integer(kSize, "Width", at_dpi(400));
  s.Window_State = file.Read_String(kSize, "WindowState", "wsNormal").substr(0, 11);
  s.Normal_Bounds.Top = file.Read_Integer(kSize, "Top_Store", at_dpi(80));
  s.Normal_Bounds.Left = file.Read_Integer(kSize, "Left_Store", at_dpi(80));
  s.Normal_Bounds.Height = file.Read_Integer(kSize, "Height_Store", at_dpi(300));
  s.Normal_Bounds.Width = file.Read_Integer(kSize, "Width_Store", at_dpi(400));
  s.Maximized = s.Window_State != "wsNormal" && s.Window_State != "wsMinimized";
  s.Back_Color = file.Read_Integer(kFont, "BackColor", kTooltipBackground);
  s.Font.Color = file.Read_Integer(kFont, "FontColor", 0);
  s.Font.Name = file.Read_String(kFont, "FontName", "Courier New");
  // A damaged file may hold any number; each is brought into what the
  // controls can take.
  s.Font.Charset = std::clamp(file.Read_Integer(kFont, "Charset", 204), 0, 255);
  s.Font.Size = std::clamp(file.Read_Integer(kFont, "FontSize", 12), 1, kLargestFontSize);
  s.Undo_Limit = std::clamp(file.Read_Integer(kSize, "UndoLimit", 50), 0, 65535);
  s.Font.Style = file.Read_Integer(kFont, "FontStyle", 0) & 15;
  s.Word_Wrap = file.Read_Bool(kFont, "WordWrap", true);
  for (int n = 1; n <= kHistorySize; ++n) {
    s.Files.Names[n - 1] = file.Read_String(kFileStore, Nth("FileName", n), "");
    const std::string pos_key = Nth("Poziciya_Kursora_", n);
    s.Files.Positions[n - 1] =
        file.Key_Exists(kPosStore, pos_key) ? file.Read_String(kPosStore, pos_key, "0") : "0";
  }
  return s;
}

Settings_Model Read_Activation_Settings(Settings_File& file) {
  Settings_Model m;
  m.Minimize_To_Tray = file.Read_Bool(kSize, "Sys_Tray", false);
  m.Undo_Limit = std::clamp(file.Read_Integer(kSize, "Kol_Undo", 50), 0, 65535);
  m.Layout_Mode = std::clamp(file.Read_Integer(kSize, "Raskladka_Default", 1), 1, 4);
  m.Escape_Closes = file.Read_Bool(kSize, "Escape", true);
  m.Caret_Memory = file.Read_Bool(kSize, "Poziciya_Kursora", true);
  m.Recognize_Page_On_Open = file.Read_Bool(kSize, "Raspoznavat_Kodirovku", false);
  for (int n = 1; n <= kSoundCount; ++n) m.Sound_On[n - 1] = file.Read_Bool(kSound, Nth("Sound", n), true);
  m.Show_Status_Bar = file.Read_Bool(kSize, "StatusBar", true);
  for (int n = 1; n <= kSoundCount; ++n)
    m.Sound_File[n - 1] = file.Read_String(kSound, Nth("Play", n), kDefaultSoundPaths[n - 1]);
  return m;
}

void Write_Close_Settings(Settings_File& file, const Close_State& s) {
  file.Write_String(kSize, "Path", s.Dialog_Path);
  file.Write_Integer(kSize, "Top", s.Bounds.Top);
  file.Write_Integer(kSize, "Left", s.Bounds.Left);
  file.Write_Integer(kSize, "Height", s.Bounds.Height);
  file.Write_Integer(kSize, "Width", s.Bounds.Width);
  file.Write_Integer(kSize, "Top_Store", s.Normal_Bounds.Top);
  file.Write_Integer(kSize, "Left_Store", s.Normal_Bounds.Left);
  file.Write_Integer(kSize, "Height_Store", s.Normal_Bounds.Height);
  file.Write_Integer(kSize, "Width_Store", s.Normal_Bounds.Width);
  if (s.Layout_Name) file.Write_String(kSize, "Raskladka", *s.Layout_Name);
  file.Write_String(kSize, "WindowState", s.Maximized ? "wsMaximized" : "wsNormal");
  file.Write_Bool(kSize, "Sys_Tray", s.Model.Minimize_To_Tray);
  file.Write_Integer(kSize, "Kol_Undo", s.Undo_Limit);
  file.Write_Integer(kSize, "Raskladka_Default", s.Model.Layout_Mode);
  file.Write_Bool(kSize, "Escape", s.Model.Escape_Closes);
  file.Write_Bool(kSize, "StatusBar", s.Model.Show_Status_Bar);
  file.Write_Bool(kSize, "Poziciya_Kursora", s.Model.Caret_Memory);
  file.Write_Bool(kSize, "Raspoznavat_Kodirovku", s.Model.Recognize_Page_On_Open);
  for (int n = 1; n <= kSoundCount; ++n) file.Write_Bool(kSound, Nth("Sound", n), s.Model.Sound_On[n - 1]);
  for (int n = 1; n <= kSoundCount; ++n) file.Write_String(kSound, Nth("Play", n), s.Model.Sound_File[n - 1]);
  file.Write_Integer(kFont, "BackColor", s.Back_Color);
  file.Write_Integer(kFont, "FontColor", s.Font.Color);
  file.Write_String(kFont, "FontName", s.Font.Name);
  file.Write_Integer(kFont, "Charset", s.Font.Charset);
  file.Write_Integer(kFont, "FontSize", s.Font.Size);
  file.Write_Integer(kFont, "FontStyle", s.Font.Style & 15);
  file.Write_Bool(kFont, "WordWrap", s.Word_Wrap);
  for (int n = 1; n <= kHistorySize; ++n) {
    file.Write_String(kFileStore, Nth("FileName", n), s.Files.Names[n - 1]);
    file.Write_String(kPosStore, Nth("Poziciya_Kursora_", n), s.Files.Positions[n - 1]);
  }
}
