#pragma once
// A renderer set up on synthetic artwork: every picture of the catalogue is
// built in memory at its real size, each pixel's colour telling the picture
// (red), the frame across (green) and the frame down (blue). Both canvases
// record or draw, and the presenter keeps the rectangles it copies.
#include <array>
#include <utility>
#include <vector>

#include "platform/headless/SoftwarePresenter.h"
#include "shell/Renderer.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RunningGame.h"
#include "tests/unit/shell/TestBitmaps.h"

namespace tintfall::test {

struct FrameShape {
    int frameWidth;
    int frameHeight;
    int across;
    int down;
};

inline FrameShape shapeOf(AssetRole role, int size) {
    const bool big = size == 1;
    const int cw = big ? 48 : 32;
    const int ch = big ? 46 : 30;
    switch (role) {
        case AssetRole::Background: return big ? FrameShape{602, 602, 1, 1} : FrameShape{483, 407, 1, 1};
        case AssetRole::Cover:
        case AssetRole::ColourField:
        case AssetRole::ThreeDField:
        case AssetRole::FantasyField: return {cw, ch, 6, 12};  // one frame per field cell
        case AssetRole::BlockCells: return {cw, ch, 9, 1};
        case AssetRole::RemovalAnimation: return {cw, ch, 30, 1};
        case AssetRole::Explosion: return {cw, ch, 5, 1};
        case AssetRole::Digits: return {5, 17, 34, 1};  // glyph d starts at frame 3d
        case AssetRole::StartButton:
        case AssetRole::StopButton:
        case AssetRole::PauseButton:
        case AssetRole::ResumeButton: return {79, 22, 3, 1};
        case AssetRole::PauseDisabled: return {79, 22, 1, 1};
        case AssetRole::SaveDisabled: return {38, 22, 1, 1};
        case AssetRole::SaveButton:
        case AssetRole::LoadButton:
        case AssetRole::TableButton:
        case AssetRole::InternetTableButton:
        case AssetRole::HelpButton:
        case AssetRole::ExitButton: return {38, 22, 3, 1};
        case AssetRole::LogoButton: return {75, 32, 3, 1};
        case AssetRole::NextBarHidden:
        case AssetRole::NextBarShown: return {18, 17, 3, 1};
        case AssetRole::StatusBarHidden:
        case AssetRole::StatusBarShown: return {19, 17, 3, 1};
        case AssetRole::BombsOn:
        case AssetRole::BombsOff: return {30, 24, 3, 1};
        case AssetRole::BombsOnDisabled:
        case AssetRole::BombsOffDisabled: return {30, 24, 1, 1};
        case AssetRole::NextBar: return {32, 90, 1, 1};
        case AssetRole::StatusOff: return {459, 17, 1, 1};
        case AssetRole::StatusLines: return {414, 15, 1, 31};
        case AssetRole::ClockDigits: return {5, 9, 12, 1};
        default: return {46, 38, 8, 1};  // the nine selectors
    }
}

// The colour of frame (across, down) of a picture.
inline ColourRef artColour(AssetRole role, int size, int across, int down) {
    const int red = static_cast<int>(role) * 2 + (size == 1 ? 1 : 0) + 2;
    return static_cast<ColourRef>(red) | (static_cast<ColourRef>(across) << 8) | (static_cast<ColourRef>(down) << 16);
}

inline void addSyntheticArt(MemoryFiles& files, const std::string& base, int blockSet) {
    for (int r = 0; r < kAssetRoleCount; ++r) {
        const AssetRole role = static_cast<AssetRole>(r);
        for (int size = 0; size < (hasTwoSizes(role) ? 2 : 1); ++size) {
            const FrameShape s = shapeOf(role, size);
            files.contents[base + assetFileName(role, size, blockSet)] =
                makeBmp(s.frameWidth * s.across, s.frameHeight * s.down, 24, [&](int x, int y) {
                    return artColour(role, size, x / s.frameWidth, y / s.frameHeight);
                });
        }
    }
}

class RecordingPresenter : public WindowPresenter {
public:
    void present(const Rect& area) override { presented.push_back(area); }
    std::vector<Rect> presented;
};

// Rectangles as plain tuples, for comparisons in expectations.
inline std::vector<std::array<int, 4>> rectList(const std::vector<Rect>& rects) {
    std::vector<std::array<int, 4>> list;
    for (const Rect& r : rects) list.push_back({r.x, r.y, r.width, r.height});
    return list;
}

struct RenderRig {
    explicit RenderRig(int size = 0) : assets(files, "art\\") {
        addSyntheticArt(files, "art\\", settings.blockSet);
        assets.loadAll(settings.blockSet);
        setSize(size);
        view.windowReady = true;
        view.paintingEnabled = true;
    }

    void setSize(int size) {
        view.effectiveSize = size;
        view.layout = applyLayout(size);
    }

    RenderContext context() {
        return RenderContext{assets, game, settings, view, panel, back, window, presenter};
    }

    const std::uint8_t* image(AssetRole role, int size = -1) const {
        return assets.image(role, size < 0 ? view.effectiveSize : size).view().pixels;
    }

    // A game in progress on level 1 with the piece in view.
    void startGame() { setRunningGame(game, 1, 5); }

    MemoryFiles files;
    AssetStore assets;
    GameState game;
    GameSettings settings;
    PresentationState view;
    PanelLooks panel;
    RecordingCanvas back;
    RecordingCanvas window;
    RecordingPresenter presenter;
};

}  // namespace tintfall::test
