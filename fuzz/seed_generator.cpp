// Writes a seed corpus for each fuzzer from the files the program itself writes, so the
// fuzzers start from valid layouts rather than from nothing.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "base/files/record_format.h"
#include "session/core/payroll_context.h"
#include "session/files/employee_files.h"
#include "session/files/print_heading.h"
#include "session/side/leave_record.h"
#include "session/state/state_file.h"
#include "session/ytd/ledger_file.h"
#include "tax/core/federal_table.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"

using namespace corvanta;
namespace fs = std::filesystem;

namespace {

void seed(const fs::path& root, const std::string& target, const std::string& name,
          const std::string& content) {
    fs::create_directories(root / target);
    std::ofstream(root / target / name, std::ios::binary) << content;
}

PayrollContext sampleEmployee() {
    PayrollContext ctx;
    ctx.profile.HourlyRate = 12.5f;
    ctx.profile.EmployeeName = "Dana Quill, Jr.";
    ctx.profile.FedExemptions = "2";
    ctx.profile.FedStatus = FilingStatus::Married;
    ctx.overtime.WeekEnding[0] = "01/04/2008";
    ctx.overtime.WeekOvertime[0] = "12.5";
    return ctx;
}

std::string snapshot() {
    RecordWriter out;
    for (const float v : {40.0f, 0.5f, 0.0f, -2.25f, 1e6f, 0.0f, 3.0f, 0.0f})
        out.single(v).endLine();
    return out.content();
}

void employeeSeeds(const fs::path& root) {
    PayrollContext ctx = sampleEmployee();
    // The first byte of an employee seed picks the file: 0 ".use" ... 4 ".ovb".
    seed(root, "employee_files", "use", std::string(1, '\0') + formatUseFile(ctx));
    seed(root, "employee_files", "and", std::string(1, '\1') + formatAndFile(ctx));
    seed(root, "employee_files", "cfe", std::string(1, '\2') + formatCafeteriaFile(ctx.profile));
    seed(root, "employee_files", "ovw",
         std::string(1, '\3') + formatOvertimeRows(ctx.overtime, 52));
    seed(root, "employee_files", "ovb",
         std::string(1, '\4') + formatOvertimeRows(ctx.overtime, 26));
}

void tableSeeds(const fs::path& root, const fs::path& federalFile) {
    std::ifstream in(federalFile, std::ios::binary);
    const std::string federal((std::istreambuf_iterator<char>(in)), {});
    seed(root, "federal_table", "Federal08.dtt", federal);
    const PayrollContext ctx = sampleEmployee();
    seed(root, "state_file", "ny.sta", formatStateFile(ctx.state, ctx.profile));
    seed(root, "city_file", "nyc.cti", formatCityFile(cityDefaults()));
    seed(root, "non_city_file", "default.nci", formatNonCityFile(nonCityDefaults()));
    seed(root, "record_format", "use", std::string("\0\1\2\3\4\5\0\1", 8) + formatUseFile(ctx));
}

void recordSeeds(const fs::path& root) {
    YtdLedger ledger;
    seed(root, "ledger_file", "weekly.yrw", std::string(1, '\0') + formatLedgerFile(ledger, 52));
    seed(root, "ledger_file", "biweekly.yrb", std::string(1, '\1') + formatLedgerFile(ledger, 26));
    LeaveRecord leave;
    leave.VacationStart = 80;
    leave.VacationDates[0] = "03/14/2008";
    leave.VacationTaken[0] = 8;
    seed(root, "leave_file", "sample.hol", formatLeaveFile(leave));
    seed(root, "snapshot_file", "sample.prv", snapshot());
    seed(root, "heading_file", "Header.sav",
         formatHeadingFile({"Acme, Inc.", "1 Main St", "10001", "12-3456789"}));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: seed_generator <corpus folder> <Federal08.dtt>\n";
        return 2;
    }
    const fs::path root = argv[1];
    employeeSeeds(root);
    tableSeeds(root, argv[2]);
    recordSeeds(root);
    return 0;
}
