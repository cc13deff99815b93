#include "renderer/UniversalEngineVC.h"

#include <climits>

#include "platform/ui/LayoutGuide.h"
#include "platform/ui/View.h"

namespace duolinear {

namespace {

// The step view's distance from each edge of the safe area.
constexpr double kStepViewMargin = 5.0;

template <typename List>
typename List::value_type entryOrEmpty(const List& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
    return list[static_cast<std::size_t>(index)];
}

}  // namespace

UniversalEngineVC::UniversalEngineVC() : universalEngineView_(std::make_shared<UniversalEngineView>()) {}

UniversalEngineVC::~UniversalEngineVC() {
    // Someone else may still hold the view: it must not ask a screen that is gone.
    if (universalEngineView_->dataSource() == this) universalEngineView_->setDataSource(nullptr);
}

std::optional<int> UniversalEngineVC::numberOfDetailSteps() {
    // More steps than an index can name are never made; count what can be shown.
    return detailSteps_.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(detailSteps_.size());
}

StepLines UniversalEngineVC::detailStep(int index) {
    return entryOrEmpty(detailSteps_, index);
}

std::vector<std::string> UniversalEngineVC::detailComments(int index) {
    return entryOrEmpty(detailComments_, index);
}

StepParameters UniversalEngineVC::allDetailParameters() {
    return detailParameters_;
}

void UniversalEngineVC::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    universalEngineView_->setDataSource(this);
    ui::View& root = *view();
    root.addSubview(universalEngineView_);

    const ui::LayoutGuide safeArea = root.safeAreaLayoutGuide();
    UniversalEngineView& stepView = *universalEngineView_;
    stepView.topAnchor().constraintEqualTo(safeArea.topAnchor(), kStepViewMargin).activate();
    stepView.bottomAnchor().constraintEqualTo(safeArea.bottomAnchor(), -kStepViewMargin).activate();
    stepView.leadingAnchor().constraintEqualTo(safeArea.leadingAnchor(), kStepViewMargin).activate();
    stepView.trailingAnchor().constraintEqualTo(safeArea.trailingAnchor(), -kStepViewMargin).activate();
}

}  // namespace duolinear
