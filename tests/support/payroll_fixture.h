#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "session/core/calculate.h"
#include "session/core/payroll_context.h"
#include "support/temp_folder.h"

namespace corvanta::testing {

// A context in a temporary folder holding the 2008 federal table, with the state table on
// New York values and the local tables on their defaults, taken over as a loaded dialog
// would hold them, so a calculation reads no employee file.
class PayrollFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        ctx.folder = folder.path();
        ctx.UserFileBase = "Test";
        const auto& ny = NewYorkDefaults::table();
        std::copy(ny.begin(), ny.end(), ctx.state.SingleTable.begin());
        std::copy(ny.begin(), ny.end(), ctx.state.MarriedTable.begin());
        ctx.state.SingleAllowance = NewYorkDefaults::singleAllowance();
        ctx.state.MarriedAllowance = NewYorkDefaults::marriedAllowance();
        ctx.city = cityDefaults();
        ctx.nonCity = nonCityDefaults();
        ctx.showMessage = [this](const UserMessage& m) { messages.push_back(m.text); };
    }

    // Fills the boxes and calculates without the closing save, with the tables in memory.
    void calculate(std::array<const char*, kEntryBoxes> boxes) {
        for (int i = 0; i < kEntryBoxes; ++i) ctx.window.txtAmount[i] = boxes[i];
        ctx.loaded.stateDialog = ctx.loaded.cityDialog = true;
        Calcu_late(ctx, CalculateOptions{.save = false});
    }
    void calculateStraight(const char* hours) { calculate({hours, "", "", "", "", "", "", ""}); }

    void setBiWeekly() { ctx.profile.frequency = PayFrequency::BiWeekly; }

    TempFolder folder;
    PayrollContext ctx;
    std::vector<std::string> messages;
};

}  // namespace corvanta::testing
