#pragma once
// The internet table's dialogs as modal dialog boxes: Send Result and the
// two Transfer Data dialogs, over whichever of the program's windows is
// taking input (the Best Scores dialog when SEND or UPDATE was pressed).
#include <windows.h>

namespace tintfall {

class SendResultDialog;
class TransferDialog;

void runSendResultDialog(HINSTANCE instance, HWND fallbackOwner, SendResultDialog& dialog);
// templateId: IDD_UPLOAD or IDD_DOWNLOAD.
void runTransferDialog(HINSTANCE instance, HWND fallbackOwner, int templateId, TransferDialog& dialog);

}  // namespace tintfall
