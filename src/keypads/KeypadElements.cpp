#include "keypads/KeypadElements.h"

namespace duolinear {

int initialOptionIndex(const EntryElements& elements, std::size_t a, std::size_t b) {
    return initialOptionIndex(elements.options, elements.optionsSelections, a, b);
}

int initialOptionIndex(const ElementGroups& options, const OptionIndices& selections, std::size_t a, std::size_t b) {
    if (a >= selections.size() || b >= selections[a].size()) return 0;
    if (a >= options.size() || b >= options[a].size()) return 0;
    const int index = selections[a][b];
    const auto rowLength = static_cast<long long>(options[a][b].size());
    return index >= 0 && index < rowLength ? index : 0;
}

}  // namespace duolinear
