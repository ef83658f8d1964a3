#include "cli/register_command.h"

#include <QGuiApplication>
#include <cstdlib>
#include <optional>

#include "cli/cli_args.h"
#include "cli/json_writer.h"
#include "files/file_io.h"
#include "payroll/register_report.h"
#include "print/text_page.h"
#include "qtprint/pdf_output.h"

namespace corvanta {
namespace {

// Dollars to the cent as a JSON number: every register amount is a sum of cent amounts.
std::string jsonAmount(Currency c) {
    const std::int64_t units = c.units();
    const std::int64_t cents = (units < 0 ? -units : units) / 100;
    std::string s = std::to_string(cents / 100) + "." + (cents % 100 < 10 ? "0" : "") +
                    std::to_string(cents % 100);
    return units < 0 ? "-" + s : s;
}

class JsonText {
  public:
    JsonText& key(const std::string& k) {
        comma();
        out_ += jsonQuote(k) + ":";
        fresh_ = true;
        return *this;
    }
    JsonText& raw(const std::string& v) {
        comma();
        out_ += v;
        return *this;
    }
    JsonText& amount(const std::string& k, Currency c) { return key(k).raw(jsonAmount(c)); }
    JsonText& open(char c) {
        comma();
        out_ += c;
        fresh_ = true;
        return *this;
    }
    JsonText& close(char c) {
        out_ += c;
        fresh_ = false;
        return *this;
    }
    [[nodiscard]] const std::string& str() const { return out_; }

  private:
    void comma() {
        if (!fresh_) out_ += ",";
        fresh_ = false;
    }
    std::string out_;
    bool fresh_ = true;
};

void amountsJson(JsonText& j, const RegisterAmounts& a) {
    j.amount("gross", a.gross).amount("federal", a.federal).amount("socialSecurity", a.socSec);
    j.amount("medicare", a.medicare).amount("state", a.state).amount("city", a.city);
    j.amount("sdi", a.sdi).amount("sui", a.sui).amount("deductions", a.deductions);
    j.amount("net", a.net).amount("tips", a.tips).amount("kPlan", a.kPlan);
}

void employeeJson(JsonText& j, const RegisterLine& l) {
    j.open('{');
    j.key("employee").raw(jsonQuote(l.employee)).key("name").raw(jsonQuote(l.name));
    j.key("paid").raw(l.paid ? "true" : "false").key("status").raw(jsonQuote(l.status));
    amountsJson(j, l.amounts);
    j.key("undated").open('[');
    for (const std::string& u : l.undated) j.raw(jsonQuote(u));
    j.close(']').close('}');
}

void pairJson(JsonText& j, const std::string& k, Currency a, Currency b) {
    j.key(k).open('[').raw(jsonAmount(a)).raw(jsonAmount(b)).close(']');
}

void form941Json(JsonText& j, const Form941& f) {
    j.key("form941").open('{');
    j.key("line1").raw(std::to_string(f.line1));
    j.amount("line2", f.line2).amount("line3", f.line3);
    pairJson(j, "line5a", f.line5aWages, f.line5aTax);
    pairJson(j, "line5b", f.line5bTips, f.line5bTax);
    pairJson(j, "line5c", f.line5cWages, f.line5cTax);
    j.amount("line5d", f.line5d).amount("line6", f.line6).amount("line7a", f.line7a);
    j.amount("line8", f.line8).close('}');
}

void boxesJson(JsonText& j, const FormW2& w) {
    j.amount("box1", w.box1).amount("box2", w.box2).amount("box3", w.box3);
    j.amount("box4", w.box4).amount("box5", w.box5).amount("box6", w.box6);
    j.amount("box7", w.box7).amount("box12D", w.box12D).amount("box16", w.box16);
    j.amount("box17", w.box17).amount("box18", w.box18).amount("box19", w.box19);
}

void yearJson(JsonText& j, const PayrollRegister& reg) {
    j.key("w2").open('[');
    for (const FormW2& w : reg.w2) {
        j.open('{').key("employee").raw(jsonQuote(w.employee));
        boxesJson(j, w);
        j.close('}');
    }
    j.close(']');
    j.key("w3").open('{');
    boxesJson(j, reg.w3);
    j.close('}');
    j.amount("futa", reg.futa).amount("employerSocialSecurity", reg.employerSocSec);
    j.amount("employerMedicare", reg.employerMedicare);
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
    JsonText j;
    j.open('{').key("employees").open('[');
    for (const RegisterLine& l : reg.lines) employeeJson(j, l);
    j.close(']');
    if (reg.period.span != RegisterSpan::Year) {
        j.key("totals").open('{');
        amountsJson(j, reg.totals);
        j.close('}');
    }
    if (reg.form941) form941Json(j, *reg.form941);
    if (reg.period.span == RegisterSpan::Year) yearJson(j, reg);
    j.key("checks").open('[');
    for (const std::string& c : checkLines(reg)) j.raw(jsonQuote(c));
    j.close(']').close('}');
    return j.str();
}

int registerCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args("register", argv,
                       {"--week", "--quarter", "--year", "--pdf", "--csv", "--dir"},
                       {"--text", "--json"});
    checkOutput(args);
    const RegisterPeriod period = periodOf(args);
    const PayrollRegister reg =
        buildRegister(readPayrollFolder(args.value("--dir").value_or(".")), period);
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
