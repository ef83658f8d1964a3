#pragma once

#include <string>
#include <vector>

#include "session/forms/year_filings.h"

namespace corvanta {

inline constexpr int kEfw2RecordLength = 512;  // then CR LF

// A required field of the wage file that is missing or wrong.
struct Efw2Problem {
    std::string who;  // "employer", "submitter" or the employee's file name
    std::string field;
    std::string problem;
};

// Every required field checked before anything is written: the submitter's User ID, the
// employer's EIN, name, address and contact, and each employee's Social Security number,
// name and address.
std::vector<Efw2Problem> efw2Problems(const YearFilings& filings, const std::string& userId);

// The Social Security Administration's wage file of the year (its EFW2 layout): RA, RE, one
// RW per employee (an RO beside it when tips went uncollected, and an RS when the company
// has a state employer number), RT (and RU), RF; every record 512 characters and CR LF.
// Throws UserError listing the problems when there are any.
std::string efw2File(const YearFilings& filings, const std::string& userId);

// The lines of a refusal: "emp3: Social Security number: ...".
std::vector<std::string> efw2ProblemLines(const std::vector<Efw2Problem>& problems);

}  // namespace corvanta
