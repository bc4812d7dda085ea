#include "tools/assetgen/AssetGenerator.h"

#include <functional>
#include <map>
#include <memory>

#include "shell/AssetStore.h"
#include "shell/WindowLayout.h"
#include "tools/assetgen/BlockArt.h"
#include "tools/assetgen/ButtonArt.h"
#include "tools/assetgen/FieldArt.h"
#include "tools/assetgen/ImageEncoders.h"
#include "tools/assetgen/ResourceArt.h"
#include "tools/assetgen/Sounds.h"
#include "tools/assetgen/WindowArt.h"

namespace tintfall::assetgen {
namespace {

class Writer {
public:
    Writer(Files& files, std::string folder) : files_(files), folder_(std::move(folder)) {}
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        if (!files_.write(folder_ + name, bytes)) failed_.push_back(name);
    }
    // At 1 pixel per unit the file of the name; at more, the finer file of
    // that name, stamped with the 1x file it pairs with.
    void bmp24(const std::string& name, const std::unique_ptr<Picture>& picture) {
        std::vector<std::uint8_t> bytes = encodeBmp24(*picture);
        const int factor = PictureScale::current();
        if (factor == 1) {
            stamps_[name] = pictureStamp(bytes);
            write(name, bytes);
            return;
        }
        const std::uint32_t stamp = stamps_[name];
        for (std::size_t i = 0; i < 4; ++i) bytes[kPairStampOffset + i] = static_cast<std::uint8_t>(stamp >> (8 * i));
        write(finerAssetFileName(name, factor), bytes);
    }
    void paletted(const std::string& name, const std::unique_ptr<Picture>& picture, int bits) {
        write(name, encodeBmpPaletted(*picture, bits));
    }
    std::vector<std::string> failed() const { return failed_; }

private:
    Files& files_;
    std::string folder_;
    std::vector<std::string> failed_;
    std::map<std::string, std::uint32_t> stamps_;
};

std::string graph(AssetRole role, int size = 0, int set = 0) { return assetFileName(role, size, set); }

void writeSizedPictures(Writer& out, int size) {
    const WindowLayout l = applyLayout(size);
    out.bmp24(graph(AssetRole::Background, size), windowBackground(l));
    out.bmp24(graph(AssetRole::Cover, size), coverPicture(l));
    out.bmp24(graph(AssetRole::ColourField, size), colourField(l));
    out.bmp24(graph(AssetRole::ThreeDField, size), threeDField(l));
    out.bmp24(graph(AssetRole::FantasyField, size), fantasyField(l));
    for (int set = 0; set < kBlockSetCount; ++set) {
        out.bmp24(graph(AssetRole::BlockCells, size, set), cellStrip(set, l.cellWidth, l.cellHeight));
        out.bmp24(graph(AssetRole::RemovalAnimation, size, set), removalStrip(set, l.cellWidth, l.cellHeight));
    }
    out.bmp24(graph(AssetRole::Explosion, size), explosionStrip(l.cellWidth, l.cellHeight));
}

void writePanelPictures(Writer& out) {
    // The panel pictures are the same in both sizes; the Normal layout gives their sizes.
    const WindowLayout l = applyLayout(0);
    const auto& b = l.panel.buttons;
    auto button = [&](AssetRole role, ButtonKind kind, PanelButton at, bool disabled) {
        out.bmp24(graph(role), buttonStrip(kind, b[at].width, b[at].height, disabled));
    };
    out.bmp24(graph(AssetRole::Digits), digitStrip());
    button(AssetRole::StartButton, ButtonKind::Start, PanelButton::StartStop, false);
    button(AssetRole::StopButton, ButtonKind::Stop, PanelButton::StartStop, false);
    button(AssetRole::PauseButton, ButtonKind::Pause, PanelButton::Pause, false);
    button(AssetRole::ResumeButton, ButtonKind::Resume, PanelButton::Pause, false);
    button(AssetRole::PauseDisabled, ButtonKind::Pause, PanelButton::Pause, true);
    button(AssetRole::SaveButton, ButtonKind::Save, PanelButton::Save, false);
    button(AssetRole::SaveDisabled, ButtonKind::Save, PanelButton::Save, true);
    button(AssetRole::LoadButton, ButtonKind::Load, PanelButton::Load, false);
    button(AssetRole::TableButton, ButtonKind::Table, PanelButton::LocalTable, false);
    button(AssetRole::InternetTableButton, ButtonKind::InternetTable, PanelButton::InternetTable, false);
    button(AssetRole::HelpButton, ButtonKind::Help, PanelButton::Help, false);
    button(AssetRole::ExitButton, ButtonKind::Exit, PanelButton::Exit, false);
    out.bmp24(graph(AssetRole::LogoButton), logoStrip(b[PanelButton::Logo].width, b[PanelButton::Logo].height));
    out.bmp24(graph(AssetRole::NextBarHidden),
              switchStrip(true, b[PanelButton::NextBarSwitch].width, b[PanelButton::NextBarSwitch].height));
    out.bmp24(graph(AssetRole::NextBarShown),
              switchStrip(false, b[PanelButton::NextBarSwitch].width, b[PanelButton::NextBarSwitch].height));
    out.bmp24(graph(AssetRole::StatusBarHidden),
              switchStrip(true, b[PanelButton::StatusBarSwitch].width, b[PanelButton::StatusBarSwitch].height));
    out.bmp24(graph(AssetRole::StatusBarShown),
              switchStrip(false, b[PanelButton::StatusBarSwitch].width, b[PanelButton::StatusBarSwitch].height));
    const Rect& bomb = b[PanelButton::Bombs];
    out.bmp24(graph(AssetRole::BombsOn), bombsStrip(true, false, bomb.width, bomb.height));
    out.bmp24(graph(AssetRole::BombsOff), bombsStrip(false, false, bomb.width, bomb.height));
    out.bmp24(graph(AssetRole::BombsOnDisabled), bombsStrip(true, true, bomb.width, bomb.height));
    out.bmp24(graph(AssetRole::BombsOffDisabled), bombsStrip(false, true, bomb.width, bomb.height));
    const AssetRole selectorRoles[] = {AssetRole::ClassicSelector, AssetRole::TimerSelector, AssetRole::RisingSelector,
                                       AssetRole::EasySelector, AssetRole::NormalSelector, AssetRole::HardSelector,
                                       AssetRole::OneBlockSelector, AssetRole::TwoBlocksSelector, AssetRole::ThreeBlocksSelector};
    for (int i = 0; i < 9; ++i) {
        const Rect& r = b[buttonAfter(PanelButton::Classic, i)];
        out.bmp24(graph(selectorRoles[i]), selectorStrip(static_cast<SelectorKind>(i), r.width, r.height));
    }
    out.bmp24(graph(AssetRole::NextBar), nextBarPicture(l));
    out.bmp24(graph(AssetRole::StatusOff), statusOffPicture(l));
    out.bmp24(graph(AssetRole::StatusLines), statusLinesPicture(l));
    out.bmp24(graph(AssetRole::ClockDigits), clockGlyphStrip());
}

}  // namespace

