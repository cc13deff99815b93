// The guide PDFs that the build generates into the resources folder: the
// guide screens open them by name and jump to fixed page indices, so each
// chapter must start exactly there. Also the generator's own rules: fitting
// chapters to their first pages, refusing pages that overflow, and the
// equations it writes out in the text.

#include <cstdlib>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <poppler.h>

#include "guides/GuideAssembly.h"
#include "guides/PageDrawing.h"
#include "guides/Systems.h"
#include "guides/TextFlow.h"
#include "platform/gfx/Text.h"

namespace duolinear {
namespace {

struct Chapter {
    std::string title;
    int pageIndex;   // zero-based, as the guide screen jumps
    bool hasButton;  // whether the guide screen jumps there
};

struct GuideCase {
    std::string name;   // resource name, without ".pdf"
    std::string title;  // in the running head of every page
    int minimumPages;
    std::vector<Chapter> chapters;
    std::vector<std::string> stepTexts;  // drawn by the step renderer in the examples
    std::vector<std::string> sentences;  // written in the text, read with every run of blanks as one blank
};

void PrintTo(const GuideCase& guide, std::ostream* os) {
    *os << guide.name;
}

// The option rows stand above the coefficient fields on the entry screens.
const std::string kWhereOptionsAre =
    "Pick the options in the rows above the six fields; the chosen one of each row is green.";

const std::vector<GuideCase>& guideCases() {
    static const std::vector<GuideCase> cases{
        {"Duolinear_Equations_Addition_Guide",
         "Addition guide",
         16,
         {{"Introduction", 0, true}, {"The method", 6, true}, {"Technique", 15, true}},
         {"solve equations for y", "ADD THE EQUATIONS", "solve first for x", "one solution",
          "multiply 2nd equation by -4"},
         {kWhereOptionsAre,
          "For 4 and 6 that is 12: the first equation is multiplied by 3, the second by \u22122, so that 4 and 6 "
          "become 12 and \u221212.",
          "the first equation is multiplied by 6, the second by \u22124, so that 4 and 6 become 24 and \u221224."}},
        {"Duolinear_Equations_Elimination_Guide",
         "Elimination guide",
         17,
         {{"Introduction", 0, true}, {"The method", 6, true}, {"Technique", 16, true}},
         {"solve equations for y", "SUBTRACT THE EQUATIONS", "care", "one solution", "multiply 2nd equation by 4"},
         {kWhereOptionsAre,
          "For 4 and 6 that is 12: the first equation is multiplied by 3, the second by 2, so that 4 and 6 become "
          "12 and 12.",
          "the first equation is multiplied by 6, the second by 4, so that 4 and 6 become 24 and 24."}},
        {"Duolinear_Equations_Substitution_Guide",
         "Substitution guide",
         9,
         {{"Introduction", 0, true}, {"The method", 3, false}, {"Technique", 8, true}},
         {"x in terms of y from second", "substitute in first", "solve second (rearranged)", "one solution"},
         {kWhereOptionsAre}},
    };
    return cases;
}

std::string chapterHeading(std::size_t index, const Chapter& chapter) {
    return "Chapter " + std::to_string(index + 1) + ": " + chapter.title;
}

struct GObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Document = std::unique_ptr<PopplerDocument, GObjectDeleter>;
using Page = std::unique_ptr<PopplerPage, GObjectDeleter>;

std::string resourcePath(const std::string& name) {
    const char* resources = std::getenv("DUOLINEAR_RESOURCES");
    return std::string(resources != nullptr ? resources : "") + "/" + name + ".pdf";
}

Document openGuide(const std::string& name) {
    GError* error = nullptr;
    gchar* uri = g_filename_to_uri(resourcePath(name).c_str(), nullptr, &error);
    PopplerDocument* document = uri != nullptr ? poppler_document_new_from_file(uri, nullptr, &error) : nullptr;
    g_free(uri);
    if (error != nullptr) {
        ADD_FAILURE() << resourcePath(name) << ": " << error->message;
        g_error_free(error);
    }
    return Document(document);
}

std::vector<std::string> pageTexts(PopplerDocument* document) {
    std::vector<std::string> texts;
    for (int i = 0; i < poppler_document_get_n_pages(document); ++i) {
        Page page(poppler_document_get_page(document, i));
        gchar* text = poppler_page_get_text(page.get());
        texts.emplace_back(text != nullptr ? text : "");
        g_free(text);
    }
    return texts;
}

// The first `count` non-empty lines of a page's text: the running head first.
std::vector<std::string> firstLines(const std::string& text, std::size_t count) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; lines.size() < count && std::getline(stream, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class GuidePdf : public ::testing::TestWithParam<GuideCase> {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DUOLINEAR_RESOURCES"), nullptr)
            << "DUOLINEAR_RESOURCES must name the build's resources folder (ctest sets it)";
        document_ = openGuide(GetParam().name);
        ASSERT_NE(document_, nullptr) << "build the `guides` target to generate " << resourcePath(GetParam().name);
        texts_ = pageTexts(document_.get());
    }

    int pageCount() const { return static_cast<int>(texts_.size()); }

    Document document_;
    std::vector<std::string> texts_;
};

TEST_P(GuidePdf, HasPhonePagesNumberedInOrder) {
    EXPECT_GE(pageCount(), GetParam().minimumPages);
    for (int i = 0; i < pageCount(); ++i) {
        Page page(poppler_document_get_page(document_.get(), i));
        double width = 0.0;
        double height = 0.0;
        poppler_page_get_size(page.get(), &width, &height);
        EXPECT_EQ(width, 360.0) << "page index " << i;
        EXPECT_EQ(height, 640.0) << "page index " << i;
        const std::string number = "page " + std::to_string(i + 1) + " of " + std::to_string(pageCount());
        EXPECT_TRUE(contains(texts_[i], number)) << "page index " << i << " lacks \"" << number << "\"";
    }
}

TEST_P(GuidePdf, ChaptersStartWhereTheGuideScreenJumps) {
    const std::vector<Chapter>& chapters = GetParam().chapters;
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        const std::string heading = chapterHeading(c, chapters[c]);
        ASSERT_LT(chapters[c].pageIndex, pageCount()) << heading;
        EXPECT_TRUE(contains(texts_[chapters[c].pageIndex], heading))
            << heading << " is not on page index " << chapters[c].pageIndex;
        // A chapter heading stands on its first page only.
        for (int i = 0; i < pageCount(); ++i) {
            if (i == chapters[c].pageIndex) continue;
            EXPECT_FALSE(contains(texts_[i], heading)) << heading << " also on page index " << i;
        }
    }
    int buttons = 0;
    for (const Chapter& chapter : chapters) buttons += chapter.hasButton ? 1 : 0;
    EXPECT_EQ(buttons, GetParam().name == "Duolinear_Equations_Substitution_Guide" ? 2 : 3);
}

TEST_P(GuidePdf, RunningHeadsNameTheGuideAndTheChapterOfEachPage) {
    const std::vector<Chapter>& chapters = GetParam().chapters;
    std::size_t chapter = 0;
    for (int i = 0; i < pageCount(); ++i) {
        while (chapter + 1 < chapters.size() && chapters[chapter + 1].pageIndex <= i) ++chapter;
        const std::vector<std::string> head = firstLines(texts_[i], 2);
        ASSERT_EQ(head.size(), 2u) << "page index " << i;
        EXPECT_EQ(head[0], GetParam().title) << "page index " << i;
        EXPECT_EQ(head[1], chapters[chapter].title) << "page index " << i;
    }
}

TEST_P(GuidePdf, EveryPageHasContentThatStaysOnIt) {
    for (int i = 0; i < pageCount(); ++i) {
        // More than the running head and the page number: no filler pages.
        EXPECT_GT(texts_[i].size(), 150u) << "page index " << i;
        Page page(poppler_document_get_page(document_.get(), i));
        PopplerRectangle* boxes = nullptr;
        guint count = 0;
        ASSERT_TRUE(poppler_page_get_text_layout(page.get(), &boxes, &count)) << "page index " << i;
        for (guint k = 0; k < count; ++k) {
            const PopplerRectangle& box = boxes[k];
            // Inside the side margins and above the foot: nothing runs off the page.
            EXPECT_TRUE(box.x1 >= 20.0 && box.x2 <= 340.0 && box.y1 >= 0.0 && box.y2 <= 630.0)
                << "page index " << i << ", character " << k << " at (" << box.x1 << ", " << box.y1 << ")-(" << box.x2
                << ", " << box.y2 << ")";
        }
        g_free(boxes);
    }
}

TEST_P(GuidePdf, WorkedExamplesShowTheAppsSteps) {
    std::string all;
    for (const std::string& text : texts_) all += text;
    for (const std::string& step : GetParam().stepTexts) EXPECT_TRUE(contains(all, step)) << step;
}

// Line breaks, blanks and no-break spaces each read as one blank.
std::string withSingleBlanks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool noBreak = text.compare(i, 2, "\u00A0") == 0;
        if (noBreak || text[i] == ' ' || text[i] == '\n') {
            if (!out.empty() && out.back() != ' ') out += ' ';
            if (noBreak) ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

TEST_P(GuidePdf, SaysWhatTheAppShows) {
    std::string all;
    for (const std::string& text : texts_) all += withSingleBlanks(text) + " ";
    for (const std::string& sentence : GetParam().sentences) EXPECT_TRUE(contains(all, sentence)) << sentence;
    EXPECT_FALSE(contains(all, "under the equations"));
}

TEST_P(GuidePdf, CarriesNoCreationTime) {
    // A creation time would make every build's guide differ from the last.
    EXPECT_EQ(poppler_document_get_creation_date(document_.get()), static_cast<time_t>(-1));
}

INSTANTIATE_TEST_SUITE_P(Guides, GuidePdf, ::testing::ValuesIn(guideCases()),
                         [](const ::testing::TestParamInfo<GuideCase>& info) {
                             return info.param.title.substr(0, info.param.title.find(' '));
                         });

// ----- The generator's layout rules -----

namespace g = guides;

g::Pages pagesNamed(const std::string& prefix, int count) {
    g::Pages pages;
    for (int i = 1; i <= count; ++i)
        pages.push_back({{g::TextBlock{g::TextStyle::body, prefix + std::to_string(i), {}}}});
    return pages;
}

std::string pageName(const g::AssembledPage& page) {
    return std::get<g::TextBlock>(page.page.blocks.at(0)).text;
}

TEST(GuideAssembly, ExtrasFillTheGapBeforeAFixedChapterExactly) {
    g::Chapter first{"A",
                     0,
                     pagesNamed("front", 1),
                     {pagesNamed("big", 2), pagesNamed("huge", 3), pagesNamed("one", 1)},
                     pagesNamed("back", 1)};
    g::Chapter second{"B", 5, pagesNamed("b", 1), {pagesNamed("more", 2)}, {}};
    const g::Assembly assembly = g::assembleGuide({"file", "title", {first, second}});
    ASSERT_EQ(assembly.problem, "");
    std::vector<std::string> names;
    for (const g::AssembledPage& page : assembly.pages) names.push_back(pageName(page));
    // "huge" does not fit before page 5 and is left out; the last chapter takes all its extras.
    EXPECT_EQ(names, (std::vector<std::string>{"front1", "big1", "big2", "one1", "back1", "b1", "more1", "more2"}));
    for (std::size_t i = 0; i < assembly.pages.size(); ++i) {
        EXPECT_EQ(assembly.pages[i].chapter, i < 5 ? 0u : 1u) << i;
        EXPECT_EQ(assembly.pages[i].startsChapter, i == 0 || i == 5) << i;
    }
}

TEST(GuideAssembly, ReportsChaptersThatCannotStartWhereTheyMust) {
    struct Case {
        const char* what;
        g::Chapter first;
        int secondStart;
    };
    const std::vector<Case> cases{
        {"front and back too long", {"A", 0, pagesNamed("f", 3), {}, pagesNamed("b", 2)}, 4},
        {"extras cannot fill exactly", {"A", 0, pagesNamed("f", 1), {pagesNamed("x", 2)}, {}}, 2},
        {"nothing to fill with", {"A", 0, {}, {}, {}}, 1},
        {"first chapter not at page 0", {"A", 1, pagesNamed("f", 1), {}, {}}, 2},
        {"next chapter inside this one", {"A", 0, pagesNamed("f", 1), {}, {}}, 0},
    };
    for (const Case& c : cases) {
        const g::Chapter second{"B", c.secondStart, pagesNamed("s", 1), {}, {}};
        EXPECT_NE(g::assembleGuide({"file", "title", {c.first, second}}).problem, "") << c.what;
    }
}

TEST(GuidePage, RefusesContentThatDoesNotFit) {
    const g::PageFrame frame{"Guide", "Chapter", 1, true, 1, 1};
    const g::TextBlock paragraph{g::TextStyle::body, "A sentence of plain words that wraps over a line or two.", {}};
    EXPECT_EQ(g::checkPage({{paragraph, paragraph}}, frame), "");

    g::Page tooLong;
    for (int i = 0; i < 40; ++i) tooLong.blocks.push_back(paragraph);
    EXPECT_TRUE(contains(g::checkPage(tooLong, frame), "more than the page has"));

    const g::TextBlock wide{g::TextStyle::body, g::unbroken(std::string(60, 'w') + " and more"), {}};
    EXPECT_TRUE(contains(g::checkPage({{wide}}, frame), "word too wide"));

    // A step squeezed by text until it could no longer be read.
    g::Page squeezed;
    for (int i = 0; i < 12; ++i) squeezed.blocks.push_back(paragraph);
    squeezed.blocks.push_back(g::StepBlock{g::systemLines({2, 3, 7, 1, -1, 1}), {"\U0001F914"}});
    EXPECT_TRUE(contains(g::checkPage(squeezed, frame), "no room for step"));
}

TEST(GuideText, WrapsAtBlanksOnlyAndKeepsToTheWidth) {
    const gfx::Font font = g::textLook(g::TextStyle::body).font;
    const std::string glued = g::unbroken("x = 2");
    const g::WrappedText wrapped =
        g::wrapText("one two three four five six seven eight nine ten " + glued + "\nnew line", font, 120.0);
    EXPECT_TRUE(wrapped.fits);
    EXPECT_GT(wrapped.lines.size(), 2u);
    EXPECT_EQ(wrapped.lines.back(), "new line");
    bool gluedWhole = false;
    for (const std::string& line : wrapped.lines) {
        EXPECT_LE(gfx::measureText(line, gfx::TextAttributes{font}).width, 120.0) << line;
        gluedWhole = gluedWhole || contains(line, glued);
    }
    EXPECT_TRUE(gluedWhole);
    EXPECT_FALSE(g::wrapText(std::string(40, 'w'), font, 120.0).fits);
}

TEST(GuideText, WritesEquationsAndChecksAsTheyAreRead) {
    const std::string minus = "\u2212";
    struct Case {
        long long a, b, c;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{2, 3, 7, "2x + 3y = 7"},
                                           {1, -1, 1, "x " + minus + " y = 1"},
                                           {0, 2, 4, "2y = 4"},
                                           {-1, 0, -3, minus + "x = " + minus + "3"},
                                           {0, -12, 0, minus + "12y = 0"}})
        EXPECT_EQ(g::equationText(c.a, c.b, c.c), g::unbroken(c.text)) << c.text;

    EXPECT_EQ(g::checkText({2, 3, 7, 1, -1, 1}),
              g::unbroken("2\u00B72 + 3\u00B71 = 7") + " and " + g::unbroken("2 " + minus + " 1 = 1"));
    // A negative value goes in brackets.
    EXPECT_EQ(g::checkText({4, 5, 3, 3, -2, 8}), g::unbroken("4\u00B72 + 5\u00B7(" + minus + "1) = 3") + " and " +
                                                     g::unbroken("3\u00B72 " + minus + " 2\u00B7(" + minus + "1) = 8"));
    // Only one solution in whole numbers can be checked by whole numbers.
    EXPECT_EQ(g::checkText({2, 4, 1, 3, -1, 2}), "");  // x = 9/14
    EXPECT_EQ(g::checkText({1, 1, 1, 2, 2, 5}), "");   // none
    EXPECT_EQ(g::checkText({2, 4, 6, 1, 2, 3}), "");   // infinitely many
}

}  // namespace
}  // namespace duolinear
