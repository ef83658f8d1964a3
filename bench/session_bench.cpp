#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "session/core/calculate.h"
#include "session/files/new_employee.h"

namespace corvanta {
namespace {

constexpr int kEmployees = 50;
constexpr int kCommands = 1000;

// A folder of 50 employees, weekly and bi-weekly, and a script of 1,000 commands over them:
// open, calculate, print the stub, in turn.
std::filesystem::path sessionFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "corvanta-session-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(CORVANTA_DATA_DIR) / "Federal08.dtt",
                               folder / "Federal08.dtt");
    for (int i = 0; i < kEmployees; ++i) {
        PayrollContext ctx;
        ctx.folder = folder;
        ctx.employee() = newEmployeeRecord("emp" + std::to_string(i));
        ctx.profile.EmployeeName = "Employee " + std::to_string(i);
        ctx.profile.HourlyRate = 10.0f + static_cast<float>(i);
        if (i % 2 != 0) {
            ctx.profile.frequency = PayFrequency::BiWeekly;
        }
        SaveUserFiles(ctx);
    }
    std::ofstream script(folder / "script.txt");
    for (int c = 0; c < kCommands; ++c) {
        const int employee = (c / 3) % kEmployees;
        switch (c % 3) {
            case 0:
                script << "open emp" << employee << "\n";
                break;
            case 1:
                script << "calc --straight 40 --ot15 2.5 --week 1/5/2008\n";
                break;
            default:
                script << "stub --text --straight 40 --week 1/5/2008\n";
        }
    }
    return folder;
}

// One process running the whole script; the time per command is the total over 1,000.
void BM_SessionOf1000Commands(benchmark::State& state) {
    const auto folder = sessionFolder();
    const std::string command = std::string(CORVANTA_CLI) + " session --dir '" + folder.string() +
                                "' --script '" + (folder / "script.txt").string() +
                                "' >/dev/null 2>&1";
    double microseconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) state.SkipWithError("the session failed");
        microseconds +=
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
    }
    state.counters["us_per_command"] =
        microseconds / (static_cast<double>(state.iterations()) * kCommands);
}
BENCHMARK(BM_SessionOf1000Commands)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace corvanta
