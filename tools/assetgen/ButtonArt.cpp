#include "tools/assetgen/ButtonArt.h"

#include <cmath>
#include <functional>
#include <string>

#include "tools/assetgen/BlockArt.h"
#include "tools/assetgen/Theme.h"

namespace tintfall::assetgen {
namespace {

using namespace theme;
constexpr double kPi = 3.141592653589793;

enum class Look { Normal, Hover, Pressed, Disabled, Selected, SelectedHover, SelectedPressed, DisabledSelected };

struct Face {
    double x, y, w, h;
};

// The face of a button in one look; pressed faces shift their content down
// and right by one pixel, which the caller reads from contentShift().
void drawFace(cairo_t* cr, const Face& f, Look look) {
    Rgb top = hex(0x4250A8), bottom = hex(0x222A66), rim = kPanelDark, glow = kCyan;
    bool lit = false;
    switch (look) {
        case Look::Normal: break;
        case Look::Hover: top = hex(0x5A6AD0); bottom = hex(0x2E3884); lit = true; break;
        case Look::Pressed: top = hex(0x1A2050); bottom = hex(0x34408E); lit = true; break;
        case Look::Disabled: top = hex(0x3A3E52); bottom = hex(0x24273A); break;
        case Look::Selected: top = hex(0xB08A20); bottom = hex(0x5E4408); glow = kGold; break;
        case Look::SelectedHover: top = hex(0xD0A830); bottom = hex(0x76560E); glow = kGold; lit = true; break;
        case Look::SelectedPressed: top = hex(0x5E4408); bottom = hex(0xB08A20); glow = kGold; lit = true; break;
        case Look::DisabledSelected: top = hex(0x6A5C3A); bottom = hex(0x3A3222); break;
    }
    fillRect(cr, f.x, f.y, f.w, f.h, kPanelDark);
    roundedRect(cr, f.x + 0.5, f.y + 0.5, f.w - 1, f.h - 1, 4);
    fillVertical(cr, f.y, f.y + f.h, top, bottom);
    roundedRect(cr, f.x + 0.5, f.y + 0.5, f.w - 1, f.h - 1, 4);
    strokePath(cr, rim, 1);
    const bool pressed = look == Look::Pressed || look == Look::SelectedPressed;
    if (!pressed) {
        // The glossy upper half.
        roundedRect(cr, f.x + 2, f.y + 1.5, f.w - 4, f.h / 2 - 1, 3);
        fillPath(cr, {1, 1, 1}, look == Look::Disabled || look == Look::DisabledSelected ? 0.05 : 0.14);
    }
    const bool selected = look == Look::Selected || look == Look::SelectedHover || look == Look::SelectedPressed ||
                          look == Look::DisabledSelected;
    if (lit || selected) {
        roundedRect(cr, f.x + 1.5, f.y + 1.5, f.w - 3, f.h - 3, 3.5);
        strokePath(cr, glow, lit && selected ? 2 : 1.2, look == Look::DisabledSelected ? 0.45 : (lit ? 0.95 : 0.8));
    }
}

bool isPressed(Look look) { return look == Look::Pressed || look == Look::SelectedPressed; }
bool isDisabled(Look look) { return look == Look::Disabled || look == Look::DisabledSelected; }

Rgb labelColour(Look look) {
    if (isDisabled(look)) return hex(0x7A7F96);
    if (look == Look::Hover || look == Look::SelectedHover) return {1, 1, 1};
    return hex(0xE8ECFF);
}

// Paints content drawn by fn, faded when the look is disabled.
void content(cairo_t* cr, Look look, const std::function<void()>& fn) {
    cairo_save(cr);
    if (isPressed(look)) cairo_translate(cr, 1, 1);
    cairo_push_group(cr);
    fn();
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, isDisabled(look) ? 0.4 : 1.0);
    cairo_restore(cr);
}

void playIcon(cairo_t* cr, double x, double cy, double size, Rgb c) {
    cairo_move_to(cr, x, cy - size / 2);
    cairo_line_to(cr, x + size * 0.85, cy);
    cairo_line_to(cr, x, cy + size / 2);
    cairo_close_path(cr);
    fillPath(cr, c);
}

void squareIcon(cairo_t* cr, double x, double cy, double size, Rgb c) {
    cairo_rectangle(cr, x, cy - size / 2, size * 0.85, size);
    fillPath(cr, c);
}

void pauseIcon(cairo_t* cr, double x, double cy, double size, Rgb c) {
    cairo_rectangle(cr, x, cy - size / 2, size * 0.3, size);
    cairo_rectangle(cr, x + size * 0.55, cy - size / 2, size * 0.3, size);
    fillPath(cr, c);
}

struct ButtonText {
    const char* text;
    void (*icon)(cairo_t*, double, double, double, Rgb);
    std::uint32_t iconColour;
};

ButtonText buttonText(ButtonKind kind) {
    switch (kind) {
        case ButtonKind::Start: return {"START", playIcon, 0x5BE37A};
        case ButtonKind::Stop: return {"STOP", squareIcon, 0xFF6A5A};
        case ButtonKind::Pause: return {"PAUSE", pauseIcon, 0xFFD24A};
        case ButtonKind::Resume: return {"RESUME", playIcon, 0x5BE37A};
        case ButtonKind::Save: return {"SAVE", nullptr, 0};
        case ButtonKind::Load: return {"LOAD", nullptr, 0};
        case ButtonKind::Table: return {"BEST", nullptr, 0};
        case ButtonKind::InternetTable: return {"TOP10", nullptr, 0};
        case ButtonKind::Help: return {"HELP", nullptr, 0};
        case ButtonKind::Exit: return {"EXIT", nullptr, 0};
    }
    return {"", nullptr, 0};
}

void drawButton(cairo_t* cr, ButtonKind kind, const Face& f, Look look) {
    drawFace(cr, f, look);
    const ButtonText t = buttonText(kind);
    content(cr, look, [&] {
        const bool wide = f.w > 60;
        useFont(cr, Font::CondensedBold, wide ? 11 : 9);
        const double tw = textWidth(cr, t.text);
        const double iconSize = 8;
        const double total = tw + (t.icon ? iconSize + 5 : 0);
        double x = f.x + (f.w - total) / 2;
        const double cy = f.y + f.h / 2;
        if (t.icon) {
            t.icon(cr, x, cy, iconSize, isDisabled(look) ? hex(0x9094A8) : hex(t.iconColour));
            x += iconSize + 5;
        }
        leftText(cr, t.text, x + 1, cy + 4.5, {0, 0, 0}, 0.5);
        leftText(cr, t.text, x, cy + 3.5, labelColour(look));
    });
}

void miniCell(cairo_t* cr, int colour, double x, double y, double size) { drawCell(cr, 11, colour, x, y, size, size); }

void selectorIcon(cairo_t* cr, SelectorKind kind, double cx, double cy) {
    switch (kind) {
        case SelectorKind::Classic:
            miniCell(cr, 0, cx - 11, cy - 1, 8);
            miniCell(cr, 0, cx - 3, cy - 1, 8);
            miniCell(cr, 0, cx + 5, cy - 1, 8);
            miniCell(cr, 2, cx - 3, cy - 9, 8);
            break;
        case SelectorKind::Timer: {
            cairo_arc(cr, cx, cy + 1, 8, 0, 2 * kPi);
            setColour(cr, hex(0xF4F6FF));
            cairo_fill_preserve(cr);
            strokePath(cr, kPanelDark, 1.5);
            cairo_move_to(cr, cx, cy + 1);
            cairo_line_to(cr, cx, cy - 5);
            cairo_move_to(cr, cx, cy + 1);
            cairo_line_to(cr, cx + 4, cy + 3);
            strokePath(cr, hex(0xC0302A), 1.4);
            break;
        }
        case SelectorKind::Rising:
            for (int i = 0; i < 4; ++i) miniCell(cr, (i + 1) % 6, cx - 14 + i * 7, cy + 3, 7);
            cairo_move_to(cr, cx + 8, cy - 9);
            cairo_line_to(cr, cx + 14, cy - 3);
            cairo_line_to(cr, cx + 10, cy - 3);
            cairo_line_to(cr, cx + 10, cy + 1);
            cairo_line_to(cr, cx + 6, cy + 1);
            cairo_line_to(cr, cx + 6, cy - 3);
            cairo_line_to(cr, cx + 2, cy - 3);
            cairo_close_path(cr);
            fillPath(cr, hex(0x5BE37A));
            break;
        case SelectorKind::Easy:
        case SelectorKind::Normal:
        case SelectorKind::Hard: {
            const int count = kind == SelectorKind::Easy ? 4 : kind == SelectorKind::Normal ? 5 : 6;
            for (int i = 0; i < count; ++i) {
                const int row = i / 3, column = i % 3;
                const int inRow = std::min(3, count - row * 3);
                const double x = cx - inRow * 4.5 + column * 9 + 4.5;
                cairo_arc(cr, x, cy - 4 + row * 9, 3.6, 0, 2 * kPi);
                fillPath(cr, lighten(blockColour(i), 0.1));
            }
            break;
        }
        case SelectorKind::OneBlock:
        case SelectorKind::TwoBlocks:
        case SelectorKind::ThreeBlocks: {
            const int count = kind == SelectorKind::OneBlock ? 1 : kind == SelectorKind::TwoBlocks ? 2 : 3;
            const double size = count == 1 ? 11 : count == 2 ? 9 : 7;
            for (int i = 0; i < count; ++i) {
                miniCell(cr, (i * 2) % 6, cx - size / 2, cy - 1 + count * size / 2 - size * (i + 1), size);
            }
            break;
        }
    }
}

const char* selectorLabel(SelectorKind kind) {
    static const char* const kLabels[] = {"CLASSIC", "TIMER", "RISING", "EASY", "NORMAL", "HARD", "1 BLOCK", "2 BLOCKS", "3 BLOCKS"};
    return kLabels[static_cast<int>(kind)];
}

}  // namespace

