#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {
namespace {

// A folder holding a complete weekly employee with every ledger row posted. Without a
// federal table file the calculation warns and goes on, which is enough for timing files.
class EmployeeFolder {
  public:
    EmployeeFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("corvanta-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
        PayrollContext ctx = context(true);
        ctx.profile.HourlyRate = 20;
        ctx.window.txtAmount[0] = "40";
        ctx.window.txtWeek = "1/5/2008";
        Calcu_late(ctx);
        for (int row = 0; row < kLedgerRows; ++row) PasteMe(ctx, row);
        Update(ctx);
        SaveAnnual(ctx);
        posted_ = ctx;
    }
    ~EmployeeFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    PayrollContext context(bool durable) const {
        PayrollContext ctx;
        ctx.folder = path_;
        ctx.UserFileBase = "Bench";
        ctx.durableWrites = durable;
        return ctx;
    }
    const PayrollContext& posted() const { return posted_; }

  private:
    std::filesystem::path path_;
    PayrollContext posted_;
};

const EmployeeFolder& folder() {
    static const EmployeeFolder f;
    return f;
}

void BM_OpenEmployee(benchmark::State& state) {
    for (auto _ : state) {
        PayrollContext ctx = folder().context(true);
        OpenEmployee(ctx, "Bench", "1/5/2008");
        benchmark::DoNotOptimize(ctx.ledger.totals.YtdGross);
    }
}
BENCHMARK(BM_OpenEmployee)->Unit(benchmark::kMillisecond);

void BM_LoadFullWeeklyLedger(benchmark::State& state) {
    PayrollContext ctx = folder().context(true);
    for (auto _ : state) {
        LoadLedger(ctx);
        benchmark::DoNotOptimize(ctx.ledger.totals.YtdGross);
    }
}
BENCHMARK(BM_LoadFullWeeklyLedger)->Unit(benchmark::kMillisecond);

void BM_SaveAllFilesDurable(benchmark::State& state) {
    PayrollContext ctx = folder().posted();
    for (auto _ : state) SaveUserFiles(ctx);
}
BENCHMARK(BM_SaveAllFilesDurable)->Unit(benchmark::kMillisecond);

void BM_SaveFullWeeklyLedgerDurable(benchmark::State& state) {
    PayrollContext ctx = folder().posted();
    for (auto _ : state) SaveAnnual(ctx);
}
BENCHMARK(BM_SaveFullWeeklyLedgerDurable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta
