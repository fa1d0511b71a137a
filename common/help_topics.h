#pragma once
// The topic numbers the program hands the help file with HELP_CONTEXT. Each
// one has its topic in documents/help, which a test keeps so.

// The Help menu and the Lines menu.
constexpr int kTopicWhatsNew = 20;
constexpr int kTopicTips = 100;
constexpr int kTopicReadFirst = 130;
constexpr int kTopicShortcomings = 135;

// The settings dialog's controls, for F1 and the title bar's "?".
constexpr int kTopicFileTypes = 90;
constexpr int kTopicTray = 120;
constexpr int kTopicEscape = 121;
constexpr int kTopicStatusBar = 122;
constexpr int kTopicCaretMemory = 123;
constexpr int kTopicSounds = 124;
constexpr int kTopicUndoLimit = 125;
constexpr int kTopicRecognizePage = 126;

constexpr int kHelpTopics[] = {kTopicWhatsNew,    kTopicTips,   kTopicReadFirst, kTopicShortcomings,
                               kTopicFileTypes,   kTopicTray,   kTopicEscape,    kTopicStatusBar,
                               kTopicCaretMemory, kTopicSounds, kTopicUndoLimit, kTopicRecognizePage};
