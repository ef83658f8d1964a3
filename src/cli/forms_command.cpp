#include "cli/forms_command.h"

#include <QGuiApplication>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>

#include "base/files/file_io.h"
#include "cli/cli_args.h"
#include "cli/register_command.h"
#include "qtprint/pdf_output.h"
#include "qtprint/run_document.h"
#include "session/company/company_file.h"
#include "session/forms/efw2_file.h"
#include "session/forms/form_printouts.h"
#include "session/payroll/payroll_folder.h"

namespace corvanta {
namespace {

using Json = nlohmann::ordered_json;

Json dollars(Currency c) { return static_cast<double>(c.units()) / 10000.0; }

struct GuiSession {
    GuiSession() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (QGuiApplication::instance() == nullptr) app.emplace(argc, argv);
    }
    int argc = 1;
    char name[13] = "corvanta-cli";
    char* argv[2] = {name, nullptr};
    std::optional<QGuiApplication> app;
};

Json w2Json(const EmployeeW2& w) {
    const FormW2& b = w.boxes;
    return Json{{"employee", w.fileName},
                {"name", w.person.name},
                {"ssn", shownSsn(w.person.ssn)},
                {"street", w.person.street},
                {"cityStateZip", w.person.cityLine},
                {"box1", dollars(b.box1)},
                {"box2", dollars(b.box2)},
                {"box3", dollars(b.box3)},
                {"box4", dollars(b.box4)},
                {"box5", dollars(b.box5)},
                {"box6", dollars(b.box6)},
                {"box7", dollars(b.box7)},
                {"box12A", dollars(b.box12A)},
                {"box12B", dollars(b.box12B)},
                {"box12D", dollars(b.box12D)},
                {"box13RetirementPlan", w.retirementPlan},
                {"box14", Json{{"label", b.box14Label}, {"amount", dollars(b.box14)}}},
                {"box16", dollars(b.box16)},
                {"box17", dollars(b.box17)},
                {"box18", dollars(b.box18)},
                {"box19", dollars(b.box19)}};
}

Json w3Json(const YearFilings& f) {
    const FormW2& b = f.w3;
    return Json{
        {"forms", f.w2.size()},      {"box1", dollars(b.box1)},   {"box2", dollars(b.box2)},
        {"box3", dollars(b.box3)},   {"box4", dollars(b.box4)},   {"box5", dollars(b.box5)},
        {"box6", dollars(b.box6)},   {"box7", dollars(b.box7)},   {"box12", dollars(b.box12D)},
        {"box16", dollars(b.box16)}, {"box17", dollars(b.box17)}, {"box18", dollars(b.box18)},
        {"box19", dollars(b.box19)}};
}

Json form940Json(const Form940& f) {
    Json quarters = Json::array();
    for (const Currency c : f.line16) quarters.push_back(dollars(c));
    return Json{{"line3", dollars(f.line3)},   {"line4", dollars(f.line4)},
                {"line4a", dollars(f.line4a)}, {"line4e", dollars(f.line4e)},
                {"line5", dollars(f.line5)},   {"line6", dollars(f.line6)},
                {"line7", dollars(f.line7)},   {"line8", dollars(f.line8)},
                {"line12", dollars(f.line12)}, {"line16", std::move(quarters)},
                {"line17", dollars(f.line17)}};
}

int yearOf(const CliArgs& args) {
    const auto year = args.value("--year");
    if (!year) throw UsageError("--w2, --w3, --efw2 and --940 need --year 2008");
    return registerPeriod(RegisterSpan::Year, *year).year;
}

void writeW2(const std::filesystem::path& file, const YearFilings& filings) {
    const GuiSession gui;
    RunDocument document;
    printW2Copies(filings, document, [&document] { document.startPrintout(); });
    document.save(file);
}

void writePrintout(const std::filesystem::path& file, const PrintProducer& produce) {
    const GuiSession gui;
    printToPdfFile(file, produce);
}

}  // namespace

int formsCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args(
        "forms", argv,
        {"--dir", "--year", "--quarter", "--w2", "--w3", "--efw2", "--user-id", "--941", "--940"},
        {"--json"});
    const std::filesystem::path folder = args.value("--dir").value_or(".");
    const bool yearForms =
        args.value("--w2") || args.value("--w3") || args.value("--efw2") || args.value("--940");
    const auto quarterForm = args.value("--941");
    if (!yearForms && !quarterForm && !args.has("--json")) {
        throw UsageError("give --w2, --w3, --efw2, --941, --940 or --json");
    }
    if (quarterForm && !args.value("--quarter")) throw UsageError("--941 needs --quarter 2008Q1");
    if (args.value("--efw2") && !args.value("--user-id")) {
        throw UsageError("--efw2 needs --user-id, the submitter's User ID");
    }
    const Company company = companyOfFolder(folder);
    const std::vector<EmployeeBooks> employees = readPayrollFolder(folder);
    Json j = Json::object();
    if (yearForms || (args.has("--json") && args.value("--year"))) {
        const YearFilings filings = yearFilings(employees, yearOf(args), company);
        // The wage file is checked whole before anything at all is written.
        std::string efw2;
        if (const auto file = args.value("--efw2")) {
            const auto problems = efw2Problems(filings, *args.value("--user-id"));
            if (!problems.empty()) {
                env.err << "Nothing was written. The wage file needs:\n";
                for (const std::string& l : efw2ProblemLines(problems)) env.err << l << "\n";
                return 1;
            }
            efw2 = efw2File(filings, *args.value("--user-id"));
        }
        if (const auto file = args.value("--w2")) writeW2(*file, filings);
        if (const auto file = args.value("--w3")) {
            writePrintout(*file, [&filings](PrintColumnModel& out) { printW3(filings, out); });
        }
        if (const auto file = args.value("--940")) {
            writePrintout(*file,
                          [&filings](PrintColumnModel& out) { print940Worksheet(filings, out); });
        }
        if (const auto file = args.value("--efw2")) writeFileAtomically(*file, efw2);
        Json w2 = Json::array();
        for (const EmployeeW2& w : filings.w2) w2.push_back(w2Json(w));
        j["year"] = filings.year;
        j["w2"] = std::move(w2);
        j["w3"] = w3Json(filings);
        j["form940"] = form940Json(filings.form940);
        j["checks"] = filings.checks;
    }
    if (const auto quarter = args.value("--quarter")) {
        const PayrollRegister reg = buildRegister(
            employees, registerPeriod(RegisterSpan::Quarter, *quarter), company.deposits);
        if (quarterForm) {
            writePrintout(*quarterForm, [&reg, &company](PrintColumnModel& out) {
                print941Worksheet(reg, company, out);
            });
        }
        j["quarter"] = Json::parse(registerJson(reg));
    }
    if (args.has("--json"))
        env.out << j.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
    return 0;
}

}  // namespace corvanta
