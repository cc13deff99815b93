#pragma once
// Fonts as values: a family (the three system families or a family by name),
// a point size, a weight and OpenType features. A font resolves to a real face
// only when it is measured or drawn.

#include <string>
#include <vector>

namespace gfx {

// A weight on the scale that drawing code speaks: -1 (thinnest) to 1
// (heaviest), 0 regular. Any value is accepted (0.1 and 0.25 included); it
// is drawn with the nearest of the nine named weights.
struct FontWeight {
    double value = 0.0;

    static constexpr FontWeight ultraLight() { return {-0.8}; }
    static constexpr FontWeight thin() { return {-0.6}; }
    static constexpr FontWeight light() { return {-0.4}; }
    static constexpr FontWeight regular() { return {0.0}; }
    static constexpr FontWeight medium() { return {0.23}; }
    static constexpr FontWeight semibold() { return {0.3}; }
    static constexpr FontWeight bold() { return {0.4}; }
    static constexpr FontWeight heavy() { return {0.56}; }
    static constexpr FontWeight black() { return {0.62}; }

    // The named weight nearest to this value (the lighter one on a tie).
    FontWeight nearestNamed() const;
    // The nearest named weight as a CSS/OpenType weight class, 100 to 900.
    int weightClass() const;

    friend constexpr bool operator==(const FontWeight&, const FontWeight&) = default;
};

// One OpenType feature setting, e.g. {"tnum", 1} or {"frac", 1}.
struct FontFeature {
    std::string tag;
    int value = 1;
    friend bool operator==(const FontFeature&, const FontFeature&) = default;
};

// Measures of a font in points. The descender is negative (below the baseline);
// lineHeight = ascender - descender + the font's line gap.
struct FontMetrics {
    double capHeight = 0.0;
    double xHeight = 0.0;
    double ascender = 0.0;
    double descender = 0.0;
    double lineHeight = 0.0;
    double pointSize = 0.0;
    friend bool operator==(const FontMetrics&, const FontMetrics&) = default;
};

enum class FontKind {
    system,           // DejaVu Sans
    monospacedDigit,  // DejaVu Sans with tabular figures
    monospaced,       // DejaVu Sans Mono
    named,            // a family by name, matched through fontconfig
};

class Font {
public:
    // The regular system font at 12 points.
    Font();

    static Font system(double size, FontWeight weight = FontWeight::regular());
    static Font monospacedDigitSystem(double size, FontWeight weight = FontWeight::regular());
    static Font monospacedSystem(double size, FontWeight weight = FontWeight::regular());
    // The installed family that fontconfig matches best to the name; when no
    // installed family carries that name the match falls back to a family
    // fontconfig prefers (see matchedName()).
    static Font named(const std::string& name, double size, FontWeight weight = FontWeight::regular());

    FontKind kind() const { return kind_; }
    // The family drawn with: "DejaVu Sans", "DejaVu Sans Mono" or the matched family.
    const std::string& family() const { return family_; }
    // For a named font: true when the family found carries the name asked for.
    bool matchedName() const { return matchedName_; }
    double pointSize() const { return size_; }
    FontWeight weight() const { return weight_; }
    const std::vector<FontFeature>& features() const { return features_; }

    Font withSize(double size) const;
    // Adds (or replaces) an OpenType feature setting.
    Font withFeature(const std::string& tag, int value = 1) const;

    FontMetrics metrics() const;

    // Two fonts are equal when they draw the same: same family, size, weight
    // and features.
    friend bool operator==(const Font&, const Font&) = default;

private:
    FontKind kind_ = FontKind::system;
    std::string family_;
    bool matchedName_ = true;
    double size_ = 12.0;
    FontWeight weight_;
    std::vector<FontFeature> features_;
};

}  // namespace gfx
