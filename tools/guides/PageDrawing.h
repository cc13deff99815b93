#pragma once
// One guide page: a running head (guide and chapter), on the first page of a
// chapter its heading, the blocks top-down, and the page number at the foot.
//
// Pages are phone-sized and never scroll: a page whose blocks need more room
// than it has is a mistake in the guide, reported by checkPage rather than
// drawn cut off.

#include <string>

#include "guides/GuideModel.h"

namespace duolinear::guides {

inline constexpr double kPageWidth = 360.0;
inline constexpr double kPageHeight = 640.0;

struct PageFrame {
    std::string guideTitle;
    std::string chapterTitle;
    int chapterNumber = 1;  // counted from 1
    bool startsChapter = false;
    int pageNumber = 1;  // counted from 1, as printed
    int pageCount = 1;
};

// The heading of a chapter's first page, e.g. "Chapter 2: The method".
std::string chapterHeading(int chapterNumber, const std::string& title);

// Empty when the page fits; otherwise what does not.
std::string checkPage(const Page& page, const PageFrame& frame);

// Draws into the current drawing pass, on a white page.
void drawPage(const Page& page, const PageFrame& frame);

}  // namespace duolinear::guides
