#pragma once
// Saves through a new file beside the target, which replaces the target only
// once it is complete: an interrupted or failed save leaves the old file whole.
#include "platform/file_writer.h"

class Win32_File_Writer : public File_Writer {
 public:
  std::unique_ptr<File_Sink> Begin(const std::string& path) override;
};
