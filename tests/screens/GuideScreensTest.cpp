// The guide screens: the app's guides opened from the start scene with their
// chapter buttons, and stand-in guides for what a screen does with a short,
// unreadable or missing guide.

#include <fstream>

#include <cairo-pdf.h>

#include "ScreenTestSupport.h"
#include "platform/host/WindowDriver.h"
#include "platform/ui/NavigationBar.h"
#include "screens/GuideScreen.h"

namespace duolinear::screen_tests {
namespace {

int shownPage(DuolinearGuideScreen& guide) {
    const auto page = guide.pdfView()->currentPage();
    return page ? page->index() : -1;
}

TEST(GuideScreens, ChapterButtonsOfTheAppsGuidesJumpToTheirPages) {
    const std::pair<std::string, std::vector<GuideChapter>> guides[] = {
        {"Addition", {{"intro ", 0}, {"method ", 6}, {"technique", 15}}},
        {"Elimination", {{"intro ", 0}, {"method ", 6}, {"technique", 16}}},
        {"Substitution", {{"intro ", 0}, {"technique", 8}}},
    };
    for (const auto& [menu, chapters] : guides) {
        const std::string pdf = "Duolinear_Equations_" + menu + "_Guide";
        if (!ui::Bundle::main().urlForResource(pdf, "pdf")) {
            GTEST_SKIP() << pdf << ".pdf is not in " << ui::Bundle::main().resourcePath() << ": build `guides` first";
        }
        TempFolder folder;
        RunningApp app(folder.preferences());
        ASSERT_TRUE(app.tap({menu, "Guide"}));
        auto* guide = app.top<DuolinearGuideScreen>();
        ASSERT_NE(guide, nullptr);
        EXPECT_EQ(guide->pdfView()->displayDirection(), ui::PdfDisplayDirection::horizontal);
        EXPECT_EQ(shownPage(*guide), 0);
        // The buttons read in chapter order from left to right.
        app.window().layoutIfNeeded();
        const auto& buttons = app.navigation().navigationBar()->itemButtons();
        ASSERT_EQ(buttons.size(), chapters.size());
        for (std::size_t i = 0; i < chapters.size(); ++i) {
            const ui::Button& button = *buttons[chapters.size() - 1 - i];
            EXPECT_EQ(button.currentTitle(), chapters[i].title);
            if (i > 0) {
                EXPECT_LT(buttons[chapters.size() - i]->frameInRoot().minX(), button.frameInRoot().minX());
            }
        }
        for (auto chapter = chapters.rbegin(); chapter != chapters.rend(); ++chapter) {
            ASSERT_TRUE(app.tap({chapter->title}));
            EXPECT_EQ(shownPage(*guide), chapter->page) << menu << " " << chapter->title;
        }
    }
}

TEST(GuideScreens, StandInGuidesShowWhatTheyHold) {
    TempFolder folder;
    cairo_surface_t* pdf = cairo_pdf_surface_create((folder.path / "Ten.pdf").c_str(), 300, 400);
    cairo_t* cr = cairo_create(pdf);
    for (int page = 0; page < 10; ++page) cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(pdf);
    std::ofstream(folder.path / "Broken.pdf") << "not a PDF";

    struct Shown {
        std::shared_ptr<DuolinearGuideScreen> guide;
        std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 390, 844));
        bool tap(const std::string& title) { return host::WindowDriver(*window).tapButton(title).ok; }
    };
    auto show = [&](const std::string& name) {
        const std::vector<GuideChapter> chapters = {{"intro ", 0}, {"method ", 6}, {"technique", 15}};
        Shown shown{std::make_shared<DuolinearGuideScreen>(name, chapters, ui::Bundle(folder.path))};
        shown.window->setRootViewController(std::make_shared<ui::NavigationController>(shown.guide));
        return shown;
    };

    ui::Device::current().setModel("iPad");
    Shown ten = show("Ten");
    ui::Device::current().setModel("iPhone");
    EXPECT_EQ(ten.guide->pdfView()->displayDirection(), ui::PdfDisplayDirection::vertical);
    ASSERT_TRUE(ten.tap("method "));
    EXPECT_EQ(shownPage(*ten.guide), 6);
    ASSERT_TRUE(ten.tap("technique"));  // a page the guide lacks
    EXPECT_EQ(shownPage(*ten.guide), 6);
    ui::BarButtonItem blankless("intro", ten.guide.get(), kGuideChapterAction);
    ten.guide->tap(&blankless);
    EXPECT_EQ(shownPage(*ten.guide), 6);

    Shown broken = show("Broken");
    EXPECT_TRUE(broken.tap("method "));
    EXPECT_EQ(shownPage(*broken.guide), -1);

    ::testing::internal::CaptureStderr();
    Shown missing = show("Absent");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Absent.pdf is not among the resources"),
              std::string::npos);
    EXPECT_EQ(missing.guide->pdfView()->superview(), nullptr);
    EXPECT_TRUE(missing.guide->navigationItem().rightBarButtonItems().empty());
}

}  // namespace
}  // namespace duolinear::screen_tests
