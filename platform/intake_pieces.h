#pragma once
// How a long text goes into the edit area: a screen's worth first, then the
// rest in pieces between messages, each piece sized so that it takes the
// control a few tens of milliseconds. No window code here.
#include <cstddef>
#include <string>

#include "platform/platform_texts.h"

// The first piece at most: more than the largest window shows at the
// smallest font, and small enough for the control to take and paint at once.
constexpr std::size_t kFirstPieceChars = std::size_t(64) << 10;
// What one piece should cost the control, and the bounds of a piece. Under
// Wine the control takes pieces of some ten thousand characters and more
// faster than one whole long text, and pieces of 64 K fastest of all (a
// 2 MB text: 3.0 s against 5.4 s in one step); the rest that must come in
// at once goes in such pieces.
constexpr double kPieceMilliseconds = 40;
constexpr std::size_t kLeastPieceChars = std::size_t(4) << 10;
constexpr std::size_t kMostPieceChars = std::size_t(256) << 10;
constexpr std::size_t kFastestPieceChars = std::size_t(64) << 10;

// The first piece for an edit area of that many pixels whose lines are
// `line_pixels` high: two screens of the narrowest characters a font has
// (a third of the line's height), as if every line were full, so that the
// window and a Page Down show text; never more than kFirstPieceChars. The
// control takes what it does not show for nothing but time.
std::size_t First_Piece_Chars(int width, int height, int line_pixels);

// Where the piece of about `wanted` characters that starts at `at` ends.
// It ends behind a line break, or else behind a space, found in the last
// quarter of the piece, so that the control does not wrap a line twice
// over; and it never parts the halves of a surrogate pair.
std::size_t Piece_End(const std::wstring& text, std::size_t at, std::size_t wanted);

// The size of the next piece, from how long the last one took: it grows or
// shrinks towards kPieceMilliseconds, at most by half or double at a time.
std::size_t Next_Piece_Chars(std::size_t last_chars, double last_milliseconds);

// Intake_Progress_Text, the status bar's share of the text taken in, is in
// platform/platform_texts.h.

// What Wine's control takes for a text, as measured: some 40 bytes a
// character and 3 KB a row it lays out (each row of a wrapped line counts),
// with a fifth more on both.
constexpr unsigned long long kControlBytesPerChar = 48;
constexpr unsigned long long kControlBytesPerRow = 3600;
unsigned long long Control_Bytes_For(std::size_t chars, std::size_t rows);

// Wine's control wraps a run of characters that has no space in it one
// character at a time: one line of 200 KB without a space takes it more
// than a minute and 3.9 GB with word wrap on, 0.4 s and 28 MB without. A
// text with a run longer than this is shown unwrapped.
constexpr std::size_t kLongestWrappedRun = 2000;
// The length of the longest run without a space, tab or line break.
std::size_t Longest_Unbroken_Run(const std::wstring& text);
