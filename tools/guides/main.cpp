// make_guides: writes the three method guides as PDFs into a directory.
//
//   make_guides OUTPUT_DIRECTORY
//
// Exits with 1, naming the guide and what went wrong, when a guide cannot be
// laid out (a chapter that cannot start at its page, a page that overflows)
// or written.

#include <cstdio>
#include <string>

#include "guides/GuideAssembly.h"
#include "guides/Guides.h"
#include "guides/PdfOutput.h"

int main(int argc, char** argv) {
    using namespace duolinear::guides;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argc > 0 ? argv[0] : "make_guides");
        return 2;
    }
    const std::string directory = argv[1];
    int failures = 0;
    for (const Guide& guide : {additionGuide(), eliminationGuide(), substitutionGuide()}) {
        const Assembly assembly = assembleGuide(guide);
        std::string problem = assembly.problem;
        if (problem.empty()) problem = writeGuidePdf(guide, assembly, directory + "/" + guide.fileName + ".pdf");
        if (!problem.empty()) {
            std::fprintf(stderr, "make_guides: %s: %s\n", guide.fileName.c_str(), problem.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
