#include "layout/drawing/BaseFontSize.h"

#include "layout/Metric.h"
#include "platform/gfx/Screen.h"

namespace duolinear {

double baseFontSize() {
    return gfx::mainScreenBounds().width() <= kLayOut::wideScreenThreshold ? kLayOut::narrowBaseFontSize
                                                                           : kLayOut::wideBaseFontSize;
}

}  // namespace duolinear
