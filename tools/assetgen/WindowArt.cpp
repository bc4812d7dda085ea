#include "tools/assetgen/WindowArt.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/BlockArt.h"
#include "tools/assetgen/Theme.h"

namespace tintfall::assetgen {
namespace {

using namespace theme;

Rect inflate(const Rect& r, int by) { return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by}; }

Rect unite(const Rect& a, const Rect& b) {
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

// A raised rounded panel with a light rim on top and a dark one below.
void panel(cairo_t* cr, const Rect& r) {
    roundedRect(cr, r.x + 2, r.y + 3, r.width, r.height, 7);
    fillPath(cr, {0, 0, 0}, 0.35);
    roundedRect(cr, r.x, r.y, r.width, r.height, 7);
    fillVertical(cr, r.y, r.y + r.height, kPanelTop, kPanelBottom);
    roundedRect(cr, r.x + 0.5, r.y + 0.5, r.width - 1, r.height - 1, 7);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, r.y, 0, r.y + r.height);
    cairo_pattern_add_color_stop_rgba(rim, 0, kPanelLight.r, kPanelLight.g, kPanelLight.b, 0.9);
    cairo_pattern_add_color_stop_rgba(rim, 1, kPanelDark.r, kPanelDark.g, kPanelDark.b, 0.9);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
}

// A sunken frame around r; the inside is left to the caller.
void sunkenFrame(cairo_t* cr, const Rect& r, int depth) {
    for (int i = depth; i >= 1; --i) {
        const double t = static_cast<double>(i) / depth;
        cairo_rectangle(cr, r.x - i + 0.5, r.y - i + 0.5, r.width + 2 * i - 1, r.height + 2 * i - 1);
        strokePath(cr, mix(kPanelDark, kPanelLight, 1.0 - t), 1, 0.9);
    }
}

void label(cairo_t* cr, const std::string& text, const Rect& over, double size = 9) {
    useFont(cr, Font::CondensedBold, size);
    shadowText(cr, text, over.x + over.width / 2.0, over.y - 5, kLabel);
}

void numberBox(cairo_t* cr, const Rect& r, const std::string& caption) {
    sunkenFrame(cr, inflate(r, 1), 2);
    const Rect inner = inflate(r, 1);
    fillRect(cr, inner.x, inner.y, inner.width, inner.height, kNumberBox);
    label(cr, caption, r);
}

// The wordmark: each letter in one of the block colours.
void wordmark(cairo_t* cr, double cx, double baseline, double size) {
    const std::string name = "Tintfall";
    useFont(cr, Font::Serif, size);
    double x = cx - textWidth(cr, name) / 2;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::string letter(1, name[i]);
        const Rgb c = blockColour(static_cast<int>(i % 6));
        leftText(cr, letter, x + 1.5, baseline + 1.5, {0, 0, 0}, 0.6);
        leftText(cr, letter, x, baseline, lighten(c, 0.15));
        x += textWidth(cr, letter);
    }
}

// A panel showing the six gems, filling spare room of the Big window.
void gemShelf(cairo_t* cr, const Rect& r) {
    if (r.height < 30 || r.width < 60) return;
    panel(cr, r);
    const double gem = std::min((r.width - 16.0) / 3, (r.height - 12.0) / 2);
    const double x0 = r.x + (r.width - 3 * gem) / 2, y0 = r.y + (r.height - 2 * gem) / 2;
    for (int i = 0; i < 6; ++i) drawCell(cr, 11, i, x0 + (i % 3) * gem, y0 + (i / 3) * gem, gem, gem);
}

