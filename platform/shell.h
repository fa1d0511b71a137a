#pragma once
// The system shell: opening links and the list of recent documents.
#include <string>

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void Open(const std::string& target) = 0;
  virtual void Add_To_Recent_Documents(const std::string& path) = 0;
};
