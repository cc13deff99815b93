#pragma once
// The step screen: holds a worked solution (the steps, their comment lines
// and the solution's parameters) and shows it one step at a time in a step
// view that fills its safe area less 5 points on every side. It is the step
// view's data source; the view pages through the steps by itself.
//
// The screens that open it set the three lists before its view is loaded;
// each setter replaces a whole list and does nothing else.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "layout/TagLayout.h"
#include "platform/ui/ViewController.h"
#include "renderer/UniversalEngineView.h"
#include "renderer/UniversalEngineViewDataSource.h"

namespace duolinear {

class UniversalEngineVC : public ui::ViewController, public UniversalEngineViewDataSource {
public:
    UniversalEngineVC();
    ~UniversalEngineVC() override;

    const StepList& detailSteps() const { return detailSteps_; }
    void setDetailSteps(StepList steps) { detailSteps_ = std::move(steps); }
    const StepComments& detailComments() const { return detailComments_; }
    void setDetailComments(StepComments comments) { detailComments_ = std::move(comments); }
    const StepParameters& detailParameters() const { return detailParameters_; }
    void setDetailParameters(StepParameters parameters) { detailParameters_ = std::move(parameters); }

    // The step view, made with the screen and kept for its whole life.
    const std::shared_ptr<UniversalEngineView>& universalEngineView() const { return universalEngineView_; }

    // The data source: always a count (0 while the lists are empty); a step or
    // comment list asked for at an index the lists don't have is empty.
    std::optional<int> numberOfDetailSteps() override;
    StepLines detailStep(int index) override;
    std::vector<std::string> detailComments(int index) override;
    StepParameters allDetailParameters() override;

protected:
    void viewDidLoad() override;

private:
    StepList detailSteps_;
    StepComments detailComments_;
    StepParameters detailParameters_;
    std::shared_ptr<UniversalEngineView> universalEngineView_;
};

}  // namespace duolinear
