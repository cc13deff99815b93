// TagRow against std::vector<std::string>: the same random edits applied to
// both, from a fixed seed, must leave the same texts, across the switch from
// the texts held inside the row to the heap and back through copies and moves,
// and when a row's own texts are inserted into it or set in it.

#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "layout/TagRow.h"

namespace duolinear {
namespace {

using Texts = std::vector<std::string>;

// Read through iterators, at(), front() and back().
bool same(const TagRow& row, const Texts& texts) {
    if (Texts(row.begin(), row.end()) != texts || row.size() != texts.size()) return false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (row.at(i) != texts[i]) return false;
    }
    return texts.empty() || (row.front() == texts.front() && row.back() == texts.back());
}

TEST(TagRow, EditsMatchAVectorOfTexts) {
    std::mt19937 engine{20250107};
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine); };
    // Texts of every length class a row copies differently (0, 1-3, 4-7,
    // 8-16 bytes and longer), few enough to stay inside the row or too long.
    const std::string words[] = {"",
                                 "+",
                                 "12",
                                 "abc",
                                 "join",
                                 "message",
                                 "message_color",
                                 "signed_rational_color",
                                 "a long text of many letters"};
    const auto word = [&] { return words[below(std::size(words))]; };

    for (int round = 0; round < 300; ++round) {
        TagRow row;
        Texts want;
        for (int edit = 0; edit < 40; ++edit) {
            const std::size_t at = want.empty() ? 0 : below(want.size() + 1);
            switch (below(9)) {
                case 0: {
                    const std::string text = word();
                    row.push_back(text);
                    want.push_back(text);
                    break;
                }
                case 1:
                    if (!want.empty()) {
                        row.pop_back();
                        want.pop_back();
                    }
                    break;
                case 2: {
                    const Texts added(below(5), word());
                    row.insert(static_cast<std::ptrdiff_t>(at) + row.begin(), added.begin(), added.end());
                    want.insert(want.begin() + at, added.begin(), added.end());
                    break;
                }
                case 3:
                    if (!want.empty()) {
                        // Texts of the row itself, inserted into it.
                        const std::size_t from = below(want.size());
                        const Texts copied(want.begin() + from, want.end());
                        row.insert(row.begin() + at, row.begin() + from, row.end());
                        want.insert(want.begin() + at, copied.begin(), copied.end());
                    }
                    break;
                case 4: {
                    // Empty ranges too; the end is counted back from the row's end.
                    const std::size_t end = at + below(want.size() - at + 1);
                    row.erase(row.begin() + at, row.end() - static_cast<std::ptrdiff_t>(want.size() - end));
                    want.erase(want.begin() + at, want.begin() + end);
                    break;
                }
                case 5: {
                    // Padded with empty texts, a new text or one of the row's own.
                    const std::size_t size = below(8);
                    const std::size_t from = want.empty() ? 0 : below(want.size());
                    switch (want.empty() ? 0 : below(3)) {
                        case 0:
                            row.resize(size);
                            want.resize(size);
                            break;
                        case 1: {
                            const std::string text = word();
                            row.resize(size, text);
                            want.resize(size, text);
                            break;
                        }
                        default: {
                            const std::string text = want[from];
                            row.resize(size, row[from]);
                            want.resize(size, text);
                        }
                    }
                    break;
                }
                case 6: {
                    TagRow copy = row;
                    row = std::move(copy);
                    break;
                }
                case 7: {
                    TagRow moved(std::move(row));
                    EXPECT_TRUE(row.empty());
                    row.push_back("reused");  // a moved-from row takes texts as a new one does
                    EXPECT_TRUE(same(row, Texts{"reused"}));
                    row = moved;
                    break;
                }
                case 8:
                    if (!want.empty()) {
                        // A new text, or one of the row's own, which may move as the row changes.
                        const std::size_t from = below(want.size());
                        const bool own = below(2) == 0;
                        const std::string text = own ? want[from] : word();
                        if (own) {
                            row.set(at % want.size(), row[from]);
                        } else {
                            row.set(at % want.size(), text);
                        }
                        want[at % want.size()] = text;
                    }
                    break;
            }
            ASSERT_TRUE(same(row, want)) << "round " << round << ", edit " << edit;
        }
        TagRow other{"x", word(), word(), word(), "y"};
        Texts otherWant(other.begin(), other.end());
        swap(row, other);
        EXPECT_TRUE(same(row, otherWant));
        EXPECT_TRUE(same(other, want));
        EXPECT_EQ(row == other, otherWant == want);
        EXPECT_EQ(row < other, otherWant < want);
    }
}

// The layout writers append keys of a size known at compile time through
// emplace_fixed, which skips the general copy: it must grow the row as
// push_back does when the texts or the bytes held inside the row run out.
TEST(TagRow, FixedSizeAppendsGrowPastTheInlineRoom) {
    for (std::size_t texts = 0; texts <= 8; ++texts) {
        for (std::size_t length : {std::size_t{1}, std::size_t{9}, std::size_t{23}}) {
            TagRow row;
            Texts want;
            for (std::size_t i = 0; i < texts; ++i) {
                const std::string text(length, static_cast<char>('a' + i));
                row.push_back(text);
                want.push_back(text);
            }
            row.emplace_fixed<5>("start");
            row.emplace_fixed<1>("1");
            want.insert(want.end(), {"start", "1"});
            EXPECT_TRUE(same(row, want)) << texts << " texts of " << length << " bytes";
        }
    }
}

TEST(TagRow, BuildsLikeAVectorOfTexts) {
    EXPECT_THROW((void)TagRow(2).at(2), std::out_of_range);
    EXPECT_TRUE(same(TagRow{}, {}));
    EXPECT_TRUE(same(TagRow(3), Texts(3)));
    EXPECT_TRUE(same(TagRow(6, "black"), Texts(6, "black")));
    EXPECT_TRUE(same(TagRow{"join_locator", "1", "4"}, Texts{"join_locator", "1", "4"}));
    const Texts texts{"a", "b", "c", "d", "e"};
    EXPECT_TRUE(same(TagRow(texts.begin(), texts.end()), texts));
    TagRow row{"a"};
    row = {"b", "c"};
    EXPECT_TRUE(same(row, {"b", "c"}));
}

}  // namespace
}  // namespace duolinear
