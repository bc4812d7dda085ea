#include "net/SendResultDialog.h"

#include "net/Transfer.h"
#include "resources/dialog_ids.h"

namespace tintfall {

void SendResultDialog::onInit(DialogControls& controls) {
    details = readLastSend(files_, baseFolder);
    controls.setText(IDC_SEND_NAME, details.name);
    controls.setText(IDC_SEND_EMAIL, details.email);
    controls.setText(IDC_SEND_COUNTRY, details.country);
    controls.setText(IDC_SEND_NOTES, details.notes);
}

void SendResultDialog::onCommand(DialogControls& controls, int id) {
    switch (id) {
        case kDialogOk: {
            details.name = controls.text(IDC_SEND_NAME);
            details.email = controls.text(IDC_SEND_EMAIL);
            details.country = controls.text(IDC_SEND_COUNTRY);
            details.notes = controls.text(IDC_SEND_NOTES);
            // Blanks are an entry; only nothing at all is missing.
            const char* missing = details.name.empty()      ? kSendNeedsName
                                  : details.email.empty()   ? kSendNeedsEmail
                                  : details.country.empty() ? kSendNeedsCountry
                                                            : nullptr;
            if (missing != nullptr) {
                controls.showInformation(kNetMessageTitle, missing);
                return;
            }
            // Entries that cannot be remembered are still sent.
            writeLastSend(files_, baseFolder, details);
            result_ = details;
            controls.endDialog(kDialogOk);
            break;
        }
        case IDC_SEND_CONDITIONS: controls.showInformation(kConditionsTitle, kConditionsText); break;
        case kDialogCancel:
            result_.reset();
            controls.endDialog(kDialogCancel);
            break;
        default: break;
    }
}

}  // namespace tintfall
