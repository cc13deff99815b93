#pragma once
// The scene classes the app's storyboard names, registered with ui::Storyboard
// by their class names: the three entry screens, the three practice screens,
// the three guide screens and the step screen "UniversalEngineVC".

#include <string>
#include <vector>

namespace duolinear {

// The ten class names, in that order.
const std::vector<std::string>& screenClassNames();

// Registers a factory for each of them; call once at startup, before the
// storyboard is loaded.
void registerScreenClasses();

}  // namespace duolinear
