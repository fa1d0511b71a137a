#pragma once
// What the view commands need from the edit area beyond its text: the
// character format of the selection and of new text, and line wrapping.
#include <cstdint>
#include <optional>

#include "common/settings_model.h"

class View_Area {
 public:
  virtual ~View_Area() = default;
  // Size in points of the selection's characters.
  virtual int32_t Selection_Font_Size() = 0;
  virtual void Set_Selection_Font_Size(int32_t points) = 0;
  // Style, character set, colour, face and size, then the style again.
  virtual void Set_Selection_Font(const Text_Font_Spec& font) = 0;
  // The format that text typed or loaded later gets.
  virtual void Set_Default_Font(const Text_Font_Spec& font) = 0;
  // On: lines wrap at the right edge and only the vertical bar shows.
  virtual void Set_Word_Wrap(bool on) = 0;
};

// The system font dialog; nothing when the user cancels.
class Font_Chooser {
 public:
  virtual ~Font_Chooser() = default;
  virtual std::optional<Text_Font_Spec> Choose(const Text_Font_Spec& current) = 0;
};
