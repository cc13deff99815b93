#pragma once
// Shows a worked solution one step at a time. Every redraw asks the data
// source for the number of steps and for the current step's lines and
// comment lines, and draws them in three bands (see UniversalEngineViewBands):
// the comments centred at the top, the step's lines fitted to the width in the
// middle, and, when there is more than one step, a prior/next navigator at the
// bottom. A tap low in the view (below 90 % of its height, less the bottom
// inset) shows the next step when it falls right of the middle of the drawing
// area and the prior step otherwise, wrapping around at both ends.
//
// The view keeps no solution of its own, and its reference to the data
// source does not own it: the data source is the screen that owns the view.

#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/ui/EdgeInsets.h"
#include "platform/ui/View.h"
#include "renderer/UniversalEngineViewDataSource.h"

namespace duolinear {

// The navigator row: "prior" and "next" with pointing hands (medium skin
// tone) towards the two sides, 47 code points.
extern const std::string kStepNavigatorText;

class UniversalEngineView : public ui::View {
public:
    // Placed by constraints, on a clear background.
    explicit UniversalEngineView(gfx::Rect frame = {});

    UniversalEngineViewDataSource* dataSource() const { return dataSource_; }
    void setDataSource(UniversalEngineViewDataSource* dataSource) { dataSource_ = dataSource; }
    // The number of steps as of the last redraw.
    int totalSteps() const { return totalSteps_; }
    void setTotalSteps(int totalSteps) { totalSteps_ = totalSteps; }
    // The index of the step shown.
    int step() const { return step_; }
    void setStep(int step) { step_ = step; }

    // The drawing area's distances from the view's edges.
    ui::EdgeInsets tiktokInsets() const { return {tiktok_top_, tiktok_lead_, tiktok_bottom_, tiktok_trail_}; }
    gfx::Color tiktokNavigatorColor() const { return tiktok_navigator_color_; }

    // Draws nothing without a data source, when it has no count or no steps,
    // or when the view has no room for the bands. A step index out of range
    // (the solution was replaced by a shorter one) is first brought back to
    // the nearest step.
    void draw(gfx::Rect rect) override;
    // Moves to the next or prior step and asks for a redraw; touches are not
    // passed on.
    void touchesBegan(const std::vector<ui::Touch>& touches) override;

private:
    UniversalEngineViewDataSource* dataSource_ = nullptr;
    int totalSteps_ = 0;
    int step_ = 0;
    const double tiktok_lead_ = 0.0;
    const double tiktok_trail_ = 0.0;
    const double tiktok_top_ = 0.0;
    const double tiktok_bottom_ = 0.0;
    const gfx::Color tiktok_navigator_color_ = gfx::Color::black();
};

}  // namespace duolinear
