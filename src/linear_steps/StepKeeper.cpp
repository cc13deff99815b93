#include "linear_steps/StepKeeper.h"

#include <iterator>
#include <type_traits>
#include <utility>

namespace duolinear {

namespace {

// The first `shown` lines of above, copied or moved, then own.
template <typename Above>
StepLines below(Above&& above, std::size_t shown, StepLines own) {
    StepLines lines;
    lines.reserve(shown + own.size());
    const auto first = above.begin();
    const auto last = above.begin() + static_cast<std::ptrdiff_t>(shown);
    if constexpr (std::is_rvalue_reference_v<Above&&>) {
        lines.insert(lines.end(), std::make_move_iterator(first), std::make_move_iterator(last));
    } else {
        lines.insert(lines.end(), first, last);
    }
    lines.insert(lines.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    return lines;
}

}  // namespace

void StepKeeper::add(StepLines& above, std::size_t shown, StepLines own, std::vector<std::string> comments) {
    if (!showing()) return;
    if (kept_ == KeptSteps::last) {
        held_ = HeldStep{shown, [own = std::move(own)]() mutable { return std::move(own); }, std::move(comments)};
        return;
    }
    put(above, shown, std::move(own), std::move(comments));
}

void StepKeeper::put(StepLines& above, std::size_t shown, StepLines own, std::vector<std::string> comments) {
    if (kept_ == KeptSteps::all) {
        worked_.append(below(above, shown, std::move(own)), std::move(comments));
    } else {
        worked_.append(below(std::move(above), shown, std::move(own)), std::move(comments));
    }
}

WorkedSteps StepKeeper::take(StepLines above) {
    if (held_) {
        worked_.append(below(std::move(above), held_->shown, held_->makeLines()), std::move(held_->comments));
        held_.reset();
    }
    return std::move(worked_);
}

}  // namespace duolinear
