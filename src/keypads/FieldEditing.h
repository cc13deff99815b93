#pragma once
// How the keys edit the text of the selected entry field. Each function
// gives the field's new text; a refused key gives the text unchanged.
// Lengths count characters, a leading "-" included.
//
// Fields that start as "0" stay "0", "-0", or an optional "-" followed by
// digits without a leading zero (on the integer keypad at most maxDigits of
// them; on the real-number keypad with at most one "." and room for the
// point and one leading zero).

#include <functional>
#include <optional>
#include <string>

namespace duolinear {

// The digit limit as the keypad's data source gives it, asked only when it
// is needed; none when the keypad has no data source.
using DigitLimit = std::function<std::optional<int>()>;

// A digit on the integer keypad: replaces a lone "0" (or the "0" of "-0"),
// else is appended while the field holds fewer than the limit's digits.
std::string integerFieldAfterDigit(const std::string& text, int digit, const DigitLimit& maxDigits);

// A digit on the real-number keypad: as on the integer keypad, but neither
// the point nor one leading zero counts against maxDigits.
std::string realFieldAfterDigit(const std::string& text, int digit, int maxDigits);

// "." on the real-number keypad: appended when the text holds none.
std::string realFieldAfterPoint(const std::string& text);

// "DEL": drops the last character; a lone digit becomes "0", a lone negative
// digit "-0" (and an empty text "0").
std::string fieldAfterDelete(const std::string& text);

// "+/-": drops a leading "-" or puts one in front.
std::string fieldAfterSignChange(const std::string& text);

// "C".
std::string clearedField();

// A field showing "-0" is handed over as "0"; any other text unchanged.
std::string entryForHandOver(const std::string& text);

}  // namespace duolinear
