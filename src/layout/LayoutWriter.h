#pragma once
// Writes one layout record row by row in its final order, so that no row is
// moved or re-indexed after it is written. An item is written after its
// children and names them by the index of their kind rows; writing the two
// operands of a join one after the other and then the join gives exactly the
// rows that joinLayouts gives for the two layouts (the same holds for
// unaryLayout and fontLayout with the last item written), so a producer that
// writes its pieces in the order they are joined makes the same record as one
// that builds every piece as a layout of its own and joins them, without the
// copying. finish writes row 0 and hands the record over.

#include <cstddef>
#include <string>
#include <utility>

#include "layout/Enumerations.h"
#include "layout/TagLayout.h"

namespace duolinear {

class LayoutWriter {
public:
    // The index of an item's kind row.
    using Item = long long;

    // Room for about `rows` rows besides row 0.
    explicit LayoutWriter(std::size_t rows = 0);

    Item message(const std::string& text, Color color = Color::black, const std::string& tag = defaultLayoutTag());
    // The same taking over a text made for it (a long one is then not copied).
    Item message(std::string&& text, Color color = Color::black, const std::string& tag = defaultLayoutTag());
    Item integer(long long value, Color color = Color::black, const std::string& tag = defaultLayoutTag());
    Item signedRational(long long numerator, long long denominator, Color signColor, Color numeratorColor,
                        Color denominatorColor, Color barColor, const std::string& tag = defaultLayoutTag());
    Item join(const std::string& text, Item left, Item right, Color color = Color::black,
              const std::string& tag = defaultLayoutTag());
    Item unary(const std::string& text, Item child, Color color = Color::black,
               const std::string& tag = defaultLayoutTag());
    Item font(Font font, Item child, const std::string& tag = defaultLayoutTag());

    // The rows written so far, row 0 included; a written row may be edited.
    std::size_t rowCount() const { return layout_.size(); }
    TagRow& row(std::size_t index) { return layout_[index]; }

    // The record with root as its root item.
    TagLayout finish(Item root) &&;

private:
    TagLayout layout_;
};

}  // namespace duolinear
