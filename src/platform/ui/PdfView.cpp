#include "platform/ui/PdfView.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/Context.h"

namespace ui {

namespace {

// A touch that travels this far along the pages' direction is a swipe.
constexpr double swipeDistance = 30.0;

}  // namespace

void PdfView::setDocument(std::shared_ptr<PdfDocument> document) {
    document_ = std::move(document);
    pageIndex_ = 0;
    setNeedsDisplay();
}

void PdfView::setAutoScales(bool autoScales) {
    autoScales_ = autoScales;
    setNeedsDisplay();
}

std::optional<PdfPage> PdfView::currentPage() const {
    if (!document_) return std::nullopt;
    return document_->page(pageIndex_);
}

bool PdfView::showPage(int index) {
    if (!document_ || index < 0 || index >= document_->pageCount() || index == pageIndex_) return false;
    pageIndex_ = index;
    setNeedsDisplay();
    return true;
}

void PdfView::goToPage(const PdfPage& page) {
    if (!document_ || &page.document() != document_.get()) return;
    showPage(page.index());
}

bool PdfView::goToNextPage() {
    return showPage(pageIndex_ + 1);
}

bool PdfView::goToPreviousPage() {
    return showPage(pageIndex_ - 1);
}

gfx::Rect PdfView::pageRect() const {
    const std::optional<PdfPage> page = currentPage();
    if (!page) return {};
    const gfx::Size size = page->size();
    const gfx::Rect area = bounds();
    double scale = 1.0;
    if (autoScales_ && size.width > 0.0 && size.height > 0.0) {
        scale = std::min(area.width() / size.width, area.height() / size.height);
    }
    const double width = size.width * scale;
    const double height = size.height * scale;
    return gfx::Rect::make((area.width() - width) / 2.0, (area.height() - height) / 2.0, width, height);
}

void PdfView::draw(gfx::Rect) {
    gfx::Context* context = gfx::currentContext();
    const std::optional<PdfPage> page = currentPage();
    if (context == nullptr || !page) return;
    const gfx::Rect rect = pageRect();
    const gfx::Size size = page->size();
    if (rect.isEmpty() || size.width <= 0.0) return;
    context->setFillColor(gfx::Color::white());
    context->fillRect(rect);
    context->saveState();
    context->translate(rect.minX(), rect.minY());
    context->scale(rect.width() / size.width, rect.height() / size.height);
    page->draw(*context);
    context->restoreState();
    context->setStrokeColor(gfx::Color::white(0.75, 1.0));
    context->setLineWidth(0.5);
    context->strokeRect(rect);
}

void PdfView::touchesBegan(const std::vector<Touch>& touches) {
    swipeStart_.reset();
    if (!touches.empty()) swipeStart_ = touches.front().location(*this);
}

void PdfView::touchesEnded(const std::vector<Touch>& touches) {
    if (!swipeStart_ || touches.empty()) return;
    const gfx::Point end = touches.front().location(*this);
    const double along =
        direction_ == PdfDisplayDirection::horizontal ? end.x - swipeStart_->x : end.y - swipeStart_->y;
    swipeStart_.reset();
    // Swiping towards the start of the run brings the next page in.
    if (along <= -swipeDistance) goToNextPage();
    if (along >= swipeDistance) goToPreviousPage();
}

bool PdfView::keyDown(Key key) {
    if (!document_) return false;
    switch (key) {
        case Key::right:
        case Key::down:
            goToNextPage();
            return true;
        case Key::left:
        case Key::up:
            goToPreviousPage();
            return true;
    }
    return false;
}

bool PdfView::scrollWheel(double dx, double dy) {
    if (!document_) return false;
    // Wheel down or right: onwards. dy > 0 is a turn away from the user (up).
    const double amount = std::abs(dy) >= std::abs(dx) ? -dy : dx;
    if (amount > 0.0) goToNextPage();
    if (amount < 0.0) goToPreviousPage();
    return true;
}

}  // namespace ui
