#pragma once
// A PDF file, opened with poppler, read page by page.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/PdfPage.h"

typedef struct _PopplerDocument PopplerDocument;

namespace ui {

class PdfDocument : public std::enable_shared_from_this<PdfDocument> {
public:
    // None when the file cannot be read as a PDF.
    static std::shared_ptr<PdfDocument> open(const std::filesystem::path& file);
    // The same, saying why when there is none (as poppler words it).
    static std::shared_ptr<PdfDocument> open(const std::filesystem::path& file, std::string& problem);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    int pageCount() const;
    // None for an index outside 0 ... pageCount() - 1.
    std::optional<PdfPage> page(int index) const;

    PopplerDocument* poppler() const { return document_; }

private:
    explicit PdfDocument(PopplerDocument* document) : document_(document) {}
    PopplerDocument* document_;
};

}  // namespace ui
