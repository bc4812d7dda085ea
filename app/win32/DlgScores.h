#pragma once
// The Best Scores dialog, the name prompt and the Watch Replay dialog as
// modal dialog boxes.
#include <windows.h>

namespace tintfall {

class BestScoresDialog;
class NamePrompt;
class WatchReplayDialog;

void runBestScoresDialog(HINSTANCE instance, HWND owner, BestScoresDialog& dialog);
void runNamePromptDialog(HINSTANCE instance, HWND owner, NamePrompt& prompt);
void runWatchReplayDialog(HINSTANCE instance, HWND owner, WatchReplayDialog& dialog);

}  // namespace tintfall
