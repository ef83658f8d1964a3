// Every entry box and settings field of the engine with the texts operators and damaged
// clipboards produce: each gives a clear refusal or a sound value, never a crash, and a
// refusal leaves every file on disk as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "base/core/user_error.h"
#include "save_paths.h"
#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/files/period_snapshot.h"
#include "session/files/print_heading.h"
#include "session/files/session.h"
#include "session/local/local_files.h"
#include "session/state/state_defaults.h"
#include "session/state/state_file.h"
#include "session/state/state_withholding.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

const std::vector<std::string>& badInputs() {
    static const std::vector<std::string> inputs{"",      " ",           "-",
                                                 ".",     "1-2",         "--5",
                                                 "1e999", "99999999999", std::string(10000, '7'),
                                                 "1\"5",  "1,5",         "Zoë Łódź"};
    return inputs;
}

// Texts no numeric box may read as a number: they would be read as 1, 0 or infinity.
bool mustBeRefused(const std::string& text) {
    return text == "1-2" || text == "--5" || text == "1e999" || text.size() == 10000;
}

struct NumericField {
    std::string name;
    std::function<void(PayrollContext&)> open;  // the window's load
    std::function<std::string&(PayrollContext&)> box;
    std::function<void(PayrollContext&)> commit;
};

void PrintTo(const NumericField& c, std::ostream* os) { *os << c.name; }

void calculateAndSave(PayrollContext& ctx) { Calcu_late(ctx); }
void noLoad(PayrollContext&) {}

std::vector<NumericField> numericFields() {
    std::vector<NumericField> fields;
    for (int i = 0; i < kEntryBoxes; ++i) {
        fields.push_back({"txtAmount" + std::to_string(i), noLoad,
                          [i](PayrollContext& c) -> std::string& { return c.window.txtAmount[i]; },
                          calculateAndSave});
    }
    using StateColumn = StateDialogModel::Column StateDialogModel::*;
    const std::vector<std::pair<const char*, StateColumn>> stateColumns{
        {"txtStateMinBS", &StateDialogModel::txtStateMinBS},
        {"txtStateAmtBS", &StateDialogModel::txtStateAmtBS},
        {"txtStatePerBS", &StateDialogModel::txtStatePerBS},
        {"txtStateMinBM", &StateDialogModel::txtStateMinBM},
        {"txtStateAmtBM", &StateDialogModel::txtStateAmtBM},
        {"txtStatePerBM", &StateDialogModel::txtStatePerBM},
        {"txtStateSgExp", &StateDialogModel::txtStateSgExp},
        {"txtStateMarExp", &StateDialogModel::txtStateMarExp}};
    for (const auto& [name, column] : stateColumns) {
        for (int row = 0; row < kTableLines; ++row) {
            fields.push_back({std::string(name) + "[" + std::to_string(row) + "]", loadStateDialog,
                              [column, row](PayrollContext& c) -> std::string& {
                                  return (c.stateDialog.*column)[row].text;
                              },
                              saveStateDialog});
        }
    }
    using StateBox = std::string StateDialogModel::*;
    const std::vector<std::pair<const char*, StateBox>> stateBoxes{
        {"txtSDIpercent", &StateDialogModel::txtSDIpercent},
        {"txtSDIwageBase", &StateDialogModel::txtSDIwageBase},
        {"txtSUIpercent", &StateDialogModel::txtSUIpercent},
        {"txtSUIwageBase", &StateDialogModel::txtSUIwageBase},
        {"txtStateAdj", &StateDialogModel::txtStateAdj},
        {"txtCalAllow", &StateDialogModel::txtCalAllow}};
    for (const auto& [name, member] : stateBoxes) {
        fields.push_back(
            {name, loadStateDialog,
             [member](PayrollContext& c) -> std::string& { return c.stateDialog.*member; },
             saveStateDialog});
    }
    using CityColumn = CityDialogModel::Column CityDialogModel::*;
    const std::vector<std::pair<const char*, CityColumn>> cityColumns{
        {"txtCityMinBS", &CityDialogModel::txtCityMinBS},
        {"txtCityAmtBS", &CityDialogModel::txtCityAmtBS},
        {"txtCityPerBS", &CityDialogModel::txtCityPerBS},
        {"txtCityMinBM", &CityDialogModel::txtCityMinBM},
        {"txtCityAmtBM", &CityDialogModel::txtCityAmtBM},
        {"txtCityPerBM", &CityDialogModel::txtCityPerBM},
        {"txtCitySgExp", &CityDialogModel::txtCitySgExp},
        {"txtCityMarExp", &CityDialogModel::txtCityMarExp}};
    for (const auto& [name, column] : cityColumns) {
        for (int row = 0; row < kCityRows; ++row) {
            fields.push_back({std::string(name) + "[" + std::to_string(row) + "]", loadCityDialog,
                              [column, row](PayrollContext& c) -> std::string& {
                                  return (c.cityDialog.*column)[row];
                              },
                              saveCityDialog});
        }
    }
    using NonCityColumn = NonCityDialogModel::Column NonCityDialogModel::*;
    const std::vector<std::pair<const char*, NonCityColumn>> nonCityColumns{
        {"txtNonMinBi", &NonCityDialogModel::txtNonMinBi},
        {"txtNonExpBi", &NonCityDialogModel::txtNonExpBi},
        {"txtNonMinWk", &NonCityDialogModel::txtNonMinWk},
        {"txtNonExpWk", &NonCityDialogModel::txtNonExpWk}};
    for (const auto& [name, column] : nonCityColumns) {
        for (int row = 0; row < kNonCityRows; ++row) {
            fields.push_back({std::string(name) + "[" + std::to_string(row) + "]",
                              loadNonCityDialog,
                              [column, row](PayrollContext& c) -> std::string& {
                                  return (c.nonCityDialog.*column)[row];
                              },
                              saveNonCityDialog});
        }
    }
    fields.push_back({"txtNonPer", loadNonCityDialog,
                      [](PayrollContext& c) -> std::string& { return c.nonCityDialog.txtNonPer; },
                      saveNonCityDialog});
    return fields;
}