void backdrop(cairo_t* cr, const WindowLayout& l) {
    cairo_rectangle(cr, 0, 0, l.clientWidth, l.clientHeight);
    fillVertical(cr, 0, l.clientHeight, kWindowTop, kWindowBottom);
    // Faint diagonal lines give the background a woven texture.
    cairo_save(cr);
    cairo_set_line_width(cr, 1);
    setColour(cr, {1, 1, 1}, 0.025);
    for (int d = -l.clientHeight; d < l.clientWidth; d += 6) {
        cairo_move_to(cr, d, l.clientHeight);
        cairo_line_to(cr, d + l.clientHeight, 0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void field(cairo_t* cr, const WindowLayout& l) {
    const Rect& f = l.fieldRect;
    roundedRect(cr, f.x - 6, f.y - 6, f.width + 12, f.height + 12, 5);
    fillVertical(cr, f.y - 6, f.y + f.height + 6, kPanelLight, kPanelDark);
    sunkenFrame(cr, f, 3);
    cairo_rectangle(cr, f.x, f.y, f.width, f.height);
    fillVertical(cr, f.y, f.y + f.height, kFieldWell, darken(kFieldWell, 0.35));
    // A faint grid of the cells.
    cairo_set_line_width(cr, 1);
    setColour(cr, {1, 1, 1}, 0.04);
    for (int x = f.x + l.cellWidth; x < f.x + f.width; x += l.cellWidth) {
        cairo_move_to(cr, x - 0.5, f.y);
        cairo_line_to(cr, x - 0.5, f.y + f.height);
    }
    for (int y = f.y + l.cellHeight; y < f.y + f.height; y += l.cellHeight) {
        cairo_move_to(cr, f.x, y - 0.5);
        cairo_line_to(cr, f.x + f.width, y - 0.5);
    }
    cairo_stroke(cr);
}

void leftPanels(cairo_t* cr, const WindowLayout& l, bool big) {
    const auto& b = l.panel.buttons;
    const Rect buttons = inflate(unite(b[PanelButton::StartStop], b[PanelButton::Exit]), 7);
    // The decorative column of gems beside the buttons.
    const Rect column = {8, buttons.y, buttons.x - 14, buttons.height};
    panel(cr, column);
    const int gems = 4;
    const double gemSize = std::min(column.width - 12.0, (column.height - 12.0) / gems - 4);
    for (int i = 0; i < gems; ++i) {
        const double gx = column.x + (column.width - gemSize) / 2;
        const double gy = column.y + 8 + i * (column.height - 16 - gemSize) / (gems - 1);
        drawCell(cr, 11, (i * 5 + 2) % 6, gx, gy, gemSize, gemSize);
    }
    panel(cr, buttons);
    if (big) {
        const Rect title = {8, 12, buttons.x + buttons.width - 8, buttons.y - 20};
        panel(cr, title);
        wordmark(cr, title.x + title.width / 2.0, title.y + title.height - 10, 28);
    }
    // The selector panel ends just below the last row, where the logo panel begins.
    const Rect selectors = inflate(unite(b[PanelButton::Classic], b[PanelButton::ThreeBlocks]), 6);
    const Rect selectorPanel = {selectors.x, selectors.y - 16, selectors.width, selectors.height + 16 - 3};
    panel(cr, selectorPanel);
    label(cr, "GAME MODE",
          {b[PanelButton::Classic].x, b[PanelButton::Classic].y,
           b[PanelButton::Rising].x + b[PanelButton::Rising].width - b[PanelButton::Classic].x, 0});
    label(cr, "DIFFICULTY",
          {b[PanelButton::Easy].x, b[PanelButton::Easy].y,
           b[PanelButton::Hard].x + b[PanelButton::Hard].width - b[PanelButton::Easy].x, 0});
    label(cr, "PIECE SIZE",
          {b[PanelButton::OneBlock].x, b[PanelButton::OneBlock].y,
           b[PanelButton::ThreeBlocks].x + b[PanelButton::ThreeBlocks].width - b[PanelButton::OneBlock].x, 0});
    for (int i = 0; i < 9; ++i) sunkenFrame(cr, b[buttonAfter(PanelButton::Classic, i)], 1);
    const Rect lower = inflate(unite(b[PanelButton::Logo], b[PanelButton::Bombs]), 6);
    const int lowerTop = selectorPanel.y + selectorPanel.height + 2;
    const Rect lowerPanel = {lower.x, lowerTop, lower.width, lower.y + lower.height - lowerTop};
    panel(cr, lowerPanel);
    label(cr, "BOMBS", b[PanelButton::Bombs], 8);
    sunkenFrame(cr, b[PanelButton::Bombs], 1);
    sunkenFrame(cr, b[PanelButton::Logo], 1);
    if (big) {
        const int top = lowerPanel.y + lowerPanel.height + 14;
        gemShelf(cr, {lowerPanel.x + 20, top, lowerPanel.width - 40, l.statusOffRect.y - 14 - top});
    }
}

void rightPanel(cairo_t* cr, const WindowLayout& l) {
    const auto& b = l.panel.buttons;
    const Rect numbers = unite(unite(l.levelRect, l.blocksToClearRect), l.bestScoreRect);
    const Rect top = inflate(unite(l.nextBarRect, b[PanelButton::NextBarSwitch]), 8);
    const int x0 = std::min(numbers.x, top.x) - 10;
    const int x1 = std::min(l.clientWidth - 6, std::max(numbers.x + numbers.width, top.x + top.width) + 10);
    panel(cr, {x0, top.y - 14, x1 - x0, top.height + 14});
    label(cr, "NEXT", l.nextBarRect);
    sunkenFrame(cr, l.nextBarRect, 2);
    sunkenFrame(cr, b[PanelButton::NextBarSwitch], 1);
    panel(cr, {x0, numbers.y - 24, x1 - x0, numbers.height + 32});
    numberBox(cr, l.levelRect, "LEVEL");
    numberBox(cr, l.blocksToClearRect, "TO CLEAR");
    numberBox(cr, l.scoreRect, "SCORE");
    numberBox(cr, l.blocksRemovedRect, "BLOCKS");
    numberBox(cr, l.timeLeftRect, "TIME");
    numberBox(cr, l.riseCountdownRect, "RISE");
    numberBox(cr, l.bestScoreRect, "BEST");
    if (l.clientWidth > 483) {
        const int top = numbers.y + numbers.height + 22;
        gemShelf(cr, {x0 + 20, top, x1 - x0 - 40, l.statusOffRect.y - 14 - top});
    }
}

void statusBar(cairo_t* cr, const WindowLayout& l) {
    const Rect& s = l.statusOffRect;
    const Rect& sw = l.panel.buttons[PanelButton::StatusBarSwitch];
    const Rect bar = unite(s, sw);
    fillRect(cr, bar.x - 1, bar.y - 2, bar.width + 2, bar.height + 3, kPanelDark);
    fillRect(cr, bar.x - 1, bar.y - 2, bar.width + 2, 1, kPanelLight);
    fillRect(cr, s.x, s.y, s.width, s.height, kStatusBar);
    // The separator before the clock.
    fillRect(cr, l.clockAt.x - 6, s.y + 2, 1, s.height - 4, kPanelLight);
}

}  // namespace

std::unique_ptr<Picture> windowBackground(const WindowLayout& layout) {
    auto picture = std::make_unique<Picture>(layout.clientWidth, layout.clientHeight);
    cairo_t* cr = picture->cr();
    const bool big = layout.clientWidth > 483;
    backdrop(cr, layout);
    field(cr, layout);
    leftPanels(cr, layout, big);
    rightPanel(cr, layout);
    statusBar(cr, layout);
    return picture;
}

std::unique_ptr<Picture> nextBarPicture(const WindowLayout& layout) {
    const Rect& r = layout.nextBarRect;
    auto picture = gradientPicture(r.width, r.height, hex(0x0A0E1E), hex(0x1A2148));
    cairo_t* cr = picture->cr();
    setColour(cr, {1, 1, 1}, 0.05);
    cairo_set_line_width(cr, 1);
    for (int y = layout.cellHeight; y < r.height; y += 30) {
        cairo_move_to(cr, 0, y - 0.5);
        cairo_line_to(cr, r.width, y - 0.5);
    }
    cairo_stroke(cr);
    return picture;
}

std::unique_ptr<Picture> statusOffPicture(const WindowLayout& layout) {
    const Rect& r = layout.statusOffRect;
    auto picture = gradientPicture(r.width, r.height, kPanelTop, kPanelBottom);
    cairo_t* cr = picture->cr();
    // A row of small gems along the hidden bar.
    for (int i = 0; i < 6; ++i) drawCell(cr, 11, i, 6 + i * 14, 3, 11, 11);
    useFont(cr, Font::CondensedBold, 9);
    leftText(cr, "TINTFALL", r.width - 6 - textWidth(cr, "TINTFALL"), 12, kLabel, 0.8);
    return picture;
}

std::unique_ptr<Picture> statusLinesPicture(const WindowLayout& layout) {
    const int width = layout.statusLineRect.width;
    auto picture = std::make_unique<Picture>(width, kStatusLineCount * kStatusLineHeight);
    cairo_t* cr = picture->cr();
    fillRect(cr, 0, 0, width, kStatusLineCount * kStatusLineHeight, kStatusBar);
    const auto& texts = statusTexts();
    for (int i = 0; i < kStatusLineCount; ++i) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, i * kStatusLineHeight, width, kStatusLineHeight);
        cairo_clip(cr);
        // A line too long for the bar is set smaller rather than cut off.
        double size = 10.5;
        useFont(cr, Font::Condensed, size);
        while (size > 7 && textWidth(cr, texts[static_cast<std::size_t>(i)]) > width - 10) useFont(cr, Font::Condensed, size -= 0.5);
        leftText(cr, texts[static_cast<std::size_t>(i)], 5, i * kStatusLineHeight + 11.5, i == 0 ? kClock : kStatusText);
        cairo_restore(cr);
    }
    return picture;
}

