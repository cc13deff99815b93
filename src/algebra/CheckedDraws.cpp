#include "algebra/CheckedDraws.h"

#include <algorithm>

namespace duolinear {

std::int64_t CheckedDraws::range(std::int64_t low, std::int64_t high) {
    const std::int64_t value = source_.uniformInt(low, high);
    const std::int64_t first = std::min(low, high);
    if (value < first || value > std::max(low, high)) {
        broken_ = true;
        return first;
    }
    return value;
}

std::size_t CheckedDraws::index(std::size_t count) {
    const std::size_t value = source_.uniformIndex(count);
    if (value >= count && !(count == 0 && value == 0)) {
        broken_ = true;
        return 0;
    }
    return value;
}

}  // namespace duolinear