std::unique_ptr<Picture> buttonStrip(ButtonKind kind, int width, int height, bool disabled) {
    const int frames = disabled ? 1 : kButtonStates;
    auto strip = std::make_unique<Picture>(width * frames, height);
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed};
    for (int i = 0; i < frames; ++i) {
        drawButton(strip->cr(), kind, {static_cast<double>(i * width), 0, static_cast<double>(width), static_cast<double>(height)},
                   disabled ? Look::Disabled : looks[i]);
    }
    return strip;
}

std::unique_ptr<Picture> selectorStrip(SelectorKind kind, int width, int height) {
    auto strip = std::make_unique<Picture>(width * kSelectorFrames, height);
    cairo_t* cr = strip->cr();
    const Look looks[kSelectorFrames] = {Look::Normal,   Look::Hover,           Look::Pressed, Look::Selected, Look::SelectedHover,
                                         Look::SelectedPressed, Look::Disabled, Look::DisabledSelected};
    for (int i = 0; i < kSelectorFrames; ++i) {
        const Face f{static_cast<double>(i * width), 0, static_cast<double>(width), static_cast<double>(height)};
        drawFace(cr, f, looks[i]);
        content(cr, looks[i], [&] {
            selectorIcon(cr, kind, f.x + f.w / 2, f.y + 13);
            useFont(cr, Font::CondensedBold, 7.5);
            const std::string text = selectorLabel(kind);
            centredText(cr, text, f.x + f.w / 2 + 0.8, f.y + f.h - 4.2, {0, 0, 0}, 0.6);
            centredText(cr, text, f.x + f.w / 2, f.y + f.h - 5, labelColour(looks[i]));
        });
    }
    return strip;
}

