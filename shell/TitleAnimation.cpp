#include "shell/TitleAnimation.h"

namespace tintfall {
namespace {

constexpr int kWordGameWidth = 24;
// The word game: the name plus this suffix, turned round, becomes the first
// word; the name's first five letters plus the last letter the second.
constexpr const char* kSuffix = "ow";
constexpr char kLastLetter = 's';
constexpr const char* kFinale = "Have Fun with Tintfall !";
// Positions (1 = first) of the finale's characters in the order they vanish.
constexpr int kVanishOrder[] = {14, 9, 5, 23, 11, 16, 4, 2, 12, 21, 7, 18, 6, 10, 17, 15, 20, 13, 8, 1, 19, 24, 22};

std::string spaces(int count) { return std::string(static_cast<std::size_t>(count > 0 ? count : 0), ' '); }

std::string padRight(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text += spaces(width - static_cast<int>(text.size()));
    return text;
}

// The name with the gap after letter g (1..7) of gaps[g - 1] spaces.
std::string spreadName(const int (&gaps)[7]) {
    const std::string name = kTitleName;
    std::string text(1, name[0]);
    for (int g = 0; g < 7; ++g) text += spaces(gaps[g]) + name[static_cast<std::size_t>(g + 1)];
    return text;
}

// The second part moves left through the first, `steps` positions.
std::string moveThrough(const std::string& first, const std::string& second, int steps) {
    const std::size_t keep = first.size() - static_cast<std::size_t>(steps);
    return first.substr(0, keep) + second + first.substr(keep);
}

void addGapFrames(std::vector<TitleFrame>& frames) {
    const int allOpen[7] = {5, 5, 5, 5, 5, 5, 5};
    frames.push_back({spaces(5) + spreadName(allOpen), kTitleStartInterval});
    for (int lead = 4; lead >= 0; --lead) frames.push_back({spaces(lead) + spreadName(allOpen), std::nullopt});
    // Frame 5 + 5(g - 1) + j narrows gap g to 5 - j; frame 5 itself is done.
    for (int g = 1; g <= 7; ++g)
        for (int j = (g == 1 ? 1 : 0); j <= 4; ++j) {
            int gaps[7];
            for (int h = 1; h <= 7; ++h) gaps[h - 1] = h < g ? 0 : (h == g ? 5 - j : 5);
            frames.push_back({spreadName(gaps), std::nullopt});
        }
    frames.push_back({kTitleName, 3000});
    frames.push_back({" " + std::string(kTitleName), 100});
    frames.push_back({"  " + std::string(kTitleName), std::nullopt});
    frames.push_back({"   " + std::string(kTitleName), std::nullopt});
}

void addWordGameFrames(std::vector<TitleFrame>& frames) {
    const std::string name = kTitleName;
    const std::string suffix = kSuffix;
    // The suffix enters at the right edge while the name drifts right.
    for (int f = 44; f <= 51; ++f) {
        const int lead = f <= 46 ? f - 40 : 7;
        std::string text = padRight(spaces(lead) + name, kWordGameWidth);
        const int column = kWordGameWidth - (f - 44);  // 1-based column of the suffix's first letter
        for (std::size_t i = 0; i < suffix.size(); ++i) {
            const int at = column - 1 + static_cast<int>(i);
            if (at < kWordGameWidth) text[static_cast<std::size_t>(at)] = suffix[i];
        }
        frames.push_back({text, std::nullopt});
    }
    const std::string word = name + suffix;  // 10 letters
    const std::string head = word.substr(0, 5);
    const std::string tail = word.substr(5);
    for (int steps = 0; steps <= 5; ++steps)
        frames.push_back({padRight(spaces(7) + moveThrough(head, tail, steps), kWordGameWidth), std::nullopt});
    const std::string phrase = tail + " " + head;  // the two words without the last letter
    for (int lead = 6; lead >= 1; --lead) frames.push_back({spaces(lead) + phrase + spaces(7), std::nullopt});
    // The last letter comes in from column 24 until it ends the second word.
    for (int gap = 12; gap >= 0; --gap) frames.push_back({phrase + spaces(gap) + kLastLetter, std::nullopt});
    const std::string firstWord = tail;
    const std::string secondWord = head + kLastLetter;
    frames.push_back({firstWord + " " + secondWord + spaces(6), 3000});
    for (int steps = 0; steps <= 5; ++steps)
        frames.push_back({moveThrough(firstWord, secondWord, steps) + spaces(6), steps == 0 ? std::optional<std::uint32_t>(100) : std::nullopt});
    const std::string turned = secondWord + firstWord;
    for (std::size_t drop = 1; drop < turned.size(); ++drop)
        frames.push_back({turned.substr(drop) + spaces(6), std::nullopt});
}

void addFinaleFrames(std::vector<TitleFrame>& frames) {
    const std::string finale = kFinale;
    frames.push_back({spaces(6), 1000});
    const std::string haveFun = "Have Fun";
    for (int letters = 1; letters <= 7; ++letters)
        frames.push_back({haveFun.substr(haveFun.size() - static_cast<std::size_t>(letters)) + spaces(6),
                          letters == 1 ? std::optional<std::uint32_t>(100) : std::nullopt});
    frames.push_back({haveFun + spaces(6), 1000});
    frames.push_back({finale, 2000});
    for (int f = 104; f <= 111; ++f) {
        std::optional<std::uint32_t> interval;
        if (f == 104) interval = 300;
        if (f == 111) interval = 2000;
        frames.push_back({f % 2 == 0 ? haveFun + " " : finale, interval});
    }
    // The finale's characters drop out one per frame; the rest close up.
    std::vector<bool> gone(finale.size(), false);
    bool first = true;
    for (int position : kVanishOrder) {
        gone[static_cast<std::size_t>(position - 1)] = true;
        std::string text;
        for (std::size_t i = 0; i < finale.size(); ++i)
            if (!gone[i]) text += finale[i];
        frames.push_back({text, first ? std::optional<std::uint32_t>(30) : std::nullopt});
        first = false;
    }
    frames.push_back({" ", 2000});
}

void addBounceFrames(std::vector<TitleFrame>& frames) {
    const std::string name = kTitleName;
    for (int letters = 1; letters <= 8; ++letters) {
        std::optional<std::uint32_t> interval;
        if (letters == 1) interval = 40;
        if (letters == 5) interval = 50;
        frames.push_back({name.substr(name.size() - static_cast<std::size_t>(letters)), interval});
    }
    struct Bounce {
        int lead;
        int interval;  // 0: none
    };
    static constexpr Bounce kBounces[] = {
        {1, 60},  {2, 0},   {3, 0},  {4, 0},  {5, 70},  {6, 0},  {7, 0},  {8, 0},  {9, 80},  {10, 0}, {11, 0},
        {12, 90}, {13, 100}, {12, 90}, {11, 0}, {10, 0},  {9, 0},  {8, 80}, {7, 0},  {6, 0},   {5, 0},  {4, 70},
        {3, 0},   {2, 0},   {1, 0},  {0, 60}, {1, 0},   {2, 0},  {3, 0},  {4, 80}, {5, 0},   {6, 0},  {7, 100},
        {6, 0},   {5, 0},   {4, 80}, {3, 0},  {2, 0},   {1, 0},  {0, 70}, {1, 0},  {2, 0},   {3, 0},  {4, 100},
        {3, 0},   {2, 0},   {1, 0},  {0, 90}, {1, 0},   {2, 0},  {1, 0},  {0, 3000},
    };
    for (const Bounce& b : kBounces)
        frames.push_back({spaces(b.lead) + name,
                          b.interval ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(b.interval)) : std::nullopt});
    for (int letters = 7; letters >= 1; --letters)
        frames.push_back({name.substr(name.size() - static_cast<std::size_t>(letters)),
                          letters == 7 ? std::optional<std::uint32_t>(100) : std::nullopt});
    frames.push_back({" ", std::nullopt});
    frames.push_back({" ", 2000});
}

std::vector<TitleFrame> buildFrames() {
    std::vector<TitleFrame> frames;
    frames.reserve(kTitleFrameCount);
    addGapFrames(frames);
    addWordGameFrames(frames);
    addFinaleFrames(frames);
    addBounceFrames(frames);
    return frames;
}

}  // namespace

const std::vector<TitleFrame>& titleFrames() {
    static const std::vector<TitleFrame> frames = buildFrames();
    return frames;
}

std::string TitleAnimation::setTitleAnimation(bool animate, std::uint32_t now) {
    on = animate;
    titleFrame = 0;
    titleLastStep = now;
    titleInterval = on ? kTitleStartInterval : kTitleOffInterval;
    return on ? titleFrames()[0].text : std::string(kTitleName);
}

std::optional<std::string> TitleAnimation::stepTitle(std::uint32_t now) {
    // Unsigned difference: correct across the wrap of the millisecond clock.
    if (now - titleLastStep <= titleInterval) return std::nullopt;
    titleLastStep = now;
    ++titleFrame;
    if (!on) {
        if (titleFrame > 1) titleFrame = 0;
        return std::string(kTitleName);
    }
    if (titleFrame >= kTitleFrameCount) titleFrame = 0;
    const TitleFrame& frame = titleFrames()[static_cast<std::size_t>(titleFrame)];
    if (frame.interval) titleInterval = *frame.interval;
    return frame.text;
}

}  // namespace tintfall
