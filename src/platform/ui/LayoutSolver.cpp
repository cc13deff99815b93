#include "platform/ui/LayoutSolver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "platform/ui/Constraint.h"
#include "platform/ui/LinearSystem.h"
#include "platform/ui/View.h"

namespace ui {

// The layout pass's access to what views and constraints keep to themselves.
struct LayoutAccess {
    static void setFrame(View& view, gfx::Rect frame) {
        if (view.frame_ == frame) return;
        view.frame_ = frame;
        view.setNeedsDisplay();
    }
    static void setSizedByContent(View& view, bool sized) { view.sizedByContent_ = sized; }
    static unsigned long long activationOrder(const Constraint& constraint) {
        return constraint.data_->activationOrder;
    }
};

namespace {

// A linear expression over the unknowns plus a constant.
struct Expression {
    std::vector<std::pair<std::size_t, double>> terms;
    double constant = 0.0;

    static Expression unknown(std::size_t index) { return {{{index, 1.0}}, 0.0}; }
    static Expression value(double v) { return {{}, v}; }

    Expression plus(const Expression& other, double factor = 1.0) const {
        Expression sum = *this;
        for (const auto& [index, coefficient] : other.terms) sum.terms.emplace_back(index, factor * coefficient);
        sum.constant += factor * other.constant;
        return sum;
    }
    Expression plus(double v) const {
        Expression sum = *this;
        sum.constant += v;
        return sum;
    }
    double evaluate(const std::vector<double>& values) const {
        double total = constant;
        for (const auto& [index, coefficient] : terms) total += coefficient * values[index];
        return total;
    }
};

// A view's left edge, top edge, width and height in the root's coordinates.
struct Placement {
    Expression x, y, width, height;
    bool placedByConstraints = false;
    std::size_t firstUnknown = 0;  // x, y, width, height follow in this order
};

Expression anchorExpression(const Anchor& anchor, const Placement& place) {
    const EdgeInsets insets = anchor.isSafeAreaGuide() ? anchor.view().safeAreaInsets() : EdgeInsets{};
    switch (anchor.attribute()) {
        case AnchorAttribute::leading:
            return place.x.plus(insets.left);
        case AnchorAttribute::trailing:
            return place.x.plus(place.width).plus(-insets.right);
        case AnchorAttribute::centerX:
            return place.x.plus(place.width, 0.5).plus((insets.left - insets.right) / 2.0);
        case AnchorAttribute::top:
            return place.y.plus(insets.top);
        case AnchorAttribute::bottom:
            return place.y.plus(place.height).plus(-insets.bottom);
        case AnchorAttribute::width:
            return place.width.plus(-insets.left - insets.right);
        case AnchorAttribute::height:
            return place.height.plus(-insets.top - insets.bottom);
    }
    return {};
}

void collect(View& view, std::vector<View*>& into) {
    into.push_back(&view);
    for (const auto& subview : view.subviews()) collect(*subview, into);
}

std::string points(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string listOfFree(const std::vector<bool>& determined, std::size_t first) {
    static const char* names[] = {"horizontal position", "vertical position", "width", "height"};
    std::string text;
    int count = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        if (determined[first + k]) continue;
        if (count++ > 0) text += ", ";
        text += names[k];
    }
    return text;
}

}  // namespace

LayoutReport solveLayout(View& root) {
    LayoutReport report;

    std::vector<View*> views;
    collect(root, views);
    std::unordered_map<const View*, std::size_t> indexOf;
    for (std::size_t i = 0; i < views.size(); ++i) indexOf[views[i]] = i;

    // Preorder: a superview's placement is known before its subviews'.
    std::vector<Placement> places(views.size());
    std::size_t unknowns = 0;
    for (std::size_t i = 0; i < views.size(); ++i) {
        View& view = *views[i];
        Placement& place = places[i];
        const gfx::Rect frame = view.frame();
        if (&view == &root) {
            place = {Expression::value(0.0), Expression::value(0.0), Expression::value(frame.width()),
                     Expression::value(frame.height())};
        } else if (view.translatesAutoresizingMaskIntoConstraints()) {
            const Placement& parent = places[indexOf.at(view.superview())];
            place = {parent.x.plus(frame.minX()), parent.y.plus(frame.minY()), Expression::value(frame.width()),
                     Expression::value(frame.height())};
        } else {
            place.placedByConstraints = true;
            place.firstUnknown = unknowns;
            place.x = Expression::unknown(unknowns);
            place.y = Expression::unknown(unknowns + 1);
            place.width = Expression::unknown(unknowns + 2);
            place.height = Expression::unknown(unknowns + 3);
            unknowns += 4;
        }
    }

    // The constraints owned by this tree (by their first view), in the order
    // they were activated.
    std::vector<Constraint> constraints;
    for (View* view : views) {
        for (const Constraint& constraint : view->constraints()) {
            if (&constraint.firstAnchor().view() == view) constraints.push_back(constraint);
        }
    }
    std::sort(constraints.begin(), constraints.end(), [](const Constraint& a, const Constraint& b) {
        return LayoutAccess::activationOrder(a) < LayoutAccess::activationOrder(b);
    });

    LinearSystem system(unknowns);
    auto addEquation = [&](const Expression& expression, double rhs) {
        std::vector<LinearSystem::Term> terms;
        for (const auto& [index, coefficient] : expression.terms) terms.push_back({index, coefficient});
        return system.add(terms, rhs - expression.constant);
    };

    for (const Constraint& constraint : constraints) {
        const Anchor& first = constraint.firstAnchor();
        const auto& second = constraint.secondAnchor();
        if (second && indexOf.count(&second->view()) == 0) {
            report.problems.push_back("layout: " + constraint.description() +
                                      " joins views that are not in one view tree; it is left out");
            continue;
        }
        Expression expression = anchorExpression(first, places[indexOf.at(&first.view())]);
        if (second) {
            expression = expression.plus(anchorExpression(*second, places[indexOf.at(&second->view())]),
                                         -constraint.multiplier());
        }
        const LinearSystem::AddResult result = addEquation(expression, constraint.constant());
        if (result.outcome == LinearSystem::Outcome::conflicting) {
            report.problems.push_back("layout conflict: " + constraint.description() +
                                      " contradicts the constraints activated before it (it misses by " +
                                      points(std::abs(result.mismatch)) + " points); it is left out");
        }
    }

    // Dimensions left free take the intrinsic size.
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (!places[i].placedByConstraints) continue;
        bool sized = false;
        if (const auto size = views[i]->intrinsicContentSize()) {
            sized |= addEquation(places[i].width, size->width).outcome == LinearSystem::Outcome::added;
            sized |= addEquation(places[i].height, size->height).outcome == LinearSystem::Outcome::added;
        }
        LayoutAccess::setSizedByContent(*views[i], sized);
    }

