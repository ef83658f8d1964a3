#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvanta {

struct PayrollContext;

inline constexpr const char* kHeadingFile = "Header.sav";

// The employer heading printed above every report, shared by all employees.
struct PrintHeading {
    std::string HeadingCompany;
    std::string HeadingAddress;
    std::string HeadingZip;
    std::string HeadingId;
};

// The heading of the folder's company ("Company.sav") where it has one; else reads
// "Header.sav" when it can be opened; otherwise the heading stays as it is. A file with
// fewer than four texts throws FileError naming it, and the heading is then unchanged.
void ReadHeading(PayrollContext& ctx);

// Writes the heading to "Header.sav", replacing it. Throws FileError naming the file. A double
// quote cannot be stored in the file, so it is written as a single quote. In a folder with a
// company the four lines are the company's: they are checked and saved into "Company.sav"
// (CompanyFieldError naming the field; nothing written).
void SaveHeader(PayrollContext& ctx);

// The heading dialog's load: ReadHeading, then each empty line takes its placeholder
// ("Company", "Address", "Zip Code", "ID Number").
void loadHeadingDialog(PayrollContext& ctx);

std::string formatHeadingFile(const PrintHeading& heading);
PrintHeading parseHeadingFile(std::string_view content, const std::string& fileName);

}  // namespace corvanta
