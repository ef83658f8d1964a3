#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "base/files/lock_file.h"

namespace corvanta {
namespace {

std::filesystem::path freshFolder() {
    auto path = std::filesystem::temp_directory_path() /
                ("corvanta-bench-lock-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path);
    return path;
}

// What an Open adds: the employee's lock taken, and let go by the next Open.
void BM_TakeAndReleaseEmployeeLock(benchmark::State& state) {
    const auto folder = freshFolder();
    for (auto _ : state) {
        auto attempt = LockFile::tryAcquire(folder / "Jane Doe.lck");
        benchmark::DoNotOptimize(attempt.lock);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TakeAndReleaseEmployeeLock);

// What a refused write costs the second clerk: finding the lock held and who holds it.
void BM_FindHeldLock(benchmark::State& state) {
    const auto folder = freshFolder();
    const auto held = LockFile::tryAcquire(folder / "Jane Doe.lck");
    for (auto _ : state) {
        auto attempt = LockFile::tryAcquire(folder / "Jane Doe.lck");
        benchmark::DoNotOptimize(attempt.holder);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FindHeldLock);

}  // namespace
}  // namespace corvanta
