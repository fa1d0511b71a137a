#pragma once
// The texts every floor shows, UTF-8 encoded: the name of a document that
// has no file yet and the caption of the program's message boxes.
extern const char* const kUntitledName;
extern const char* const kMessageCaption;
