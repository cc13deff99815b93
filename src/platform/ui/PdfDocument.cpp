#include "platform/ui/PdfDocument.h"

#include <poppler.h>

#include "platform/gfx/Context.h"

namespace ui {

std::shared_ptr<PdfDocument> PdfDocument::open(const std::filesystem::path& file) {
    std::string problem;
    return open(file, problem);
}

std::shared_ptr<PdfDocument> PdfDocument::open(const std::filesystem::path& file, std::string& problem) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    if (ec) {
        problem = ec.message();
        return nullptr;
    }
    GError* error = nullptr;
    auto fail = [&] {
        problem = error != nullptr && error->message != nullptr ? error->message : "unknown error";
        g_clear_error(&error);
        return nullptr;
    };
    gchar* uri = g_filename_to_uri(absolute.c_str(), nullptr, &error);
    if (uri == nullptr) return fail();
    PopplerDocument* document = poppler_document_new_from_file(uri, nullptr, &error);
    g_free(uri);
    if (document == nullptr) return fail();
    return std::shared_ptr<PdfDocument>(new PdfDocument(document));
}

PdfDocument::~PdfDocument() {
    g_object_unref(document_);
}

int PdfDocument::pageCount() const {
    return poppler_document_get_n_pages(document_);
}

std::optional<PdfPage> PdfDocument::page(int index) const {
    if (index < 0 || index >= pageCount()) return std::nullopt;
    return PdfPage(shared_from_this(), index);
}

gfx::Size PdfPage::size() const {
    PopplerPage* page = poppler_document_get_page(document_->poppler(), index_);
    if (page == nullptr) return {};
    gfx::Size size;
    poppler_page_get_size(page, &size.width, &size.height);
    g_object_unref(page);
    return size;
}

void PdfPage::draw(gfx::Context& context) const {
    PopplerPage* page = poppler_document_get_page(document_->poppler(), index_);
    if (page == nullptr) return;
    context.saveState();
    poppler_page_render(page, context.cairo());
    context.restoreState();
    g_object_unref(page);
}

}  // namespace ui
