#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/files/file_io.h"
#include "session/core/calculate.h"
#include "session/files/open_employee.h"

namespace corvanta {
namespace {

std::filesystem::path benchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "corvanta-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(CORVANTA_DATA_DIR) / "Federal08.dtt",
                               folder / "Federal08.dtt",
                               std::filesystem::copy_options::overwrite_existing);
    return folder;
}

PayrollContext openedEmployee(bool durable) {
    PayrollContext ctx;
    ctx.folder = benchFolder();
    ctx.durableWrites = durable;
    ctx.UserFileBase = "Bench";
    ctx.profile.HourlyRate = 18.75f;
    ctx.profile.KPlanValue = 4;
    SaveUserFiles(ctx);
    OpenEmployee(ctx, "Bench", "1/5/2008");
    ctx.window.txtAmount = {"40", "", "", "3.5", "", "", "25", ""};
    return ctx;
}

// One calculation on the tables in memory: no file is read or written.
void BM_CalculationWithoutFiles(benchmark::State& state) {
    PayrollContext ctx = openedEmployee(false);
    loadFederalTable(ctx);
    const FederalTable table = ctx.federal;
    for (auto _ : state) {
        ctx.window.txtAmount = {"40", "", "", "3.5", "", "", "25", ""};
        computePayPeriod(ctx, checkedPeriodInputs(ctx));
        benchmark::DoNotOptimize(ctx.result.NetPay);
    }
}
BENCHMARK(BM_CalculationWithoutFiles);

// The Calculate command: reads the federal table, the state and city settings and the employee
// files, computes, and saves the whole file group.
void BM_CalculateAndSave(benchmark::State& state) {
    PayrollContext ctx = openedEmployee(state.range(0) != 0);
    for (auto _ : state) {
        ctx.window.txtAmount = {"40", "", "", "3.5", "", "", "25", ""};
        Calcu_late(ctx);
        benchmark::DoNotOptimize(ctx.result.NetPay);
    }
}
BENCHMARK(BM_CalculateAndSave)->Arg(1)->ArgName("durable")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateAndSave)->Arg(0)->ArgName("durable")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta
