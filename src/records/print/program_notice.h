#pragma once

#include <string>

#include "base/core/program_info.h"

namespace corvanta {

inline constexpr const char* kProgramTitle = "CORVANTA 2008";

// "COPYRIGHT 2008 <MAKER>  <web>": the maker as the build defines it.
inline std::string makerNotice() {
    return std::string("Copyright 2008 ") + kMakerNameCaps + "  " + kMakerWeb;
}

// The project's version, as the package and the command line report it.
inline std::string versionText() { return kProgramVersion; }

// The small print at the foot of the stub and the ledger report.
inline std::string noticeLine() {
    return makerNotice() + "  " + kProgramTitle + "  Version  " + versionText();
}

}  // namespace corvanta
