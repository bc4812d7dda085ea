#pragma once
// The Best Scores dialog and the name prompt as modal dialog boxes.
#include <windows.h>

namespace tintfall {

class BestScoresDialog;
class NamePrompt;

void runBestScoresDialog(HINSTANCE instance, HWND owner, BestScoresDialog& dialog);
void runNamePromptDialog(HINSTANCE instance, HWND owner, NamePrompt& prompt);

}  // namespace tintfall
