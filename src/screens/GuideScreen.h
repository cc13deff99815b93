#pragma once
// What the three guide screens share: a PDF guide from the app's resources
// shown one page at a time over the safe area, and one button per chapter in
// the navigation bar that jumps to the chapter's first page. The pages run
// sideways on a phone ("iPhone") and downwards on other devices.
//
// A guide missing from the resources leaves the screen bare (no PDF view, no
// buttons); a file that is not a readable PDF (empty, corrupt, cut short, or
// without pages) gives an empty PDF view whose buttons do nothing. Either way
// the screen shows the line kGuideUnavailableText and says on stderr which
// file and why. A chapter page the document lacks makes its button do
// nothing.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Bundle.h"
#include "platform/ui/Label.h"
#include "platform/ui/PdfView.h"
#include "platform/ui/ViewController.h"

namespace duolinear {

struct GuideChapter {
    std::string title;  // the button's caption and the key it is found by
    int page = 0;       // the zero-based index of the chapter's first page
};

// What the screen shows when its guide cannot be shown.
inline constexpr const char* kGuideUnavailableText = "The guide could not be opened.";

// The action the chapter buttons send to their screen.
inline constexpr const char* kGuideChapterAction = "tapWithSender:";

class DuolinearGuideScreen : public ui::ViewController {
public:
    // The guide's resource name without ".pdf", its chapters in display
    // order, and the resources to look in (none: the app's own).
    DuolinearGuideScreen(std::string pdfName, std::vector<GuideChapter> titlesAndPages,
                         std::optional<ui::Bundle> bundle = std::nullopt);

    const std::string& pdfName() const { return pdfName_; }
    const std::vector<GuideChapter>& titlesAndPages() const { return titlesAndPages_; }
    // None until the view has loaded; always there after.
    const std::shared_ptr<ui::PdfView>& pdfView() const { return pdfView_; }
    // The line saying the guide could not be opened; none while the guide shows.
    const std::shared_ptr<ui::Label>& unavailableNotice() const { return unavailableNotice_; }

    // A chapter button: shows the page of the first chapter whose title
    // equals the sender's exactly; nothing when none does, or when the
    // document has no such page.
    void tap(ui::Object* sender);
    bool handleAction(const std::string& action, ui::Object* sender) override;

protected:
    void viewDidLoad() override;

private:
    void showUnavailableNotice();

    const std::string pdfName_;
    const std::vector<GuideChapter> titlesAndPages_;
    std::shared_ptr<ui::PdfView> pdfView_;
    std::shared_ptr<ui::Label> unavailableNotice_;
    std::optional<ui::Bundle> bundle_;
};

}  // namespace duolinear
