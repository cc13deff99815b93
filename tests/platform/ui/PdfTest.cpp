// Resources and PDF guides: finding a file among the resources, and a PDF of
// several pages opened, shown and paged through.

#include <filesystem>
#include <fstream>

#include <cairo-pdf.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/PdfView.h"
#include "platform/ui/Warnings.h"
#include "platform/ui/Window.h"
#include "support/Pixels.h"
#include "support/ScopedVariable.h"
#include "support/TestOutput.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

// A PDF of `pages` A5 pages, each with a big black block whose height grows
// with the page number, so that pages can be told apart.
fs::path makePdf(const fs::path& file, int pages) {
    cairo_surface_t* surface = cairo_pdf_surface_create(file.c_str(), 420, 595);
    cairo_t* cairo = cairo_create(surface);
    for (int page = 0; page < pages; ++page) {
        cairo_set_source_rgb(cairo, 0, 0, 0);
        cairo_rectangle(cairo, 60, 60, 300, 40.0 * (page + 1));
        cairo_fill(cairo);
        cairo_show_page(cairo);
    }
    cairo_destroy(cairo);
    cairo_surface_destroy(surface);
    return file;
}

// The height of the black block drawn on the page shown, in points.
double blockHeight(Window& window) {
    gfx::ImageSurface image(window.bounds().width(), window.bounds().height(), 1.0);
    window.render(image);
    int rows = 0;
    const int x = image.pixelWidth() / 2;
    for (int y = 0; y < image.pixelHeight(); ++y) rows += image.pixel(x, y).r < 0.2;
    return rows;
}

class PdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("duolinear-pdf-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        document_ = PdfDocument::open(makePdf(folder_ / "Guide.pdf", 5));
        ASSERT_TRUE(document_);
        window_ = std::make_shared<Window>(gfx::Rect::make(0, 0, 210, 298));  // half size
        view_ = std::make_shared<PdfView>();
        view_->setFrame(window_->bounds());
        view_->setAutoScales(true);
        view_->setDocument(document_);
        window_->addSubview(view_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    std::shared_ptr<PdfDocument> document_;
    std::shared_ptr<Window> window_;
    std::shared_ptr<PdfView> view_;
};

TEST_F(PdfTest, OpensAndJumpsToPages) {
    EXPECT_EQ(document_->pageCount(), 5);
    EXPECT_FALSE(document_->page(5));
    EXPECT_FALSE(document_->page(-1));
    ASSERT_TRUE(document_->page(4));
    EXPECT_EQ(document_->page(4)->size(), (gfx::Size{420, 595}));

    EXPECT_EQ(view_->currentPage()->index(), 0);
    EXPECT_NEAR(blockHeight(*window_), 20, 1);  // 40 points at half size
    view_->goToPage(*document_->page(3));
    EXPECT_EQ(view_->currentPage()->index(), 3);
    EXPECT_NEAR(blockHeight(*window_), 80, 1);
    // The page fills the view's width at half size: its block spans points 30 to 180.
    gfx::ImageSurface shown(210, 298, 1.0);
    window_->render(shown);
    const auto block = gfx::testing::inkWhere(
        shown, [&](int x, int y) { return shown.pixel(x, y).a > 0.5 && shown.pixel(x, y).r < 0.2; });
    EXPECT_NEAR(block.minX, 30, 1);
    EXPECT_NEAR(block.maxX + 1, 180, 1);

    gfx::ImageSurface image(210, 298, 2.0);
    window_->render(image);
    ASSERT_TRUE(image.writePng(gfx::testing::outputPath("ui-pdf-page4.png")));

    // A page of another document is not this view's to show.
    auto other = PdfDocument::open(folder_ / "Guide.pdf");
    view_->goToPage(*other->page(1));
    EXPECT_EQ(view_->currentPage()->index(), 3);
}

TEST_F(PdfTest, KeysWheelAndSwipesTurnPagesWithinTheDocument) {
    EXPECT_TRUE(window_->keyPress(Key::right));
    EXPECT_TRUE(window_->keyPress(Key::down));
    EXPECT_EQ(view_->currentPage()->index(), 2);
    window_->keyPress(Key::up);
    EXPECT_EQ(view_->currentPage()->index(), 1);
    EXPECT_TRUE(window_->scroll({100, 100}, 0, -1));  // towards the user: onwards
    EXPECT_EQ(view_->currentPage()->index(), 2);
    window_->scroll({100, 100}, 0, 0);  // no turn at all
    EXPECT_EQ(view_->currentPage()->index(), 2);
    window_->scroll({100, 100}, 0.5, 0.1);  // a small turn, mostly rightwards: onwards
    EXPECT_EQ(view_->currentPage()->index(), 3);
    window_->scroll({100, 100}, 0, 1);
    window_->scroll({100, 100}, 0, 1);
    window_->scroll({100, 100}, 0, 1);
    window_->keyPress(Key::left);  // already at the first page
    EXPECT_EQ(view_->currentPage()->index(), 0);
    // A hidden view takes no key.
    view_->setHidden(true);
    EXPECT_FALSE(window_->keyPress(Key::right));
    view_->setHidden(false);
    EXPECT_EQ(view_->currentPage()->index(), 0);

    auto swipe = [&](gfx::Point from, gfx::Point to) {
        window_->touchDown(from);
        window_->touchMove(to);
        window_->touchUp(to);
    };
    view_->setDisplayDirection(PdfDisplayDirection::horizontal);
    swipe({150, 100}, {50, 100});  // leftwards: next
    EXPECT_EQ(view_->currentPage()->index(), 1);
    swipe({100, 200}, {100, 50});   // upwards: not this direction
    swipe({100, 100}, {110, 100});  // too short
    EXPECT_EQ(view_->currentPage()->index(), 1);
    view_->setDisplayDirection(PdfDisplayDirection::vertical);
    swipe({100, 200}, {100, 50});
    EXPECT_EQ(view_->currentPage()->index(), 2);
    swipe({100, 50}, {100, 200});
    EXPECT_EQ(view_->currentPage()->index(), 1);

    view_->goToPage(*document_->page(4));
    EXPECT_FALSE(view_->goToNextPage());
    EXPECT_EQ(view_->currentPage()->index(), 4);
    // In a view wider than the page, the page fills the height and is centred.
    view_->setFrame(gfx::Rect::make(0, 0, 400, 298));
    const double width = 420.0 * 298 / 595;
    EXPECT_TRUE(view_->pageRect() == gfx::Rect::make((400 - width) / 2, 0, width, 298));
    // A light grey half-point line frames it (its left edge: 94.6 to 95.1 points).
    gfx::ImageSurface framed(400, 298, 4.0);
    window_->render(framed);
    EXPECT_NEAR(framed.pixel(379, 600).r, 0.75, 0.02);
    EXPECT_NEAR(framed.pixel(377, 600).r, 1.0, 0.02);
    EXPECT_NEAR(framed.pixel(381, 600).r, 1.0, 0.02);
    // Without a document nothing in the window takes a key, and there is no page to place.
    view_->setDocument(nullptr);
    EXPECT_FALSE(window_->keyPress(Key::right));
    EXPECT_TRUE(view_->pageRect().isEmpty());
    // A document handed over opens at its first page, drawn anew.
    gfx::ImageSurface blank(400, 298);
    window_->render(blank);
    view_->setDocument(document_);
    EXPECT_EQ(view_->currentPage()->index(), 0);
    EXPECT_TRUE(window_->needsDisplay());
    // Scaling is drawn anew.
    gfx::ImageSurface image(400, 298);
    window_->render(image);
    view_->setAutoScales(false);
    EXPECT_TRUE(window_->needsDisplay());
}

TEST_F(PdfTest, FilesThatAreNotPdfsDoNotOpen) {
    std::ofstream(folder_ / "fake.pdf") << "not a pdf";
    // The reason is the PDF library's own.
    for (const char* name : {"fake.pdf", "missing.pdf"}) {
        std::string problem;
        EXPECT_EQ(PdfDocument::open(folder_ / name, problem), nullptr);
        EXPECT_FALSE(problem.empty() || problem == "unknown error") << name << ": " << problem;
    }

    PdfView empty;
    EXPECT_FALSE(empty.currentPage());
    EXPECT_FALSE(empty.keyDown(Key::right));
}

TEST_F(PdfTest, BundleFindsResourcesByNameAndExtension) {
    const Bundle bundle(folder_);
    EXPECT_EQ(bundle.urlForResource("Guide", "pdf"), folder_ / "Guide.pdf");
    EXPECT_FALSE(bundle.urlForResource("Guide", "json"));
    EXPECT_FALSE(bundle.urlForResource("Missing", "pdf"));
    EXPECT_FALSE(Bundle({}).urlForResource("Guide", "pdf"));

    // The tests run with DUOLINEAR_RESOURCES set to the build's resources; the
    // variable is named after the application, as the app gives its name.
    setApplicationName("duolinear");
    if (const char* env = std::getenv("DUOLINEAR_RESOURCES")) {
        EXPECT_EQ(Bundle::locateResources(), fs::path(env));
    }
    const duolinear::testing::ScopedVariable resources("DUOLINEAR_RESOURCES");
    resources.set(folder_);
    EXPECT_EQ(Bundle::locateResources(), folder_);
    resources.set("/nonexistent");  // falls back to the folder beside the executable
    const auto found = Bundle::locateResources();
    if (found) {
        EXPECT_EQ(found->filename(), "resources");
    }
}

}  // namespace
}  // namespace ui