    // Whatever is still free keeps its previous value.
    std::vector<double> previous(unknowns, 0.0);
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (!places[i].placedByConstraints) continue;
        const gfx::Rect rect = views[i]->frameInRoot();
        const std::size_t u = places[i].firstUnknown;
        previous[u] = rect.minX();
        previous[u + 1] = rect.minY();
        previous[u + 2] = rect.width();
        previous[u + 3] = rect.height();
    }
    const LinearSystem::Solution solution = system.solve(previous);

    for (std::size_t i = 0; i < views.size(); ++i) {
        if (!places[i].placedByConstraints) continue;
        const std::size_t u = places[i].firstUnknown;
        const std::string free = listOfFree(solution.determined, u);
        if (!free.empty()) {
            report.problems.push_back("layout is underdetermined: the " + free + " of " + views[i]->debugDescription() +
                                      (free.find(',') == std::string::npos ? " is" : " are") +
                                      " not fixed by its constraints and keep" +
                                      (free.find(',') == std::string::npos ? "s" : "") + " the previous value");
        }
    }

    for (std::size_t i = 0; i < views.size(); ++i) {
        if (!places[i].placedByConstraints) continue;
        const Placement& parent = places[indexOf.at(views[i]->superview())];
        const Placement& place = places[i];
        const double x = place.x.evaluate(solution.values) - parent.x.evaluate(solution.values);
        const double y = place.y.evaluate(solution.values) - parent.y.evaluate(solution.values);
        LayoutAccess::setFrame(*views[i], gfx::Rect::make(x, y, place.width.evaluate(solution.values),
                                                          place.height.evaluate(solution.values)));
    }
    return report;
}

}  // namespace ui
