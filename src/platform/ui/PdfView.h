#pragma once
// Shows a PDF document one page at a time, on white, scaled to fit the view
// when it auto-scales (else at its own size), centred. The pages turn by a
// swipe, the arrow keys or the mouse wheel, and goToPage jumps. The display
// direction says which way the pages run: a horizontal run turns to the next
// page on a swipe to the left, a vertical one on a swipe upwards. The arrow
// keys and the wheel turn pages either way (right, down: next; left, up: back).

#include <memory>
#include <optional>

#include "platform/ui/PdfDocument.h"
#include "platform/ui/View.h"

namespace ui {

enum class PdfDisplayDirection { vertical = 0, horizontal = 1 };

class PdfView : public View {
public:
    PdfView() = default;

    const std::shared_ptr<PdfDocument>& document() const { return document_; }
    // Shows the first page of the new document.
    void setDocument(std::shared_ptr<PdfDocument> document);

    bool autoScales() const { return autoScales_; }
    void setAutoScales(bool autoScales);
    PdfDisplayDirection displayDirection() const { return direction_; }
    void setDisplayDirection(PdfDisplayDirection direction) { direction_ = direction; }

    // The page shown; none without a document or with an empty one.
    std::optional<PdfPage> currentPage() const;
    // Shows a page of this view's document (pages of others are ignored).
    void goToPage(const PdfPage& page);
    bool goToNextPage();
    bool goToPreviousPage();

    // Where the page stands in the view and by how much it is scaled.
    gfx::Rect pageRect() const;

    void draw(gfx::Rect rect) override;
    void touchesBegan(const std::vector<Touch>& touches) override;
    void touchesEnded(const std::vector<Touch>& touches) override;
    bool keyDown(Key key) override;
    bool scrollWheel(double dx, double dy) override;

private:
    bool showPage(int index);

    std::shared_ptr<PdfDocument> document_;
    int pageIndex_ = 0;
    bool autoScales_ = false;
    PdfDisplayDirection direction_ = PdfDisplayDirection::vertical;
    std::optional<gfx::Point> swipeStart_;
};

}  // namespace ui
