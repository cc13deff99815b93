#pragma once
// The preferences' JSON object as text: its members read out of a file's
// text, and the text written back. Each member's value is kept as the text it
// was written with (blanks outside its strings left out), so that whatever
// the app does not use is written back as it came: a number wider than 64
// bits keeps every digit, a fraction its spelling. What is written is compact
// (no blanks or indentation), so that it never grows beyond what was read.

#include <map>
#include <string>

namespace ui {

// Member name -> the member's value as compact JSON text. Names in order, as
// the file is written.
using PreferencesMembers = std::map<std::string, std::string>;

// Whether `text` is one JSON object (blanks around it allowed). Numbers of
// any size count, as JSON allows: one beyond a double's range (1e400) is
// kept as written like any other member the app does not use.
bool isJsonObject(const std::string& text);

// The members of `text`, which must be a JSON object (checked beforehand);
// a name given twice keeps its last value, as JSON readers do.
PreferencesMembers preferencesMembers(const std::string& text);

// The object of the members as compact JSON text, with a newline at the end.
std::string preferencesText(const PreferencesMembers& members);

}  // namespace ui
