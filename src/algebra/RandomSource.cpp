#include "algebra/RandomSource.h"

#include <array>
#include <utility>

namespace duolinear {

namespace {

std::mt19937_64 seededEngine() {
    std::random_device device;
    std::array<std::random_device::result_type, 8> words{};
    for (auto& word : words) word = device();
    std::seed_seq seeds(words.begin(), words.end());
    return std::mt19937_64(seeds);
}

SystemRandomSource& systemSource() {
    static SystemRandomSource source;
    return source;
}

RandomSource* gInstalled = nullptr;

}  // namespace

SystemRandomSource::SystemRandomSource() : engine_(seededEngine()) {}
SystemRandomSource::SystemRandomSource(std::uint64_t seed) : engine_(seed) {}

std::int64_t SystemRandomSource::uniformInt(std::int64_t low, std::int64_t high) {
    if (high < low) std::swap(low, high);
    return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
}

bool SystemRandomSource::fairBool() {
    return std::uniform_int_distribution<int>(0, 1)(engine_) == 1;
}

std::size_t SystemRandomSource::uniformIndex(std::size_t count) {
    if (count == 0) return 0;
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_);
}

RandomSource& defaultRandomSource() {
    return gInstalled != nullptr ? *gInstalled : systemSource();
}

RandomSource* setDefaultRandomSource(RandomSource* source) {
    RandomSource* previous = &defaultRandomSource();
    gInstalled = source;
    return previous;
}

}  // namespace duolinear
