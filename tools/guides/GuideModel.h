#pragma once
// What a guide is made of, before it is drawn: pages of blocks set one under
// the other, chapters of pages, and guides of chapters.
//
// A chapter may have to start at a fixed page (the guide screens jump there).
// Its pages come in three groups: the front pages, always shown; the back
// pages, always shown and always last; and, between them, optional extras
// (further examples, exercises) taken in order as long as they fit, so that
// the next chapter starts exactly where it must.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear::guides {

enum class TextStyle {
    subheading,  // a section title
    body,        // running text
    item,        // a list item with a label (bullet or number) in a hanging indent
    note,        // small grey text: where a drawing comes from, an aside
    caption,     // small grey text, centred
};

struct TextBlock {
    TextStyle style = TextStyle::body;
    std::string text;   // a line break starts a new line
    std::string label;  // the bullet or number of an item
};

// Lines of layouts (equations, messages) drawn by the step renderer in a band
// of the page, without a frame.
struct LinesBlock {
    StepLines lines;
    double baseSize = 24.0;  // the size every line starts at before fitting
};

// One step of a worked solution framed like the step screen: its comment lines
// centred at the top, its lines fitted below. The frame takes the room the
// lines need at full width, or what is left on the page when that is less.
struct StepBlock {
    StepLines lines;
    std::vector<std::string> comments;
};

// The two lines of a system a1·x + b1·y = c1, a2·x + b2·y = c2 on a small grid,
// the first red and the second blue, with a caption under it.
struct GraphPanel {
    long long a1 = 0, b1 = 0, c1 = 0;
    long long a2 = 0, b2 = 0, c2 = 0;
    std::string caption;
};

struct GraphBlock {
    std::vector<GraphPanel> panels;  // side by side
    double height = 120.0;           // of the grids, captions excluded
};

using Block = std::variant<TextBlock, LinesBlock, StepBlock, GraphBlock>;

struct Page {
    std::vector<Block> blocks;
};

using Pages = std::vector<Page>;

struct Chapter {
    std::string title;             // "Introduction", "The method", "Technique"
    std::optional<int> firstPage;  // zero-based page index the chapter must start at
    Pages front;
    std::vector<Pages> extras;  // each taken whole or not at all
    Pages back;
};

struct Guide {
    std::string fileName;  // without the extension
    std::string title;     // shown at the top of every page
    std::vector<Chapter> chapters;
};

}  // namespace duolinear::guides
