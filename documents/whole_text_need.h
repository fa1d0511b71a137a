#pragma once
// Whether what is about to happen needs the whole of a long text that is
// still coming in. This is the one place that decides it: the main window
// asks here before every command, every key in the edit area and the close.
// Everything that reads or changes the text needs it; what only drops an
// unchanged document (New, Open, a recent file, Exit, the close) or never
// touches the text (help, about, the settings dialog, the recent-files
// list) does not, so that closing an unchanged 50 MB text does not wait for
// it. A document with changes may be saved on the way, and then it does.

// `modified`: the document holds unsaved changes.
bool Command_Needs_Whole_Text(int command, bool modified);
// A key pressed in the edit area: everything but moving about the part that
// is in already (Ctrl+End goes to the end of the whole text, so it waits
// too) and Esc, which ends the intake instead.
bool Key_Needs_Whole_Text(unsigned virtual_key, bool control_down);
bool Close_Needs_Whole_Text(bool modified);