std::unique_ptr<Picture> switchStrip(bool plus, int width, int height) {
    auto strip = std::make_unique<Picture>(width * kButtonStates, height);
    cairo_t* cr = strip->cr();
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed};
    for (int i = 0; i < kButtonStates; ++i) {
        const Face f{static_cast<double>(i * width), 0, static_cast<double>(width), static_cast<double>(height)};
        drawFace(cr, f, looks[i]);
        content(cr, looks[i], [&] {
            const double cx = f.x + f.w / 2, cy = f.y + f.h / 2;
            cairo_set_line_width(cr, 2);
            cairo_move_to(cr, cx - 4, cy);
            cairo_line_to(cr, cx + 4, cy);
            if (plus) {
                cairo_move_to(cr, cx, cy - 4);
                cairo_line_to(cr, cx, cy + 4);
            }
            setColour(cr, plus ? hex(0x7CF0A0) : hex(0xFFD24A));
            cairo_stroke(cr);
        });
    }
    return strip;
}

std::unique_ptr<Picture> logoStrip(int width, int height) {
    auto strip = std::make_unique<Picture>(width * kButtonStates, height);
    cairo_t* cr = strip->cr();
    for (int i = 0; i < kButtonStates; ++i) {
        const double x = i * width;
        cairo_rectangle(cr, x, 0, width, height);
        fillVertical(cr, 0, height, hex(0x141A40), hex(0x080B1E));
        if (i > 0) {
            roundedRect(cr, x + 1, 1, width - 2, height - 2, 4);
            strokePath(cr, kCyan, 1.2, 0.9);
        }
        cairo_save(cr);
        if (i == 2) cairo_translate(cr, 1, 1);
        const std::string name = "Tintfall";
        useFont(cr, Font::Serif, 15);
        double tx = x + (width - textWidth(cr, name)) / 2;
        for (std::size_t l = 0; l < name.size(); ++l) {
            const std::string letter(1, name[l]);
            const Rgb c = lighten(blockColour(static_cast<int>(l % 6)), i == 1 ? 0.35 : 0.15);
            leftText(cr, letter, tx + 1, 21, {0, 0, 0}, 0.7);
            leftText(cr, letter, tx, 20, c);
            tx += textWidth(cr, letter);
        }
        useFont(cr, Font::Condensed, 6.5);
        centredText(cr, "home page", x + width / 2.0, height - 3, kLabel, i == 1 ? 1.0 : 0.6);
        cairo_restore(cr);
    }
    return strip;
}

