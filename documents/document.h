#pragma once
// The document as data: the file it belongs to and how that file is written.
// The caption, the taskbar title and the status bar are drawn from it;
// nothing reads them back to learn what the document is. Whether it holds
// unsaved changes is the edit area's own flag, which every edit sets.
#include <optional>
#include <string>

#include "common/file_encoding.h"
#include "common/line_ends.h"
#include "common/settings_model.h"
#include "documents/documents_texts.h"
#include "platform/files.h"

struct Document {
  // The full path of its file, or exactly the untitled name.
  std::string Name = kUntitledName;
  // What the taskbar shows: the name as it stood when a file was last
  // loaded or a new document begun; a save under another name leaves it.
  std::string Title = kUntitledName;
  File_Encoding Encoding = File_Encoding::Win;
  // The line ends its file is written with, and whether the file it came
  // from held more than one kind.
  Line_End Ends = Line_End::Cr_Lf;
  bool Mixed_Ends = false;
  // Only a part of its file came in (the intake was stopped, or the file
  // changed meanwhile): a save over the file asks first.
  bool Partial = false;
  // The file as it stood when last read or written; another program's
  // change since makes a save over it ask first.
  std::optional<File_Stamp> Stamp;

  bool Untitled() const { return Name == kUntitledName; }
};
