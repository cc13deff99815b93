#include "platform/gfx/Font.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <fontconfig/fontconfig.h>
#include <strings.h>

namespace gfx {

namespace {

constexpr const char* kSansFamily = "DejaVu Sans";
constexpr const char* kMonoFamily = "DejaVu Sans Mono";

struct NamedWeight {
    FontWeight weight;
    int weightClass;
};

constexpr std::array<NamedWeight, 9> kNamedWeights{{
    {FontWeight::ultraLight(), 100},
    {FontWeight::thin(), 200},
    {FontWeight::light(), 300},
    {FontWeight::regular(), 400},
    {FontWeight::medium(), 500},
    {FontWeight::semibold(), 600},
    {FontWeight::bold(), 700},
    {FontWeight::heavy(), 800},
    {FontWeight::black(), 900},
}};

const NamedWeight& nearest(double value) {
    if (std::isnan(value)) return kNamedWeights[3];
    const NamedWeight* best = &kNamedWeights[0];
    for (const NamedWeight& named : kNamedWeights) {
        if (std::abs(named.weight.value - value) < std::abs(best->weight.value - value)) best = &named;
    }
    return *best;
}

struct FamilyMatch {
    std::string family;
    bool matched = false;
};

// fontconfig's best match for a family name; it always finds some family.
FamilyMatch matchFamily(const std::string& name) {
    FamilyMatch result{kSansFamily};
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return result;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult status = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &status);
    if (match != nullptr) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family != nullptr) {
            result.family = reinterpret_cast<const char*>(family);
        }
        // A face may carry several family names (e.g. "DejaVu Sans" and "DejaVu Sans Light").
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            if (strcasecmp(reinterpret_cast<const char*>(family), name.c_str()) == 0) {
                result.family = reinterpret_cast<const char*>(family);
                result.matched = true;
                break;
            }
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return result;
}

}  // namespace

FontWeight FontWeight::nearestNamed() const {
    return nearest(value).weight;
}

int FontWeight::weightClass() const {
    return nearest(value).weightClass;
}

Font::Font() : family_(kSansFamily) {}

Font Font::system(double size, FontWeight weight) {
    Font font;
    font.size_ = size;
    font.weight_ = weight;
    return font;
}

Font Font::monospacedDigitSystem(double size, FontWeight weight) {
    Font font = system(size, weight);
    font.kind_ = FontKind::monospacedDigit;
    font.features_.push_back({"tnum", 1});
    return font;
}

Font Font::monospacedSystem(double size, FontWeight weight) {
    Font font = system(size, weight);
    font.kind_ = FontKind::monospaced;
    font.family_ = kMonoFamily;
    return font;
}

Font Font::named(const std::string& name, double size, FontWeight weight) {
    Font font = system(size, weight);
    font.kind_ = FontKind::named;
    FamilyMatch match = matchFamily(name);
    font.family_ = match.family;
    font.matchedName_ = match.matched;
    return font;
}

Font Font::withSize(double size) const {
    Font font = *this;
    font.size_ = size;
    return font;
}

Font Font::withFeature(const std::string& tag, int value) const {
    Font font = *this;
    auto found = std::find_if(font.features_.begin(), font.features_.end(),
                              [&](const FontFeature& feature) { return feature.tag == tag; });
    if (found != font.features_.end()) {
        found->value = value;
    } else {
        font.features_.push_back({tag, value});
    }
    return font;
}

}  // namespace gfx
