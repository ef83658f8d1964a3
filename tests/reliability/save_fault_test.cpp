// Saves that fail part way or are killed must leave every file complete: the old version or
// the new one, never a mix or a truncated file, and a failure names the file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <thread>

#include "base/core/user_error.h"
#include "base/files/lock_file.h"
#include "save_paths.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::FolderImage;
using testing::SavePath;
using testing::TempFolder;

// The versions each file may have: what the two versions give, in either order.
using Allowed = std::map<std::string, std::set<std::string>>;

bool isTemporary(const std::string& name) { return name.find(".tmp") != std::string::npos; }

void copyFolder(const TempFolder& from, const TempFolder& to) {
    for (const auto& [name, content] : testing::imageOf(from.path())) to.write(name, content);
}

// Saves version 0, then versions 1, 0, 1 over it, collecting every content each file took.
Allowed allowedVersions(const SavePath& path, TempFolder& start) {
    start.copyFederalTable();
    auto ctx = testing::freshContext(start.path());
    path.save(ctx, 0);
    Allowed allowed;
    TempFolder scratch;
    copyFolder(start, scratch);
    for (const int v : {1, 0, 1}) {
        auto next = testing::freshContext(scratch.path());
        path.save(next, v);
        for (const auto& [name, content] : testing::imageOf(scratch.path())) {
            allowed[name].insert(content);
        }
    }
    for (const auto& [name, content] : testing::imageOf(start.path())) {
        allowed[name].insert(content);
    }
    return allowed;
}

// Every file on disk is one complete version; returns the number of stray temporary files.
int expectOnlyCompleteVersions(const TempFolder& folder, const Allowed& allowed,
                               const std::string& where) {
    int temporaries = 0;
    for (const auto& [name, content] : testing::imageOf(folder.path())) {
        if (isTemporary(name)) {
            ++temporaries;
            continue;
        }
        if (isLockFileName(name)) continue;  // left by the killed program; no data
        const auto it = allowed.find(name);
        if (it == allowed.end()) {
            ADD_FAILURE() << where << ": unexpected file " << name;
            continue;
        }
        EXPECT_TRUE(it->second.count(content) == 1)
            << where << ": " << name << " is neither version (" << content.size() << " bytes)";
    }
    return temporaries;
}

// Runs version 1 under a file size limit in a child; returns "" or the error message.
std::string saveUnderSizeLimit(const SavePath& path, const TempFolder& folder, rlim_t limit) {
    const auto result = testing::inChild([&]() -> std::string {
        std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG instead of killing
        struct rlimit small {};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &small);
        try {
            auto ctx = testing::freshContext(folder.path());
            path.save(ctx, 1);
            return "";
        } catch (const std::exception& e) {
            return std::string("!") + e.what();
        }
    });
    EXPECT_TRUE(result.exitedNormally) << path.name << " crashed under a limit of " << limit;
    return result.report;
}

class SaveFaults : public ::testing::TestWithParam<SavePath> {};

TEST_P(SaveFaults, WriteFailingPartWayKeepsOldFilesAndNamesTheFailedOne) {
    const SavePath& path = GetParam();
    int failures = 0;
    for (const rlim_t limit : {0, 1, 100, 1000, 4000, 20000}) {
        TempFolder folder;
        const Allowed allowed = allowedVersions(path, folder);
        const FolderImage before = testing::imageOf(folder.path());
        const std::string error = saveUnderSizeLimit(path, folder, limit);
        const std::string where = path.name + " limit " + std::to_string(limit);
        EXPECT_EQ(expectOnlyCompleteVersions(folder, allowed, where), 0) << where;
        if (error.empty()) continue;
        ++failures;
        // The message names a file that was not replaced.
        bool named = false;
        for (const auto& [name, content] : testing::imageOf(folder.path())) {
            const bool unchanged = before.count(name) == 1 && before.at(name) == content;
            if (unchanged && error.find("\"" + name + "\"") != std::string::npos) named = true;
        }
        EXPECT_TRUE(named) << where << ": " << error;
    }
    EXPECT_GT(failures, 0) << path.name << ": no limit made the save fail";
}

TEST_P(SaveFaults, KilledAtRandomPointsLeavesOnlyCompleteFiles) {
    const SavePath& path = GetParam();
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicros(0, 20000);
    for (int round = 0; round < 12; ++round) {
        TempFolder folder;
        const Allowed allowed = allowedVersions(path, folder);
        const pid_t child = ::fork();
        if (child == 0) {
            for (int v = 1;; v = 1 - v) {
                auto ctx = testing::freshContext(folder.path());
                try {
                    path.save(ctx, v);
                } catch (...) {
                    ::_exit(3);
                }
            }
        }
        const int delay = delayMicros(random);
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << path.name << ": the save loop stopped by itself";
        expectOnlyCompleteVersions(folder, allowed,
                                   path.name + " killed after " + std::to_string(delay) + " us");
    }
}

INSTANTIATE_TEST_SUITE_P(EverySavePath, SaveFaults, ::testing::ValuesIn(testing::savePaths()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta
