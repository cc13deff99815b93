#include "guides/PdfOutput.h"

#include <cstdio>
#include <vector>

#include <cairo-pdf.h>
#include <cairo.h>

#include "guides/PageDrawing.h"
#include "platform/gfx/Context.h"

namespace duolinear::guides {

namespace {

std::vector<PageFrame> pageFrames(const Guide& guide, const Assembly& assembly) {
    std::vector<PageFrame> frames;
    const int count = static_cast<int>(assembly.pages.size());
    for (int i = 0; i < count; ++i) {
        const AssembledPage& page = assembly.pages[static_cast<std::size_t>(i)];
        frames.push_back({guide.title, guide.chapters[page.chapter].title, static_cast<int>(page.chapter) + 1,
                          page.startsChapter, i + 1, count});
    }
    return frames;
}

std::string cairoProblem(cairo_status_t status) {
    return cairo_status_to_string(status);
}

}  // namespace

std::string writeGuidePdf(const Guide& guide, const Assembly& assembly, const std::string& path) {
    const std::vector<PageFrame> frames = pageFrames(guide, assembly);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string problem = checkPage(assembly.pages[i].page, frames[i]);
        if (!problem.empty()) return "page index " + std::to_string(i) + ": " + problem;
    }

    const std::string partial = path + ".part";
    cairo_surface_t* surface = cairo_pdf_surface_create(partial.c_str(), kPageWidth, kPageHeight);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        const std::string problem = cairoProblem(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return "cannot create " + partial + ": " + problem;
    }
    cairo_pdf_surface_restrict_to_version(surface, CAIRO_PDF_VERSION_1_5);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, guide.title.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "duolinear make_guides");
    // Cairo stamps the time of the run as the creation date unless told a
    // date; an empty one leaves the entry out, so equal guides give equal files.
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, "");

    cairo_t* cairo = cairo_create(surface);
    {
        gfx::Context context(cairo);
        gfx::DrawingScope scope(context);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            context.saveState();
            drawPage(assembly.pages[i].page, frames[i]);
            context.restoreState();
            cairo_show_page(cairo);
        }
    }
    cairo_destroy(cairo);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::remove(partial.c_str());
        return "cannot write " + partial + ": " + cairoProblem(status);
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return "cannot move the guide into place at " + path;
    }
    return {};
}

}  // namespace duolinear::guides
