#include "tools/assetgen/FontCheck.h"

#include <fontconfig/fontconfig.h>

#include <cstring>

#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

namespace {

// Whether fontconfig's best match for the face is that family in that
// weight, not a substitute.
bool installed(const FontFace& face) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.family));
    FcPatternAddInteger(pattern, FC_WEIGHT, face.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return false;
    bool family = false;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (std::strcmp(reinterpret_cast<const char*>(name), face.family) == 0) family = true;
    }
    int weight = 0;
    const bool weightFits =
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch && (weight >= FC_WEIGHT_BOLD) == face.bold;
    FcPatternDestroy(match);
    return family && weightFits;
}

}  // namespace

std::vector<std::string> missingFonts() {
    std::vector<std::string> missing;
    for (Font font : kFonts) {
        const FontFace face = fontFace(font);
        if (!installed(face)) missing.push_back(std::string("\"") + face.family + "\"" + (face.bold ? " bold" : ""));
    }
    return missing;
}

}  // namespace tintfall::assetgen
