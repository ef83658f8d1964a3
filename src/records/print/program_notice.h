#pragma once

#include <string>

namespace corvanta {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

inline constexpr const char* kProgramTitle = "CORVANTA 2008";
inline constexpr const char* kMakerNotice =
    "Copyright 2008 QUORVELL SOFTWARE  www.quorvell-software.example";

// "1.0.0"
inline std::string versionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

// The small print at the foot of the stub and the ledger report.
inline std::string noticeLine() {
    return std::string(kMakerNotice) + "  " + kProgramTitle + "  Version  " + versionText();
}

}  // namespace corvanta
