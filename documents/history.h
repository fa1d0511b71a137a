#pragma once
// The recent-files list: eight paths, newest first, each with the caret
// offset the file had when it was last left, and the eight menu items that
// show them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/settings_model.h"
#include "documents/documents_texts.h"

// Paths up to 70 characters whole; longer ones as the first 17, "..." and the last 50.
std::string History_Caption(const std::string& prefix, const std::string& path);

struct History_Item {
  std::string Caption;
  bool Visible = false;
  bool Enabled = false;
};

class Recent_Files {
 public:
  History Files;
  std::array<History_Item, kHistorySize> Items;

  // Builds the items from Files as read at creation.
  void Fill();
  // Puts a path not yet listed at the front; a listed one changes nothing.
  void Add(const std::string& path, int32_t caret);
  // Every entry equal to the document name takes the caret offset.
  void Remember_Caret(const std::string& document, int32_t caret);
  // The offset to restore for the document: the last equal entry wins.
  std::optional<int32_t> Caret_To_Restore(const std::string& document, bool caret_memory) const;
  void Clear();

 private:
  void Show_Entry(int i);
};
