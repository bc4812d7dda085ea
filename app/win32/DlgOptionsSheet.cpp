#include "app/win32/DlgOptionsSheet.h"

#include <mmsystem.h>

#include <array>

#include "app/win32/DlgKeyCapture.h"
#include "platform/win32/DlgControls.h"
#include "platform/win32/DlgFileChooser.h"
#include "platform/win32/OnDemandLibraries.h"
#include "platform/win32/WideText.h"
#include "settings/CConOpt.h"
#include "settings/CGameOpt.h"
#include "settings/CIntOpt.h"
#include "settings/CSndOpt.h"

namespace tintfall {

namespace {

constexpr const char* kSheetCaption = "Tintfall";

// The colour chooser, the sound file chooser, the key prompt and playback,
// owned by the sheet window of the moment.
class SheetServices : public OptionsPageServices {
public:
    explicit SheetServices(HINSTANCE instance) : instance_(instance) { customColours_.fill(RGB(255, 255, 255)); }

    void setOwner(HWND owner) { owner_ = owner; }

    std::optional<std::int32_t> chooseColour(std::int32_t initial) override {
        CHOOSECOLORA chooser{};
        chooser.lStructSize = sizeof chooser;
        chooser.hwndOwner = owner_;
        chooser.rgbResult = static_cast<COLORREF>(initial);
        chooser.lpCustColors = customColours_.data();
        chooser.Flags = CC_RGBINIT;
        if (!onDemand::chooseColour(&chooser)) return std::nullopt;
        return static_cast<std::int32_t>(chooser.rgbResult);
    }

    std::optional<std::string> chooseSoundFile() override {
        const FileDialogRequest request{"Load Sound File", "Sound Files (*.wav)|*.wav|All Files (*.*)|*.*||", "wav", "untitled",
                                  false};
        return runFileChooser(owner_, request, FileChooserKind::Open);
    }

    std::optional<int> captureKey() override { return runKeyCapture(instance_, owner_); }

    void playSound(const std::string& path) override { sndPlaySoundW(toWide(path).c_str(), SND_ASYNC); }

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
    std::array<COLORREF, 16> customColours_{};
};

struct SheetState {
    SheetServices* services = nullptr;
    // The outcome of the last OK or Cancel: OK counts only when no page refused.
    bool accepted = false;
};

struct PageContext {
    OptionsPage* page = nullptr;
    SheetState* sheet = nullptr;
    bool initialised = false;
};

PageContext* contextOf(HWND page) { return reinterpret_cast<PageContext*>(GetWindowLongPtrA(page, DWLP_USER)); }

void forward(HWND page, PageContext& context, int id, ControlEvent event) {
    Win32DialogControls controls(page);
    context.sheet->services->setOwner(GetParent(page));
    context.page->onControl(controls, *context.sheet->services, id, event);
}

INT_PTR CALLBACK pageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* context = reinterpret_cast<PageContext*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
        Win32DialogControls controls(page);
        context->page->onInit(controls);
        context->initialised = true;
        return TRUE;
    }
    PageContext* context = contextOf(page);
    if (context == nullptr || !context->initialised) return FALSE;
    switch (message) {
        case WM_COMMAND: {
            ControlEvent event;
            if (lParam == 0 || !controlEventOf(wParam, event)) return FALSE;
            forward(page, *context, LOWORD(wParam), event);
            return TRUE;
        }
        case WM_VSCROLL: {
            // An up-down control reports its new position after an arrow click.
            HWND spin = reinterpret_cast<HWND>(lParam);
            if (spin == nullptr || LOWORD(wParam) != SB_THUMBPOSITION) return FALSE;
            forward(page, *context, GetDlgCtrlID(spin), ControlEvent::SpinMoved);
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == PSN_APPLY) {
                Win32DialogControls controls(page);
                const bool accepted = context->page->onOk(controls);
                context->sheet->accepted = accepted;
                // A refused value keeps the sheet open on this page.
                SetWindowLongPtrA(page, DWLP_MSGRESULT, accepted ? PSNRET_NOERROR : PSNRET_INVALID);
                return TRUE;
            }
            if (header->code == PSN_RESET) {
                context->sheet->accepted = false;
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

bool runOptionsSheet(HINSTANCE instance, HWND owner, CGameOpt& game, CIntOpt& interfacePage, CConOpt& control,
                     CSndOpt& sound) {
    if (!onDemand::initCommonControls()) return false;
    SheetServices services(instance);
    SheetState sheet;
    sheet.services = &services;
    std::array<OptionsPage*, 4> pages{&game, &interfacePage, &control, &sound};
    std::array<PageContext, 4> contexts{};
    std::array<HPROPSHEETPAGE, 4> handles{};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        contexts[i].page = pages[i];
        contexts[i].sheet = &sheet;
        PROPSHEETPAGEA page{};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_DEFAULT;
        page.hInstance = instance;
        page.pszTemplate = MAKEINTRESOURCEA(pages[i]->templateId());
        page.pfnDlgProc = pageProc;
        page.lParam = reinterpret_cast<LPARAM>(&contexts[i]);
        handles[i] = onDemand::createPropertySheetPage(&page);
        if (handles[i] == nullptr) {
            for (std::size_t made = 0; made < i; ++made) onDemand::destroyPropertySheetPage(handles[made]);
            return false;
        }
    }

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPTITLE | PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.hInstance = instance;
    header.pszCaption = kSheetCaption;
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = 0;
    header.phpage = handles.data();
    const INT_PTR result = onDemand::propertySheet(&header);
    return result != -1 && sheet.accepted;
}

}  // namespace tintfall
