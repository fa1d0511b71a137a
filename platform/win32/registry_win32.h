#pragma once
// The registry seam over the system's own HKEY_CLASSES_ROOT. Names and values
// cross the seam as UTF-8 and go to the wide registry API converted, so the
// Russian captions and any path survive whatever the ANSI code page is.
#include <string>

#include "platform/registry.h"

class Win32_Registry : public Registry {
 public:
  bool Key_Exists(const std::string& key) const override;
  std::optional<std::string> Read_String(const std::string& key, const std::string& name) const override;
  std::optional<uint32_t> Read_Dword(const std::string& key, const std::string& name) const override;
  bool Write_String(const std::string& key, const std::string& name, const std::string& value) override;
  bool Write_Dword(const std::string& key, const std::string& name, uint32_t value) override;
  bool Delete_Value(const std::string& key, const std::string& name) override;
  bool Delete_Key(const std::string& key) override;
  bool Has_Values(const std::string& key) const override;
  bool Has_Subkeys(const std::string& key) const override;
};

// The Windows directory in full, UTF-8, as the system reports it.
std::string Windows_Directory();
