#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/files/file_io.h"
#include "session/core/calculate.h"
#include "session/core/calculator_texts.h"
#include "session/files/open_employee.h"
#include "session/local/local_files.h"
#include "session/state/state_withholding.h"

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

// The state and city settings readied for the pay frequency, as Calculate readies them.
void prepareReadied(PayrollContext& ctx) {
    prepareStateDialog(ctx);
    prepareCityDialog(ctx);
}

// The calculation on values: the period's entries, the employee's record and the federal
// table in, the figures out; no file, no text.
void BM_CalculationOnValues(benchmark::State& state) {
    PayrollContext ctx = openedEmployee(false);
    loadFederalTable(ctx);
    prepareReadied(ctx);
    const PeriodEntries entries = readEntryBoxes(ctx.window);
    for (auto _ : state) {
        const PeriodFigures figures =
            calculatePeriod(entries, ctx.employee(), ctx.federal, ctx.DefaultRate);
        benchmark::DoNotOptimize(figures.result.NetPay);
    }
}
BENCHMARK(BM_CalculationOnValues);

// The window's calculation without its save: the boxes read, the figures taken into the
// record and every result text made. The federal table file is read as Calculate reads it.
void BM_CalculationWithTexts(benchmark::State& state) {
    PayrollContext ctx = openedEmployee(false);
    for (auto _ : state) {
        ctx.window.txtAmount = {"40", "", "", "3.5", "", "", "25", ""};
        Calcu_late(ctx, CalculateOptions{.save = false});
        benchmark::DoNotOptimize(ctx.window.lbNet);
    }
}
BENCHMARK(BM_CalculationWithTexts);

// The same with the federal table in memory, which is what the texts and the record add.
void BM_FiguresIntoWindowTexts(benchmark::State& state) {
    PayrollContext ctx = openedEmployee(false);
    loadFederalTable(ctx);
    prepareReadied(ctx);
    for (auto _ : state) {
        ctx.window.txtAmount = {"40", "", "", "3.5", "", "", "25", ""};
        const PeriodEntries entries = readEntryBoxes(ctx.window);
        const PeriodFigures figures =
            calculatePeriod(entries, ctx.employee(), ctx.federal, ctx.DefaultRate);
        ctx.result = figures.result;
        showFigures(ctx.window, figures);
        benchmark::DoNotOptimize(ctx.window.lbNet);
    }
}
BENCHMARK(BM_FiguresIntoWindowTexts);

// The Calculate command: reads the federal table, computes, and saves the whole file group.
// The hours alternate, so every save really writes (unchanged bytes would be skipped).
void BM_CalculateAndSave(benchmark::State& state) {
    PayrollContext ctx = openedEmployee(state.range(0) != 0);
    int period = 0;
    for (auto _ : state) {
        ctx.profile.HourlyRate = (++period % 2 == 0) ? 18.75f : 18.5f;
        ctx.window.txtAmount = {"40", "", "", "3.5", "", "", "25", ""};
        Calcu_late(ctx);
        benchmark::DoNotOptimize(ctx.result.NetPay);
    }
}
BENCHMARK(BM_CalculateAndSave)->Arg(1)->ArgName("durable")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateAndSave)->Arg(0)->ArgName("durable")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta
