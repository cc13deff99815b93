#pragma once
// Writes an assembled guide as a PDF, one guide page per PDF page.

#include <string>

#include "guides/GuideAssembly.h"
#include "guides/GuideModel.h"

namespace duolinear::guides {

// Checks every page first and writes nothing when one does not fit. The file
// is written beside its final path and renamed into place once complete, so a
// failed run never leaves a partial guide behind. The output depends only on
// the guide: no date or other varying data goes into the file. Returns the
// empty text on success, otherwise what went wrong.
std::string writeGuidePdf(const Guide& guide, const Assembly& assembly, const std::string& path);

}  // namespace duolinear::guides
