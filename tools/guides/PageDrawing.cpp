#include "guides/PageDrawing.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "guides/LineGraph.h"
#include "guides/StepDrawing.h"
#include "guides/TextFlow.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/Text.h"

namespace duolinear::guides {

namespace {

constexpr double kMargin = 22.0;
constexpr double kContentWidth = kPageWidth - 2 * kMargin;
constexpr double kHeadTop = 14.0;
constexpr double kHeadRule = 32.0;
constexpr double kContentTop = 44.0;
constexpr double kContentBottom = kPageHeight - 40.0;
constexpr double kFootTop = kPageHeight - 28.0;
constexpr double kChapterHeadingSpace = 14.0;  // below its rule
constexpr double kLinesIndent = 10.0;
constexpr double kLinesSpaceAfter = 8.0;
constexpr double kStepSpaceAfter = 10.0;
constexpr double kGraphGap = 12.0;
constexpr double kGraphSpaceAfter = 8.0;
// A step frame squeezed below this is unreadable: the page is too full.
constexpr double kSmallestStepFrame = 120.0;

const gfx::Color kRuleColor = gfx::Color::rgba(0.8, 0.82, 0.86);

gfx::TextAttributes headAttributes() {
    return {gfx::Font::system(9.5), gfx::Color::rgba(0.45, 0.45, 0.5)};
}

gfx::TextAttributes chapterAttributes() {
    return {gfx::Font::system(21.0, gfx::FontWeight::bold()), gfx::Color::rgba(0.1, 0.2, 0.45)};
}

double chapterHeadingHeight() {
    return chapterAttributes().font.metrics().lineHeight + 6.0 + kChapterHeadingSpace;
}

// A block's place on the page.
struct Placement {
    double top = 0.0;
    double height = 0.0;  // without the space after
};

struct PageLayout {
    std::vector<Placement> placements;  // one per block
    std::string problem;
};

double linesHeight(const LinesBlock& block) {
    return naturalLinesHeight(block.lines, kContentWidth - kLinesIndent, block.baseSize);
}

double graphCaptionHeight(const GraphBlock& block) {
    double tallest = 0.0;
    const double width = (kContentWidth - kGraphGap * (block.panels.size() - 1)) / block.panels.size();
    for (const GraphPanel& panel : block.panels)
        tallest = std::max(tallest, textBlockHeight({TextStyle::caption, panel.caption, {}}, width));
    return tallest;
}

// The height a block needs (without its space after) and the space after it.
// A step frame says what it would like; it may get less.
std::pair<double, double> blockNeeds(const Block& block) {
    if (const auto* text = std::get_if<TextBlock>(&block)) {
        const double spaceAfter = textLook(text->style).spaceAfter;
        return {textBlockHeight(*text, kContentWidth) - spaceAfter, spaceAfter};
    }
    if (const auto* lines = std::get_if<LinesBlock>(&block)) return {linesHeight(*lines), kLinesSpaceAfter};
    if (const auto* step = std::get_if<StepBlock>(&block))
        return {stepFrameHeight(step->lines, kContentWidth), kStepSpaceAfter};
    const GraphBlock& graph = std::get<GraphBlock>(block);
    return {graph.height + 4.0 + graphCaptionHeight(graph), kGraphSpaceAfter};
}

// The start of a text, cut at a character boundary.
std::string openingWords(const std::string& text) {
    std::size_t end = std::min<std::size_t>(text.size(), 40);
    while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string describe(const Block& block) {
    if (const auto* text = std::get_if<TextBlock>(&block)) return "text \"" + openingWords(text->text) + "\"";
    if (std::holds_alternative<LinesBlock>(block)) return "equation lines";
    if (const auto* step = std::get_if<StepBlock>(&block))
        return "step \"" + (step->comments.empty() ? std::string() : step->comments.front()) + "\"";
    return "graphs";
}

PageLayout layoutPage(const Page& page, const PageFrame& frame) {
    PageLayout layout;
    const double top = kContentTop + (frame.startsChapter ? chapterHeadingHeight() : 0.0);
    const double available = kContentBottom - top;

    // Everything but the step frames takes what it needs; the step frames share
    // the rest, each at most what it would like.
    double fixed = 0.0;
    double wanted = 0.0;
    std::vector<std::pair<double, double>> needs;
    for (const Block& block : page.blocks) {
        needs.push_back(blockNeeds(block));
        fixed += needs.back().second;
        if (std::holds_alternative<StepBlock>(block))
            wanted += needs.back().first;
        else
            fixed += needs.back().first;
        if (const auto* text = std::get_if<TextBlock>(&block); text && !textBlockFits(*text, kContentWidth))
            layout.problem = "a word too wide in " + describe(block);
    }
    const double room = available - fixed;
    const double share = wanted > 0.0 ? std::min(1.0, room / wanted) : 1.0;
    double cursor = top;
    for (std::size_t i = 0; i < page.blocks.size(); ++i) {
        double height = needs[i].first;
        if (std::holds_alternative<StepBlock>(page.blocks[i])) {
            height *= share;
            if (share < 1.0 && height < kSmallestStepFrame && layout.problem.empty())
                layout.problem = "no room for " + describe(page.blocks[i]);
        }
        layout.placements.push_back({cursor, height});
        cursor += height + needs[i].second;
    }
    if (room < 0.0 && layout.problem.empty())
        layout.problem = "the blocks need " + std::to_string(static_cast<int>(fixed - available)) +
                         " points more than the page has (first block: " +
                         (page.blocks.empty() ? std::string("none") : describe(page.blocks.front())) + ")";
    return layout;
}

void drawRule(gfx::Context& context, double y, double x0, double x1) {
    context.addRect(gfx::Rect::make(x0, y, x1 - x0, 0.6));
    context.setFillColor(kRuleColor);
    context.fillPath();
}

void drawHeadAndFoot(gfx::Context& context, const PageFrame& frame) {
    const gfx::TextAttributes head = headAttributes();
    gfx::drawText(frame.guideTitle, {kMargin, kHeadTop}, head);
    const double chapterWidth = gfx::measureText(frame.chapterTitle, head).width;
    gfx::drawText(frame.chapterTitle, {kPageWidth - kMargin - chapterWidth, kHeadTop}, head);
    drawRule(context, kHeadRule, kMargin, kPageWidth - kMargin);

    const std::string number = "page " + std::to_string(frame.pageNumber) + " of " + std::to_string(frame.pageCount);
    const double numberWidth = gfx::measureText(number, head).width;
    gfx::drawText(number, {(kPageWidth - numberWidth) * 0.5, kFootTop}, head);
}

void drawChapterHeading(gfx::Context& context, const PageFrame& frame) {
    const gfx::TextAttributes attributes = chapterAttributes();
    gfx::drawText(chapterHeading(frame.chapterNumber, frame.chapterTitle), {kMargin, kContentTop}, attributes);
    const double ruleY = kContentTop + attributes.font.metrics().lineHeight + 4.0;
    context.addRect(gfx::Rect::make(kMargin, ruleY, 60.0, 2.0));
    context.setFillColor(attributes.foreground);
    context.fillPath();
}

void drawGraphs(const GraphBlock& block, double top) {
    const std::size_t count = block.panels.size();
    const double width = (kContentWidth - kGraphGap * (count - 1)) / count;
    for (std::size_t i = 0; i < count; ++i) {
        const double left = kMargin + i * (width + kGraphGap);
        drawLineGraph(block.panels[i], gfx::Rect::make(left, top, width, block.height));
        drawTextBlock({TextStyle::caption, block.panels[i].caption, {}}, left, top + block.height + 4.0, width);
    }
}

}  // namespace

std::string chapterHeading(int chapterNumber, const std::string& title) {
    return "Chapter " + std::to_string(chapterNumber) + ": " + title;
}

std::string checkPage(const Page& page, const PageFrame& frame) {
    return layoutPage(page, frame).problem;
}

void drawPage(const Page& page, const PageFrame& frame) {
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    context->setFillColor(gfx::Color::white());
    context->fillRect(gfx::Rect::make(0, 0, kPageWidth, kPageHeight));
    drawHeadAndFoot(*context, frame);
    if (frame.startsChapter) drawChapterHeading(*context, frame);

    const PageLayout layout = layoutPage(page, frame);
    for (std::size_t i = 0; i < page.blocks.size(); ++i) {
        const Block& block = page.blocks[i];
        const Placement& at = layout.placements[i];
        if (const auto* text = std::get_if<TextBlock>(&block)) {
            drawTextBlock(*text, kMargin, at.top, kContentWidth);
        } else if (const auto* lines = std::get_if<LinesBlock>(&block)) {
            drawFittedLines(lines->lines,
                            gfx::Rect::make(kMargin + kLinesIndent, at.top, kContentWidth - kLinesIndent, at.height),
                            lines->baseSize);
        } else if (const auto* step = std::get_if<StepBlock>(&block)) {
            drawStepFrame(step->lines, step->comments, gfx::Rect::make(kMargin, at.top, kContentWidth, at.height));
        } else if (const auto* graph = std::get_if<GraphBlock>(&block)) {
            drawGraphs(*graph, at.top);
        }
    }
}

}  // namespace duolinear::guides
