#include "keypads/UniversalInfoView.h"

#include <memory>

#include "keypads/KeypadStyle.h"
#include "layout/drawing/BaseFontSize.h"
#include "platform/ui/Label.h"

namespace duolinear {

UniversalInfoView::UniversalInfoView(const std::vector<std::string>& info, gfx::Rect frame) : ui::View(frame) {
    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());
    setHidden(false);

    const double size = baseFontSize();
    std::vector<std::shared_ptr<ui::Label>> labels;
    for (const std::string& line : info) {
        auto label = std::make_shared<ui::Label>();
        label->setText(line);
        label->setFont(gfx::Font::system(size, kLabelWeight));
        label->setAdjustsFontSizeToFitWidth(true);
        label->setBaselineAdjustment(ui::BaselineAdjustment::alignCenters);
        label->setTextColor(gfx::Color::black());
        label->setBackgroundColor(gfx::Color::white());
        label->setTextAlignment(ui::TextAlignment::center);
        label->setTranslatesAutoresizingMaskIntoConstraints(false);
        labels.push_back(label);
        addSubview(label);
    }

    for (std::size_t i = 0; i < labels.size(); ++i) {
        ui::Label& label = *labels[i];
        if (i == 0)
            label.topAnchor().constraintEqualTo(topAnchor()).activate();
        else
            label.topAnchor().constraintEqualTo(labels[i - 1]->bottomAnchor()).activate();
        if (i + 1 == labels.size())
            label.bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
        else
            label.bottomAnchor().constraintEqualTo(labels[i + 1]->topAnchor()).activate();
        label.leadingAnchor().constraintEqualTo(leadingAnchor()).activate();
        label.trailingAnchor().constraintEqualTo(trailingAnchor()).activate();
        if (i > 0) label.heightAnchor().constraintEqualTo(labels[0]->heightAnchor()).activate();
    }
}

}  // namespace duolinear
