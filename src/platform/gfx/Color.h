#pragma once
// An RGBA colour with components in 0...1 (not premultiplied), and the named
// colours that the drawing code asks for by name.

namespace gfx {

struct Color {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;  // 0 transparent, 1 opaque

    static constexpr Color rgba(double red, double green, double blue, double alpha = 1.0) {
        return {red, green, blue, alpha};
    }
    // A grey: white 0 is black, 1 white.
    static constexpr Color white(double level, double alpha) { return {level, level, level, alpha}; }

    // The named colours.
    static constexpr Color clear() { return {0.0, 0.0, 0.0, 0.0}; }
    static constexpr Color black() { return {0.0, 0.0, 0.0, 1.0}; }
    static constexpr Color white() { return {1.0, 1.0, 1.0, 1.0}; }
    static constexpr Color darkGray() { return {1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0, 1.0}; }
    static constexpr Color gray() { return {0.5, 0.5, 0.5, 1.0}; }
    static constexpr Color lightGray() { return {2.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0, 1.0}; }
    static constexpr Color red() { return {1.0, 0.0, 0.0, 1.0}; }
    static constexpr Color green() { return {0.0, 1.0, 0.0, 1.0}; }
    static constexpr Color blue() { return {0.0, 0.0, 1.0, 1.0}; }
    static constexpr Color cyan() { return {0.0, 1.0, 1.0, 1.0}; }
    static constexpr Color magenta() { return {1.0, 0.0, 1.0, 1.0}; }
    static constexpr Color orange() { return {1.0, 0.5, 0.0, 1.0}; }
    static constexpr Color purple() { return {0.5, 0.0, 0.5, 1.0}; }
    static constexpr Color brown() { return {0.6, 0.4, 0.2, 1.0}; }

    constexpr Color withAlpha(double alpha) const { return {r, g, b, alpha}; }
    // Fully transparent: drawing with it leaves no mark.
    constexpr bool isClear() const { return a <= 0.0; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

}  // namespace gfx
