#include "platform/ui/Anchor.h"

#include "platform/ui/Constraint.h"
#include "platform/ui/View.h"

namespace ui {

namespace {

const char* attributeName(AnchorAttribute attribute) {
    switch (attribute) {
        case AnchorAttribute::leading:
            return "leading";
        case AnchorAttribute::trailing:
            return "trailing";
        case AnchorAttribute::centerX:
            return "centerX";
        case AnchorAttribute::top:
            return "top";
        case AnchorAttribute::bottom:
            return "bottom";
        case AnchorAttribute::width:
            return "width";
        case AnchorAttribute::height:
            return "height";
    }
    return "?";
}

}  // namespace

std::string Anchor::description() const {
    return view_->debugDescription() + (safeAreaGuide_ ? ".safeArea." : ".") + attributeName(attribute_);
}

Constraint XAxisAnchor::constraintEqualTo(const XAxisAnchor& other, double constant) const {
    return Constraint::make(*this, other, 1.0, constant);
}

Constraint YAxisAnchor::constraintEqualTo(const YAxisAnchor& other, double constant) const {
    return Constraint::make(*this, other, 1.0, constant);
}

Constraint DimensionAnchor::constraintEqualTo(const DimensionAnchor& other, double constant) const {
    return Constraint::make(*this, other, 1.0, constant);
}

Constraint DimensionAnchor::constraintEqualTo(const DimensionAnchor& other, Multiplier multiplier,
                                              double constant) const {
    return Constraint::make(*this, other, multiplier.value, constant);
}

Constraint DimensionAnchor::constraintEqualToConstant(double constant) const {
    return Constraint::make(*this, std::nullopt, 1.0, constant);
}

}  // namespace ui
