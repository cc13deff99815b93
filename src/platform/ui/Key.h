#pragma once
// The keys that views react to.

namespace ui {

enum class Key { left, right, up, down };

}  // namespace ui
