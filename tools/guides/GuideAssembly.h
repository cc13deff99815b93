#pragma once
// Lays a guide's chapters out as one run of pages, so that every chapter that
// must start at a fixed page starts exactly there.

#include <cstddef>
#include <string>
#include <vector>

#include "guides/GuideModel.h"

namespace duolinear::guides {

struct AssembledPage {
    Page page;
    std::size_t chapter = 0;  // index into the guide's chapters
    bool startsChapter = false;
};

struct Assembly {
    std::vector<AssembledPage> pages;
    std::string problem;  // empty when every chapter starts where it must
};

// A chapter followed by one with a fixed first page gets exactly the pages up
// to it: its front and back pages, and between them the extras, in order,
// each one that still fits. Any other chapter takes all its extras. A problem
// is reported when a chapter's front and back alone run past the next
// chapter's first page, when its extras cannot fill the gap exactly, or when
// the first chapter is asked to start anywhere but page 0.
Assembly assembleGuide(const Guide& guide);

}  // namespace duolinear::guides
