// One period's state withholding by each built-in method, and a whole calculation with a
// built-in method selected.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/calculate.h"
#include "core/payroll_context.h"
#include "state/state_methods.h"

namespace corvanta {
namespace {

// A bi-weekly single employee with two exemptions whose record holds the method's values.
PayrollContext preparedContext(StateMethodId id) {
    PayrollContext ctx;
    ctx.profile.PayWeekly = 0;
    ctx.profile.PayBiWeekly = kOptionSelected;
    ctx.profile.StateExemptions = 2;
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
    PayrollContext ctx = preparedContext(id);
    const auto compute = builtInStateMethods()[static_cast<int>(id)].compute;
    const float allowance = ctx.result.StateAllowance;
    for (auto _ : state) {
        ctx.result.StateWithholding = 0;
        ctx.result.StateAllowance = allowance;  // Utah's top line clears it
        compute(ctx);
        benchmark::DoNotOptimize(ctx.result.StateWithholding);
    }
}
BENCHMARK(BM_StateMethod)->DenseRange(0, kStateMethodCount - 1)->ArgName("method");

// A whole calculation with the settings windows loaded, so no employee file is read; the
// federal table file is still read, as every calculation does.
void BM_CalculateWithStateMethod(benchmark::State& state) {
    const auto id = static_cast<StateMethodId>(state.range(0));
    PayrollContext ctx = preparedContext(id);
    ctx.folder = std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
    ctx.profile.HourlyRate = 15.432f;
    for (auto _ : state) {
        ctx.window.txtAmount = {"80", "", "", "", "", "", "", ""};
        ctx.loaded.stateDialog = ctx.loaded.cityDialog = true;
        Calcu_late(ctx, CalculateOptions{.save = false});
        benchmark::DoNotOptimize(ctx.result.StateWithholding);
    }
}
BENCHMARK(BM_CalculateWithStateMethod)->DenseRange(0, kStateMethodCount - 1)->ArgName("method");

}  // namespace
}  // namespace corvanta
