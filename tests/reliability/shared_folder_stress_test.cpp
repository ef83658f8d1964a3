// Two sessions, each a process of its own, hammer one folder of twenty employees with opens,
// calculations and posts. Whatever one holds the other may only read, so every row a session
// was told it posted is in the employee's ledger at the end, and every file still reads.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <random>
#include <thread>

#include "session/files/employee_files.h"
#include "session/files/open_employee.h"
#include "session/payroll/payroll_folder.h"
#include "support/cli_session.h"
#include "support/employee_folder.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

using Clock = std::chrono::steady_clock;

std::chrono::seconds stressDuration() {
    const char* text = std::getenv("CORVANTA_STRESS_SECONDS");  // NOLINT(concurrency-mt-unsafe)
    const int seconds = text != nullptr ? std::atoi(text) : 30;
    return std::chrono::seconds(seconds > 0 ? seconds : 30);
}

struct PostedRow {
    std::string employee;
    int row = 0;  // 0-based
    std::string label;
};

// The next free ledger row of each employee, shared by both clerks: only the one holding
// an employee posts to her, so the row she is given is hers alone.
class NextRows {
  public:
    void set(const std::string& name, int next, int rows) {
        next_[name] = next;
        rows_[name] = rows;
    }
    std::optional<int> peek(const std::string& name) {
        const std::lock_guard<std::mutex> guard(mutex_);
        if (next_[name] >= rows_[name]) return std::nullopt;
        return next_[name];
    }
    void taken(const std::string& name) {
        const std::lock_guard<std::mutex> guard(mutex_);
        ++next_[name];
    }

  private:
    std::mutex mutex_;
    std::map<std::string, int> next_;
    std::map<std::string, int> rows_;
};

struct ClerkFigures {
    int operations = 0;
    int conflicts = 0;  // writing commands refused because the other holds her
    std::vector<PostedRow> posted;
    std::vector<std::string> failures;  // anything else that went wrong
};

bool refusedInUse(const nlohmann::json& answer) {
    return answer["exit"] == 1 &&
           answer["stderr"].get<std::string>().find(" is in use by ") != std::string::npos;
}

void clerk(const std::filesystem::path& folder, char tag, unsigned seed,
           const std::vector<std::string>& staff, NextRows& rows, Clock::time_point end,
           ClerkFigures& figures) {
    CliSession session(folder);
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> anyone(0, staff.size() - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::string current;
    bool readOnly = true;
    while (Clock::now() < end) {
        const int roll = percent(random);
        std::string line;
        std::optional<int> row;
        const std::string label = std::string(1, tag) + std::to_string(figures.operations);
        if (current.empty() || roll < 35) {
            current = staff[anyone(random)];
            line = "open " + current;
        } else if (roll < 80 && (row = readOnly ? 0 : rows.peek(current))) {
            line = "calc --straight " + std::to_string(20 + roll % 20) + " --label " + label +
                   " --post " + std::to_string(*row + 1);
        } else {
            line = "calc --straight " + std::to_string(roll % 40) + " --label " + label;
        }
        const nlohmann::json answer = session.run(line);
        ++figures.operations;
        if (line.starts_with("open")) {
            if (answer["exit"] != 0) figures.failures.push_back(line + ": " + answer.dump());
            readOnly =
                answer["stderr"].get<std::string>().find(" is in use by ") != std::string::npos;
        } else if (refusedInUse(answer)) {
            ++figures.conflicts;
        } else if (answer["exit"] != 0) {
            figures.failures.push_back(line + ": " + answer.dump());
        } else if (row && !readOnly) {
            figures.posted.push_back({current, *row, label});
            rows.taken(current);
        }
    }
    if (session.finish() != 0) figures.failures.emplace_back("the session did not end well");
}

bool rowIsFree(const LedgerRow& r) {
    return (r.WeekLabel.empty() || r.WeekLabel == "0") && r.Gross == 0 && r.Net == 0;
}

TEST(SharedFolderStress, TwoSessionsNeverLoseAPostedRowNorLeaveAFileUnreadable) {
    TempFolder folder;
    folder.copyFederalTable();
    const std::vector<std::string> staff = EmployeeFolderMaker(17).make(folder.path(), 20);
    NextRows rows;
    for (const std::string& name : staff) {
        const EmployeeBooks books = readEmployeeBooks(folder.path(), name);
        int next = static_cast<int>(books.rows.size());
        while (next > 0 && rowIsFree(books.rows[next - 1])) --next;
        rows.set(name, next, static_cast<int>(books.rows.size()));
    }

    const auto end = Clock::now() + stressDuration();
    ClerkFigures a;
    ClerkFigures b;
    std::thread first(clerk, folder.path(), 'A', 1u, std::cref(staff), std::ref(rows), end,
                      std::ref(a));
    std::thread second(clerk, folder.path(), 'B', 2u, std::cref(staff), std::ref(rows), end,
                       std::ref(b));
    first.join();
    second.join();

    int found = 0;
    for (const ClerkFigures* c : {&a, &b}) {
        for (const std::string& f : c->failures) ADD_FAILURE() << f;
        for (const PostedRow& p : c->posted) {
            const EmployeeBooks books = readEmployeeBooks(folder.path(), p.employee);
            if (books.rows.at(p.row).WeekLabel == p.label) {
                ++found;
            } else {
                ADD_FAILURE() << p.employee << " row " << p.row + 1 << " lost " << p.label
                              << ": it holds " << books.rows.at(p.row).WeekLabel;
            }
        }
    }
    for (const std::string& name : staff) {
        PayrollContext ctx = folder.context();
        EXPECT_NO_THROW(OpenEmployee(ctx, name, "1/4/2008")) << name;
        EXPECT_FALSE(folder.exists(name + ".lck")) << name;
    }
    const int posted = static_cast<int>(a.posted.size() + b.posted.size());
    std::cout << "shared folder stress: " << stressDuration().count() << " s, "
              << a.operations + b.operations << " operations, " << a.conflicts + b.conflicts
              << " conflicts refused, " << posted << " rows posted, " << found << " rows found\n";
    EXPECT_EQ(found, posted);
    EXPECT_GT(posted, 0);
    EXPECT_GT(a.conflicts + b.conflicts, 0);
}

}  // namespace
}  // namespace corvanta::testing
