#include "cli/register_command.h"

#include <QGuiApplication>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>

#include "base/files/file_io.h"
#include "base/files/stale_locks.h"
#include "cli/cli_args.h"
#include "cli/command_env.h"
#include "qtprint/pdf_output.h"
#include "records/print/text_page.h"
#include "session/company/company_file.h"
#include "session/payroll/register_report.h"

namespace corvanta {
namespace {

using Json = nlohmann::ordered_json;

// Dollars to the cent as a JSON number: every register amount is a sum of cent amounts, and
// the shortest text of the double is that amount.
Json dollars(Currency c) { return static_cast<double>(c.units()) / 10000.0; }

Json amountsJson(const RegisterAmounts& a) {
    return Json{{"gross", dollars(a.gross)},
                {"federal", dollars(a.federal)},
                {"socialSecurity", dollars(a.socSec)},
                {"medicare", dollars(a.medicare)},
                {"state", dollars(a.state)},
                {"city", dollars(a.city)},
                {"sdi", dollars(a.sdi)},
                {"sui", dollars(a.sui)},
                {"deductions", dollars(a.deductions)},
                {"net", dollars(a.net)},
                {"tips", dollars(a.tips)},
                {"kPlan", dollars(a.kPlan)},
                {"pension", dollars(a.pension)}};
}

Json employeeJson(const RegisterLine& l) {
    Json j{{"employee", l.employee}, {"name", l.name}, {"paid", l.paid}, {"status", l.status}};
    j.update(amountsJson(l.amounts));
    j["undated"] = l.undated;
    return j;
}

Json form941Json(const Form941& f) {
    const auto pair = [](Currency a, Currency b) { return Json::array({dollars(a), dollars(b)}); };
    return Json{{"line1", f.line1},
                {"line2", dollars(f.line2)},
                {"line3", dollars(f.line3)},
                {"line5a", pair(f.line5aWages, f.line5aTax)},
                {"line5b", pair(f.line5bTips, f.line5bTax)},
                {"line5c", pair(f.line5cWages, f.line5cTax)},
                {"line5d", dollars(f.line5d)},
                {"line6", dollars(f.line6)},
                {"line7a", dollars(f.line7a)},
                {"line7c", dollars(f.line7c)},
                {"line7h", dollars(f.line7h)},
                {"line8", dollars(f.line8)}};
}

Json boxesJson(const FormW2& w) {
    return Json{{"box1", dollars(w.box1)},
                {"box2", dollars(w.box2)},
                {"box3", dollars(w.box3)},
                {"box4", dollars(w.box4)},
                {"box5", dollars(w.box5)},
                {"box6", dollars(w.box6)},
                {"box7", dollars(w.box7)},
                {"box12D", dollars(w.box12D)},
                {"box16", dollars(w.box16)},
                {"box17", dollars(w.box17)},
                {"box18", dollars(w.box18)},
                {"box19", dollars(w.box19)},
                {"box12A", dollars(w.box12A)},
                {"box12B", dollars(w.box12B)},
                {"box14", Json{{"label", w.box14Label}, {"amount", dollars(w.box14)}}}};
}

void addYear(Json& j, const PayrollRegister& reg) {
    Json w2 = Json::array();
    for (const FormW2& w : reg.w2) {
        Json one{{"employee", w.employee}};
        one.update(boxesJson(w));
        w2.push_back(std::move(one));
    }
    j["w2"] = std::move(w2);
    j["w3"] = boxesJson(reg.w3);
    j["futa"] = dollars(reg.futa);
    j["employerSocialSecurity"] = dollars(reg.employerSocSec);
    j["employerMedicare"] = dollars(reg.employerMedicare);
}

Json liabilitiesJson(const EmployerLiabilities& l) {
    return Json{{"federal", dollars(l.federal)},
                {"socialSecurityWithheld", dollars(l.socSecWithheld)},
                {"medicareWithheld", dollars(l.medicareWithheld)},
                {"employerSocialSecurity", dollars(l.employerSocSec)},
                {"employerMedicare", dollars(l.employerMedicare)},
                {"futa", dollars(l.futa)},
                {"deposit", dollars(l.deposit)}};
}

void addLiabilities(Json& j, const PayrollRegister& reg) {
    j["depositSchedule"] = reg.schedule == DepositSchedule::SemiWeekly ? "semi-weekly" : "monthly";
    if (reg.semiWeeklySince) j["semiWeeklySince"] = dateText(*reg.semiWeeklySince);
    j["liabilities"] = liabilitiesJson(reg.liabilities);
    if (reg.form941) {
        Json months = Json::array();
        for (const Currency c : reg.monthlyLiability) months.push_back(dollars(c));
        j["monthlyLiability"] = std::move(months);
    }
    Json deposits = Json::array();
    for (const TaxDeposit& d : reg.deposits) {
        deposits.push_back(
            Json{{"for", d.what}, {"amount", dollars(d.amount)}, {"due", dateText(d.due)}});
    }
    j["deposits"] = std::move(deposits);
}

std::string csvCell(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (const char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string csvText(const PayrollRegister& reg) {
    std::string out;
    auto add = [&out](const RegisterTable& t) {
        for (const auto& row : t) {
            for (std::size_t i = 0; i < row.size(); ++i) out += (i ? "," : "") + csvCell(row[i]);
            out += "\r\n";
        }
    };
    add(registerTable(reg));
    const RegisterTable forms = formsTable(reg);
    if (!forms.empty()) {
        out += "\r\n";
        add(forms);
    }
    return out;
}

RegisterPeriod periodOf(const CliArgs& args) {
    const auto week = args.value("--week");
    const auto quarter = args.value("--quarter");
    const auto year = args.value("--year");
    if (int(week.has_value()) + int(quarter.has_value()) + int(year.has_value()) != 1) {
        throw UsageError("give one of --week DATE, --quarter 2008Q1 or --year 2008");
    }
    if (week) return registerPeriod(RegisterSpan::Week, *week);
    if (quarter) return registerPeriod(RegisterSpan::Quarter, *quarter);
    return registerPeriod(RegisterSpan::Year, *year);
}

void checkOutput(const CliArgs& args) {
    const int outputs = int(args.has("--text")) + int(args.has("--json")) +
                        int(args.value("--pdf").has_value()) + int(args.value("--csv").has_value());
    if (outputs != 1) throw UsageError("give one of --text, --json, --pdf FILE or --csv FILE");
}

void writePdf(const std::filesystem::path& file, const PayrollRegister& reg) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "corvanta-cli";
    char* argv[] = {name, nullptr};
    std::optional<QGuiApplication> app;
    if (QGuiApplication::instance() == nullptr) app.emplace(argc, argv);
    printToPdfFile(file, [&reg](PrintColumnModel& out) { printRegister(reg, out); });
}

}  // namespace

std::string registerJson(const PayrollRegister& reg) {
    Json employees = Json::array();
    for (const RegisterLine& l : reg.lines) employees.push_back(employeeJson(l));
    Json j{{"employees", std::move(employees)}};
    if (reg.period.span != RegisterSpan::Year) j["totals"] = amountsJson(reg.totals);
    if (reg.form941) j["form941"] = form941Json(*reg.form941);
    if (reg.period.span == RegisterSpan::Year) addYear(j, reg);
    if (reg.period.span != RegisterSpan::Year) addLiabilities(j, reg);
    j["checks"] = checkLines(reg);
    // A name typed in another code page is shown with replacement characters, not refused.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

int registerCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args("register", argv,
                       {"--week", "--quarter", "--year", "--pdf", "--csv", "--dir"},
                       {"--text", "--json"});
    checkOutput(args);
    const RegisterPeriod period = periodOf(args);
    const std::filesystem::path folder = args.value("--dir").value_or(".");
    recoverFolder(folder, env.err);
    const PayrollRegister reg =
        buildRegister(readPayrollFolder(folder), period, companyOfFolder(folder).deposits);
    if (args.has("--json")) {
        env.out << registerJson(reg) << "\n";
    } else if (const auto csv = args.value("--csv")) {
        writeFileAtomically(*csv, csvText(reg));
    } else if (const auto pdf = args.value("--pdf")) {
        writePdf(*pdf, reg);
    } else {
        TextPage page;
        printRegister(reg, page);
        env.out << page.text();
    }
    // The checks go to the error stream too, so a script sees them whatever the output.
    for (const std::string& c : checkLines(reg)) env.err << c << "\n";
    return 0;
}

}  // namespace corvanta
