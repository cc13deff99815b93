// The guide screens: the app's guides opened from the start scene with their
// chapter buttons, and stand-in guides for what a screen does with a short,
// unreadable or missing guide.

#include <fstream>
#include <iterator>

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
        std::shared_ptr<ui::Window> window;
        bool tap(const std::string& title) { return host::WindowDriver(*window).tapButton(title).ok; }
    };
    auto show = [&](const std::string& name, double width = 390) {
        const std::vector<GuideChapter> chapters = {{"intro ", 0}, {"method ", 6}, {"technique", 15}};
        Shown shown{std::make_shared<DuolinearGuideScreen>(name, chapters, ui::Bundle(folder.path)),
                    std::make_shared<ui::Window>(gfx::Rect::make(0, 0, width, 844))};
        shown.window->setRootViewController(std::make_shared<ui::NavigationController>(shown.guide));
        return shown;
    };

    ui::Device::current().setModel("iPad");
    Shown ten = show("Ten");
    ui::Device::current().setModel("iPhone");
    EXPECT_EQ(ten.guide->pdfView()->displayDirection(), ui::PdfDisplayDirection::vertical);
    ten.window->layoutIfNeeded();
    EXPECT_EQ(ten.guide->pdfView()->window(), ten.window.get());
    EXPECT_EQ(ten.guide->pdfView()->frameInRoot(), safeAreaInRoot(*ten.guide->view()));
    EXPECT_DOUBLE_EQ(ten.guide->pdfView()->pageRect().width(), 390);  // the page is scaled to fill the width
    ASSERT_TRUE(ten.tap("method "));
    EXPECT_EQ(shownPage(*ten.guide), 6);
    ASSERT_TRUE(ten.tap("technique"));  // a page the guide lacks
    EXPECT_EQ(shownPage(*ten.guide), 6);
    ui::BarButtonItem blankless("intro", ten.guide.get(), kGuideChapterAction);
    // Reported as handled, so that it goes no further along the responder chain;
    // other actions go on.
    EXPECT_TRUE(ten.guide->handleAction(kGuideChapterAction, &blankless));
    EXPECT_FALSE(ten.guide->handleAction("somethingElse:", &blankless));
    // Senders that are no titled bar item are ignored.
    ui::BarButtonItem untitled(std::nullopt, ten.guide.get(), kGuideChapterAction);
    for (ui::Object* sender : {static_cast<ui::Object*>(nullptr), static_cast<ui::Object*>(&untitled),
                               static_cast<ui::Object*>(ten.guide->pdfView().get())}) {
        EXPECT_TRUE(ten.guide->handleAction(kGuideChapterAction, sender));
    }
    EXPECT_EQ(shownPage(*ten.guide), 6);

    EXPECT_EQ(ten.guide->unavailableNotice(), nullptr);

    // Guides that cannot be shown say so on the screen, and on stderr why.
    std::ofstream(folder.path / "Empty.pdf");
    std::ofstream(folder.path / "Pageless.pdf")
        << "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n2 0 obj\n<< /Type /Pages /Kids [] /Count 0 "
           ">>\nendobj\nxref\n0 3\n0000000000 65535 f \n0000000009 00000 n \n0000000058 00000 n \ntrailer\n<< "
           "/Size 3 /Root 1 0 R >>\nstartxref\n110\n%%EOF\n";
    {
        std::ifstream whole(folder.path / "Ten.pdf", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(whole), std::istreambuf_iterator<char>()};
        std::ofstream(folder.path / "Cut.pdf", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    for (const char* name : {"Broken", "Empty", "Pageless", "Cut", "Absent"}) {
        // On a narrow screen the notice shrinks to fit.
        const double width = std::string(name) == "Cut" ? 200 : 390;
        ::testing::internal::CaptureStderr();
        Shown shown = show(name, width);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(std::string(name) + ".pdf"), std::string::npos) << said;
        shown.window->layoutIfNeeded();
        const auto& notice = shown.guide->unavailableNotice();
        ASSERT_NE(notice, nullptr) << name;
        EXPECT_EQ(notice->text(), kGuideUnavailableText);
        EXPECT_EQ(notice->textAlignment(), ui::TextAlignment::center);
        EXPECT_EQ(notice->window(), shown.window.get()) << name;
        // 20 points inside the part no bar covers, at its top.
        const gfx::Rect frame = notice->frameInRoot();
        const gfx::Rect room = ui::EdgeInsets{20, 20, 0, 20}.inset(safeAreaInRoot(*shown.guide->view()));
        EXPECT_DOUBLE_EQ(frame.minX(), room.minX()) << name;
        EXPECT_DOUBLE_EQ(frame.maxX(), room.maxX()) << name;
        EXPECT_DOUBLE_EQ(frame.minY(), room.minY()) << name;
        EXPECT_TRUE(frame.height() > 0 && frame.maxY() <= 844) << name;
        EXPECT_EQ(notice->fontScale() < 1.0, width < 390) << name;
        EXPECT_EQ(shownPage(*shown.guide), -1);
        EXPECT_EQ(shown.guide->pdfView()->document(), nullptr) << name;
        if (std::string(name) == "Absent") {
            EXPECT_EQ(shown.guide->pdfView()->superview(), nullptr);
            EXPECT_TRUE(shown.guide->navigationItem().rightBarButtonItems().empty());
        } else {
            EXPECT_TRUE(shown.tap("method "));
            EXPECT_EQ(shownPage(*shown.guide), -1);
        }
    }
}

}  // namespace
}  // namespace duolinear::screen_tests
