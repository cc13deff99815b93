#pragma once
// The environment setting that turns the address sanitizer's leak check off
// in a child process the tests start, keeping the caller's other settings.

namespace duolinear::testing {

inline constexpr const char* kLeakCheckOff = "ASAN_OPTIONS=\"${ASAN_OPTIONS}:detect_leaks=0\"";

}  // namespace duolinear::testing
