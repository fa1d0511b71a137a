#pragma once
// Saves through a new file beside the target, which replaces the target only
// once it is complete: an interrupted or failed save leaves the old file whole.
#include "platform/file_writer.h"

#include <atomic>
#include <memory>
#include <string>

// Where a save that must rewrite its file in place keeps the old contents
// until the new ones are complete: a folder of the program's own and the
// name of this run, so that a copy left by a killed save is found at the
// next start and told from one still in use. Empty: the temporary folder.
struct Kept_Copy_Place {
  std::wstring Folder;  // with its trailing backslash
  std::wstring Run;
  // How many copies this run has kept; each numbers its own. Shared by the
  // writers made from one place.
  std::shared_ptr<unsigned> Kept = std::make_shared<unsigned>(0);
};

// The extensions of a kept copy, of the file beside it that names the file
// it was kept for, and of a copy not yet whole.
constexpr wchar_t kKeptCopyExtension[] = L".kept";
constexpr wchar_t kKeptPathExtension[] = L".kept-path";
constexpr wchar_t kKeptPartExtension[] = L".kept-part";

class Win32_File_Writer : public File_Writer {
 public:
  Win32_File_Writer() = default;
  explicit Win32_File_Writer(Kept_Copy_Place keep) : keep_(std::move(keep)) {}
  std::unique_ptr<File_Sink> Begin(const std::string& path) override;
  // The rewrite in place alone, where a new file could be made as well.
  std::unique_ptr<File_Sink> Begin_In_Place(const std::string& path);
  std::string Failure_Reason() override;

 private:
  Kept_Copy_Place keep_;
  // The system's error of the last failure; the sinks write it, from
  // whichever thread writes their pieces.
  std::shared_ptr<std::atomic<unsigned long>> failure_ = std::make_shared<std::atomic<unsigned long>>(0);
};
