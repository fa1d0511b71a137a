#include "settings/file_types.h"

#include <algorithm>
#include <cctype>

#include "settings/settings_texts.h"

namespace {

constexpr const char* kFull_Types[] = {"TXT", "INI", "DIZ", "CFG", "LOG", "RU", "NFO", "BAK"};

enum class Binding_Kind { Full, Edit_Only };

Binding_Kind Kind_Of(const std::string& type) {
  if (type == "BAT" || type == "REG") return Binding_Kind::Edit_Only;
  for (const char* full : kFull_Types)
    if (type == full) return Binding_Kind::Full;
  throw std::invalid_argument("not a bindable file type: " + type);
}

std::string Extension_Key(const std::string& type) { return "." + type; }
std::string Store_Key(const std::string& type) { return type + "_Lirovant_Store"; }
std::string Program_Key(const std::string& type) { return type + "_Lirovant_ZMK"; }

// The system's own edit action of the two edit-only types.
std::string Edit_Command_Key(const std::string& type) {
  return type == "BAT" ? "batfile\\shell\\edit\\command" : "regfile\\shell\\edit\\command";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Program_Command(const Program_Location& where) {
  return Quoted(where.program_path) + " " + Quoted("%1");
}

std::string Stock_Editor_Command(const Program_Location& where) {
  std::string directory = where.windows_directory;
  // A drive root comes with its backslash; the command adds its own.
  if (!directory.empty() && directory.back() == '\\') directory.pop_back();
  return directory + "\\NOTEPAD.EXE %1";
}

bool Same_Name(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Read_Default(const Registry& registry, const std::string& key) {
  return registry.Read_String(key, "").value_or("");
}

void Write_Default(Registry& registry, const std::string& key, const std::string& value) {
  if (!registry.Write_String(key, "", value)) throw Registry_Error(kRegistry_Write_Failed);
}

void Associate_Full(Registry& registry, const Program_Location& where, const std::string& type,
                    const std::string& icon_index) {
  const std::string own = Program_Key(type);
  std::string previous = Read_Default(registry, Extension_Key(type));
  // A store lost while the extension still points here must not record the
  // binding as what it replaced, or the undo would leave it dangling.
  if (Same_Name(previous, own)) previous.clear();
  // A second binding keeps what the first one saved.
  if (!registry.Key_Exists(Store_Key(type))) {
    Write_Default(registry, Store_Key(type), previous);
    Write_Default(registry, Extension_Key(type), own);
  }
  const std::string command = Program_Command(where);
  Write_Default(registry, own, File_Type_Description(type));
  Write_Default(registry, own + "\\DefaultIcon", Quoted(where.program_path) + "," + icon_index);
  Write_Default(registry, own + "\\shell\\open\\command", command);
  Write_Default(registry, own + "\\shell\\edit\\command", command);
  Write_Default(registry, own + "\\shell\\edit", kEdit_Verb_Caption);
}

void Associate_Edit_Only(Registry& registry, const Program_Location& where, const std::string& type) {
  Write_Default(registry, Store_Key(type), Stock_Editor_Command(where));
  Write_Default(registry, Edit_Command_Key(type), Program_Command(where));
}

// The type had no handler before the binding. The extension key may still
// hold what others put there (a ShellNew entry, a content type), so only the
// pointer to the program goes, and the key only once nothing else is in it.
void Release_Extension(Registry& registry, const std::string& type) {
  const std::string key = Extension_Key(type);
  if (!registry.Key_Exists(key)) return;
  if (Same_Name(Read_Default(registry, key), Program_Key(type))) registry.Delete_Value(key, "");
  if (!registry.Has_Values(key) && !registry.Has_Subkeys(key)) registry.Delete_Key(key);
}

void Dissociate_Full(Registry& registry, const std::string& type) {
  const std::string previous = Read_Default(registry, Store_Key(type));
  if (previous.empty())
    Release_Extension(registry, type);
  else
    Write_Default(registry, Extension_Key(type), previous);
  registry.Delete_Key(Store_Key(type));
  registry.Delete_Key(Program_Key(type));
}

void Dissociate_Edit_Only(Registry& registry, const std::string& type) {
  // Without a saved command there is nothing to put back; writing an empty
  // one would break the system's edit action.
  const std::string saved = Read_Default(registry, Store_Key(type));
  if (!saved.empty()) Write_Default(registry, Edit_Command_Key(type), saved);
  registry.Delete_Key(Store_Key(type));
}

}  // namespace

void Associate_Type(Registry& registry, const Program_Location& where, const std::string& type,
                    const std::string& icon_index) {
  if (Kind_Of(type) == Binding_Kind::Full)
    Associate_Full(registry, where, type, icon_index);
  else
    Associate_Edit_Only(registry, where, type);
}

void Dissociate_Type(Registry& registry, const std::string& type) {
  if (Kind_Of(type) == Binding_Kind::Full)
    Dissociate_Full(registry, type);
  else
    Dissociate_Edit_Only(registry, type);
}

bool Is_Type_Bound(const Registry& registry, const std::string& type) {
  if (Kind_Of(type) == Binding_Kind::Full) return registry.Key_Exists(Program_Key(type));
  return registry.Key_Exists(Store_Key(type));
}
