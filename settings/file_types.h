#pragma once
// Binding file types to the program in HKEY_CLASSES_ROOT and undoing it.
//
// Eight types (TXT, INI, DIZ, CFG, LOG, RU, NFO, BAK) are bound fully: their
// extension key names the program's own file-type key, which carries the
// icon, the open and the edit actions. BAT and REG only get their edit action
// redirected. Each binding keeps what it replaced in "<T>_Lirovant_Store" and
// the undo puts that back.
#include <stdexcept>
#include <string>

#include "platform/registry.h"

// A registry change that could not be made. The text is the one the settings
// dialog shows before it stops.
class Registry_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the bindings point and what BAT and REG fall back to, both UTF-8.
struct Program_Location {
  std::string program_path;       // the executable's full path
  std::string windows_directory;  // as the system reports it
};

// One file-type box of the settings dialog, in the dialog's order.
struct File_Type_Box {
  const char* type;
  const char* icon_index;  // icon group in the executable: 0 MAINICON, 1 MIRTAN1, 2 MIRTAN2
};
inline constexpr File_Type_Box kFile_Type_Boxes[] = {
    {"TXT", "1"}, {"INI", "2"}, {"DIZ", "0"}, {"CFG", "0"}, {"LOG", "0"},
    {"BAT", "0"}, {"REG", "0"}, {"RU", "0"},  {"NFO", "0"}, {"BAK", "0"},
};

// `type` is one of the ten names above, in capitals; any other name throws
// std::invalid_argument. `icon_index` is one digit and matters only for the
// eight fully bound types. A failed write throws Registry_Error, leaving the
// steps before it done and the rest undone.
void Associate_Type(Registry& registry, const Program_Location& where, const std::string& type,
                    const std::string& icon_index);
void Dissociate_Type(Registry& registry, const std::string& type);

// Whether the settings dialog shows the type's box ticked.
bool Is_Type_Bound(const Registry& registry, const std::string& type);
