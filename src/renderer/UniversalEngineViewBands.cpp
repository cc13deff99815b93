#include "renderer/UniversalEngineViewBands.h"

#include "layout/Metric.h"

namespace duolinear {

UniversalEngineViewBands universalEngineViewBands(gfx::Size bounds, const ui::EdgeInsets& insets) {
    const double width = bounds.width - (insets.left + insets.right);
    const double height = bounds.height - 2.0 * kLayOut::bandGap - (insets.top + insets.bottom);

    const double commentsHeight = kLayOut::commentBandShare * height;
    const double linesTop = insets.top + commentsHeight + kLayOut::bandGap;
    const double linesHeight = kLayOut::stepBandShare * height;
    const double navigatorTop = linesTop + linesHeight + kLayOut::bandGap;
    const double navigatorHeight = kLayOut::navigatorBandShare * height;

    return {gfx::Rect::make(insets.left, insets.top, width, commentsHeight),
            gfx::Rect::make(insets.left, linesTop, width, linesHeight),
            gfx::Rect::make(insets.left, navigatorTop, width, navigatorHeight)};
}

}  // namespace duolinear
