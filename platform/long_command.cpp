#include "platform/long_command.h"

#include "platform/status_text.h"

bool Run_Stoppable(Status_Panels& panels, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const Command_Stopped&) {
    panels.Set_Text(kPanelCount, kCommand_Stopped_Status);
    return false;
  }
}

Long_Command::Long_Command(Status_Panels& panels, Command_Window& window, Keyboard& keyboard,
                           std::int64_t size, Long_Command_Style style)
    : panels_(panels), window_(window), labelled_(style.label != nullptr) {
  if (style.switch_layout) layout_.emplace(keyboard);
  progress_.Begin(size);
  on_position_ = Progress_Callback(progress_, [this] { Progress_Tick(); });
  if (labelled_) {
    Saved_Status_Text = panels_.Text(kPanelMode);
    panels_.Set_Text(kPanelMode, style.label);
    window_.Align_Mode_Panel_Right(true);
  }
  window_.Enable_Input(false);
}

Long_Command::~Long_Command() {
  panels_.Set_Text(kPanelProgress, "");
  window_.Enable_Input(true);
  layout_.reset();
  if (labelled_) {
    window_.Align_Mode_Panel_Right(false);
    panels_.Set_Text(kPanelMode, Saved_Status_Text);
  }
}

void Long_Command::Process_Messages() {
  window_.Process_Messages();
  if (window_.Stop_Asked()) throw Command_Stopped{};
}

void Long_Command::Progress_Tick() {
  panels_.Set_Text(kPanelProgress, panels_.Text(kPanelProgress) + Progress_Mark_Text);
  Process_Messages();
}

void Long_Command::Full_Bar() {
  std::string bar;
  for (int i = 0; i < Progress_Full_Marks; ++i) bar += Progress_Mark_Text;
  panels_.Set_Text(kPanelProgress, bar);
  Process_Messages();
}

void Long_Command::Check_Stop() { Process_Messages(); }

void Long_Command::Second_Pass(const char* label) {
  panels_.Set_Text(kPanelMode, label);
  panels_.Set_Text(kPanelProgress, "");
  progress_.Restart();
}
