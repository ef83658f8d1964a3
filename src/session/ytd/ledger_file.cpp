#include "session/ytd/ledger_file.h"

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "base/files/record_format.h"
#include "session/files/employee_files.h"
#include "session/files/employee_hold.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {
namespace {

float cellValue(const std::string& text) { return static_cast<float>(numericValue(text)); }

void writeRow(RecordWriter& out, const LedgerGridRow& g, const LedgerRow& r) {
    const auto& c = g.taxCells;
    out.text(g.txtDate);
    for (int k = 0; k < 4; ++k) out.single(cellValue(c[k]));
    out.endLine();
    for (int k = 4; k < 9; ++k) out.single(cellValue(c[k]));
    out.endLine();
    out.single(cellValue(c[9])).single(cellValue(c[10])).single(cellValue(g.txtOT));
    out.single(cellValue(g.grossText)).single(cellValue(g.netText)).endLine();
    out.single(r.Sdi).single(r.Sui).single(r.Cafeteria).single(cellValue(g.txtTips)).endLine();
}

void writeCurrency(RecordWriter& out, Currency value) { out.dbl(value.toDouble()); }

void writeTotals(RecordWriter& out, const YtdTotals& t) {
    out.single(t.YtdFederal).single(t.YtdSocSec).single(t.YtdMedicare).single(t.YtdState);
    out.single(t.YtdCity).endLine();
    out.single(t.YtdCredit).single(t.YtdBond).single(t.YtdDues).single(t.YtdPension);
    out.single(t.YtdMisc).endLine();
    out.single(t.YtdKPlan);
    writeCurrency(out, t.YtdOvertime);
    writeCurrency(out, t.YtdGross);
    writeCurrency(out, t.YtdNet);
    writeCurrency(out, t.YtdTips);
    out.endLine();
}

void readRow(RecordReader& in, LedgerRow& r) {
    r.WeekLabel = in.readText();
    for (float* f : {&r.Federal, &r.SocSec, &r.Medicare, &r.State, &r.City, &r.Credit, &r.Bond,
                     &r.Dues, &r.Pension, &r.Misc, &r.KPlan, &r.Overtime, &r.Gross, &r.Net, &r.Sdi,
                     &r.Sui, &r.Cafeteria, &r.Tips}) {
        *f = in.readSingle();
    }
}

Currency readCurrency(RecordReader& in) {
    const double value = in.readDouble();
    try {
        return Currency::fromDouble(value);
    } catch (const MoneyOverflow&) {
        throw FileError("The file \"" + in.fileName() + "\" is damaged: a total is too large.",
                        in.fileName());
    }
}

void readTotals(RecordReader& in, YtdTotals& t) {
    for (float* f :
         {&t.YtdFederal, &t.YtdSocSec, &t.YtdMedicare, &t.YtdState, &t.YtdCity, &t.YtdCredit,
          &t.YtdBond, &t.YtdDues, &t.YtdPension, &t.YtdMisc, &t.YtdKPlan}) {
        *f = in.readSingle();
    }
    t.YtdOvertime = readCurrency(in);
    t.YtdGross = readCurrency(in);
    t.YtdNet = readCurrency(in);
    t.YtdTips = readCurrency(in);
}

}  // namespace

std::string ledgerExtension(const EmployeeProfile& profile) {
    return profile.isWeekly() ? ".yrw" : ".yrb";
}

std::string formatLedgerFile(const YtdLedger& ledger, int rows) {
    RecordWriter out;
    for (int i = 0; i < rows; ++i) writeRow(out, ledger.grid[i], ledger.rows[i]);
    writeTotals(out, ledger.totals);
    return out.content();
}

YtdLedger parseLedgerFile(std::string_view content, const std::string& fileName, int rows,
                          YtdLedger ledger) {
    RecordReader in(content, fileName);
    for (int i = 0; i < rows; ++i) readRow(in, ledger.rows[i]);
    readTotals(in, ledger.totals);
    // More blocks than the frequency holds would otherwise be taken for the totals or dropped.
    in.expectEnd();
    return ledger;
}

void LoadLedger(PayrollContext& ctx) {
    AddAnnual(ctx);
    const std::string extension = ledgerExtension(ctx.profile);
    const auto content = readFileIfExists(ctx.employeeFile(extension));
    if (content) {
        const std::string name = ctx.UserFileBase + extension;
        try {
            ctx.ledger = parseLedgerFile(*content, name, rowsInUse(ctx.profile), ctx.ledger);
        } catch (const FileError& e) {
            throw FileError(std::string(e.what()) +
                                "\r\nThe year-to-date ledger was not loaded; the ledger shown "
                                "is the one in memory before, and the file was not changed.",
                            name);
        }
        // The file has no SDI, SUI or cafeteria totals: they are the sums of the rows read.
        addInsuranceTotals(ctx);
    }
    showLedgerGrid(ctx.ledger, ctx.profile);
}

void SaveAnnual(PayrollContext& ctx) {
    const std::string extension = ledgerExtension(ctx.profile);
    const std::string fileName = ctx.UserFileBase + extension;
    // Totals that stopped part way would be stored as if they were the year's.
    if (!AddAnnual(ctx)) {
        throw FileError("The year-to-date ledger " + fileName +
                            " was not saved: an amount in it is too large to add up. The file "
                            "keeps what was saved last.",
                        fileName);
    }
    const std::string content = formatLedgerFile(ctx.ledger, rowsInUse(ctx.profile));
    claimForWriting(ctx);
    ctx.writeEmployeeFile(extension, content);
}

}  // namespace corvanta
