#pragma once
// Environment settings that turn the leak checker off in a child process the
// tests start, whether the tests are built with the address sanitizer (which
// reads ASAN_OPTIONS) or with the leak checker alone (LSAN_OPTIONS). The
// caller's own settings are kept.

namespace duolinear::testing {

inline constexpr const char* kLeakCheckOff =
    "ASAN_OPTIONS=\"${ASAN_OPTIONS}:detect_leaks=0\" LSAN_OPTIONS=\"${LSAN_OPTIONS}:detect_leaks=0\"";

}  // namespace duolinear::testing
