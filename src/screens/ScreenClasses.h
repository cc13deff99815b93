#pragma once
// The scene classes the app's storyboard names, registered with ui::Storyboard
// by their class names: the three entry screens, the three practice screens,
// the three guide screens and the step screen "UniversalEngineVC".

namespace duolinear {

// Registers a factory for each of them; call once at startup, before the
// storyboard is loaded.
void registerScreenClasses();

}  // namespace duolinear
