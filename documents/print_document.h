#pragma once
// "Печать": the edit area's lines, as displayed, one after another.
#include <string>
#include <vector>

#include "documents/print_device.h"
#include "platform/edit_area.h"

constexpr int32_t kPrintedLineLimit = 4096;

// The lines as the edit area counts them (display lines under word wrap),
// without their line breaks and at most 4096 characters each; the empty
// line after a final line break is not one of them.
std::vector<std::string> Printed_Lines(Edit_Area& edit);

// One print job: every line written and ended. False when the printer
// failed; the job is then aborted and nothing more is sent.
bool Print_Lines(const std::vector<std::string>& lines, Print_Device& device);