const std::vector<std::string>& statusTexts() {
    static const std::vector<std::string> texts = {
        "Welcome to Tintfall! Point at a control to learn what it does.",
        "Start a new game, or stop the game that is running (F2).",
        "Pause the game, or carry on with a paused game.",
        "Save the game in progress to a file (Ctrl+S).",
        "Load a saved game from a file (Ctrl+L).",
        "Show the best scores of this computer (F4).",
        "Show the internet Top 10 table (F5).",
        "Open the help (F1). A right click anywhere opens the control panel help.",
        "Quit Tintfall.",
        "Classic mode: clear each level's quota of blocks. Twenty levels to win.",
        "Timer mode: beat the clock. Every removal adds time.",
        "Rising mode: rows of blocks push in from below. Keep removing!",
        "Easy: pieces come in four colours.",
        "Normal: pieces come in five colours.",
        "Hard: pieces come in six colours.",
        "Pieces of one block.",
        "Pieces of two blocks.",
        "Pieces of three blocks.",
        "Switch bombs on or off. A big removal turns the next piece into a bomb.",
        "Visit the Tintfall home page.",
        "Show or hide the next piece.",
        "Show or hide the status bar and the clock.",
        "The next piece, bottom block first.",
        "The status bar: it explains what the mouse points at.",
        "The level you are playing.",
        "Blocks still to remove before the next level.",
        "Your score.",
        "Blocks you have removed in this game.",
        "Time left in Timer mode.",
        "Pieces until the next row rises in Rising mode.",
        "The best score to beat in this mode.",
    };
    return texts;
}

