#pragma once
// The document session of the main window: its edit area, caption, dialogs
// and message boxes, as the document commands use them.
#include <functional>
#include <string>

#include "documents/document_commands.h"

// Runs `command` over the main window's session.
void With_Document_Session(const std::function<void(Document_Session&)>& command);
bool Document_Close_Query();
