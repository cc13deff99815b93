#include "renderer/UniversalEngineView.h"

#include <algorithm>
#include <optional>

#include "layout/drawing/BaseFontSize.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Font.h"
#include "renderer/StepLines.h"
#include "renderer/UniversalEngineViewBands.h"

namespace duolinear {

// One blank, the left hand, two blanks, "prior", 28 blanks, "next", two
// blanks, the right hand, one blank.
const std::string kStepNavigatorText =
    " \U0001F448\U0001F3FD  prior                            next  \U0001F449\U0001F3FD ";

namespace {

// Taps below this share of the view's height (less the bottom inset) turn the page.
constexpr double kTapLineShare = 0.9;

}  // namespace

UniversalEngineView::UniversalEngineView(gfx::Rect frame) : ui::View(frame) {
    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());
}

void UniversalEngineView::draw(gfx::Rect) {
    if (dataSource_ == nullptr) return;
    const std::optional<int> count = dataSource_->numberOfDetailSteps();
    if (!count) return;
    totalSteps_ = *count;
    // The count comes first, so that no step is asked for that isn't there.
    if (totalSteps_ <= 0) return;
    step_ = std::clamp(step_, 0, totalSteps_ - 1);
    const StepLines lines = dataSource_->detailStep(step_);
    const std::vector<std::string> comments = dataSource_->detailComments(step_);

    const UniversalEngineViewBands bands = universalEngineViewBands(bounds().size, tiktokInsets());
    // A view no larger than its insets and gaps: no band could hold a line.
    if (!bands.hasRoom()) return;

    const double size = baseFontSize();
    const gfx::FontWeight weight = gfx::FontWeight::medium();

    const gfx::Rect& c = bands.comments;
    drawTextRows(comments, true, gfx::Color::black(), gfx::Color::clear(), c.minX(), c.minY(), c.width(), c.height(),
                 size, weight);

    const gfx::Rect& l = bands.lines;
    const LineFontSizes sizes = fitLineFontSizes(lines, l.width(), l.height(), size, weight);
    drawStepLines(lines, sizes, l.minX(), l.minY());

    if (totalSteps_ > 1) {
        const gfx::Rect& n = bands.navigator;
        drawTextRows({kStepNavigatorText}, true, tiktok_navigator_color_, gfx::Color::clear(), n.minX(), n.minY(),
                     n.width(), n.height(), size, weight);
    }
}

void UniversalEngineView::touchesBegan(const std::vector<ui::Touch>& touches) {
    if (totalSteps_ <= 0 || touches.empty()) return;
    const gfx::Point p = touches.front().location(*this);
    const gfx::Rect b = bounds();
    if (!(p.y > kTapLineShare * b.height() - tiktok_bottom_)) return;

    // From a step out of range (the owner set it) the nearest step counts.
    const int current = std::clamp(step_, 0, totalSteps_ - 1);
    const double middle = tiktok_lead_ + (b.width() - (tiktok_lead_ + tiktok_trail_)) * 0.5;
    if (p.x > middle) {
        step_ = current + 1 == totalSteps_ ? 0 : current + 1;
    } else {
        step_ = current == 0 ? totalSteps_ - 1 : current - 1;
    }
    setNeedsDisplay();
}

}  // namespace duolinear
