#pragma once
// Rectangles compared with room for rounding: frames that constraints work
// out differ from the expected ones in their last bits.

#include <cmath>

#include <gtest/gtest.h>

#include "platform/gfx/Geometry.h"

namespace duolinear::testing {

inline ::testing::AssertionResult nearRect(const gfx::Rect& a, const gfx::Rect& b) {
    const double d = std::abs(a.minX() - b.minX()) + std::abs(a.minY() - b.minY()) + std::abs(a.width() - b.width()) +
                     std::abs(a.height() - b.height());
    if (d < 1e-6) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.minX() << ", " << a.minY() << ", " << a.width() << " x "
                                         << a.height() << ") instead of (" << b.minX() << ", " << b.minY() << ", "
                                         << b.width() << " x " << b.height() << ")";
}

}  // namespace duolinear::testing
