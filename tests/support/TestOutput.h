#pragma once
// Where tests write the images and files they make for a person to look at:
// the folder $DUOLINEAR_TEST_OUTPUT (ctest sets it to the build's test-output
// folder), or /tmp when it is not set.

#include <cstdlib>
#include <string>

namespace gfx::testing {

inline std::string outputPath(const std::string& name) {
    const char* folder = std::getenv("DUOLINEAR_TEST_OUTPUT");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/" + name;
}

}  // namespace gfx::testing
