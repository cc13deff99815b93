// The layout pass on the shapes that the keypads build: rows of keys whose
// widths are chained to the first key's with multipliers, two-level bands,
// a keypad pinned 5 points inside a safe area, and the intrinsic size of a
// key left without a width. Then what is wrong: conflicts and free values.

#include <cmath>
#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/Button.h"
#include "platform/ui/LayoutSolver.h"
#include "platform/ui/LinearSystem.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"

namespace ui {
namespace {

using testing::addConstrained;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

constexpr double eps = 1e-9;

void expectFrame(const View& view, double x, double y, double width, double height) {
    const gfx::Rect frame = view.frame();
    EXPECT_NEAR(frame.minX(), x, eps) << view.debugDescription();
    EXPECT_NEAR(frame.minY(), y, eps) << view.debugDescription();
    EXPECT_NEAR(frame.width(), width, eps) << view.debugDescription();
    EXPECT_NEAR(frame.height(), height, eps) << view.debugDescription();
}

// One row of keys side by side, `gap` apart, each as wide as the first key
// times its factor: the keys' own edges state every gap twice.
std::vector<std::shared_ptr<Button>> layRow(View& row, const std::vector<double>& factors, double gap) {
    std::vector<std::shared_ptr<Button>> keys;
    for (std::size_t j = 0; j < factors.size(); ++j) keys.push_back(addConstrained<Button>(row));
    for (std::size_t j = 0; j < keys.size(); ++j) {
        Button& key = *keys[j];
        key.topAnchor().constraintEqualTo(row.topAnchor()).activate();
        key.bottomAnchor().constraintEqualTo(row.bottomAnchor()).activate();
        if (j == 0) {
            key.leadingAnchor().constraintEqualTo(row.leadingAnchor()).activate();
        } else {
            key.leadingAnchor().constraintEqualTo(keys[j - 1]->trailingAnchor(), gap).activate();
        }
        if (j + 1 == keys.size()) {
            key.trailingAnchor().constraintEqualTo(row.trailingAnchor()).activate();
        } else {
            key.trailingAnchor().constraintEqualTo(keys[j + 1]->leadingAnchor(), -gap).activate();
        }
        key.widthAnchor().constraintEqualTo(keys[0]->widthAnchor(), Multiplier{factors[j]}).activate();
    }
    return keys;
}

TEST(LinearSystem, KeepsSetsAsideAndRefusesEquations) {
    LinearSystem system(2);
    EXPECT_EQ(system.add({1.0, -1.0}, 3.0).outcome, LinearSystem::Outcome::added);      // x - y = 3
    EXPECT_EQ(system.add({2.0, -2.0}, 6.0).outcome, LinearSystem::Outcome::redundant);  // the same again
    const auto conflict = system.add({-1.0, 1.0}, 1.0);                                 // y - x = 1
    EXPECT_EQ(conflict.outcome, LinearSystem::Outcome::conflicting);
    EXPECT_NEAR(std::abs(conflict.mismatch), 4.0, eps);

    // y is free: it keeps its fallback, and x follows it.
    const auto partial = system.solve({0.0, 10.0});
    EXPECT_FALSE(partial.determined[0]);
    EXPECT_FALSE(partial.determined[1]);
    EXPECT_NEAR(partial.values[0], 13.0, eps);
    EXPECT_NEAR(partial.values[1], 10.0, eps);

    EXPECT_EQ(system.add({1.0, 1.0}, 5.0).outcome, LinearSystem::Outcome::added);
    const auto full = system.solve({0.0, 0.0});
    EXPECT_TRUE(full.determined[0] && full.determined[1]);
    EXPECT_NEAR(full.values[0], 4.0, eps);
    EXPECT_NEAR(full.values[1], 1.0, eps);
}

// At the edges: an equation that misses by the tolerance holds, one that
// misses by more conflicts; a fallback shorter than the unknowns leaves the
// free unknowns past its end at 0.
TEST(LinearSystem, ToleranceAndShortFallbackAtTheirEdges) {
    LinearSystem system(3);
    EXPECT_EQ(system.add({1.0, 0.0, 0.0}, 0.0).outcome, LinearSystem::Outcome::added);
    EXPECT_EQ(system.add({1.0, 0.0, 0.0}, 1e-6).outcome, LinearSystem::Outcome::redundant);
    const auto missed = system.add({1.0, 0.0, 0.0}, 2e-6);
    EXPECT_EQ(missed.outcome, LinearSystem::Outcome::conflicting);
    EXPECT_NEAR(missed.mismatch, 2e-6, 1e-12);
    EXPECT_EQ(system.add({0.0, 1.0, -2.0}, 4.0).outcome, LinearSystem::Outcome::added);  // z = y / 2 - 2
    const auto shortFallback = system.solve({7.0});
    EXPECT_EQ(shortFallback.values, (std::vector<double>{0.0, 0.0, -2.0}));
    EXPECT_EQ(shortFallback.determined, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(system.solve({}).values, (std::vector<double>{0.0, 0.0, -2.0}));
    EXPECT_EQ(system.solve({7.0, 6.0}).values, (std::vector<double>{0.0, 6.0, 1.0}));
}

// Random sparse systems, with equations that repeat or contradict earlier
// ones, checked against what any solution must satisfy: every equation kept
// or found redundant holds, every conflicting one misses by its mismatch, and
// exactly the undetermined unknowns move when the fallback values move.
TEST(LinearSystem, RandomSystemsHoldTheirEquations) {
    std::mt19937 random(19);
    auto integer = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = static_cast<std::size_t>(integer(1, 14));
        LinearSystem system(n);
        std::vector<std::pair<std::vector<double>, double>> equations;
        std::vector<LinearSystem::AddResult> results;
        const int count = integer(1, 18);
        for (int e = 0; e < count; ++e) {
            std::vector<double> row(n, 0.0);
            double rhs = integer(-50, 50);
            if (equations.size() >= 2 && integer(0, 3) == 0) {  // a combination of two, perhaps shifted
                const auto& a = equations[static_cast<std::size_t>(integer(0, static_cast<int>(equations.size()) - 1))];
                const auto& b = equations[static_cast<std::size_t>(integer(0, static_cast<int>(equations.size()) - 1))];
                const double fa = integer(-3, 3), fb = integer(-3, 3);
                for (std::size_t i = 0; i < n; ++i) row[i] = fa * a.first[i] + fb * b.first[i];
                rhs = fa * a.second + fb * b.second + (integer(0, 1) == 0 ? 0 : integer(1, 9));
            } else {
                for (int t = integer(1, 3); t > 0; --t)
                    row[static_cast<std::size_t>(integer(0, static_cast<int>(n) - 1))] += integer(-4, 4);
            }
            equations.emplace_back(row, rhs);
            if (integer(0, 1) == 0) {
                results.push_back(system.add(row, rhs));
            } else {  // the same equation as terms, one of them split in two
                std::vector<LinearSystem::Term> terms;
                for (std::size_t i = 0; i < n; ++i) {
                    if (row[i] != 0.0) terms.push_back({i, row[i] / 2}), terms.push_back({i, row[i] / 2});
                }
                terms.push_back({n + 3, 7.0});  // out of range: left out
                results.push_back(system.add(terms, rhs));
            }
        }
        std::vector<double> fallbackA(n), fallbackB(n);
        for (std::size_t i = 0; i < n; ++i)
            fallbackA[i] = integer(-100, 100), fallbackB[i] = fallbackA[i] + integer(1, 50);
        const LinearSystem::Solution a = system.solve(fallbackA);
        const LinearSystem::Solution b = system.solve(fallbackB);
        for (std::size_t e = 0; e < equations.size(); ++e) {
            for (const LinearSystem::Solution* solution : {&a, &b}) {
                double residual = equations[e].second;
                for (std::size_t i = 0; i < n; ++i) residual -= equations[e].first[i] * solution->values[i];
                if (results[e].outcome == LinearSystem::Outcome::conflicting) {
                    EXPECT_GT(std::abs(results[e].mismatch), 1e-6) << round;
                    EXPECT_NEAR(std::abs(residual), std::abs(results[e].mismatch), 1e-6) << round;
                } else {
                    EXPECT_NEAR(residual, 0.0, 1e-6) << "round " << round << " equation " << e;
                }
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(a.determined[i], b.determined[i]);
            EXPECT_EQ(a.determined[i], std::abs(a.values[i] - b.values[i]) < 1e-7) << "round " << round << " x" << i;
        }
    }
}

// A long menu: each row placed under the one before. Solving it whole must
// place every row, the last as exactly as the first.
TEST(LayoutSolver, LongChainOfRowsIsPlacedExactly) {
    constexpr int kRows = 1500;
    View root(gfx::Rect::make(0, 0, 390, 844));
    std::vector<std::shared_ptr<View>> rows;
    for (int i = 0; i < kRows; ++i) {
        auto row = addConstrained(root);
        if (rows.empty()) {
            row->topAnchor().constraintEqualTo(root.topAnchor(), 20).activate();
        } else {
            row->topAnchor().constraintEqualTo(rows.back()->bottomAnchor(), 12).activate();
        }
        row->leadingAnchor().constraintEqualTo(root.leadingAnchor(), 20).activate();
        row->trailingAnchor().constraintEqualTo(root.trailingAnchor(), -20).activate();
        row->heightAnchor().constraintEqualToConstant(56).activate();
        rows.push_back(std::move(row));
    }
    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    for (int i = 0; i < kRows; i += 499) expectFrame(*rows[static_cast<std::size_t>(i)], 20, 20 + 68.0 * i, 350, 56);
}

TEST(LayoutSolver, ChainedWidthsWithMultipliersShareTheRow) {
    struct Case {
        std::vector<double> factors;
        std::vector<double> widths;  // row 303 wide, keys 1 apart
    };
    const Case cases[] = {
        {{1.0, 1.0, 1.0, 1.0}, {75.0, 75.0, 75.0, 75.0}},
        {{1.0, 0.5, 0.5}, {150.5, 75.25, 75.25}},
        {{1.0}, {303.0}},
    };
    for (const Case& c : cases) {
        View root(gfx::Rect::make(0, 0, 303, 40));
        auto keys = layRow(root, c.factors, 1.0);
        const LayoutReport report = solveLayout(root);
        EXPECT_THAT(report.problems, IsEmpty());
        double x = 0.0;
        for (std::size_t j = 0; j < keys.size(); ++j) {
            expectFrame(*keys[j], x, 0.0, c.widths[j], 40.0);
            x += c.widths[j] + 1.0;
        }
    }
}

TEST(LayoutSolver, RowsStackedInAContainerInsideAPaddedPad) {
    // The numeric keypad: a container pinned to the pad, four equal rows one
    // point apart, the last row's keys 2 : 1 : 1. Frames in the root leave
    // the root's own place out.
    View root(gfx::Rect::make(7, 9, 400, 800));
    auto pad = addConstrained(root);
    pad->topAnchor().constraintEqualTo(root.topAnchor(), 400).activate();
    pad->bottomAnchor().constraintEqualTo(root.bottomAnchor()).activate();
    pad->leadingAnchor().constraintEqualTo(root.leadingAnchor(), 10).activate();
    pad->trailingAnchor().constraintEqualTo(root.trailingAnchor(), -10).activate();
    auto container = addConstrained(*pad);
    container->topAnchor().constraintEqualTo(pad->topAnchor()).activate();
    container->bottomAnchor().constraintEqualTo(pad->bottomAnchor()).activate();
    container->leadingAnchor().constraintEqualTo(pad->leadingAnchor()).activate();
    container->trailingAnchor().constraintEqualTo(pad->trailingAnchor()).activate();
    std::vector<std::shared_ptr<View>> rows;
    for (int i = 0; i < 4; ++i) rows.push_back(addConstrained(*container));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        View& row = *rows[i];
        if (i == 0) {
            row.topAnchor().constraintEqualTo(container->topAnchor()).activate();
        } else {
            row.topAnchor().constraintEqualTo(rows[i - 1]->bottomAnchor(), 1.0).activate();
        }
        if (i + 1 == rows.size()) {
            row.bottomAnchor().constraintEqualTo(container->bottomAnchor()).activate();
        } else {
            row.bottomAnchor().constraintEqualTo(rows[i + 1]->topAnchor(), -1.0).activate();
        }
        row.leadingAnchor().constraintEqualTo(container->leadingAnchor()).activate();
        row.trailingAnchor().constraintEqualTo(container->trailingAnchor()).activate();
        row.heightAnchor().constraintEqualTo(rows[0]->heightAnchor()).activate();
    }
    auto bottomKeys = layRow(*rows[3], {1.0, 0.5, 0.5}, 1.0);

    root.layoutIfNeeded();
    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    expectFrame(*pad, 10, 400, 380, 400);
    expectFrame(*rows[1], 0, 100.25, 380, 99.25);   // (400 - 3) / 4 high
    expectFrame(*bottomKeys[0], 0, 0, 189, 99.25);  // (380 - 2) / 2 wide
    expectFrame(*bottomKeys[2], 285.5, 0, 94.5, 99.25);
    EXPECT_NEAR(bottomKeys[0]->frameInRoot().minY(), 400 + 3 * 100.25, eps);
    EXPECT_EQ(root.frameInRoot(), gfx::Rect::make(0, 0, 400, 800));
}

TEST(LayoutSolver, TwoLevelBandUnderAOneLevelBand) {
    // A band of two fields over a fraction band W | N over D whose first
    // element is twice as high as the first band's.
    View root(gfx::Rect::make(0, 0, 305, 305));
    std::vector<std::shared_ptr<Button>> band;
    for (int i = 0; i < 2; ++i) band.push_back(addConstrained<Button>(root));
    auto whole = addConstrained<Button>(root);
    auto numerator = addConstrained<Button>(root);
    auto denominator = addConstrained<Button>(root);
    for (std::size_t k = 0; k < band.size(); ++k) {
        Button& key = *band[k];
        key.topAnchor().constraintEqualTo(root.topAnchor()).activate();
        key.bottomAnchor().constraintEqualTo(whole->topAnchor(), -5).activate();
        if (k == 0)
            key.leadingAnchor().constraintEqualTo(root.leadingAnchor()).activate();
        else
            key.leadingAnchor().constraintEqualTo(band[k - 1]->trailingAnchor(), 5).activate();
        if (k + 1 == band.size())
            key.trailingAnchor().constraintEqualTo(root.trailingAnchor()).activate();
        else
            key.trailingAnchor().constraintEqualTo(band[k + 1]->leadingAnchor(), -5).activate();
        key.widthAnchor().constraintEqualTo(band[0]->widthAnchor()).activate();
        key.heightAnchor().constraintEqualTo(band[0]->heightAnchor()).activate();
    }
    whole->topAnchor().constraintEqualTo(band[0]->bottomAnchor(), 5).activate();
    whole->bottomAnchor().constraintEqualTo(root.bottomAnchor()).activate();
    whole->leadingAnchor().constraintEqualTo(root.leadingAnchor()).activate();
    whole->trailingAnchor().constraintEqualTo(numerator->leadingAnchor(), -5).activate();
    numerator->topAnchor().constraintEqualTo(whole->topAnchor()).activate();
    numerator->bottomAnchor().constraintEqualTo(denominator->topAnchor(), -5).activate();
    numerator->leadingAnchor().constraintEqualTo(whole->trailingAnchor(), 5).activate();
    numerator->trailingAnchor().constraintEqualTo(root.trailingAnchor()).activate();
    denominator->topAnchor().constraintEqualTo(numerator->bottomAnchor(), 5).activate();
    denominator->bottomAnchor().constraintEqualTo(whole->bottomAnchor()).activate();
    denominator->leadingAnchor().constraintEqualTo(numerator->leadingAnchor()).activate();
    denominator->trailingAnchor().constraintEqualTo(numerator->trailingAnchor()).activate();
    whole->widthAnchor().constraintEqualTo(whole->widthAnchor()).activate();
    numerator->widthAnchor().constraintEqualTo(whole->widthAnchor()).activate();
    numerator->heightAnchor().constraintEqualTo(denominator->heightAnchor()).activate();
    whole->heightAnchor().constraintEqualTo(band[0]->heightAnchor(), Multiplier{2.0}).activate();

    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    expectFrame(*band[1], 155, 0, 150, 100);  // (305 - 5) / 3 high
    expectFrame(*whole, 0, 105, 150, 200);
    expectFrame(*numerator, 155, 105, 150, 97.5);
    expectFrame(*denominator, 155, 207.5, 150, 97.5);
}

TEST(LayoutSolver, KeypadPinnedFivePointsInsideTheSafeArea) {
    auto screen = std::make_shared<ViewController>();
    auto navigation = std::make_shared<NavigationController>(screen);
    auto window = std::make_shared<Window>(gfx::Rect::make(0, 0, 390, 844));
    window->setRootViewController(navigation);

    View& root = *screen->view();
    auto pad = addConstrained(root);
    const LayoutGuide guide = root.safeAreaLayoutGuide();
    pad->topAnchor().constraintEqualTo(guide.topAnchor(), 5).activate();
    pad->bottomAnchor().constraintEqualTo(guide.bottomAnchor(), -5).activate();
    pad->leadingAnchor().constraintEqualTo(guide.leadingAnchor(), 5).activate();
    pad->trailingAnchor().constraintEqualTo(guide.trailingAnchor(), -5).activate();

    // The guide's size is the view's less the insets.
    auto half = addConstrained(root);
    half->topAnchor().constraintEqualTo(guide.topAnchor()).activate();
    half->leadingAnchor().constraintEqualTo(guide.leadingAnchor()).activate();
    half->widthAnchor().constraintEqualTo(guide.widthAnchor(), Multiplier{0.5}).activate();
    half->heightAnchor().constraintEqualTo(guide.heightAnchor(), Multiplier{0.5}).activate();

    EXPECT_THAT(solveLayout(*window).problems, IsEmpty());
    expectFrame(root, 0, 0, 390, 844);
    expectFrame(*pad, 5, NavigationBar::height + 5, 380, 844 - NavigationBar::height - 10);
    expectFrame(*half, 0, NavigationBar::height, 195, (844 - NavigationBar::height) / 2);
    // New insets move what is pinned to the guide at the next layout.
    window->layoutIfNeeded();
    root.setSafeAreaInsets({NavigationBar::height + 20, 0, 0, 0});
    root.layoutIfNeeded();
    expectFrame(*half, 0, NavigationBar::height + 20, 195, (844 - NavigationBar::height - 20) / 2);
}

TEST(LayoutSolver, FreeWidthTakesTheIntrinsicSize) {
    View root(gfx::Rect::make(0, 0, 300, 300));
    auto think = addConstrained<Button>(root);
    think->setTitle("🤔");
    think->titleLabel().setFont(gfx::Font::system(120.0));
    think->topAnchor().constraintEqualTo(root.topAnchor(), 10).activate();
    think->bottomAnchor().constraintEqualTo(root.bottomAnchor()).activate();
    think->centerXAnchor().constraintEqualTo(root.centerXAnchor()).activate();

    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    const double width = think->intrinsicContentSize()->width;
    EXPECT_GT(width, 60.0);
    expectFrame(*think, (300 - width) / 2, 10, width, 290);
    // A new title is measured again at the next layout.
    root.layoutIfNeeded();
    think->setTitle("🤔🤔");
    root.layoutIfNeeded();
    const double wider = think->intrinsicContentSize()->width;
    EXPECT_GT(wider, width + 60.0);
    expectFrame(*think, (300 - wider) / 2, 10, wider, 290);
}

// A constraint reads back as it was made, and setActive switches it on and
// off as activate and deactivate do: of two widths for one view, the one
// switched on places it.
TEST(LayoutSolver, ConstraintsReadBackAndSwitchOnAndOff) {
    View root(gfx::Rect::make(0, 0, 200, 100));
    auto view = addConstrained(root);
    view->leadingAnchor().constraintEqualTo(root.leadingAnchor(), 10).activate();
    view->topAnchor().constraintEqualTo(root.topAnchor()).activate();
    view->heightAnchor().constraintEqualTo(root.heightAnchor(), Multiplier{0.5}, -5).activate();
    Constraint thirty = view->widthAnchor().constraintEqualToConstant(30);
    Constraint half = view->widthAnchor().constraintEqualTo(root.widthAnchor(), Multiplier{0.5});
    Constraint same = view->widthAnchor().constraintEqualTo(root.widthAnchor(), -150);
    const struct {
        Constraint constraint;
        bool toAnchor;
        double multiplier;
        double constant;
    } made[] = {{thirty, false, 1.0, 30.0}, {half, true, 0.5, 0.0}, {same, true, 1.0, -150.0}};
    for (const auto& [constraint, toAnchor, multiplier, constant] : made) {
        EXPECT_EQ(constraint.secondAnchor().has_value(), toAnchor) << constraint.description();
        EXPECT_EQ(constraint.multiplier(), multiplier) << constraint.description();
        EXPECT_EQ(constraint.constant(), constant) << constraint.description();
    }

    thirty.setActive(true);
    EXPECT_TRUE(thirty.isActive());
    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    expectFrame(*view, 10, 0, 30, 45);
    thirty.setActive(false);
    half.setActive(true);
    EXPECT_FALSE(thirty.isActive());
    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    expectFrame(*view, 10, 0, 100, 45);
    half.setActive(false);
    same.setActive(true);
    EXPECT_THAT(solveLayout(root).problems, IsEmpty());
    expectFrame(*view, 10, 0, 50, 45);

    // Switching one off alone lays the view out anew at the next pass: of
    // two widths, the one left out as a conflict takes over.
    same.setActive(false);
    Constraint forty = view->widthAnchor().constraintEqualToConstant(40);
    forty.activate();
    thirty.activate();
    root.layoutIfNeeded();
    expectFrame(*view, 10, 0, 40, 45);
    forty.deactivate();
    root.layoutIfNeeded();
    expectFrame(*view, 10, 0, 30, 45);
}

TEST(LayoutSolver, ConflictIsReportedAndLeftOut) {
    View root(gfx::Rect::make(0, 0, 200, 100));
    auto view = addConstrained(root);
    view->leadingAnchor().constraintEqualTo(root.leadingAnchor(), 10).activate();
    view->widthAnchor().constraintEqualToConstant(50).activate();
    view->topAnchor().constraintEqualTo(root.topAnchor()).activate();
    view->heightAnchor().constraintEqualToConstant(20).activate();
    view->trailingAnchor().constraintEqualTo(root.trailingAnchor(), -10).activate();  // at 60 already

    const LayoutReport report = solveLayout(root);
    ASSERT_THAT(report.problems, SizeIs(1));
    EXPECT_THAT(report.problems[0], HasSubstr("layout conflict: View.trailing == View.trailing - 10"));
    EXPECT_THAT(report.problems[0], HasSubstr("misses by 130 points"));
    expectFrame(*view, 10, 0, 50, 20);

    // The constraint activated last is the one left out, whichever view owns
    // the earlier ones.
    View pair(gfx::Rect::make(0, 0, 200, 100));
    auto a = addConstrained(pair);
    auto b = addConstrained(pair);
    for (View* v : {a.get(), b.get()}) {
        v->leadingAnchor().constraintEqualTo(pair.leadingAnchor()).activate();
        v->topAnchor().constraintEqualTo(pair.topAnchor()).activate();
        v->heightAnchor().constraintEqualToConstant(10).activate();
    }
    b->widthAnchor().constraintEqualToConstant(50).activate();
    a->widthAnchor().constraintEqualToConstant(30).activate();
    a->widthAnchor().constraintEqualTo(b->widthAnchor()).activate();
    const LayoutReport pairReport = solveLayout(pair);
    ASSERT_THAT(pairReport.problems, SizeIs(1));
    EXPECT_THAT(pairReport.problems[0], HasSubstr("layout conflict: View.width == View.width"));
    expectFrame(*a, 0, 0, 30, 10);
    expectFrame(*b, 0, 0, 50, 10);

    // Every edge and size is named in such reports.
    const std::pair<Constraint, const char*> described[] = {
        {view->bottomAnchor().constraintEqualTo(root.bottomAnchor(), -5), "View.bottom == View.bottom - 5"},
        {view->topAnchor().constraintEqualTo(root.topAnchor()), "View.top == View.top"},
        {view->leadingAnchor().constraintEqualTo(root.trailingAnchor()), "View.leading == View.trailing"},
        {view->centerXAnchor().constraintEqualTo(root.centerXAnchor(), 3), "View.centerX == View.centerX + 3"},
        {view->heightAnchor().constraintEqualTo(root.widthAnchor(), Multiplier{0.5}),
         "View.height == View.width * 0.5"},
    };
    for (const auto& [constraint, text] : described) EXPECT_EQ(constraint.description(), text);
}

TEST(LayoutSolver, UnderdeterminedValuesAreReportedAndKept) {
    View root(gfx::Rect::make(0, 0, 200, 100));
    auto view = addConstrained(root);
    view->setTag(7);
    view->setFrame(gfx::Rect::make(3, 4, 30, 40));
    view->topAnchor().constraintEqualTo(root.topAnchor(), 1).activate();
    view->heightAnchor().constraintEqualToConstant(20).activate();

    const LayoutReport report = solveLayout(root);
    ASSERT_THAT(report.problems, SizeIs(1));
    EXPECT_THAT(report.problems[0],
                HasSubstr("underdetermined: the horizontal position, width of View tag 7 are not fixed"));
    expectFrame(*view, 3, 1, 30, 20);

    // A button is named by its title, when it has one.
    for (const std::optional<std::string>& title : {std::optional<std::string>("7"), std::optional<std::string>()}) {
        View other(gfx::Rect::make(0, 0, 200, 100));
        auto key = addConstrained<Button>(other);
        if (title) key->setTitle(*title);
        key->topAnchor().constraintEqualTo(other.topAnchor()).activate();
        key->heightAnchor().constraintEqualToConstant(20).activate();
        key->widthAnchor().constraintEqualToConstant(20).activate();
        const LayoutReport keyReport = solveLayout(other);
        ASSERT_THAT(keyReport.problems, SizeIs(1));
        EXPECT_THAT(keyReport.problems[0], HasSubstr(title ? "of Button \"7\" is" : "of Button is"));
    }
}

// A view placed by its frame keeps it against its constraints; switched to
// constraints, it is placed by them at the next layout.
TEST(LayoutSolver, AViewSwitchedToConstraintsIsPlacedByThem) {
    View root(gfx::Rect::make(0, 0, 200, 100));
    auto view = std::make_shared<View>(gfx::Rect::make(3, 4, 30, 40));
    root.addSubview(view);
    view->leadingAnchor().constraintEqualTo(root.leadingAnchor(), 10).activate();
    view->topAnchor().constraintEqualTo(root.topAnchor(), 20).activate();
    view->widthAnchor().constraintEqualToConstant(50).activate();
    view->heightAnchor().constraintEqualToConstant(60).activate();
    ::testing::internal::CaptureStderr();
    root.layoutIfNeeded();
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("layout conflict: View.leading == View.leading + 10"));
    // Said once: with nothing changed, the next call lays nothing out.
    ::testing::internal::CaptureStderr();
    root.layoutIfNeeded();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    expectFrame(*view, 3, 4, 30, 40);

    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    root.layoutIfNeeded();
    expectFrame(*view, 10, 20, 50, 60);
}

TEST(LayoutSolver, ConstraintsLeaveWithAViewThatLeavesTheTree) {
    View root(gfx::Rect::make(0, 0, 200, 100));
    auto outer = addConstrained(root);
    auto inner = addConstrained(*outer);
    Constraint crossing = inner->leadingAnchor().constraintEqualTo(root.leadingAnchor(), 4);
    crossing.activate();
    inner->widthAnchor().constraintEqualTo(outer->widthAnchor()).activate();  // stays inside
    ASSERT_THAT(inner->constraints(), SizeIs(2));
    outer->removeFromSuperview();
    EXPECT_THAT(inner->constraints(), SizeIs(1));
    EXPECT_THAT(root.constraints(), IsEmpty());
    EXPECT_FALSE(crossing.isActive());
    // Back in the tree, it can be activated again.
    root.addSubview(outer);
    crossing.activate();
    EXPECT_THAT(inner->constraints(), SizeIs(2));
    EXPECT_THAT(root.constraints(), SizeIs(1));

    // A view built apart is laid out with the tree it joins.
    ::testing::internal::CaptureStderr();  // outer and inner are not placed whole
    root.layoutIfNeeded();
    ::testing::internal::GetCapturedStderr();
    auto panel = std::make_shared<View>(gfx::Rect::make(0, 0, 100, 100));
    auto content = addConstrained(*panel);
    content->leadingAnchor().constraintEqualTo(panel->leadingAnchor(), 10).activate();
    content->trailingAnchor().constraintEqualTo(panel->trailingAnchor(), -10).activate();
    content->topAnchor().constraintEqualTo(panel->topAnchor(), 10).activate();
    content->bottomAnchor().constraintEqualTo(panel->bottomAnchor(), -10).activate();
    root.addSubview(panel);
    ::testing::internal::CaptureStderr();
    root.layoutIfNeeded();
    ::testing::internal::GetCapturedStderr();
    expectFrame(*content, 10, 10, 80, 80);

    // A view destroyed with active constraints takes them along.
    std::shared_ptr<View> survivor;
    {
        auto holder = std::make_shared<View>();
        survivor = addConstrained(*holder);
        auto brief = addConstrained(*holder);
        brief->widthAnchor().constraintEqualTo(survivor->widthAnchor()).activate();
        ASSERT_THAT(survivor->constraints(), SizeIs(1));
    }
    EXPECT_THAT(survivor->constraints(), IsEmpty());

    // One made between two trees is left out of the layout, and said so.
    View elsewhere(gfx::Rect::make(0, 0, 50, 50));
    auto stranger = addConstrained(elsewhere);
    auto local = addConstrained(root);
    local->leadingAnchor().constraintEqualTo(stranger->leadingAnchor()).activate();
    EXPECT_THAT(solveLayout(root).problems,
                Contains("layout: View.leading == View.leading joins views that are not in one view tree; it is "
                         "left out"));
}

}  // namespace
}  // namespace ui
