#include "screens/StepScreenHandOver.h"

#include "renderer/UniversalEngineVC.h"

namespace duolinear {

bool handOverWorkedSolution(ui::StoryboardSegue& segue, const std::string& ownSegue, const DuolinearModel& model) {
    if (segue.identifier().empty() || segue.identifier() != ownSegue) return false;
    auto* destination = dynamic_cast<UniversalEngineVC*>(&segue.destination());
    WorkedSolution solution = model.workedSolution();
    if (destination != nullptr) {
        destination->setDetailSteps(std::move(solution.steps));
        destination->setDetailComments(std::move(solution.comments));
        destination->setDetailParameters(std::move(solution.parameters));
    }
    return true;
}

}  // namespace duolinear