std::string ResourceNames::blockSetPreview(int set) { return "blockset" + std::to_string(set) + ".bmp"; }
std::string ResourceNames::champion(int place) { return "champion" + std::to_string(place) + ".bmp"; }

std::vector<std::string> writeDistFiles(Files& files, const std::string& distFolder) {
    Writer out(files, distFolder);
    for (int factor = 1; factor <= kFinestPictures; ++factor) {
        const PictureScale scale(factor);
        writeSizedPictures(out, 0);
        writeSizedPictures(out, 1);
        writePanelPictures(out);
    }
    for (const SoundFile& sound : makeSounds()) out.write(sound.name, encodeWave(sound.samples));
    return out.failed();
}

std::vector<std::string> writeResourceFiles(Files& files, const std::string& resourceFolder) {
    Writer out(files, resourceFolder);
    out.paletted(ResourceNames::aboutLogo, aboutLogo(), 8);
    for (int set = 0; set < kBlockSetCount; ++set) out.paletted(ResourceNames::blockSetPreview(set), blockSetPreview(set), 8);
    out.paletted(ResourceNames::flagNetherlands, flagNetherlands(), 4);
    out.paletted(ResourceNames::flagBelgium, flagBelgium(), 4);
    for (int place = 1; place <= 3; ++place) out.paletted(ResourceNames::champion(place), championPicture(place), 8);
    const auto large = iconPicture(32);
    const auto small = iconPicture(16);
    out.write(ResourceNames::icon, encodeIcon({{large.get(), 0, 0}, {small.get(), 0, 0}}));
    const auto hand = handCursor();
    out.write(ResourceNames::cursor, encodeCursor({hand.get(), kCursorHotspotX, kCursorHotspotY}));
    return out.failed();
}

}  // namespace tintfall::assetgen
