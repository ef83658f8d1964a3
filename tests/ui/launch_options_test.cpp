// The program's own options: --help and --version print and end without a display, and an
// option the program does not know is refused before any window opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/core/program_info.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::CliResult;
using testing::shellQuote;
using testing::TempFolder;

// Runs the desktop program with no display at all: had it opened a window, it would abort.
CliResult runProgram(const std::vector<std::string>& args) {
    TempFolder capture;
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=" +
                          shellQuote(capture.path().string()) + " timeout 20 " +
                          shellQuote(CORVANTA_APP);
    for (const std::string& a : args) command += " " + shellQuote(a);
    command += " >" + (capture / "out").string() + " 2>" + (capture / "err").string();
    const int status = std::system(command.c_str());
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = capture.read("out");
    r.err = capture.read("err");
    return r;
}

struct LaunchCase {
    const char* name;
    std::vector<std::string> args;
    int exit;
    std::string inOut;  // "" when nothing is to be printed there
    std::string inErr;
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

class LaunchOptionsTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchOptionsTest, PrintsAndEndsWithoutOpeningTheWindow) {
    const LaunchCase& c = GetParam();
    const CliResult r = runProgram(c.args);
    EXPECT_EQ(r.exitCode, c.exit) << r.out << r.err;
    EXPECT_NE(r.out.find(c.inOut), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(c.inErr), std::string::npos) << r.err;
    if (c.inOut.empty()) {
        EXPECT_EQ(r.out, "");
    }
    if (c.inErr.empty()) {
        EXPECT_EQ(r.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchOptionsTest,
    ::testing::Values(
        LaunchCase{"Help", {"--help"}, 0, "--dir", ""},
        LaunchCase{"ShortHelp", {"-h"}, 0, "--dir", ""},
        LaunchCase{"Version", {"--version"}, 0, std::string("corvanta ") + kProgramVersion, ""},
        LaunchCase{"UnknownOption", {"--frobnicate"}, 2, "", "--frobnicate"},
        LaunchCase{"UnknownOptionBesideKnownOnes", {"--dir", "x", "--colour"}, 2, "", "--colour"},
        LaunchCase{"StrayArgument", {"Smith"}, 2, "", "Smith"},
        LaunchCase{"DirWithoutItsFolder", {"--dir"}, 2, "", "--dir"},
        LaunchCase{"RepeatedDir", {"--dir", "a", "--dir", "b"}, 2, "", "--dir"}),
    [](const auto& info) { return std::string(info.param.name); });

// The picture-taking mode calculates and saves like the window does: it must start from the
// folder's default group as read from its files, never from an empty record that a save would
// store over the group's tables.
TEST(ScreenshotMode, KeepsTheDefaultGroupsTables) {
    TempFolder folder;
    folder.copyFederalTable();
    const std::string dir = folder.path().string();
    ASSERT_EQ(testing::runCli({"company", "--name", "Prairie", "--street", "1 Main", "--city",
                               "Des Moines", "--state", "IA", "--zip", "50309", "--ein",
                               "42-1234567", "--dir", dir})
                  .exitCode,
              0);
    ASSERT_EQ(testing::runCli({"new", "Adams", "--dir", dir}).exitCode, 0);
    ASSERT_EQ(testing::runCli({"calc", "--straight", "1", "--dir", dir}).exitCode, 0);
    const std::string tables = folder.read(".sta");
    ASSERT_NE(tables.substr(0, tables.find("\r\n")), "0,0,0,0,0,0");
    const std::string command = "cd " + shellQuote(folder.path().string()) +
                                " && QT_QPA_PLATFORM=offscreen timeout 60 " +
                                shellQuote(CORVANTA_APP) + " --screenshot " +
                                shellQuote((folder / "shots").string()) + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(folder.read(".sta"), tables);
}

}  // namespace
}  // namespace corvanta
