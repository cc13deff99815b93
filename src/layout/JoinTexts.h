#pragma once
// The join texts that the algebra layouts write most often.

#include <string>

namespace duolinear {

inline const std::string kJuxtaposeJoin = "🖇";  // U+1F587: right child set after the left
inline const std::string kFractionJoin = "/";      // built-up fraction
inline const std::string kPlusJoin = "+";
inline const std::string kMinusJoin = "−";  // U+2212, the operator between terms

}  // namespace duolinear
