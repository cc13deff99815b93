#pragma once
// Helpers for the tests of the UI layer: view trees made in one line. Where
// test images go and how much of an image is drawn on are in tests/support.

#include <memory>

#include "platform/ui/View.h"

namespace ui::testing {

// A subview placed by constraints, added to `parent`.
template <typename T = View>
std::shared_ptr<T> addConstrained(View& parent) {
    auto view = std::make_shared<T>();
    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    parent.addSubview(view);
    return view;
}

}  // namespace ui::testing