// What a saved group gives back when read by a fresh session; throws when it is damaged.
PayrollContext readBack(const std::filesystem::path& folder) {
    PayrollContext ctx = testing::freshContext(folder);
    ReadEmployeeFiles(ctx);
    ReadStateFile(ctx, ctx.employeeFile(".sta"));
    ReadCityFile(ctx);
    ReadNonCityFile(ctx);
    return ctx;
}

bool tablesFinite(const PayrollContext& c) {
    bool finite = std::isfinite(c.nonCity.NonCityRate) && std::isfinite(c.state.StateAdjustment);
    for (int i = 0; i < kTableLines; ++i) {
        const BracketLine& s = c.state.SingleTable[i];
        finite = finite && std::isfinite(s.MinRange) && std::isfinite(s.Amount) &&
                 std::isfinite(s.Percent) && std::isfinite(c.state.SingleAllowance[i]);
    }
    for (int i = 0; i < kCityRows; ++i) {
        const BracketLine& s = c.city.SingleRows[i];
        finite = finite && std::isfinite(s.MinRange) && std::isfinite(s.Amount) &&
                 std::isfinite(s.Percent) && std::isfinite(c.city.SingleAllowance[i]);
    }
    return finite;
}

bool resultsFinite(const PayResult& r) {
    return std::isfinite(r.GrossPay) && std::isfinite(r.NetPay) &&
           std::isfinite(r.FedWithholding) && std::isfinite(r.TaxableGross);
}

class BadNumericInput : public ::testing::TestWithParam<NumericField> {};

TEST_P(BadNumericInput, RefusedClearlyOrReadSoundlyAndNothingStoredIsLost) {
    const NumericField& field = GetParam();
    TempFolder folder;
    folder.copyFederalTable();
    {
        PayrollContext first = testing::freshContext(folder.path());
        field.open(first);
        field.commit(first);  // the files as they were before the operator typed
    }
    const auto before = testing::imageOf(folder.path());
    for (const std::string& input : badInputs()) {
        const std::string where = field.name + " = \"" + input.substr(0, 20) + "\"";
        PayrollContext ctx = testing::freshContext(folder.path());
        field.open(ctx);
        field.box(ctx) = input;
        try {
            field.commit(ctx);
        } catch (const UserError& e) {
            EXPECT_FALSE(std::string(e.what()).empty()) << where;
            EXPECT_EQ(testing::imageOf(folder.path()), before) << where << ": refused but written";
            continue;
        }
        EXPECT_FALSE(mustBeRefused(input)) << where << " was taken as a number";
        EXPECT_TRUE(tablesFinite(ctx) && resultsFinite(ctx.result)) << where;
        try {
            EXPECT_TRUE(tablesFinite(readBack(folder.path()))) << where;
        } catch (const std::exception& e) {
            ADD_FAILURE() << where << " saved a group that does not read back: " << e.what();
        }
        // Put the files back as they were for the next input.
        for (const auto& [name, content] : before) folder.write(name, content);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBox, BadNumericInput, ::testing::ValuesIn(numericFields()),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : info.param.name) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             }
                             return name;
                         });

// The text a single-byte file gives back: double quotes become single quotes, line breaks
// blanks. A letter beyond Latin-1 is refused, never stored as something else.
std::string storedForm(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '"') c = '\'';
    }
    return out;
}

