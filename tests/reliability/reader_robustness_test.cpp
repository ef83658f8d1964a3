// Damaged files found by fuzzing and written by hand: every reader gives values or a
// file error naming the file, never a crash or a foreign exception.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "base/files/record_format.h"
#include "session/core/payroll_context.h"
#include "session/files/employee_files.h"
#include "session/files/print_heading.h"
#include "session/side/leave_record.h"
#include "session/state/state_file.h"
#include "session/ytd/ledger_file.h"
#include "tax/core/federal_table.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"

namespace corvanta {
namespace {

struct Reader {
    const char* file;
    std::function<void(std::string_view)> read;
};

const std::vector<Reader>& readers() {
    static const std::vector<Reader> all{
        {"Federal08.dtt", [](std::string_view c) { parseFederalTable(c, "Federal08.dtt"); }},
        {"X.sta",
         [](std::string_view c) {
             StateSettings s;
             EmployeeProfile p;
             parseStateFile(c, "X.sta", s, p);
         }},
        {"X.cti",
         [](std::string_view c) {
             CityTable t;
             parseCityFile(c, "X.cti", t);
         }},
        {"X.nci",
         [](std::string_view c) {
             NonCityTable t;
             parseNonCityFile(c, "X.nci", t);
         }},
        {"X.yrw", [](std::string_view c) { parseLedgerFile(c, "X.yrw", kLedgerRows, {}); }},
        {"X.hol", [](std::string_view c) { parseLeaveFile(c, "X.hol", {}); }},
        {"Header.sav", [](std::string_view c) { parseHeadingFile(c, "Header.sav"); }},
    };
    return all;
}

const std::vector<std::string>& damagedContents() {
    static const std::vector<std::string> all{
        "",
        ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
        "\"unterminated",
        "\"\"\"\",\"",
        std::string("1,\0,2", 5),
        "1e999,1e999,-1e999\r\n",
        "1e19e999\r\n",
        "99999999999999999999999999999999999999999999\r\n",
        "#TRUE#,#FALSE#,#TRUE\r\n",
        "\r\r\r\n\n\n",
        "\xff\xfe\xc3\r\n\xe2\x82",
        std::string(20000, '9'),
        "-,.,--5,1-2,$,+\r\n",
    };
    return all;
}

TEST(DamagedFiles, EveryReaderGivesValuesOrAFileErrorNamingTheFile) {
    for (const Reader& reader : readers()) {
        for (const std::string& content : damagedContents()) {
            try {
                reader.read(content);
            } catch (const FileError& e) {
                EXPECT_NE(std::string(e.what()).find(reader.file), std::string::npos)
                    << reader.file << ": " << e.what();
            } catch (const std::exception& e) {
                ADD_FAILURE() << reader.file << " threw a foreign exception: " << e.what();
            }
        }
    }
}

// numericValue of "1e19e999" is 1e19, beyond every money format: formatting refuses it
// with MoneyOverflow instead of printing wrong digits.
TEST(NumericText, FuzzFoundHugeLeadingNumberIsRefusedByTheMoneyFormats) {
    const double value = numericValue("1e19e999");
    EXPECT_DOUBLE_EQ(value, 1e19);
    EXPECT_FALSE(strictNumber("1e19e999").has_value());
    EXPECT_THROW(formatPattern(value, "#,###.00"), MoneyOverflow);
    EXPECT_EQ(formatPattern(12345.675, "#,###.00"), "12,345.68");
}

// Found by fuzzing the ".ovb" reader: an overtime row "13.e522" reads as infinity, and the
// next save of the group threw MoneyOverflow, so the employee could no longer be saved.
TEST(FuzzFound, AnOverflowingAmountIsStoredAsZeroAndTheSaveGoesOn) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"13.e522", "0"}, {"-1e999", "0"}, {"12.5", "12.5"}, {"", "0"}};
    for (const auto& [typed, stored] : rows) {
        OvertimeSheet sheet;
        sheet.WeekEnding[0] = "01/04/2008";
        sheet.WeekOvertime[0] = typed;
        EXPECT_EQ(formatOvertimeRows(sheet, 1), "\"01/04/2008\"\r\n" + stored + "\r\n") << typed;
    }
    EXPECT_EQ(fileNumber(std::numeric_limits<float>::infinity()), "0");
    EXPECT_EQ(fileNumber(-std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(fileNumber(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(fileNumber(0.5), ".5");
}

// Found by fuzzing the ".use" reader: an overtime percentage of 1e39 reads as an infinite
// float, and rounding it to cents for the next save threw MoneyOverflow.
TEST(FuzzFound, AnOverflowingPercentageDoesNotStopTheSave) {
    for (const float percent : {std::numeric_limits<float>::infinity(), 1e30f, -1e20f}) {
        PayrollContext ctx;
        ctx.overtime.OtPercentOfSalary = percent;
        EXPECT_NO_THROW((void)formatUseFile(ctx)) << percent;
    }
    PayrollContext ctx;
    ctx.overtime.OtPercentOfSalary = 0.0523f;
    EXPECT_NE(formatUseFile(ctx).find(",.05\r\n"), std::string::npos);
}

}  // namespace
}  // namespace corvanta
