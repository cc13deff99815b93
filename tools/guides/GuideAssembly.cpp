#include "guides/GuideAssembly.h"

#include <optional>

namespace duolinear::guides {

namespace {

// The chapter's pages when it must fill `target` pages exactly (or take all
// its extras when there is no target); no value when it cannot.
std::optional<Pages> chapterPages(const Chapter& chapter, std::optional<std::size_t> target) {
    Pages pages = chapter.front;
    const std::size_t fixed = chapter.front.size() + chapter.back.size();
    if (target && fixed > *target) return std::nullopt;
    for (const Pages& extra : chapter.extras) {
        if (target && pages.size() + extra.size() + chapter.back.size() > *target) continue;
        pages.insert(pages.end(), extra.begin(), extra.end());
    }
    pages.insert(pages.end(), chapter.back.begin(), chapter.back.end());
    if (target && pages.size() != *target) return std::nullopt;
    return pages;
}

}  // namespace

Assembly assembleGuide(const Guide& guide) {
    Assembly assembly;
    for (std::size_t c = 0; c < guide.chapters.size(); ++c) {
        const Chapter& chapter = guide.chapters[c];
        const std::size_t start = assembly.pages.size();
        if (chapter.firstPage && static_cast<std::size_t>(*chapter.firstPage) != start) {
            assembly.problem = "chapter \"" + chapter.title + "\" starts at page index " + std::to_string(start) +
                               ", not " + std::to_string(*chapter.firstPage);
            return assembly;
        }
        std::optional<std::size_t> target;
        if (c + 1 < guide.chapters.size() && guide.chapters[c + 1].firstPage) {
            const int next = *guide.chapters[c + 1].firstPage;
            if (next < 0 || static_cast<std::size_t>(next) <= start) {
                assembly.problem =
                    "chapter \"" + guide.chapters[c + 1].title + "\" would start inside \"" + chapter.title + "\"";
                return assembly;
            }
            target = static_cast<std::size_t>(next) - start;
        }
        const std::optional<Pages> pages = chapterPages(chapter, target);
        if (!pages || pages->empty()) {
            assembly.problem = "chapter \"" + chapter.title + "\" cannot fill " +
                               (target ? "exactly " + std::to_string(*target) + " pages" : "a page");
            return assembly;
        }
        for (std::size_t i = 0; i < pages->size(); ++i) assembly.pages.push_back({(*pages)[i], c, i == 0});
    }
    return assembly;
}

}  // namespace duolinear::guides
