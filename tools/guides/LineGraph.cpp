#include "guides/LineGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "platform/gfx/Context.h"
#include "platform/gfx/Path.h"

namespace duolinear::guides {

namespace {

constexpr double kSmallestReach = 5.0;  // the grid runs at least from -5 to 5

struct Crossing {
    double x = 0.0;
    double y = 0.0;
};

// Where the two lines cross, when they cross in one point.
std::optional<Crossing> crossing(const GraphPanel& p) {
    const double d = static_cast<double>(p.a1 * p.b2 - p.b1 * p.a2);
    if (d == 0.0) return std::nullopt;
    return Crossing{static_cast<double>(p.c1 * p.b2 - p.b1 * p.c2) / d,
                    static_cast<double>(p.a1 * p.c2 - p.c1 * p.a2) / d};
}

// The whole grid units from the origin to each edge: enough to show the crossing.
double reachOf(const GraphPanel& p) {
    double reach = kSmallestReach;
    if (const std::optional<Crossing> c = crossing(p))
        reach = std::max({reach, std::ceil(std::abs(c->x)) + 1.0, std::ceil(std::abs(c->y)) + 1.0});
    return reach;
}

class Plot {
public:
    Plot(gfx::Rect square, double reach) : square_(square), reach_(reach) {}

    gfx::Point at(double x, double y) const {
        const double unit = square_.width() / (2 * reach_);
        return {square_.midX() + x * unit, square_.midY() - y * unit};
    }

    // Two far points of a·x + b·y = c; the caller clips to the square.
    void addLine(gfx::Path& path, long long a, long long b, long long c) const {
        const double far = 2 * reach_;
        if (b != 0) {
            auto yAt = [&](double x) { return (static_cast<double>(c) - static_cast<double>(a) * x) / b; };
            path.moveTo(at(-far, yAt(-far)));
            path.addLineTo(at(far, yAt(far)));
        } else if (a != 0) {
            const double x = static_cast<double>(c) / a;
            path.moveTo(at(x, -far));
            path.addLineTo(at(x, far));
        }
    }

    double reach() const { return reach_; }

private:
    gfx::Rect square_;
    double reach_;
};

void strokeSegment(gfx::Context& context, gfx::Point from, gfx::Point to, gfx::Color color, double width) {
    gfx::Path path;
    path.moveTo(from);
    path.addLineTo(to);
    context.addPath(path);
    context.setStrokeColor(color);
    context.setLineWidth(width);
    context.strokePath();
}

}  // namespace

void drawLineGraph(const GraphPanel& panel, gfx::Rect box) {
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    const double side = std::min(box.width(), box.height());
    const gfx::Rect square = gfx::Rect::make(box.midX() - side * 0.5, box.midY() - side * 0.5, side, side);
    const Plot plot(square, reachOf(panel));
    const double reach = plot.reach();

    context->saveState();
    context->clipToRect(square);
    context->setFillColor(gfx::Color::white());
    context->fillRect(square);
    for (double k = -reach; k <= reach; k += 1.0) {
        const gfx::Color grid = gfx::Color::rgba(0.88, 0.89, 0.92);
        strokeSegment(*context, plot.at(k, -reach), plot.at(k, reach), grid, 0.5);
        strokeSegment(*context, plot.at(-reach, k), plot.at(reach, k), grid, 0.5);
    }
    const gfx::Color axis = gfx::Color::rgba(0.45, 0.45, 0.5);
    strokeSegment(*context, plot.at(-reach, 0), plot.at(reach, 0), axis, 0.8);
    strokeSegment(*context, plot.at(0, -reach), plot.at(0, reach), axis, 0.8);

    // The first line wide and pale, the second narrow on top: a line drawn
    // twice still shows both colours.
    gfx::Path first;
    plot.addLine(first, panel.a1, panel.b1, panel.c1);
    context->addPath(first);
    context->setStrokeColor(gfx::Color::red().withAlpha(0.55));
    context->setLineWidth(4.0);
    context->strokePath();
    gfx::Path second;
    plot.addLine(second, panel.a2, panel.b2, panel.c2);
    context->addPath(second);
    context->setStrokeColor(gfx::Color::blue());
    context->setLineWidth(1.5);
    context->strokePath();

    if (const std::optional<Crossing> c = crossing(panel)) {
        context->addPath(gfx::Path::arc(plot.at(c->x, c->y), 3.0, 0.0, 6.283185307179586, true));
        context->setFillColor(gfx::Color::black());
        context->fillPath();
    }
    context->restoreState();

    context->addRect(square);
    context->setStrokeColor(gfx::Color::rgba(0.7, 0.72, 0.78));
    context->setLineWidth(0.8);
    context->strokePath();
}

}  // namespace duolinear::guides
