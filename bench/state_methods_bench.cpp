// One period's state withholding by each built-in method, and a whole calculation with a
// built-in method selected.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "session/core/calculate.h"
#include "session/core/payroll_context.h"
#include "session/state/state_methods.h"
#include "session/state/state_withholding.h"

namespace corvanta {
namespace {

// A bi-weekly single employee with two exemptions whose record holds the method's values.
PayrollContext preparedContext(StateMethodId id) {
    PayrollContext ctx;
    ctx.profile.frequency = PayFrequency::BiWeekly;
    ctx.profile.StateExemptions = 2;
    ctx.window.txtWeek = "3/7/2008";   // Utah's 2008 formula
    ctx.state.SingleAllowance[0] = 1;  // Louisiana: one personal exemption
    ctx.stateDialog.methodBox(id) = 1;
    builtInStateMethods()[static_cast<int>(id)].setter(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
    PayResult& r = ctx.result;
    r.GrossPay = r.TaxableGross = 1234.56f;
    r.FedWithholding = 150;
    r.SocSecTax = 76.54f;
    r.MedicareTax = 17.9f;
    r.StateAllowance = ctx.state.SingleAllowance[2];
    return ctx;
}

void BM_StateMethod(benchmark::State& state) {
    const auto id = static_cast<StateMethodId>(state.range(0));
    const PayrollContext ctx = preparedContext(id);
    const auto compute = builtInStateMethods()[static_cast<int>(id)].compute;
    const StateMethodInputs inputs = stateMethodInputs(ctx);
    for (auto _ : state) {
        StateFigures figures = compute(inputs);
        benchmark::DoNotOptimize(figures);
    }
}
BENCHMARK(BM_StateMethod)->DenseRange(0, kStateMethodCount - 1)->ArgName("method");

// One whole calculation with the method selected, on the tables in memory (no file read or
// written): entries, gross, federal, FICA, the method, local tax and rounding, on values.
void BM_CalculationWithStateMethod(benchmark::State& state) {
    const auto id = static_cast<StateMethodId>(state.range(0));
    PayrollContext ctx = preparedContext(id);
    ctx.folder = std::filesystem::path(CORVANTA_DATA_DIR);
    ctx.profile.HourlyRate = 15.432f;
    loadFederalTable(ctx);
    ctx.window.txtAmount = {"80", "", "", "", "", "", "", ""};
    const PeriodEntries entries = readEntryBoxes(ctx.window);
    for (auto _ : state) {
        const PeriodFigures figures =
            calculatePeriod(entries, ctx.employee(), ctx.federal, ctx.DefaultRate);
        benchmark::DoNotOptimize(figures.result.StateWithholding);
    }
}
BENCHMARK(BM_CalculationWithStateMethod)->DenseRange(0, kStateMethodCount - 1)->ArgName("method");

}  // namespace
}  // namespace corvanta
