#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>

namespace corvanta::testing {

// A case's label as a test name: each run of characters other than letters and digits becomes
// one underscore, none at either end; a label with nothing left is "blank".
inline std::string testNameOf(std::string_view label) {
    std::string name;
    bool gap = false;
    for (const char c : label) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            if (gap && !name.empty()) name += '_';
            name += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return name.empty() ? "blank" : name;
}

// The text of a label that may be missing.
inline std::string_view labelText(const char* text) {
    return text == nullptr ? std::string_view{} : std::string_view{text};
}
inline std::string_view labelText(std::string_view text) { return text; }

// The label of a case: the case itself when it is text, else its `name`.
template <class Case>
std::string_view caseLabel(const Case& c) {
    if constexpr (std::is_convertible_v<const Case&, std::string_view> ||
                  std::is_same_v<Case, const char*>) {
        return labelText(c);
    } else {
        return labelText(c.name);
    }
}

// Makes a name unique within one instantiation by appending the case's index to a name taken
// before it (again, should a label already read so). Google Test asks for the names of one
// instantiation in turn from index 0, so the names taken are forgotten at each index 0.
inline std::string uniqueTestName(std::string name, std::size_t index) {
    static std::set<std::string> taken;
    if (index == 0) taken.clear();
    while (!taken.insert(name).second) name += "_" + std::to_string(index);
    return name;
}

// The name generator of a parameterised suite whose cases have labels:
// INSTANTIATE_TEST_SUITE_P(Prefix, Suite, ::testing::Values(...), CaseName());
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return uniqueTestName(testNameOf(caseLabel(info.param)), info.index);
    }
};

}  // namespace corvanta::testing
