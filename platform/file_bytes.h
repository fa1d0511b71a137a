#pragma once
// A file's whole content as read. A large file may stand as a read-only view
// of the file itself: reading it then costs no copy, and its pages come in as
// they are used. The view lasts as long as its last holder.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class File_Bytes {
 public:
  virtual ~File_Bytes() = default;
  virtual std::string_view View() const = 0;
  // Copies `size` bytes of the view from `at` on into `out`: false when the
  // file no longer holds what was read (another program changed or shrank
  // the file under its view), and nothing of the view is touched then.
  virtual bool Copy(std::size_t at, std::size_t size, char* out) const;
};

using Shared_File_Bytes = std::shared_ptr<const File_Bytes>;

// Bytes held in memory.
Shared_File_Bytes Hold_File_Bytes(std::string bytes);
