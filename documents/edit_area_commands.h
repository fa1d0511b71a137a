#pragma once
// The Edit menu's commands over the edit area, and the guarded paste.
#include <cstdint>

#include "documents/documents_texts.h"
#include "platform/clipboard.h"
#include "platform/document_prompts.h"
#include "platform/edit_area.h"
#include "platform/edit_operations.h"
#include "platform/keyboard.h"

// Undo or redo, then the caret goes back where it was, with no selection.
void Undo_Keeping_Caret(Edit_Area& edit, Edit_Operations& ops);
void Redo_Keeping_Caret(Edit_Area& edit, Edit_Operations& ops);

// `_ClipBoard_`: pastes the clipboard's text as plain text, which is then all
// the clipboard holds; anything but text is refused with a message.
void Paste_Plain_Text(Edit_Area& edit, Edit_Operations& ops, Clipboard& clipboard, Keyboard& keys,
                      uint32_t& saved_layout, Document_Prompts& prompts);
