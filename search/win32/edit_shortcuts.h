#pragma once
// While a search dialog is open, Ctrl+V, Ctrl+Z, Ctrl+Y, Ctrl+C and Ctrl+X
// belong to the text fields and the edit area, not to the Edit menu. Both
// calls may be repeated; only the first of each pair acts.
void Release_Edit_Shortcuts();
void Restore_Edit_Shortcuts();
