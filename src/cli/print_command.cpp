#include "cli/print_command.h"

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>

#include "base/core/money.h"
#include "cli/calc_command.h"
#include "cli/cli_args.h"
#include "cli/ledger_command.h"
#include "export/ledger_workbook.h"
#include "qtprint/check_fit.h"
#include "qtprint/pdf_output.h"
#include "records/print/payee_name.h"
#include "records/print/text_page.h"
#include "session/checks/check_register_file.h"
#include "session/checks/numbered_check.h"
#include "session/core/calculate.h"
#include "session/files/employee_hold.h"
#include "session/files/print_heading.h"
#include "session/print/amount_words.h"
#include "session/print/check_print.h"
#include "session/print/ledger_report.h"
#include "session/print/pay_stub.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {
namespace {

const std::vector<std::string> kOutputOptions{"--pdf"};
const std::vector<std::string> kOutputSwitches{"--text"};
const std::vector<std::string> kCheckOptions{"--memo", "--horz", "--vert", "--date"};

std::set<std::string> joined(std::initializer_list<std::vector<std::string>> lists) {
    std::set<std::string> out;
    for (const auto& list : lists) out.insert(list.begin(), list.end());
    return out;
}

// Fonts and the PDF writer need a GUI application; without a display the offscreen platform
// does.
class GuiSession {
  public:
    GuiSession() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (QGuiApplication::instance() == nullptr) app_.emplace(argc_, argv_);
    }

  private:
    int argc_ = 1;
    char name_[13] = "corvanta-cli";
    char* argv_[2] = {name_, nullptr};
    std::optional<QGuiApplication> app_;
};

// Checked before anything runs, so a wrong command line changes nothing.
const CliArgs& withOutput(const CliArgs& args) {
    if (args.value("--pdf").has_value() == args.has("--text")) {
        throw UsageError("give either --pdf FILE or --text");
    }
    return args;
}

void printOut(const CliArgs& args, const PrintProducer& produce, std::ostream& out) {
    if (const auto pdf = args.value("--pdf")) {
        const GuiSession gui;
        printToPdfFile(*pdf, produce);
        return;
    }
    TextPage page;
    produce(page);
    out << page.text();
}

// The calculation as `calc` runs it, then the save and the post when asked for.
void calculated(PayrollContext& ctx, const CliArgs& args) {
    if (args.has("--save") || args.value("--post")) claimForWriting(ctx);
    runCalculation(ctx, args);
    // Refused before anything is saved or posted, as the window asks before it prints.
    if (employeeNameMissing(ctx.profile) && !args.has("--force")) {
        throw UserError(std::string(kNameNotFilledQuestion) + " Give --force to print it.");
    }
    const auto post = args.value("--post");
    const int row = post ? ledgerRowIndex(*post, ctx.profile) : -1;
    if (post) refuseWeekPostedTwice(ctx, ctx.window.txtWeek, row);
    if (args.has("--save")) SaveUserFiles(ctx);
    if (post) postToLedger(ctx, row);
}

// The offset dialog's boxes: given texts, else the stored offsets as whole numbers.
CheckOffsetTexts offsetTexts(PayrollContext& ctx, const CliArgs& args) {
    const auto stored = [](float value) { return std::to_string(roundHalfEven(value)); };
    return CheckOffsetTexts{args.value("--horz").value_or(stored(ctx.CheckOffsetHorz)),
                            args.value("--vert").value_or(stored(ctx.CheckOffsetVert))};
}

void prepareCheck(PayrollContext& ctx, const CliArgs& args) {
    ctx.check = CheckWindow{};
    loadCheckWindow(ctx);
    if (const auto date = args.value("--date")) ctx.check.txtCheckDate = *date;
    ctx.check.txtMemo = args.value("--memo").value_or("");
}

// The ledger window as the calculator window's button opens it.
void openLedger(PayrollContext& ctx) {
    Update(ctx);
    AddAnnual(ctx);
}

}  // namespace

int printCommand(const std::string& command, const std::vector<std::string>& argv,
                 CommandEnv& env) {
    std::ostream& out = env.out;
    std::optional<PayrollContext> own;
    const std::string today = todayText();
    if (command == "report") {
        const CliArgs args =
            withOutput(CliArgs(command, argv, withEmployeeOptions(env, joined({kOutputOptions})),
                               joined({kOutputSwitches})));
        PayrollContext& ctx = commandEmployee(args, env, own);
        openLedger(ctx);
        ReadHeading(ctx);
        printOut(
            args, [&](PrintColumnModel& page) { PrintYr(ctx, page, today); }, out);
        return 0;
    }
    const bool check = command == "check";
    const CliArgs args = withOutput(CliArgs(
        command, argv,
        withEmployeeOptions(env, joined({kCalcValuedOptions, kOutputOptions,
                                         check ? kCheckOptions : std::vector<std::string>{}})),
        joined({kCalcSwitches, kOutputSwitches, {"--save", "--force"}})));
    PayrollContext& ctx = commandEmployee(args, env, own);
    // The stub reads the check window's date; each printout starts from a freshly loaded one.
    ctx.check = CheckWindow{};
    // A register that cannot be read stops the check before anything is saved or posted.
    if (check) readCheckRegister(ctx.folder);
    calculated(ctx, args);
    if (!check) {
        printOut(
            args, [&](PrintColumnModel& page) { PrintText(ctx, page, today); }, out);
        return 0;
    }
    const CheckOffsetTexts offsets = offsetTexts(ctx, args);
    prepareCheck(ctx, args);
    // On paper every field must stay on the sheet; a text page has no sheet to leave.
    if (args.value("--pdf")) {
        const GuiSession gui;  // the fonts, as printing needs them
        requireCheckFits(ctx, offsets);
    }
    // Each check printed takes its number from the folder's register (a reprint keeps its own),
    // recorded before the paper comes out: a failed printout voids it, never reuses it.
    const IssuedCheck taken = printNumberedCheck(ctx, [&] {
        printOut(
            args, [&](PrintColumnModel& page) { PrintCheck(ctx, page, offsets); }, out);
    });
    ctx.check.checkNumber.clear();
    if (taken.state == CheckState::Reprint) {
        env.err << "Printed again as check " << taken.number << ", marked as a reprint.\n";
    }
    return 0;
}

int exportCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args("export", argv, withEmployeeOptions(env, {"--xlsx"}), {});
    const auto file = args.value("--xlsx");
    if (!file) throw UsageError("export needs --xlsx FILE");
    std::optional<PayrollContext> own;
    PayrollContext& ctx = commandEmployee(args, env, own);
    openLedger(ctx);
    ToExcel(ctx, *file);
    return 0;
}

}  // namespace corvanta
