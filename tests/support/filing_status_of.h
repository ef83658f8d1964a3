#pragma once

#include <stdexcept>
#include <string>

#include "tax/core/filing_status.h"

namespace corvanta {

// The status a case table names by its text ("Single", "Married").
inline FilingStatus statusOf(const std::string& text) {
    const auto status = filingStatusNamed(text);
    if (!status) throw std::invalid_argument("no filing status " + text);
    return *status;
}

}  // namespace corvanta
