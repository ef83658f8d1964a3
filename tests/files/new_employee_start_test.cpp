// New starts from the folder's own choices: the default group, else the company, else the New
// York values.
#include <gtest/gtest.h>

#include "session/company/company_file.h"
#include "session/core/calculate.h"
#include "session/files/employee_loader.h"
#include "session/files/new_employee.h"
#include "session/files/session.h"
#include "session/local/local_files.h"
#include "session/state/state_defaults.h"
#include "session/state/state_dialog_commands.h"
#include "session/state/state_withholding.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;

// A clerk's New of `name` in the folder, then 40 hours at $15 calculated (and saved).
PayrollContext newAndCalculate(const TempFolder& dir, const std::string& name) {
    PayrollContext ctx = dir.context();
    ScriptedPrompts prompts;
    prompts.texts = {name};
    Session(ctx, prompts, [] { return std::string("1/4/2008"); }).New();
    ctx.profile.HourlyRate = 15;
    ctx.window.txtAmount[0] = "40";
    Calcu_late(ctx);
    return ctx;
}

Company iowaCompany(std::optional<StateMethodId> home, CompanyLocalTax local) {
    Company c;
    c.name = "Prairie Feed";
    c.street = "400 Locust St";
    c.city = "Des Moines";
    c.stateCode = "IA";
    c.zip = "50309";
    c.ein = "42-1234567";
    c.homeStateMethod = home;
    c.localTax = local;
    return c;
}

TEST(NewEmployeeStart, MakeDefaultWithIowaAndNoLocalTaxIsWhatTheNextNewGets) {
    TempFolder dir;
    dir.copyFederalTable();
    PayrollContext first = newAndCalculate(dir, "Ann");
    loadStateDialog(first);
    selectStateMethod(first, StateMethodId::Iowa);
    loadCityDialog(first);
    clearCityBoxes(first.cityDialog);
    first.cityDialog.ckNoLocalTax = 1;
    saveCityDialog(first);
    loadStateDialog(first);
    if (first.stateDialog.methodBox(StateMethodId::Iowa) == 0) {
        selectStateMethod(first, StateMethodId::Iowa);
    }
    makeStateDefault(first);
    ASSERT_EQ(newEmployeeStart(dir.path()), NewEmployeeStart::DefaultGroup);

    const PayrollContext next = newAndCalculate(dir, "Bea");
    EXPECT_EQ(next.state.UseIowa, 1);
    EXPECT_EQ(next.stateDialog.methodBox(StateMethodId::Iowa), 1);
    EXPECT_EQ(next.result.LocalTax, 0);
    EXPECT_EQ(next.profile.EmployeeName, "Employee's Name");  // not Ann's
    EXPECT_NE(next.startedFrom.find("default group"), std::string::npos) << next.startedFrom;
}

struct CompanyStart {
    const char* label;
    std::optional<StateMethodId> home;
    CompanyLocalTax local;
    int useIowa;
    bool cityTaxed;
    const char* says;
};

void PrintTo(const CompanyStart& c, std::ostream* os) { *os << c.label; }

class NewFromCompany : public ::testing::TestWithParam<CompanyStart> {};

TEST_P(NewFromCompany, TakesTheHomeStateAndLocalTax) {
    const CompanyStart& c = GetParam();
    TempFolder dir;
    dir.copyFederalTable();
    PayrollContext setup = dir.context();
    saveCompany(setup, iowaCompany(c.home, c.local));
    ASSERT_EQ(newEmployeeStart(dir.path()), NewEmployeeStart::Company);
    const PayrollContext ctx = newAndCalculate(dir, "Bea");
    EXPECT_EQ(ctx.state.UseIowa, c.useIowa);
    EXPECT_EQ(ctx.result.LocalTax > 0, c.cityTaxed) << ctx.result.LocalTax;
    EXPECT_NE(ctx.startedFrom.find(c.says), std::string::npos) << ctx.startedFrom;
    // Her own files now carry the start, so she reopens the same.
    const EmployeeRecord reopened =
        loadEmployeeRecord(dir.path(), "Bea", [](const UserMessage&) {});
    EXPECT_EQ(reopened.city.NoLocalTax, c.cityTaxed ? 0 : 1);
    EXPECT_EQ(reopened.state.UseIowa, c.useIowa);
}

INSTANTIATE_TEST_SUITE_P(
    HomeStates, NewFromCompany,
    ::testing::Values(CompanyStart{"IowaWithoutLocalTax", StateMethodId::Iowa,
                                   CompanyLocalTax::None, 1, false, "Iowa, no local tax"},
                      CompanyStart{"BracketTableWithoutLocalTax", std::nullopt,
                                   CompanyLocalTax::None, 0, false, "state bracket table"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(NewEmployeeStart, ACompanyWithCityTaxKeepsTheCityTable) {
    TempFolder dir;
    dir.copyFederalTable();
    PayrollContext setup = dir.context();
    saveCompany(setup, iowaCompany(StateMethodId::Iowa, CompanyLocalTax::NewYorkCity));
    const PayrollContext ctx = newAndCalculate(dir, "Bea");
    EXPECT_EQ(ctx.state.UseIowa, 1);
    EXPECT_GT(ctx.result.LocalTax, 0);
}

TEST(NewEmployeeStart, WithoutEitherItIsNewYorkAndSaysSo) {
    TempFolder dir;
    dir.copyFederalTable();
    EXPECT_EQ(newEmployeeStart(dir.path()), NewEmployeeStart::NewYork);
    const PayrollContext ctx = newAndCalculate(dir, "Bea");
    EXPECT_EQ(ctx.state.UseIowa, 0);
    EXPECT_GT(ctx.result.LocalTax, 0);
    EXPECT_NE(ctx.startedFrom.find("New York"), std::string::npos);
}

TEST(NewEmployeeStart, ADamagedDefaultGroupIsReportedAndTheCompanyTaken) {
    TempFolder dir;
    dir.copyFederalTable();
    PayrollContext setup = dir.context();
    saveCompany(setup, iowaCompany(StateMethodId::Iowa, CompanyLocalTax::None));
    dir.write(".sta", "not a state file\r\n");
    EmployeeRecord record = newEmployeeRecord("Bea");
    std::vector<std::string> shown;
    applyNewEmployeeStart(record, dir.path(),
                          [&](const UserMessage& m) { shown.push_back(m.text); });
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].find(".sta"), std::string::npos) << shown[0];
    EXPECT_EQ(record.state.UseIowa, 1);
}

}  // namespace
}  // namespace corvanta
