// Edge cases of the arithmetic drawings and strategy pictures where a text has
// less room than it needs: a product or heading wider than its grid cell, a
// product wider than the dividend, two-digit small texts side by side, long
// captions, a block at a large size. Checked from the texts as drawn (not from
// the measured box): every text's glyphs lie inside the picture's box, and no
// two texts' glyphs meet or stand so close that they read as one.

#include <algorithm>
#include <cctype>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/TagLayout.h"
#include "layout_extensions/NumberCellRecords.h"
#include "layout_extensions/PlugInRecords.h"
#include "layout_extensions/pictures/DoublesPictures.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/ImageSurface.h"
#include "renderer/LayoutInterpreter.h"
#include "support/DrawnTexts.h"

namespace duolinear {
namespace {

using gfx::testing::PlacedText;

// The boxes of number cells are built on the digits' cap height, which round
// digits overshoot a little (about 1 % of their size).
constexpr double kSlack = 1.0;
constexpr double kScale = 2.0;

struct Drawn {
    gfx::Rect box;  // where the picture's texts must lie, in points
    std::vector<PlacedText> texts;
};

// The layout's root drawn at size S with a margin around its measured box.
Drawn drawnLayout(const TagLayout& layout, double size) {
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const std::string root = std::to_string(layoutRootIndex(layout));
    const LayoutSize measured = measureLayout(layout, root, size, weight);
    const double margin = 40;
    gfx::ImageSurface image(measured.width + 2 * margin, measured.height + 2 * margin, kScale);
    gfx::testing::DrawnTextRecorder recorder(kScale);
    {
        gfx::DrawingScope scope(image.context());
        drawLayout(layout, root, margin, margin + measured.ascent, size, weight);
    }
    return {gfx::Rect::make(margin, margin, measured.width, measured.height), recorder.texts()};
}

using Picture = void (*)(gfx::Context&, std::int64_t, bool, double, double);

// The answer form of a picture drawn into an area `width` by `height`.
Drawn drawnPicture(Picture picture, std::int64_t n, double width, double height) {
    gfx::ImageSurface image(width, height, kScale);
    gfx::testing::DrawnTextRecorder recorder(kScale);
    {
        gfx::DrawingScope scope(image.context());
        picture(image.context(), n, false, width, height);
    }
    // The captions keep clear of the area's sides: they fill at most 0.95 of
    // its width.
    return {gfx::Rect::make(0.025 * width, 0, 0.95 * width, height), recorder.texts()};
}

// The colour row of `count` texts: black texts, then clear backgrounds.
TextList textsOnClear(std::size_t count) {
    TextList row(count, "black");
    row.insert(row.end(), count, "clear");
    return row;
}

bool inside(const gfx::Rect& text, const gfx::Rect& box) {
    return text.minX() >= box.minX() - kSlack && text.minY() >= box.minY() - kSlack &&
           text.maxX() <= box.maxX() + kSlack && text.maxY() <= box.maxY() + kSlack;
}

// Whether a text holds digits or letters (not only signs or pictures).
bool isWriting(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Two writings side by side read as one when the space between them is hardly
// wider than the space between a number's digits: writings that share a line
// keep a quarter of the smaller one's height apart. Other texts (signs, the
// pictures on box faces) only may not meet.
bool tooClose(const PlacedText& a, const PlacedText& b) {
    const gfx::Rect &p = a.box, &q = b.box;
    if (p.minY() >= q.maxY() || q.minY() >= p.maxY()) return false;
    const double gap = std::max(q.minX() - p.maxX(), p.minX() - q.maxX());
    const bool writings = isWriting(a.text) && isWriting(b.text);
    return gap < (writings ? 0.25 * std::min(p.height(), q.height()) : 0.0);
}

std::string where(const PlacedText& t) {
    return "\"" + t.text + "\" at (" + std::to_string(t.box.minX()) + ", " + std::to_string(t.box.minY()) + ")–(" +
           std::to_string(t.box.maxX()) + ", " + std::to_string(t.box.maxY()) + ")";
}

TEST(TextsInTheirRoom, NoTextIsCutOrRunsIntoAnother) {
    const struct {
        const char* name;
        std::function<Drawn()> draw;
        std::vector<std::string> mustShow;  // texts that must be drawn whole
    } cases[] = {
        // 5 × 7300 = 1500 + 35000: the later heading and its product are
        // wider than the first heading's.
        {"grid 5 × 7300",
         [&] {
             return drawnLayout(gridMultiplyLayout("1", "2", {"300", "7000", "5"}, textsOnClear(3), {"1500", "35000"},
                                                   textsOnClear(2), "anon"),
                                30);
         },
         {"7000", "35000", "1500"}},
        // 305 × 7300: a later row heading wider than the first as well.
        {"grid 305 × 7300",
         [&] {
             return drawnLayout(
                 gridMultiplyLayout("2", "2", {"300", "7000", "5", "300"}, textsOnClear(4),
                                    {"1500", "35000", "90000", "2100000"},
                                    {"black", "black", "black", "black", "clear", "clear", "gray", "clear"}, "anon"),
                 30);
         },
         {"300", "2100000"}},
        // 987 ÷ 7, first taking 200 sevens: the product 1400 is wider than
        // the dividend, and its minus sign must stay in the picture.
        {"partial division with a product wider than the dividend",
         [] {
             return drawnLayout(dividePartialOpLayout("anon", "÷", {"", "1400", "413"}, {"987", "7", "200", "0"},
                                                      {"GRAB", "1"}, {"200"}),
                                30);
         },
         {"\u2212", "1400"}},
        // 503 − 48 = 455: a hundred regrouped into tens and a ten into ones,
        // leaving "10" and "13" over the last two columns.
        {"tableau 503 − 48",
         [] {
             return drawnLayout(
                 tableauOpLayout(
                     "anon", "\u2212", {{"4", "10", "13"}, {"5", "0", "3"}, {"Z", "4", "8"}, {"4", "5", "5"}},
                     {{"YNN", "YNN", "YNR"}, {"YYN", "YYN", "YYN"}, {"NNN", "YNN", "YNN"}, {"YNN", "YNN", "YNN"}},
                     {"4", "3", "1", "false"}, {"4", "false"}),
                 30);
         },
         {"10", "13"}},
        // Two-digit carries over the last two columns of a column addition.
        {"column addition with two-digit carries",
         [] {
             return drawnLayout(
                 *addColumnLayout("anon", "+", 4,
                                  {{"Z", "10", "13"}, {"5", "9", "8"}, {"4", "9", "5"}, {"10", "9", "3"}},
                                  {{"NN", "YN", "YR"}, {"YN", "YN", "YN"}, {"YN", "YN", "YN"}, {"YN", "YN", "YN"}}),
                 30);
         },
         {"10", "13"}},
        {"make a double, n = 17, 390 wide",
         [] { return drawnPicture(drawMakeADoublePicture, 17, 390, 700); },
         {"17 + 15 = double 16"}},
        {"double minus one, n = 10, 300 wide",
         [] { return drawnPicture(drawDoubleMinusOnePicture, 10, 300, 600); },
         {"double 10 minus 1"}},
        {"double, n = 500, 300 wide",
         [] { return drawnPicture(drawDoublePicture, 500, 300, 600); },
         {"500 + 500 = 1000"}},
        {"block at size 60",
         [] {
             return drawnLayout(
                 blockLayout(joinLayouts("=", joinLayouts("+", fractionLayout(13, 8), fractionLayout(3, 8)),
                                         fractionLayout(16, 8))),
                 60);
         },
         {"13", "16"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn drawn = c.draw();
        for (const std::string& text : c.mustShow) {
            EXPECT_TRUE(std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                    [&](const PlacedText& t) { return t.text == text; }))
                << "\"" << text << "\" is not drawn";
        }
        for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
            const PlacedText& t = drawn.texts[i];
            EXPECT_TRUE(inside(t.box, drawn.box))
                << where(t) << " leaves the box (" << drawn.box.minX() << ", " << drawn.box.minY() << ")–("
                << drawn.box.maxX() << ", " << drawn.box.maxY() << ")";
            for (std::size_t j = i + 1; j < drawn.texts.size(); ++j) {
                // The cross-out mark is drawn over the face it crosses out.
                if (drawn.texts[j].text == "❌") continue;
                EXPECT_FALSE(tooClose(t, drawn.texts[j])) << where(t) << " runs into " << where(drawn.texts[j]);
            }
        }
    }
}


// ----- every arithmetic drawing, at random -----

// One record drawn at random: the share of S its smallest numbers are set in,
// and how far below the item's top the turned place-value labels end (0 when
// it has none).
struct Sample {
    const char* kind;
    TagLayout layout;
    double smallestShare;
    double labelsEnd = 0;
};

std::string str(std::int64_t n) {
    return std::to_string(n);
}

std::vector<std::int64_t> digitsOf(std::int64_t n) {
    std::vector<std::int64_t> digits;
    for (const char c : str(n)) digits.push_back(c - '0');
    return digits;
}

// Texts right-aligned in `columns` columns, "Z" before them.
TextList inColumns(std::int64_t n, std::size_t columns) {
    TextList row(columns, "Z");
    const std::string text = str(n);
    for (std::size_t i = 0; i < text.size(); ++i) row[columns - text.size() + i] = std::string(1, text[i]);
    return row;
}

// The turned labels end above the first row, which starts 5 below a band as
// deep as "10…0" in the half size font is wide or high.
double labelsEnd(double size, std::size_t columns) {
    const gfx::Size label =
        gfx::measureText("1" + std::string(columns - 1, '0'), {gfx::Font::monospacedDigitSystem(0.5 * size)});
    return std::max(label.width, label.height) + 5;
}

class Records {
public:
    explicit Records(unsigned seed) : random_(seed) {}

    std::int64_t between(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
    }
    // A number of 1 to 7 digits.
    std::int64_t number() {
        const std::int64_t digits = between(1, 7);
        return between(digits == 1 ? 1 : power(digits - 1), power(digits) - 1);
    }
    static std::int64_t power(std::int64_t n) {
        std::int64_t p = 1;
        while (n-- > 0) p *= 10;
        return p;
    }
    // The nonzero place-value parts of n, in a random order.
    std::vector<std::int64_t> parts(std::int64_t n) {
        std::vector<std::int64_t> parts;
        for (std::int64_t place = 1; n > 0; place *= 10, n /= 10) {
            if (n % 10 != 0) parts.push_back(n % 10 * place);
        }
        std::shuffle(parts.begin(), parts.end(), random_);
        return parts;
    }

    Sample lattice(std::int64_t a, std::int64_t b) {
        const std::vector<std::int64_t> top = digitsOf(a), side = digitsOf(b);
        TextList factors, products, upper, lower;
        for (std::int64_t d : top) factors.push_back(str(d));
        for (std::int64_t d : side) factors.push_back(str(d));
        for (std::int64_t d : digitsOf(a * b)) products.push_back(str(d));
        products.resize(factors.size(), "0");
        for (std::int64_t s : side) {
            for (std::int64_t t : top) upper.push_back(str(s * t / 10)), lower.push_back(str(s * t % 10));
        }
        TextList colors = textsOnClear(upper.size());
        colors.insert(colors.end(), colors.begin(), colors.end());
        upper.insert(upper.end(), lower.begin(), lower.end());
        return {"lattice",
                latticeMultiplyLayout(str(side.size()), str(top.size()), factors, textsOnClear(factors.size()),
                                      products, textsOnClear(products.size()), upper, colors, "anon"),
                0.75};
    }

    Sample grid(std::int64_t a, std::int64_t b) {
        const std::vector<std::int64_t> top = parts(a), side = parts(b);
        TextList factors, cells;
        for (std::int64_t t : top) factors.push_back(str(t));
        for (std::int64_t s : side) factors.push_back(str(s));
        for (std::int64_t s : side) {
            for (std::int64_t t : top) cells.push_back(str(s * t));
        }
        return {"grid",
                gridMultiplyLayout(str(side.size()), str(top.size()), factors, textsOnClear(factors.size()), cells,
                                   textsOnClear(cells.size()), "anon"),
                0.75};
    }

    // a − b with a carry or a regrouped value over some columns (struck out
    // below), and at times checked by adding b back.
    Sample tableau(std::int64_t a, std::int64_t b, double size) {
        const std::size_t columns = str(a).size();
        TextList carries(columns, "Z"), carryCodes(columns, "NNN"), minuend = inColumns(a, columns),
                                                                     minuendCodes(columns, "YNN");
        for (std::size_t c = 0; c < columns; ++c) {
            if (between(0, 2) != 0) continue;
            carries[c] = str(between(0, 18)), carryCodes[c] = between(0, 1) ? "YNR" : "YNN";
            minuendCodes[c] = "YYN";
        }
        const auto codes = [&](std::size_t count, const char* code) { return TextList(count, code); };
        TextGrid rows = {carries, minuend, inColumns(b, columns), inColumns(a - b, columns)};
        TextGrid attributes = {carryCodes, minuendCodes, codes(columns, "YNN"), codes(columns, "YNN")};
        const bool checked = between(0, 1) == 1;
        if (checked) {
            rows.push_back(inColumns(b, columns)), rows.push_back(inColumns(a, columns));
            attributes.push_back(codes(columns, "YNN")), attributes.push_back(codes(columns, "YNG"));
        }
        for (std::size_t r = 1; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < columns; ++c) {
                if (rows[r][c] == "Z") attributes[r][c] = "NNN";
            }
        }
        const std::string n = str(static_cast<std::int64_t>(rows.size()));
        return {"tableau",
                tableauOpLayout("anon", "\u2212", rows, attributes, {n, str(columns), "1", "false"},
                                {n, checked ? "true" : "false"}),
                0.7, labelsEnd(size, columns)};
    }

    Sample addColumn(std::int64_t a, std::int64_t b, double size) {
        const std::size_t columns = str(a + b).size();
        TextList carries(columns, "Z");
        for (std::size_t c = 0; c + 1 < columns; ++c) {
            if (between(0, 2) == 0) carries[c] = str(between(1, 18));
        }
        const TextGrid rows = {carries, inColumns(a, columns), inColumns(b, columns), inColumns(a + b, columns)};
        TextGrid attributes(rows.size(), TextList(columns, "YN"));
        for (std::size_t c = 0; c < columns; ++c) attributes[3][c] = between(0, 1) ? "YG" : "YN";
        return {"column addition", *addColumnLayout("anon", "+", 4, rows, attributes), 0.7,
                labelsEnd(size, columns)};
    }

    // Digit by digit, each step's product under the digits it takes from and
    // the difference with the next digit brought down.
    Sample longDivision(std::int64_t dividend, std::int64_t divisor) {
        const std::string d = str(dividend), v = str(divisor);
        const std::size_t w = v.size(), width = w + d.size();
        const auto blank = [&] { return std::string(width, 'B'); };
        std::string quotient = blank();
        TextList rows = {quotient, v + d}, lines;
        std::int64_t current = 0;
        bool started = false;
        for (std::size_t i = 0; i < d.size(); ++i) {
            current = current * 10 + (d[i] - '0');
            if (!started && current < divisor && i + 1 < d.size()) continue;
            started = true;
            const std::int64_t q = current / divisor, product = q * divisor;
            rows[0][w + i] = static_cast<char>('0' + q);
            std::string productRow = blank(), differenceRow = blank();
            const std::string p = str(product);
            productRow.replace(w + i + 1 - p.size(), p.size(), p);
            current -= product;
            std::string difference = str(current);
            if (i + 1 < d.size()) difference += d[i + 1];
            const std::size_t end = i + 1 < d.size() ? i + 2 : i + 1;
            differenceRow.replace(w + end - difference.size(), difference.size(), difference);
            rows.push_back(productRow), rows.push_back(differenceRow);
            const std::size_t step = rows.size() / 2 - 2;
            for (const std::size_t value : {i + 1 - p.size(), 2 * step + 3, i + 1, 2 * step + 3}) {
                lines.push_back(str(static_cast<std::int64_t>(value)));
            }
        }
        const std::int64_t steps = static_cast<std::int64_t>(rows.size() / 2 - 1);
        return {"long division",
                divideOpLayout("anon", "÷", rows, TextList(rows.size(), std::string(width, 'N')), lines,
                               {d, v, "", str(dividend % divisor)}, {"SUMMARY", str(steps)}),
                1.0};
    }

    // Taking away the quotient's place-value parts times the divisor, the
    // largest first.
    Sample partialDivision(std::int64_t dividend, std::int64_t divisor) {
        std::vector<std::int64_t> chunks = parts(dividend / divisor);
        std::sort(chunks.rbegin(), chunks.rend());
        TextList tableau = {""}, partials;
        std::int64_t left = dividend;
        for (std::int64_t chunk : chunks) {
            left -= chunk * divisor;
            tableau.push_back(str(chunk * divisor)), tableau.push_back(str(left)), partials.push_back(str(chunk));
        }
        const char* stages[] = {"SUMMARY", "SOLUTION", "ADD", "GRAB", "CHOICE"};
        return {"partial division",
                dividePartialOpLayout("anon", "÷", tableau,
                                      {str(dividend), str(divisor), str(dividend / divisor), str(left)},
                                      {stages[between(0, 4)], str(static_cast<std::int64_t>(chunks.size()))},
                                      partials),
                1.0};
    }

    // Counting up (or down) from a number by its parts of another.
    Sample count(std::int64_t from, std::int64_t by, double size) {
        const bool down = between(0, 1) == 1 && by <= from;
        std::vector<std::int64_t> amounts = parts(by);
        TextGrid steps;
        TextList countUps;
        std::int64_t value = from;
        for (std::int64_t amount : amounts) {
            const std::int64_t next = down ? value - amount : value + amount;
            steps.push_back({str(value), str(amount), str(next)}), countUps.push_back(str(amount));
            value = next;
        }
        const std::size_t columns = str(std::max(from, value)).size();
        const char* stages[] = {"STEP", "SHOW", "COUNT", "SUMMARY", "SUMMARY SHORT"};
        return {"count",
                countOpLayout("anon", "", steps,
                              {down ? "COUNT DOWN" : "COUNT UP", str(columns), str(str(by).size()), str(by)},
                              {stages[between(0, 4)], str(static_cast<std::int64_t>(steps.size()))}, countUps),
                1.0, labelsEnd(size, columns)};
    }

private:
    std::mt19937_64 random_;
};

bool isPowerOfTen(const std::string& text) {
    return !text.empty() && text[0] == '1' && text.find_first_not_of('0', 1) == std::string::npos;
}

// Two texts' glyphs share some ground.
bool overlap(const gfx::Rect& p, const gfx::Rect& q) {
    return std::min(p.maxX(), q.maxX()) - std::max(p.minX(), q.minX()) > 0.01 &&
           std::min(p.maxY(), q.maxY()) - std::max(p.minY(), q.minY()) > 0.01;
}

TEST(TextsInTheirRoom, EveryArithmeticDrawingAtRandom) {
    // The digits' ink is as high as this share of the font size.
    const double digitHeight =
        gfx::inkBounds("0123456789", {gfx::Font::monospacedDigitSystem(100, gfx::FontWeight::medium())}).height() /
        100;
    Records records(2027);
    // 6 × 6137206 with the parts listed smallest first.
    std::vector<std::pair<Sample, double>> samples = {
        {{"grid", gridMultiplyLayout("1", "6", {"6", "200", "7000", "30000", "100000", "6000000", "6"},
                                     textsOnClear(7), {"36", "1200", "42000", "180000", "600000", "36000000"},
                                     textsOnClear(6), "anon"),
          0.75},
         30}};
    for (int i = 0; i < 60; ++i) {
        const double size = static_cast<double>(records.between(16, 64));
        const std::int64_t a = records.number(), b = records.number();
        const std::int64_t divisor = std::min(b, records.between(1, 999));
        samples.push_back({records.lattice(a, b), size});
        samples.push_back({records.grid(a, b), size});
        samples.push_back({records.tableau(std::max(a, b), std::min(a, b), size), size});
        samples.push_back({records.addColumn(a, b, size), size});
        samples.push_back({records.longDivision(a, divisor), size});
        samples.push_back({records.partialDivision(a, divisor), size});
        samples.push_back({records.count(std::max(a, b), std::min(a, b), size), size});
    }
    for (const auto& [sample, size] : samples) {
        SCOPED_TRACE(std::string(sample.kind) + " at " + std::to_string(size) + ": " +
                     ::testing::PrintToString(sample.layout));
        const Drawn drawn = drawnLayout(sample.layout, size);
        ASSERT_FALSE(drawn.texts.empty());
        const auto isLabel = [&](const PlacedText& t) {
            return isPowerOfTen(t.text) && t.box.maxY() <= drawn.box.minY() + sample.labelsEnd + 0.5;
        };
        for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
            const PlacedText& t = drawn.texts[i];
            ASSERT_TRUE(inside(t.box, drawn.box)) << where(t) << " leaves the box";
            if (!isLabel(t) && t.text.find_first_of("0123456789") != std::string::npos) {
                ASSERT_GE(t.box.height(), 0.6 * sample.smallestShare * size * digitHeight) << where(t) << " too small";
            }
            for (std::size_t j = i + 1; j < drawn.texts.size(); ++j) {
                // A count draws the value after a step again as the value
                // before the next one, in the same place.
                const PlacedText& u = drawn.texts[j];
                if ((isLabel(t) && isLabel(u)) || (t.text == u.text && t.box == u.box)) continue;
                ASSERT_FALSE(overlap(t.box, u.box)) << where(t) << " overlaps " << where(u);
            }
        }
    }
}

}  // namespace
}  // namespace duolinear