std::unique_ptr<Picture> digitStrip() {
    auto picture = std::make_unique<Picture>(kDigitStripWidth, kDigitHeight);
    cairo_t* cr = picture->cr();
    fillRect(cr, 0, 0, kDigitStripWidth, kDigitHeight, kNumberBox);
    // Seven segments: a top, b top right, c bottom right, d bottom, e bottom
    // left, f top left, g middle.
    static const char* const kSegments[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    const double x0 = 3.5, x1 = 11.5, y0 = 1.5, ym = 8.5, y1 = 15.5;
    auto segment = [&](double ax, double ay, double bx, double by) {
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
    };
    for (int d = 0; d < 10; ++d) {
        const double ox = d * kDigitWidth;
        for (int pass = 0; pass < 2; ++pass) {
            for (const char* s = kSegments[d]; *s; ++s) {
                switch (*s) {
                    case 'a': segment(ox + x0 + 1, y0, ox + x1 - 1, y0); break;
                    case 'b': segment(ox + x1, y0 + 1, ox + x1, ym - 1); break;
                    case 'c': segment(ox + x1, ym + 1, ox + x1, y1 - 1); break;
                    case 'd': segment(ox + x0 + 1, y1, ox + x1 - 1, y1); break;
                    case 'e': segment(ox + x0, ym + 1, ox + x0, y1 - 1); break;
                    case 'f': segment(ox + x0, y0 + 1, ox + x0, ym - 1); break;
                    default: segment(ox + x0 + 1, ym, ox + x1 - 1, ym); break;
                }
            }
            // A soft glow under the lit segments, then the segments.
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            strokePath(cr, pass == 0 ? kDigit : lighten(kDigit, 0.25), pass == 0 ? 4.5 : 2.2, pass == 0 ? 0.22 : 1.0);
        }
    }
    // The colon, five pixels wide at 165.
    for (double y : {5.5, 11.5}) {
        cairo_arc(cr, 167.5, y, 1.4, 0, 6.2832);
        fillPath(cr, lighten(kDigit, 0.25));
    }
    return picture;
}

std::unique_ptr<Picture> clockGlyphStrip() {
    // Crisp 5 x 9 pixel glyphs: rows of five pixels, '#' lit.
    static const char* const kGlyphs[kClockGlyphs][9] = {
        {".###.", "#...#", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", "#...#", ".###."},
        {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},
        {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
        {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
        {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
        {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
        {".###.", "#...#", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
        {"#####", "....#", "....#", "...#.", "..#..", "..#..", ".#...", ".#...", ".#..."},
        {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
        {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "#...#", ".###."},
        {".....", ".....", "..#..", "..#..", ".....", ".....", "..#..", "..#..", "....."},
        {".....", ".....", ".....", ".....", ".....", ".....", ".....", ".....", "....."},
    };
    auto picture = std::make_unique<Picture>(kClockGlyphs * kClockGlyphWidth, kClockGlyphHeight);
    cairo_t* cr = picture->cr();
    fillRect(cr, 0, 0, kClockGlyphs * kClockGlyphWidth, kClockGlyphHeight, kStatusBar);
    for (int g = 0; g < kClockGlyphs; ++g) {
        for (int y = 0; y < kClockGlyphHeight; ++y) {
            for (int x = 0; x < kClockGlyphWidth; ++x) {
                if (kGlyphs[g][y][x] == '#') fillRect(cr, g * kClockGlyphWidth + x, y, 1, 1, kClock);
            }
        }
    }
    return picture;
}

}  // namespace tintfall::assetgen
