#include "layout_extensions/RotatedText.h"

#include <cairo.h>

#include "platform/gfx/Context.h"

namespace duolinear {

void drawRotatedText(const std::string& text, const gfx::TextAttributes& attributes, double x, double y, double angle) {
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    const double height = gfx::measureText(text, attributes).height;
    // Undoing the turn and the shift by their inverses could leave rounding
    // behind; the transform is put back exactly as it was.
    cairo_matrix_t before;
    cairo_get_matrix(context->cairo(), &before);
    context->translate(x, y);
    context->rotate(angle);
    gfx::drawText(*context, text, {0.0, -0.5 * height}, attributes);
    cairo_set_matrix(context->cairo(), &before);
}

}  // namespace duolinear
