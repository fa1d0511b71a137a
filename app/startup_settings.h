#pragma once
// What start-up reads from the settings file and what close writes back, in
// the file's fixed order.
#include <optional>
#include <string>
#include <vector>

#include "common/settings_file.h"
#include "common/settings_model.h"

struct Creation_Settings {
  int32_t Layout_Mode = 1;
  std::optional<std::string> Startup_Layout;  // layout to activate, if any
  std::string Dialog_Path;                    // the file the Open and Save dialogs start at ("Path")
  Window_Bounds Bounds;
  std::string Window_State = "wsNormal";
  Window_Bounds Normal_Bounds;
  bool Maximized = false;
  int32_t Back_Color = kTooltipBackground;
  Text_Font_Spec Font;
  int32_t Undo_Limit = 50;
  bool Word_Wrap = true;
  History Files;
};

// `args` are the command-line arguments after the program name. A window
// that has no stored place yet gets the first one at the screen's `dpi`: its
// 400 by 300 are meant at 96. A stored place is in the screen's own pixels.
Creation_Settings Read_Creation_Settings(Settings_File& file, const std::vector<std::string>& args,
                                         const std::string& exe_path, int dpi = 96);

// Loads the live settings, clamped as the dialog's controls clamp them.
Settings_Model Read_Activation_Settings(Settings_File& file);

struct Close_State {
  std::string Dialog_Path;
  Window_Bounds Bounds;  // current bounds, maximised ones included
  Window_Bounds Normal_Bounds;
  std::optional<std::string> Layout_Name;  // only the three known layouts are recorded
  bool Maximized = false;
  Settings_Model Model;
  int32_t Undo_Limit = 50;  // the edit area's
  int32_t Back_Color = kTooltipBackground;
  Text_Font_Spec Font;
  bool Word_Wrap = true;
  History Files;
};

// Throws Settings_Write_Error at the first refused write; later keys are not written.
void Write_Close_Settings(Settings_File& file, const Close_State& state);

// The default paths of the five event sounds.
extern const char* const kDefaultSoundPaths[kSoundCount];
