#pragma once
// How the status bar's panels share its width. Each panel needs room for the
// widest text it shows and wishes for its width of old; a bar too narrow for
// the wishes takes from each panel's surplus alike, so that every panel's
// text stays readable as long as the needs fit at all.
#include <vector>

struct Panel_Room {
  int Need = 0;  // the panel's widest text with its borders, in pixels
  int Wish = 0;  // its width where there is room for all
};

// The right edges of the panels, left to right, in a bar `width` pixels wide.
std::vector<int> Panel_Right_Edges(const std::vector<Panel_Room>& panels, int width);
