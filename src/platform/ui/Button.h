#pragma once
// A button with a one-line title over its background colour. A touch that
// starts on the button and ends on it (touch up inside) sends the button's
// actions: each to its target, or, for an action without a target, up the
// responder chain from the button to the first responder that implements it.
// The title dims while a touch is on the button.

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {

class Button : public View {
public:
    Button();

    // None until a title is set.
    const std::optional<std::string>& currentTitle() const { return title_; }
    void setTitle(std::string title);

    // The label that draws the title: set its font, and whether it shrinks
    // the title to fit, here. Its text is the title. (A font set after the
    // button has been laid out by its size needs invalidateIntrinsicContentSize().)
    Label& titleLabel() { return titleLabel_; }
    const Label& titleLabel() const { return titleLabel_; }
    gfx::Color titleColor() const { return titleColor_; }
    void setTitleColor(gfx::Color color);

    // Adds an action sent on touch up inside; a null target sends it up the
    // responder chain. Actions are sent in the order they were added.
    void addTarget(Responder* target, std::string action);

    bool isHighlighted() const { return highlighted_; }

    // Sends the actions as a tap would.
    void sendActions();

    void touchesBegan(const std::vector<Touch>& touches) override;
    void touchesMoved(const std::vector<Touch>& touches) override;
    void touchesEnded(const std::vector<Touch>& touches) override;

    void draw(gfx::Rect rect) override;
    std::optional<gfx::Size> intrinsicContentSize() const override;
    std::string debugDescription() const override;

    // The title colour of system buttons.
    static constexpr gfx::Color tintColor() { return {0.0, 122.0 / 255.0, 1.0, 1.0}; }

private:
    struct Action {
        Responder* target = nullptr;
        std::string action;
    };

    void setHighlighted(bool highlighted);
    bool isInside(const std::vector<Touch>& touches) const;

    std::optional<std::string> title_;
    Label titleLabel_;
    gfx::Color titleColor_ = tintColor();
    std::vector<Action> actions_;
    bool tracking_ = false;
    bool highlighted_ = false;
};

}  // namespace ui
