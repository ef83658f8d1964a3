#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvanta {

inline constexpr const char* kFederalTableFile = "Federal08.dtt";

// One status and frequency of the percentage method. The first bracket has no fixed amount
// and the top bracket no upper bound.
struct FederalBracketBlock {
    struct Bracket {
        float lower = 0;
        float upper = 0;
        float base = 0;
        float rate = 0;
        float amount = 0;
    };
    std::array<Bracket, 6> brackets{};
};

struct FederalTable {
    FederalBracketBlock singleBiWeekly;
    FederalBracketBlock singleWeekly;
    FederalBracketBlock marriedBiWeekly;
    FederalBracketBlock marriedWeekly;
    std::array<float, 10> singleAllowance{};
    std::array<float, 10> marriedAllowance{};
    std::string TableVersion;
};

// Parses the 137 values of the table file. Throws RecordFormatError naming the file and the
// position of the first value that is missing or not a number.
FederalTable parseFederalTable(std::string_view content, const std::string& fileName);

// The text of a table file in the layout the parser reads.
std::string formatFederalTable(const FederalTable& table);

// The percentage method for one block: the last bracket whose range holds the wage wins;
// a wage at or below the first lower bound gives 0.
float federalBrackets(const FederalBracketBlock& block, float wage);

// The missing-file warning, four lines joined with CR LF.
std::string federalTableMissingMessage();

// All bracket values and allowances 0, as the calculation leaves the table; the version text
// stays, since the window keeps showing it.
void clearFederalTable(FederalTable& table);

}  // namespace corvanta
