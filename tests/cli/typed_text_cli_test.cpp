// Text the single-byte employee files cannot hold is refused where it is typed on the command
// line or in the hours sheet, naming the place and the character; nothing is written.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::folderBytes;
using testing::runCli;

struct TypedTextCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> says;
};

void PrintTo(const TypedTextCase& c, std::ostream* os) { *os << c.name; }

class TypedTextCli : public ::testing::TestWithParam<TypedTextCase> {};

TEST_P(TypedTextCli, IsRefusedNamingTheFieldAndTheCharacter) {
    testing::TempFolder folder;
    folder.copyFederalTable();
    ASSERT_EQ(runCli({"new", "Smith", "--dir", folder.path().string()}).exitCode, 0);
    folder.write("hours.csv", "employee,straight\r\nSmith,40\r\nSmith,4€\r\n");
    const auto before = folderBytes(folder.path());
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--dir", folder.path().string()});
    for (std::string& a : args) {
        if (a == "HOURS") a = (folder / "hours.csv").string();
    }
    const auto r = runCli(args);
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    for (const std::string& word : GetParam().says) {
        EXPECT_NE(r.err.find(word), std::string::npos) << word << " not in " << r.err;
    }
    EXPECT_EQ(folderBytes(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Places, TypedTextCli,
    ::testing::Values(TypedTextCase{"PostedWeek",
                                    {"calc", "--user", "Smith", "--straight", "40", "--week",
                                     "Łódź 1", "--post", "1"},
                                    {"--week", "\"Ł\""}},
                      TypedTextCase{"CheckMemo",
                                    {"check", "--user", "Smith", "--straight", "40", "--memo",
                                     "tip 5 €", "--force", "--text"},
                                    {"--memo", "\"€\""}},
                      TypedTextCase{"HoursSheetCell",
                                    {"run", "--hours", "HOURS", "--week", "1/5/2008"},
                                    {"hours.csv", "line 3", "\"straight\"", "\"€\""}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvanta
