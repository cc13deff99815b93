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

// The views of a tree in preorder (a superview before its subviews), where
// each stands, and how many unknowns the placements use.
struct Tree {
    std::vector<View*> views;
    std::unordered_map<const View*, std::size_t> indexOf;
    std::vector<Placement> places;
    std::size_t unknowns = 0;

    const Placement& placeOf(const View& view) const { return places[indexOf.at(&view)]; }
};

// The root keeps its size and a view that translates its autoresizing mask
// its frame; every other view gets four unknowns.
Tree placeTree(View& root) {
    Tree tree;
    collect(root, tree.views);
    for (std::size_t i = 0; i < tree.views.size(); ++i) tree.indexOf[tree.views[i]] = i;

    // Preorder: a superview's placement is known before its subviews'.
    tree.places.resize(tree.views.size());
    for (std::size_t i = 0; i < tree.views.size(); ++i) {
        View& view = *tree.views[i];
        Placement& place = tree.places[i];
        const gfx::Rect frame = view.frame();
        if (&view == &root) {
            place = {Expression::value(0.0), Expression::value(0.0), Expression::value(frame.width()),
                     Expression::value(frame.height())};
        } else if (view.translatesAutoresizingMaskIntoConstraints()) {
            const Placement& parent = tree.placeOf(*view.superview());
            place = {parent.x.plus(frame.minX()), parent.y.plus(frame.minY()), Expression::value(frame.width()),
                     Expression::value(frame.height())};
        } else {
            place.placedByConstraints = true;
            place.firstUnknown = tree.unknowns;
            place.x = Expression::unknown(tree.unknowns);
            place.y = Expression::unknown(tree.unknowns + 1);
            place.width = Expression::unknown(tree.unknowns + 2);
            place.height = Expression::unknown(tree.unknowns + 3);
            tree.unknowns += 4;
        }
    }
    return tree;
}

// The constraints owned by the tree (by their first view), in the order they
// were activated.
std::vector<Constraint> constraintsInActivationOrder(const Tree& tree) {
    std::vector<Constraint> constraints;
    for (View* view : tree.views) {
        for (const Constraint& constraint : view->constraints()) {
            if (&constraint.firstAnchor().view() == view) constraints.push_back(constraint);
        }
    }
    std::sort(constraints.begin(), constraints.end(), [](const Constraint& a, const Constraint& b) {
        return LayoutAccess::activationOrder(a) < LayoutAccess::activationOrder(b);
    });
    return constraints;
}

// expression = rhs as an equation of the system.
LinearSystem::AddResult addEquation(LinearSystem& system, const Expression& expression, double rhs) {
    std::vector<LinearSystem::Term> terms;
    for (const auto& [index, coefficient] : expression.terms) terms.push_back({index, coefficient});
    return system.add(terms, rhs - expression.constant);
}

// Each constraint in turn; one that joins two trees or contradicts the
// earlier ones is left out and reported.
void addConstraints(const Tree& tree, LinearSystem& system, LayoutReport& report) {
    for (const Constraint& constraint : constraintsInActivationOrder(tree)) {
        const Anchor& first = constraint.firstAnchor();
        const auto& second = constraint.secondAnchor();
        if (second && tree.indexOf.count(&second->view()) == 0) {
            report.problems.push_back("layout: " + constraint.description() +
                                      " joins views that are not in one view tree; it is left out");
            continue;
        }
        Expression expression = anchorExpression(first, tree.placeOf(first.view()));
        if (second) {
            expression =
                expression.plus(anchorExpression(*second, tree.placeOf(second->view())), -constraint.multiplier());
        }
        const LinearSystem::AddResult result = addEquation(system, expression, constraint.constant());
        if (result.outcome == LinearSystem::Outcome::conflicting) {
            report.problems.push_back("layout conflict: " + constraint.description() +
                                      " contradicts the constraints activated before it (it misses by " +
                                      points(std::abs(result.mismatch)) + " points); it is left out");
        }
    }
}

// Dimensions left free take the intrinsic size.
void addIntrinsicSizes(const Tree& tree, LinearSystem& system) {
    for (std::size_t i = 0; i < tree.views.size(); ++i) {
        const Placement& place = tree.places[i];
        if (!place.placedByConstraints) continue;
        bool sized = false;
        if (const auto size = tree.views[i]->intrinsicContentSize()) {
            sized |= addEquation(system, place.width, size->width).outcome == LinearSystem::Outcome::added;
            sized |= addEquation(system, place.height, size->height).outcome == LinearSystem::Outcome::added;
        }
        LayoutAccess::setSizedByContent(*tree.views[i], sized);
    }
}

// The values the unknowns had before: whatever is still free keeps them.
std::vector<double> previousValues(const Tree& tree) {
    std::vector<double> previous(tree.unknowns, 0.0);
    for (std::size_t i = 0; i < tree.views.size(); ++i) {
        if (!tree.places[i].placedByConstraints) continue;
        const gfx::Rect rect = tree.views[i]->frameInRoot();
        const std::size_t u = tree.places[i].firstUnknown;
        previous[u] = rect.minX();
        previous[u + 1] = rect.minY();
        previous[u + 2] = rect.width();
        previous[u + 3] = rect.height();
    }
    return previous;
}

void reportFreeValues(const Tree& tree, const std::vector<bool>& determined, LayoutReport& report) {
    for (std::size_t i = 0; i < tree.views.size(); ++i) {
        if (!tree.places[i].placedByConstraints) continue;
        const std::string free = listOfFree(determined, tree.places[i].firstUnknown);
        if (!free.empty()) {
            report.problems.push_back(
                "layout is underdetermined: the " + free + " of " + tree.views[i]->debugDescription() +
                (free.find(',') == std::string::npos ? " is" : " are") + " not fixed by its constraints and keep" +
                (free.find(',') == std::string::npos ? "s" : "") + " the previous value");
        }
    }
}

// Frames are relative to the superview.
void setFrames(const Tree& tree, const std::vector<double>& values) {
    for (std::size_t i = 0; i < tree.views.size(); ++i) {
        if (!tree.places[i].placedByConstraints) continue;
        const Placement& parent = tree.placeOf(*tree.views[i]->superview());
        const Placement& place = tree.places[i];
        const double x = place.x.evaluate(values) - parent.x.evaluate(values);
        const double y = place.y.evaluate(values) - parent.y.evaluate(values);
        LayoutAccess::setFrame(*tree.views[i],
                               gfx::Rect::make(x, y, place.width.evaluate(values), place.height.evaluate(values)));
    }
}

}  // namespace

LayoutReport solveLayout(View& root) {
    LayoutReport report;
    const Tree tree = placeTree(root);
    LinearSystem system(tree.unknowns);
    addConstraints(tree, system, report);
    addIntrinsicSizes(tree, system);
    const LinearSystem::Solution solution = system.solve(previousValues(tree));
    reportFreeValues(tree, solution.determined, report);
    setFrames(tree, solution.values);
    return report;
}

}  // namespace ui
