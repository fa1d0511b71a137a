#pragma once
// Message boxes, all captioned with the program's name and version.
#include <string>

enum class Answer { Yes, No, Cancel };

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual Answer Ask_Yes_No(const std::string& text) = 0;
  virtual Answer Ask_Yes_No_Cancel(const std::string& text) = 0;
  virtual void Error(const std::string& text) = 0;
  virtual void Beep() = 0;
};
