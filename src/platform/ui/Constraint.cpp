#include "platform/ui/Constraint.h"

#include <algorithm>
#include <cstdio>

#include "platform/ui/View.h"

namespace ui {

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

void removeFrom(std::vector<Constraint>& list, const Constraint& constraint) {
    list.erase(std::remove(list.begin(), list.end(), constraint), list.end());
}

}  // namespace

Constraint Constraint::make(const Anchor& first, const std::optional<Anchor>& second, double multiplier,
                            double constant) {
    return Constraint(std::make_shared<Data>(Data{first, second, multiplier, constant}));
}

bool Constraint::isActive() const {
    return data_ && data_->active;
}

void Constraint::activate() {
    if (!data_ || data_->active) return;
    static unsigned long long activations = 0;
    data_->active = true;
    data_->activationOrder = ++activations;
    View& first = data_->first.view();
    first.constraints_.push_back(*this);
    first.setNeedsLayout();
    if (data_->second && &data_->second->view() != &first) {
        View& second = data_->second->view();
        second.constraints_.push_back(*this);
        second.setNeedsLayout();
    }
}

void Constraint::deactivate() {
    if (!data_ || !data_->active) return;
    data_->active = false;
    View& first = data_->first.view();
    removeFrom(first.constraints_, *this);
    first.setNeedsLayout();
    if (data_->second) {
        View& second = data_->second->view();
        removeFrom(second.constraints_, *this);
        second.setNeedsLayout();
    }
}

const Anchor& Constraint::firstAnchor() const {
    return data_->first;
}

const std::optional<Anchor>& Constraint::secondAnchor() const {
    return data_->second;
}

double Constraint::multiplier() const {
    return data_ ? data_->multiplier : 1.0;
}

double Constraint::constant() const {
    return data_ ? data_->constant : 0.0;
}

std::string Constraint::description() const {
    if (!data_) return "(no constraint)";
    std::string text = data_->first.description() + " == ";
    if (!data_->second) return text + number(data_->constant);
    text += data_->second->description();
    if (data_->multiplier != 1.0) text += " * " + number(data_->multiplier);
    if (data_->constant > 0.0) text += " + " + number(data_->constant);
    if (data_->constant < 0.0) text += " - " + number(-data_->constant);
    return text;
}

}  // namespace ui
