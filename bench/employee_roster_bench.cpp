// The employee list over a folder of 500 employees: each read whole through the employee
// loader, ledger included.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "session/payroll/employee_roster.h"
#include "support/employee_folder.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

constexpr int kStaff = 500;

const fs::path& rosterFolder() {
    static const fs::path folder = [] {
        const fs::path f = fs::temp_directory_path() / "corvanta-roster-bench-staff";
        fs::remove_all(f);
        fs::create_directories(f);
        fs::copy_file(fs::path(CORVANTA_DATA_DIR) / "Federal08.dtt", f / "Federal08.dtt");
        testing::EmployeeFolderMaker(25).make(f, kStaff);
        return f;
    }();
    return folder;
}

void BM_EmployeeRoster500(benchmark::State& state) {
    const fs::path& folder = rosterFolder();
    for (auto _ : state) {
        const auto roster = employeeRoster(folder);
        if (roster.size() != kStaff) state.SkipWithError("not every employee was listed");
        benchmark::DoNotOptimize(roster.data());
    }
}
BENCHMARK(BM_EmployeeRoster500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta
