#include "interfaces.hpp"

namespace korvath {

std::string_view labelName(LabelId id) {
    static constexpr std::array<std::string_view, kLabelCount> kNames{
        "Label2",       "Label4",      "Label10",      "Label11",    "Label12",     "labhankei1",
        "labhankei1b",  "labhankei15", "labhankei15b", "labhankei2", "labhankei2b", "labhankei25",
        "labhankei25b", "labh1",       "labh2",        "labg1",      "labg2",       "labkiti"};
    return kNames[static_cast<size_t>(id)];
}

std::string_view barName(Bar bar) {
    static constexpr std::array<std::string_view, 4> kNames{"HScroll1", "HScroll2", "HScroll3",
                                                            "HScroll4"};
    return kNames[static_cast<size_t>(barIndex(bar))];
}

}  // namespace korvath
