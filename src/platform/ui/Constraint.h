#pragma once
// An equality between two anchors, first = second * multiplier + constant,
// or between a dimension and a constant. A constraint takes part in layout
// from its activation until its deactivation; both of its views keep it while
// it is active, and it is deactivated when either view is destroyed or when
// the two views stop sharing a view tree.
//
// A Constraint is a handle: copies refer to the same constraint.

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Anchor.h"

namespace ui {

class Constraint {
public:
    Constraint() = default;

    bool isValid() const { return data_ != nullptr; }
    bool isActive() const;
    void activate();
    void deactivate();
    void setActive(bool active) { active ? activate() : deactivate(); }

    const Anchor& firstAnchor() const;
    // None for a dimension equal to a constant.
    const std::optional<Anchor>& secondAnchor() const;
    double multiplier() const;
    double constant() const;

    // e.g. `Button "7".leading == View.leading + 5`
    std::string description() const;

    friend bool operator==(const Constraint& a, const Constraint& b) { return a.data_ == b.data_; }

private:
    friend class XAxisAnchor;
    friend class YAxisAnchor;
    friend class DimensionAnchor;
    friend class View;
    friend struct LayoutAccess;

    struct Data {
        Anchor first;
        std::optional<Anchor> second;
        double multiplier = 1.0;
        double constant = 0.0;
        bool active = false;
        unsigned long long activationOrder = 0;  // later activations count higher
    };

    explicit Constraint(std::shared_ptr<Data> data) : data_(std::move(data)) {}
    static Constraint make(const Anchor& first, const std::optional<Anchor>& second, double multiplier,
                           double constant);

    std::shared_ptr<Data> data_;
};

}  // namespace ui