std::unique_ptr<Picture> bombsStrip(bool on, bool disabled, int width, int height) {
    const int frames = disabled ? 1 : kButtonStates;
    auto strip = std::make_unique<Picture>(width * frames, height);
    cairo_t* cr = strip->cr();
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed};
    for (int i = 0; i < frames; ++i) {
        const Look look = disabled ? Look::Disabled : looks[i];
        const Face f{static_cast<double>(i * width), 0, static_cast<double>(width), static_cast<double>(height)};
        drawFace(cr, f, look);
        content(cr, look, [&] {
            // The bomb of the cell strips, with a lamp saying on or off.
            drawCell(cr, 11, 7, f.x + 1, f.y + 2, f.h - 4, f.h - 4);
            const double lx = f.x + f.w - 6.5, ly = f.y + f.h / 2;
            cairo_arc(cr, lx, ly, 3.5, 0, 2 * kPi);
            setColour(cr, on ? hex(0x4CFF7A) : hex(0x7A2020));
            cairo_fill_preserve(cr);
            strokePath(cr, kPanelDark, 1);
            if (!on) {
                cairo_move_to(cr, f.x + 4, f.y + 4);
                cairo_line_to(cr, f.x + f.h - 4, f.y + f.h - 4);
                strokePath(cr, hex(0xFF5A4A), 2);
            }
        });
    }
    return strip;
}

}  // namespace tintfall::assetgen
