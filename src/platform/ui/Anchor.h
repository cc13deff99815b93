#pragma once
// Layout anchors: an edge, the centre or a dimension of a view or of its
// safe-area guide. Anchors of one kind make constraints with each other:
// horizontal positions with horizontal positions, vertical with vertical,
// dimensions with dimensions (and only dimensions take a multiplier).

#include <string>

namespace ui {

class Constraint;
class View;

enum class AnchorAttribute { leading, trailing, centerX, top, bottom, width, height };

class Anchor {
public:
    View& view() const { return *view_; }
    AnchorAttribute attribute() const { return attribute_; }
    // True for the anchors of the view's safe-area guide.
    bool isSafeAreaGuide() const { return safeAreaGuide_; }

    // e.g. `Label "x".leading` or `View.safeArea.top`
    std::string description() const;

protected:
    Anchor(View& view, AnchorAttribute attribute, bool safeAreaGuide)
        : view_(&view), attribute_(attribute), safeAreaGuide_(safeAreaGuide) {}

private:
    View* view_;
    AnchorAttribute attribute_;
    bool safeAreaGuide_;
};

// A multiplier of a dimension, spelt out at the call site.
struct Multiplier {
    double value = 1.0;
};

class XAxisAnchor : public Anchor {
public:
    XAxisAnchor(View& view, AnchorAttribute attribute, bool safeAreaGuide = false)
        : Anchor(view, attribute, safeAreaGuide) {}
    // this = other + constant
    Constraint constraintEqualTo(const XAxisAnchor& other, double constant = 0.0) const;
};

class YAxisAnchor : public Anchor {
public:
    YAxisAnchor(View& view, AnchorAttribute attribute, bool safeAreaGuide = false)
        : Anchor(view, attribute, safeAreaGuide) {}
    // this = other + constant
    Constraint constraintEqualTo(const YAxisAnchor& other, double constant = 0.0) const;
};

class DimensionAnchor : public Anchor {
public:
    DimensionAnchor(View& view, AnchorAttribute attribute, bool safeAreaGuide = false)
        : Anchor(view, attribute, safeAreaGuide) {}
    // this = other + constant
    Constraint constraintEqualTo(const DimensionAnchor& other, double constant = 0.0) const;
    // this = other * multiplier + constant
    Constraint constraintEqualTo(const DimensionAnchor& other, Multiplier multiplier, double constant = 0.0) const;
    // this = constant
    Constraint constraintEqualToConstant(double constant) const;
};

}  // namespace ui
