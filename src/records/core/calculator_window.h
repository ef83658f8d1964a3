#pragma once

#include <array>
#include <string>

namespace corvanta {

inline constexpr int kEntryBoxes = 8;
inline constexpr int kTaxLines = 11;

// What the calculator window shows: the entry boxes as typed and every result text. The
// engine writes the texts so the window and the command line show identical strings.
struct CalculatorWindow {
    std::array<std::string, kEntryBoxes> txtAmount{};
    bool opt1x = true;  // "(1X)" selected; false means "(2X)"
    std::string txtWeek;
    std::string caption = "QUORVELL SOFTWARE";
    std::string lbUser = "USER";
    std::string lbTableNotice;
    std::string lbTaxVer;
    std::string Label13;
    std::string lbNet, lbTaxes, lbDeduct, lbOverT, lbTips;
    std::string lbSDI, lbSUI, lbCafe;
    std::array<std::string, kTaxLines> lbTaxDed{};
    std::array<std::string, 5> deductionTags{"Muni Cr Union", "Bond", "Union Dues", "Pension",
                                             "Misc."};  // lbTaxTag(5) to lbTaxTag(9)
};

// The captions beside the entry boxes, used to name a box in a message.
inline constexpr std::array<const char*, kEntryBoxes> kEntryCaptions{
    "STRAIGHT TIME HOURS 1",    "STRAIGHT TIME HOURS 2", "O.T.",
    "O.T. TIME AND 1/2 (1.5X)", "HOLIDAY IN HOURS",      "VACATION - SICK, IN HOURS",
    "PAY IN DOLLAR AMOUNT",     "TIPS (Hours)"};

}  // namespace corvanta
