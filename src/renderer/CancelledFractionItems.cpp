#include "renderer/CancelledFractionItems.h"

#include <algorithm>
#include <optional>
#include <string>

#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/NumberCells.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

// Where one kind keeps its values and colours (positions after the key; 0
// for a part the kind does not have).
struct CancelKind {
    std::string_view name;
    std::size_t values;
    std::size_t colors;
    std::size_t newNumerator;  // value and colour position of N'
    std::size_t newDenominator;
    std::size_t numeratorStroke;  // colour positions
    std::size_t denominatorStroke;
};

constexpr CancelKind kCancelKinds[] = {
    {"fraction_cancel_numerator_and_denominator", 4, 6, 3, 4, 5, 6},
    {"fraction_cancel_numerator", 3, 4, 3, 0, 4, 0},
    {"fraction_cancel_denominator", 3, 4, 0, 3, 0, 4},
};

constexpr double kStrokeShare = 0.67;  // of halfBarSpace

const CancelKind* cancelKind(std::string_view kind) {
    for (const CancelKind& candidate : kCancelKinds) {
        if (candidate.name == kind) return &candidate;
    }
    return nullptr;
}

const CancelKind* completeKind(const LayoutFrame& frame) {
    const CancelKind* kind = cancelKind(frame.kind());
    if (kind == nullptr) return nullptr;
    const TagRow* kindRow = frame.row(0);
    const TagRow* colorRow = frame.row(1);
    if (kindRow == nullptr || colorRow == nullptr) return nullptr;
    if (kindRow->size() <= kind->values || colorRow->size() <= kind->colors) return nullptr;
    return kind;
}

double widthOf(const std::string& text, const gfx::TextAttributes& attributes) {
    return gfx::measureText(text, attributes).width;
}

// The fraction's place: the sign's width before it, and its own width.
struct FractionPlace {
    double sign = 0.0;
    double width = 0.0;
};

FractionPlace fractionPlace(const LayoutFrame& frame) {
    static const std::string minus = "-";
    std::string numerator = frame.entry(0, 1);
    FractionPlace place;
    if (numerator.starts_with(minus)) {
        place.sign = widthOf(minus, frame.wholeAttributes);
        numerator.erase(0, 1);
    }
    place.width =
        std::max(widthOf(numerator, frame.fractionAttributes), widthOf(frame.entry(0, 2), frame.fractionAttributes));
    return place;
}

}  // namespace

bool isCancelledFractionKind(std::string_view kind) {
    return cancelKind(kind) != nullptr;
}

LayoutSize measureCancelledFraction(const LayoutFrame& frame) {
    const CancelKind* kind = completeKind(frame);
    if (kind == nullptr) return {};
    const Metric& m = frame.metric;
    const FractionPlace place = fractionPlace(frame);
    const double band = m.fracCapHeight + m.barSpace;
    double height = 2.0 * m.fracCapHeight + m.barSpace;
    double ascent = m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace;
    if (kind->newNumerator != 0) {
        height += band;
        ascent += band;
    }
    if (kind->newDenominator != 0) height += band;
    return {place.sign + place.width, height, ascent};
}

void drawCancelledFraction(const LayoutFrame& frame, double x, double y) {
    const CancelKind* kind = completeKind(frame);
    if (kind == nullptr) return;
    const Metric& m = frame.metric;
    const gfx::TextAttributes& whole = frame.wholeAttributes;
    const gfx::TextAttributes& fraction = frame.fractionAttributes;
    const FractionPlace place = fractionPlace(frame);
    const double left = x + place.sign;
    const double w = place.width;

    drawFractionCell(frame.entry(0, 1), frame.entry(0, 2), frame.entry(1, 1), frame.entry(1, 2), fraction, whole, m, {},
                     x, y);

    const double above = m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace + m.barSpace;
    const double below = m.fracHeight - above + m.fracCapHeight + 2.0 * m.barSpace;
    if (kind->newNumerator != 0) {
        const std::string& text = frame.entry(0, kind->newNumerator);
        drawCancelMark(text, frame.entry(1, kind->newNumerator), fraction, whole, m,
                       left + 0.5 * (w - widthOf(text, fraction)), y - above);
    }
    if (kind->newDenominator != 0) {
        const std::string& text = frame.entry(0, kind->newDenominator);
        drawCancelMark(text, frame.entry(1, kind->newDenominator), fraction, whole, m,
                       left + 0.5 * (w - widthOf(text, fraction)), y + below);
    }

    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    const double stroke = kStrokeShare * m.halfBarSpace;
    if (kind->numeratorStroke != 0) {
        const double base = y - (m.wholeHalfXHeight + m.halfBarSpace);
        drawLine(*context, cgColor(layoutColor(frame.entry(1, kind->numeratorStroke))), {left, base},
                 {left + w, base - m.fracCapHeight}, stroke);
    }
    if (kind->denominatorStroke != 0) {
        const double top = y + (m.halfBarSpace - m.wholeHalfXHeight);
        drawLine(*context, cgColor(layoutColor(frame.entry(1, kind->denominatorStroke))), {left, top + m.fracCapHeight},
                 {left + w, top}, stroke);
    }
}

}  // namespace duolinear