TEST(BadTextInput, EmployeeTextsSurviveASaveAndRead) {
    for (const std::string& input : badInputs()) {
        TempFolder folder;
        PayrollContext ctx = testing::freshContext(folder.path());
        ctx.profile.HourlyRate = 11.25f;
        ctx.profile.EmployeeName = ctx.profile.EmployeeAddress = input;
        ctx.profile.EmployeeSsn = ctx.profile.CreditLabel = ctx.profile.MiscLabel = input;
        ctx.overtime.WeekEnding[3] = input;
        if (unstorableCharacter(input)) {
            EXPECT_THROW(saveEmployeeFileSet(ctx), UnstorableTextError) << input;
            EXPECT_TRUE(testing::imageOf(folder.path()).empty()) << "refused but written";
            continue;
        }
        saveEmployeeFileSet(ctx);
        PayrollContext back = readBack(folder.path());
        const std::string expected = storedForm(input);
        // An empty text is read as the dialog shows it: its placeholder or default caption.
        const EmployeeProfile fresh;
        const auto read = [&](const std::string& empty) {
            return expected.empty() ? empty : expected;
        };
        EXPECT_EQ(back.profile.EmployeeName, read(fresh.EmployeeName));
        EXPECT_EQ(back.profile.EmployeeAddress, read(fresh.EmployeeAddress));
        EXPECT_EQ(back.profile.EmployeeSsn, read(fresh.EmployeeSsn));
        EXPECT_EQ(back.profile.MiscLabel, read(fresh.MiscLabel));
        EXPECT_EQ(back.overtime.WeekEnding[3], expected);
        EXPECT_FLOAT_EQ(back.profile.HourlyRate, 11.25f) << "a later field shifted";
    }
}

TEST(BadTextInput, EmployeeNameIsRefusedOrNamesAGroupThatReadsBack) {
    for (const std::string& input : badInputs()) {
        TempFolder folder;
        if (const auto problem = employeeNameProblem(input)) {
            EXPECT_NE(problem->find("cannot be used"), std::string::npos) << input;
            continue;
        }
        PayrollContext ctx = testing::freshContext(folder.path());
        ctx.UserFileBase = input;
        ctx.profile.HourlyRate = 9.5f;
        try {
            SaveUserFiles(ctx);
        } catch (const FileError& e) {
            // A name the file system cannot hold (too long) is told, and nothing is half-written.
            EXPECT_NE(std::string(e.what()).find(e.fileName()), std::string::npos);
            EXPECT_TRUE(testing::imageOf(folder.path()).empty()) << input.size();
            continue;
        }
        PayrollContext back = testing::freshContext(folder.path());
        back.UserFileBase = input;
        ReadEmployeeFiles(back);
        EXPECT_FLOAT_EQ(back.profile.HourlyRate, 9.5f) << input;
    }
}

TEST(BadTextInput, SnapshotDateTextGivesAFileThatLoadsBack) {
    for (const std::string& input : badInputs()) {
        TempFolder folder;
        PayrollContext ctx = testing::freshContext(folder.path());
        ctx.window.txtWeek = input;
        ctx.window.txtAmount = {"40", "", "", "", "", "", "", ""};
        std::filesystem::path written;
        try {
            written = SavePeriodSnapshot(ctx);
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(e.fileName()), std::string::npos);
            EXPECT_TRUE(testing::imageOf(folder.path()).empty());
            continue;
        }
        ASSERT_EQ(written.parent_path(), folder.path()) << "the date text left the folder";
        PayrollContext back = testing::freshContext(folder.path());
        back.loaded.stateDialog = back.loaded.cityDialog = true;
        try {
            LoadPeriodSnapshot(back, written);
        } catch (const UserError&) {
            // A long date name goes on to a calculation, which needs no table to read boxes.
        }
        EXPECT_EQ(back.window.txtAmount[0], "40") << input.substr(0, 20);
    }
}

TEST(BadTextInput, HeadingTextsSurviveASaveAndRead) {
    for (const std::string& input : badInputs()) {
        TempFolder folder;
        PayrollContext ctx = testing::freshContext(folder.path());
        ctx.heading = {input, input, input, input};
        if (unstorableCharacter(input)) {
            EXPECT_THROW(SaveHeader(ctx), UnstorableTextError) << input;
            EXPECT_TRUE(testing::imageOf(folder.path()).empty()) << "refused but written";
            continue;
        }
        SaveHeader(ctx);
        PayrollContext back = testing::freshContext(folder.path());
        ReadHeading(back);
        const std::string expected = storedForm(input);
        EXPECT_EQ(back.heading.HeadingCompany, expected);
        EXPECT_EQ(back.heading.HeadingId, expected);
    }
}

// Runs last in the suite's order (name) and prints the figures for the reliability notes.

}  // namespace
}  // namespace corvanta
