#pragma once
// An environment variable that a test changes and gets back as it was, set
// or unset, when the test's scope ends (also after a failed assertion).

#include <cstdlib>
#include <optional>
#include <string>

namespace duolinear::testing {

class ScopedVariable {
public:
    explicit ScopedVariable(std::string name) : name_(std::move(name)) {
        if (const char* value = std::getenv(name_.c_str())) saved_ = value;
    }
    ~ScopedVariable() {
        if (saved_) {
            ::setenv(name_.c_str(), saved_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

    void set(const std::string& value) const { ::setenv(name_.c_str(), value.c_str(), 1); }
    void unset() const { ::unsetenv(name_.c_str()); }

private:
    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace duolinear::testing
