#include "shell/HelpChoice.h"

#include "panel/ControlPanel.h"

namespace tintfall {

namespace {

// Windows Vista is release 6.0, the first without the viewer.
constexpr int kFirstReleaseWithoutViewer = 6;

struct ContextPage {
    int context;
    const char* page;
};

// The pages are named after the topics' context names in the help source.
constexpr ContextPage kContextPages[] = {
    {kHelpIndexContext, "help\\contents.html"},
    {ControlPanel::kPanelHelpContext, "help\\control_panel.html"},
};

}  // namespace

bool winHelpViewerUsable(const SystemRelease& release) {
    return release.wine || release.major < kFirstReleaseWithoutViewer;
}

std::string helpPageFor(int context) {
    for (const ContextPage& entry : kContextPages) {
        if (entry.context == context) return entry.page;
    }
    return kContextPages[0].page;
}

void openHelp(WindowServices& services, int context) {
    if (winHelpViewerUsable(services.systemRelease())) {
        services.showHelp(context);
    } else {
        services.showHelpPage(helpPageFor(context));
    }
}

}  // namespace tintfall
