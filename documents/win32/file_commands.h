#pragma once
// The document commands that the main window itself calls.

// Whether the main window may close: the unsaved-changes guard answers.
bool FormCloseQuery();
