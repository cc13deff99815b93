#pragma once
// One page of a PDF document: its index, its size in points, and drawing it.

#include <memory>

#include "platform/gfx/Geometry.h"

namespace gfx {
class Context;
}

namespace ui {

class PdfDocument;

class PdfPage {
public:
    PdfPage(std::shared_ptr<const PdfDocument> document, int index) : document_(std::move(document)), index_(index) {}

    const PdfDocument& document() const { return *document_; }
    int index() const { return index_; }
    gfx::Size size() const;

    // Draws the page with its top-left corner at the origin, one point per unit.
    void draw(gfx::Context& context) const;

private:
    std::shared_ptr<const PdfDocument> document_;
    int index_ = 0;
};

}  // namespace ui
