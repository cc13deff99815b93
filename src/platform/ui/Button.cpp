#include "platform/ui/Button.h"

namespace ui {

Button::Button() {
    titleLabel_.setFont(gfx::Font::system(15.0));
    titleLabel_.setTextAlignment(TextAlignment::center);
}

void Button::setTitle(std::string title) {
    titleLabel_.setText(title);
    title_ = std::move(title);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void Button::setTitleColor(gfx::Color color) {
    titleColor_ = color;
    setNeedsDisplay();
}

void Button::addTarget(Responder* target, std::string action) {
    actions_.push_back({target, std::move(action)});
}

void Button::sendActions() {
    // An action may take the button out of its tree; keep it alive meanwhile.
    const auto keepAlive = weak_from_this().lock();
    const std::vector<Action> actions = actions_;
    for (const Action& action : actions) sendAction(action.action, action.target, *this, this);
}

void Button::setHighlighted(bool highlighted) {
    if (highlighted == highlighted_) return;
    highlighted_ = highlighted;
    setNeedsDisplay();
}

bool Button::isInside(const std::vector<Touch>& touches) const {
    return !touches.empty() && pointInside(touches.front().location(*this));
}

void Button::touchesBegan(const std::vector<Touch>& touches) {
    tracking_ = true;
    setHighlighted(true);
}

void Button::touchesMoved(const std::vector<Touch>& touches) {
    if (tracking_) setHighlighted(isInside(touches));
}

void Button::touchesEnded(const std::vector<Touch>& touches) {
    if (!tracking_) return;
    tracking_ = false;
    setHighlighted(false);
    if (isInside(touches)) sendActions();
}

void Button::draw(gfx::Rect rect) {
    if (!title_) return;
    titleLabel_.setFrame(bounds());
    titleLabel_.setTextColor(highlighted_ ? titleColor_.withAlpha(titleColor_.a * 0.3) : titleColor_);
    titleLabel_.draw(rect);
}

std::optional<gfx::Size> Button::intrinsicContentSize() const {
    if (!title_) return gfx::Size{};
    return titleLabel_.intrinsicContentSize();
}

std::string Button::debugDescription() const {
    std::string text = View::debugDescription();
    if (title_) text += " \"" + *title_ + "\"";
    return text;
}

}  // namespace ui
