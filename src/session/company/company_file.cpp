#include "session/company/company_file.h"

#include <algorithm>
#include <cmath>

#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "base/files/record_format.h"
#include "session/company/company_checks.h"
#include "session/core/payroll_context.h"

namespace corvanta {
namespace {

// A double quote cannot be stored in a quoted field, so it is kept as a single quote.
std::string storable(std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

}  // namespace

std::string formatCompanyFile(const Company& c) {
    RecordWriter out;
    out.text(storable(c.name)).text(storable(c.street)).text(storable(c.city));
    out.text(storable(c.stateCode)).text(storable(c.zip)).text(storable(c.ein));
    out.text(storable(c.stateEmployerId)).endLine();
    out.text(homeStateName(c.homeStateMethod)).text(localTaxName(c.localTax));
    out.text(depositsName(c.deposits)).dbl(static_cast<double>(c.nextCheckNumber)).endLine();
    out.text(storable(c.contact.name)).text(storable(c.contact.phone));
    out.text(storable(c.contact.email)).endLine();
    return out.content();
}

Company parseCompanyFile(std::string_view content, const std::string& fileName) {
    RecordReader in(content, fileName);
    Company c;
    c.name = in.readText();
    c.street = in.readText();
    c.city = in.readText();
    c.stateCode = in.readText();
    c.zip = in.readText();
    c.ein = in.readText();
    c.stateEmployerId = in.readText();
    try {
        c.homeStateMethod = parseHomeState(in.readText());
        c.localTax = parseLocalTax(in.readText());
        c.deposits = parseDeposits(in.readText());
    } catch (const CompanyFieldError& e) {
        throw FileError(fileName + ": " + e.what(), fileName);
    }
    // Files written before checks were numbered end the line here: they start at 1001.
    if (in.nextLine() == in.lastLine()) {
        const double next = in.readDouble();
        if (next < 1 || next > kLargestCheckNumber || next != std::floor(next)) {
            in.refuseLast("the next check number is not a whole number from 1 to " +
                          std::to_string(kLargestCheckNumber));
        }
        c.nextCheckNumber = static_cast<std::int64_t>(next);
    }
    c.contact.name = in.readText();
    c.contact.phone = in.readText();
    c.contact.email = in.readText();
    return c;
}

std::optional<Company> readCompany(const std::filesystem::path& folder) {
    const auto content = readFileIfExists(folder / kCompanyFile);
    if (!content) return std::nullopt;
    return parseCompanyFile(*content, kCompanyFile);
}

Company companyOfFolder(const std::filesystem::path& folder) {
    return readCompany(folder).value_or(Company{});
}

void writeCompany(const std::filesystem::path& folder, const Company& company) {
    writeFileAtomically(folder / kCompanyFile, formatCompanyFile(company), true);
}

bool hasCompany(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::exists(folder / kCompanyFile, ec);
}

Company saveCompany(PayrollContext& ctx, const Company& company) {
    Company stored = checkedCompany(company);
    const PrintHeading heading = companyHeading(stored);
    withFolderLock(ctx.folder, [&] {
        writeFileAtomically(ctx.folder / kCompanyFile, formatCompanyFile(stored),
                            ctx.durableWrites);
        // Older copies of the program and other folders' tools read the heading from here.
        writeFileAtomically(ctx.folder / kHeadingFile, formatHeadingFile(heading),
                            ctx.durableWrites);
    });
    ctx.heading = heading;
    return stored;
}

PrintHeading companyHeading(const Company& company) {
    return {company.name, company.street, company.cityStateZip(), company.ein};
}

Company companyFromHeading(Company company, const PrintHeading& heading) {
    company.name = heading.HeadingCompany;
    company.street = heading.HeadingAddress;
    company.ein = heading.HeadingId;
    const std::string& line = heading.HeadingZip;
    const auto comma = line.rfind(',');
    const auto blank = line.find_last_of(' ');
    if (comma == std::string::npos || blank == std::string::npos || blank < comma) {
        throw CompanyFieldError(kCityField, "The third line \"" + line +
                                                "\" does not read \"City, ST ZIP\" (Des Moines, "
                                                "IA 50309).");
    }
    company.city = line.substr(0, comma);
    const auto stateStart = line.find_first_not_of(' ', comma + 1);
    company.stateCode = line.substr(stateStart, blank - stateStart);
    company.zip = line.substr(blank + 1);
    return company;
}

}  // namespace corvanta
