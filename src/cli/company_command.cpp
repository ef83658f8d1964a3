#include "cli/company_command.h"

#include <functional>
#include <map>

#include "cli/cli_args.h"
#include "cli/json_writer.h"
#include "session/checks/check_book.h"
#include "session/company/company_checks.h"
#include "session/company/company_file.h"

namespace corvanta {
namespace {

using Setter = std::function<void(Company&, const std::string&)>;

// Each option and the field it sets; the record's checks run on the whole when it is saved.
const std::map<std::string, Setter>& fieldOptions() {
    static const std::map<std::string, Setter> options{
        {"--name", [](Company& c, const std::string& v) { c.name = v; }},
        {"--street", [](Company& c, const std::string& v) { c.street = v; }},
        {"--city", [](Company& c, const std::string& v) { c.city = v; }},
        {"--state", [](Company& c, const std::string& v) { c.stateCode = v; }},
        {"--zip", [](Company& c, const std::string& v) { c.zip = v; }},
        {"--ein", [](Company& c, const std::string& v) { c.ein = v; }},
        {"--state-id", [](Company& c, const std::string& v) { c.stateEmployerId = v; }},
        {"--home-state",
         [](Company& c, const std::string& v) { c.homeStateMethod = parseHomeState(v); }},
        {"--local", [](Company& c, const std::string& v) { c.localTax = parseLocalTax(v); }},
        {"--deposits", [](Company& c, const std::string& v) { c.deposits = parseDeposits(v); }},
        {"--contact-name", [](Company& c, const std::string& v) { c.contact.name = v; }},
        {"--contact-phone", [](Company& c, const std::string& v) { c.contact.phone = v; }},
        {"--contact-email", [](Company& c, const std::string& v) { c.contact.email = v; }},
        {"--next-check",
         [](Company& c, const std::string& v) { c.nextCheckNumber = checkedCheckNumber(v); }},
    };
    return options;
}

// `nextCheck`: the number the next check takes, which the register may have moved past the
// company's own.
std::string companyJson(const Company& c, std::int64_t nextCheck) {
    JsonWriter j;
    j.beginObject();
    j.text("file", kCompanyFile);
    j.text("name", c.name).text("street", c.street).text("city", c.city);
    j.text("state", c.stateCode).text("zip", c.zip).text("ein", c.ein);
    j.text("stateId", c.stateEmployerId);
    j.text("homeState", homeStateName(c.homeStateMethod));
    j.text("localTax", localTaxName(c.localTax));
    j.text("deposits", depositsName(c.deposits));
    j.beginObject("contact");
    j.text("name", c.contact.name).text("phone", c.contact.phone).text("email", c.contact.email);
    j.endObject();
    j.number("nextCheckNumber", static_cast<double>(nextCheck));
    j.endObject();
    return j.str();
}

}  // namespace

int companyCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    std::set<std::string> valued;
    for (const auto& [name, set] : fieldOptions()) valued.insert(name);
    if (env.held == nullptr) valued.insert("--dir");
    const CliArgs args("company", argv, valued, {});
    PayrollContext own;
    PayrollContext& ctx = env.held != nullptr ? *env.held : own;
    if (env.held == nullptr) {
        if (const auto dir = args.value("--dir")) ctx.folder = *dir;
    }
    std::optional<Company> company = readCompany(ctx.folder);
    bool changed = false;
    Company edited = company.value_or(Company{});
    for (const auto& [name, set] : fieldOptions()) {
        if (const auto value = args.value(name)) {
            set(edited, *value);
            changed = true;
        }
    }
    if (changed) {
        if (args.value("--next-check"))
            requireUnusedCheckNumber(ctx.folder, edited.nextCheckNumber);
        company = saveCompany(ctx, edited);
    } else if (!company) {
        throw UserError("The folder has no company yet (" + std::string(kCompanyFile) +
                        "). Set it with corvanta-cli company --name TEXT --street TEXT "
                        "--city TEXT --state XX --zip TEXT --ein NN-NNNNNNN.");
    }
    env.out << companyJson(*company, nextCheckNumber(ctx.folder)) << "\n";
    return 0;
}

}  // namespace corvanta
