#pragma once
// Whether an action of a host could be carried out, and if not, why.

#include <string>

namespace host {

struct Outcome {
    bool ok = true;
    std::string message;  // why not, when not ok

    static Outcome success() { return {}; }
    static Outcome failure(std::string why) { return {false, std::move(why)}; }
};

}  // namespace host
