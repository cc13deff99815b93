#include "screens/GuideScreen.h"

#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Device.h"
#include "platform/ui/LayoutGuide.h"
#include "platform/ui/PdfDocument.h"
#include "platform/ui/View.h"
#include "platform/ui/Warnings.h"

namespace duolinear {

DuolinearGuideScreen::DuolinearGuideScreen(std::string pdfName, std::vector<GuideChapter> titlesAndPages,
                                           std::optional<ui::Bundle> bundle)
    : pdfName_(std::move(pdfName)), titlesAndPages_(std::move(titlesAndPages)), bundle_(std::move(bundle)) {}

void DuolinearGuideScreen::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    pdfView_ = std::make_shared<ui::PdfView>();
    pdfView_->setTranslatesAutoresizingMaskIntoConstraints(false);
    pdfView_->setAutoScales(true);
    pdfView_->setBackgroundColor(gfx::Color::clear());
    pdfView_->setDisplayDirection(ui::Device::current().model() == "iPhone" ? ui::PdfDisplayDirection::horizontal
                                                                            : ui::PdfDisplayDirection::vertical);

    const ui::Bundle& bundle = bundle_ ? *bundle_ : ui::Bundle::main();
    const std::optional<std::filesystem::path> file = bundle.urlForResource(pdfName_, "pdf");
    if (!file) {
        // Tell the learner, and whoever runs the app why.
        ui::warn("the guide " + pdfName_ + ".pdf is not among the resources");
        showUnavailableNotice();
        return;
    }
    std::string problem;
    std::shared_ptr<ui::PdfDocument> document = ui::PdfDocument::open(*file, problem);
    if (document && document->pageCount() == 0) problem = "it has no pages";
    if (document && problem.empty()) pdfView_->setDocument(document);

    ui::View& root = *view();
    root.addSubview(pdfView_);
    const ui::LayoutGuide guide = root.safeAreaLayoutGuide();
    pdfView_->leadingAnchor().constraintEqualTo(guide.leadingAnchor()).activate();
    pdfView_->trailingAnchor().constraintEqualTo(guide.trailingAnchor()).activate();
    pdfView_->topAnchor().constraintEqualTo(guide.topAnchor()).activate();
    pdfView_->bottomAnchor().constraintEqualTo(guide.bottomAnchor()).activate();

    // The first right item stands at the right edge: handing the buttons over
    // in reverse makes them read in chapter order from left to right.
    std::vector<std::shared_ptr<ui::BarButtonItem>> items;
    for (auto chapter = titlesAndPages_.rbegin(); chapter != titlesAndPages_.rend(); ++chapter) {
        items.push_back(std::make_shared<ui::BarButtonItem>(chapter->title, this, kGuideChapterAction));
    }
    navigationItem().setRightBarButtonItems(std::move(items));

    if (!problem.empty()) {
        ui::warn("the guide " + file->string() + " cannot be opened: " + problem);
        showUnavailableNotice();
    }
}

void DuolinearGuideScreen::showUnavailableNotice() {
    constexpr double kMargin = 20.0;
    unavailableNotice_ = std::make_shared<ui::Label>();
    unavailableNotice_->setText(kGuideUnavailableText);
    unavailableNotice_->setTextAlignment(ui::TextAlignment::center);
    unavailableNotice_->setAdjustsFontSizeToFitWidth(true);
    unavailableNotice_->setTranslatesAutoresizingMaskIntoConstraints(false);
    ui::View& root = *view();
    root.addSubview(unavailableNotice_);
    const ui::LayoutGuide guide = root.safeAreaLayoutGuide();
    unavailableNotice_->leadingAnchor().constraintEqualTo(guide.leadingAnchor(), kMargin).activate();
    unavailableNotice_->trailingAnchor().constraintEqualTo(guide.trailingAnchor(), -kMargin).activate();
    unavailableNotice_->topAnchor().constraintEqualTo(guide.topAnchor(), kMargin).activate();
}

void DuolinearGuideScreen::tap(ui::Object* sender) {
    const auto* item = dynamic_cast<const ui::BarButtonItem*>(sender);
    if (item == nullptr || !item->title()) return;
    for (const GuideChapter& chapter : titlesAndPages_) {
        if (chapter.title != *item->title()) continue;
        if (pdfView_ && pdfView_->document()) {
            if (const std::optional<ui::PdfPage> page = pdfView_->document()->page(chapter.page)) {
                pdfView_->goToPage(*page);
            }
        }
        return;
    }
}

bool DuolinearGuideScreen::handleAction(const std::string& action, ui::Object* sender) {
    if (action != kGuideChapterAction) return ui::ViewController::handleAction(action, sender);
    tap(sender);
    return true;
}

}  // namespace duolinear
