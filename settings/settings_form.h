#pragma once
// The settings dialog's behaviour, apart from its window: what opening it
// records, what OK applies and what Cancel puts back. The Win32 dialog copies
// its controls into `Controls` before it calls OK, Cancel or the title-bar
// close, and shows `Controls` after opening and after Cancel.
#include <array>
#include <cstdint>
#include <string>

#include "common/settings_model.h"
#include "platform/edit_area.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "settings/file_types.h"
#include "settings/settings_form_host.h"
#include "settings/settings_texts.h"

constexpr int kFile_Type_Count = int(sizeof kFile_Type_Boxes / sizeof kFile_Type_Boxes[0]);
// The ten file-type boxes in the order of kFile_Type_Boxes.
using File_Type_States = std::array<bool, kFile_Type_Count>;

constexpr int32_t kMax_Undo_Limit = 65535;
// Above this undo depth OK reminds the user what a deep undo costs.
// Its text, kUndo_Warning, is in settings/settings_texts.h.
constexpr int32_t kUndo_Warning_Above = 100;

// What the dialog's controls show while it is open.
struct Settings_Controls {
  File_Type_States File_Types{};
  Settings_Model Settings;
};

// Recorded at every opening; Cancel goes back to it.
struct Settings_Snapshot {
  File_Type_States File_Types{};
  Settings_Model Settings;         // the live settings as they were
  bool Status_Bar_Visible = true;  // the window's bar, not the `Bar` box
};

// The spin box's text as an undo depth: digits only, clamped to 0..65535.
int32_t Undo_Limit_From_Text(const std::string& text);

class Settings_Form {
 public:
  // `live` is the program's settings model; the rest is what OK acts on.
  Settings_Form(Settings_Model& live, Edit_Area& edit, Registry& registry, Settings_Form_Host& host,
                Prompts& prompts);

  Settings_Controls Controls;
  Settings_Snapshot Snapshot;
  bool Undo_Edited = false;

  // Creation: the spin box takes the edit area's undo limit.
  void Fill_From_Settings();
  // Fills the controls from the live settings and the registry and records
  // the snapshot; the caller then shows the dialog.
  void Prepare_Options();
  // Each time the shown dialog becomes active.
  void On_Show() { Undo_Edited = false; }
  void Undo_Limit_Changed(int32_t value);

  // False when a registry change failed: the error has been shown, the
  // settings and bindings before it stay applied, the rest was skipped.
  bool Accept();
  void Cancel();
  // Leaving through the title bar: the settings keep the edits, nothing is
  // applied and the registry is left alone.
  void Title_Bar_Close();

 private:
  void Apply_Bindings();

  Settings_Model& live_;
  Edit_Area& edit_;
  Registry& registry_;
  Settings_Form_Host& host_;
  Prompts& prompts_;
};
