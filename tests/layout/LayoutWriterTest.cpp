// LayoutWriter against the operand builders of TagLayout.h: random trees of
// items, from a fixed seed, written in place and built piece by piece and
// joined, must give the same rows.

#include <random>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "layout/LayoutWriter.h"
#include "support/LayoutDump.h"

namespace duolinear {
namespace {

// One item made both ways.
struct Both {
    TagLayout built;
    LayoutWriter::Item written = 0;
};

class RandomTrees {
public:
    Both make(LayoutWriter& writer, int depth) {
        const Color color = static_cast<Color>(below(13));
        const std::string tag = below(2) == 0 ? defaultLayoutTag() : "t" + std::to_string(below(3));
        const std::string text = kTexts[below(std::size(kTexts))];
        switch (depth > 3 ? below(3) : below(6)) {
            case 0:
                return {messageLayout(text, color, tag), writer.message(text, color, tag)};
            case 1: {
                const long long value = static_cast<long long>(below(2001)) - 1000;
                return {integerLayout(value, color, tag), writer.integer(value, color, tag)};
            }
            case 2: {
                const long long n = static_cast<long long>(below(21)) - 10;
                const long long d = below(4) == 0 ? INT64_MIN : static_cast<long long>(below(21)) - 10;
                return {signedRationalLayout(n, d, color, Color::red, Color::blue, color, tag),
                        writer.signedRational(n, d, color, Color::red, Color::blue, color, tag)};
            }
            case 3: {
                Both left = make(writer, depth + 1);
                Both right = make(writer, depth + 1);
                return {joinLayouts(text, std::move(left.built), std::move(right.built), color, tag),
                        writer.join(text, left.written, right.written, color, tag)};
            }
            case 4: {
                Both child = make(writer, depth + 1);
                return {unaryLayout(text, std::move(child.built), color, tag),
                        writer.unary(text, child.written, color, tag)};
            }
            default: {
                const Font font = static_cast<Font>(below(3));
                Both child = make(writer, depth + 1);
                return {fontLayout(font, std::move(child.built), tag), writer.font(font, child.written, tag)};
            }
        }
    }

private:
    static constexpr const char* kTexts[] = {"", "x", "🖇", "/", "−", "()", "a text longer than fifteen letters"};

    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_); }

    std::mt19937 engine_{20250107};
};

TEST(LayoutWriter, WritesTheRowsThatTheBuildersJoin) {
    RandomTrees trees;
    for (int round = 0; round < 500; ++round) {
        LayoutWriter writer;
        const Both tree = trees.make(writer, 0);
        const TagLayout written = std::move(writer).finish(tree.written);
        ASSERT_EQ(testing::dump(written), testing::dump(tree.built)) << "round " << round;
    }
}

}  // namespace
}  // namespace duolinear
