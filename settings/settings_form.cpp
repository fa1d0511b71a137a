#include "settings/settings_form.h"

#include <cctype>

int32_t Undo_Limit_From_Text(const std::string& text) {
  int32_t value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    value = value * 10 + (c - '0');
    if (value > kMax_Undo_Limit) return kMax_Undo_Limit;
  }
  return value;
}

Settings_Form::Settings_Form(Settings_Model& live, Edit_Area& edit, Registry& registry,
                             Settings_Form_Host& host, Prompts& prompts)
    : live_(live), edit_(edit), registry_(registry), host_(host), prompts_(prompts) {}

void Settings_Form::Fill_From_Settings() {
  live_.Undo_Limit = edit_.Undo_Limit();
  Undo_Limit_Changed(live_.Undo_Limit);
}

void Settings_Form::Prepare_Options() {
  // Every box shows what the registry holds now: a box left ticked by an
  // earlier title-bar close, or a binding removed from outside, would
  // otherwise show a binding that does not exist and OK could never make it.
  for (int i = 0; i < kFile_Type_Count; ++i)
    Controls.File_Types[i] = Is_Type_Bound(registry_, kFile_Type_Boxes[i].type);
  const int32_t spin = Controls.Settings.Undo_Limit;
  Controls.Settings = live_;
  Controls.Settings.Undo_Limit = spin;

  Snapshot.File_Types = Controls.File_Types;
  Snapshot.Settings = live_;
  Snapshot.Status_Bar_Visible = host_.Status_Bar_Visible();

  Undo_Limit_Changed(edit_.Undo_Limit());
}

void Settings_Form::Undo_Limit_Changed(int32_t value) {
  if (value == Controls.Settings.Undo_Limit) return;
  Controls.Settings.Undo_Limit = value;
  Undo_Edited = true;
}

void Settings_Form::Apply_Bindings() {
  for (int i = 0; i < kFile_Type_Count; ++i) {
    const bool ticked = Controls.File_Types[i];
    if (ticked == Snapshot.File_Types[i]) continue;
    const File_Type_Box& box = kFile_Type_Boxes[i];
    if (ticked)
      Associate_Type(registry_, host_.Binding_Target(), box.type, box.icon_index);
    else
      Dissociate_Type(registry_, box.type);
  }
}

bool Settings_Form::Accept() {
  live_ = Controls.Settings;
  host_.Set_Status_Bar_Visible(Controls.Settings.Show_Status_Bar);
  edit_.Set_Undo_Limit(Controls.Settings.Undo_Limit);
  try {
    Apply_Bindings();
  } catch (const Registry_Error& error) {
    prompts_.Error(error.what());
    return false;
  }
  if (Controls.Settings.Undo_Limit > kUndo_Warning_Above && Undo_Edited) {
    prompts_.Beep();
    host_.Notice(kUndo_Warning);
    Undo_Edited = false;
  }
  return true;
}

void Settings_Form::Cancel() {
  // The spin box is not put back: the next opening sets it from the edit area.
  const int32_t spin = Controls.Settings.Undo_Limit;
  // The sound-file fields are not part of the snapshot: what was typed or
  // browsed there stays, as it always has in this dialog.
  const auto files = Controls.Settings.Sound_File;
  live_ = Snapshot.Settings;
  live_.Sound_File = files;
  live_.Show_Status_Bar = Snapshot.Status_Bar_Visible;
  Controls.Settings = live_;
  Controls.Settings.Undo_Limit = spin;
  Controls.File_Types = Snapshot.File_Types;
}

void Settings_Form::Title_Bar_Close() {
  // The undo depth in force is the edit area's; only OK changes it.
  const int32_t applied = live_.Undo_Limit;
  live_ = Controls.Settings;
  live_.Undo_Limit = applied;
}
