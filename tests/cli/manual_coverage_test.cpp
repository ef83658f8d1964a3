// Every command and every option the command line takes is in the synopsis of its manual page
// and of its --help, and nothing there is an option the command does not take, so neither can
// fall behind the program.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "support/cli_runner.h"

namespace corvanta {
namespace {

using testing::runCli;

const std::vector<std::string> kCommands{"calc",    "ledger",  "stub",     "check",  "report",
                                         "export",  "session", "register", "backup", "run",
                                         "company", "forms",   "new",      "checks"};

std::string manualChapter(const std::string& name) {
    std::ifstream in(std::string(CORVANTA_MANUAL_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of a "## TITLE" section of a chapter, up to the next section.
std::string section(const std::string& chapter, const std::string& title) {
    const std::size_t start = chapter.find("\n## " + title + "\n");
    if (start == std::string::npos) return {};
    const std::size_t end = chapter.find("\n## ", start + 1);
    return chapter.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::set<std::string> optionsIn(const std::string& text) {
    static const std::regex option("--[a-z0-9][a-z0-9-]*");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

// The options a command takes, as CLI11 lists them in the command's --help.
std::set<std::string> optionsTaken(const std::string& command) {
    const auto r = runCli({command, "--help"});
    EXPECT_EQ(r.exitCode, 0) << command << r.err;
    static const std::regex line(R"(^\s+(?:-[a-z],)?(--[a-z0-9][a-z0-9-]*))");
    std::set<std::string> taken;
    std::istringstream lines(r.out);
    for (std::string l; std::getline(lines, l);) {
        std::smatch m;
        if (std::regex_search(l, m, line) && m[1] != "--help") taken.insert(m[1]);
    }
    return taken;
}

// The synopsis lines of `command` in a usage text: the line "corvanta-cli COMMAND ..." and the
// indented lines continuing it. "[calc options]" stands for the options of the calculator's
// entry boxes, as the manual's CALC OPTIONS lists them.
std::set<std::string> synopsisOptions(const std::string& usage, const std::string& command,
                                      bool& named) {
    static const std::regex entry(R"(^(?:usage:)?\s*corvanta-cli (\S+))");
    const std::set<std::string> calcOptions =
        optionsIn(section(manualChapter("command-line.md"), "CALC OPTIONS"));
    std::set<std::string> options;
    bool inside = false;
    named = false;
    std::istringstream lines(usage);
    for (std::string l; std::getline(lines, l);) {
        std::smatch m;
        if (std::regex_search(l, m, entry)) {
            inside = m[1] == command;
        } else if (l.empty() || l.front() != ' ') {
            inside = false;
        }
        if (!inside) continue;
        named = true;
        const auto here = optionsIn(l);
        options.insert(here.begin(), here.end());
        if (l.find("[calc options]") != std::string::npos) {
            options.insert(calcOptions.begin(), calcOptions.end());
        }
    }
    return options;
}

struct UsageText {
    const char* name;
    std::string (*text)();
};

void PrintTo(const UsageText& u, std::ostream* os) { *os << u.name; }

std::string manualSynopsis() { return section(manualChapter("command-line.md"), "SYNOPSIS"); }
std::string helpUsage() { return runCli({"--help"}).out; }

class CommandSynopsisTest : public ::testing::TestWithParam<std::tuple<UsageText, std::string>> {};

TEST_P(CommandSynopsisTest, ListsTheCommandWithExactlyTheOptionsItTakes) {
    const auto& [usage, command] = GetParam();
    bool named = false;
    const std::set<std::string> listed = synopsisOptions(usage.text(), command, named);
    ASSERT_TRUE(named) << usage.name << " has no synopsis of " << command;
    const std::set<std::string> taken = optionsTaken(command);
    ASSERT_FALSE(taken.empty()) << command;
    for (const std::string& option : taken) {
        EXPECT_TRUE(listed.count(option) != 0)
            << usage.name << ": " << command << " takes " << option << " but does not list it";
    }
    for (const std::string& option : listed) {
        EXPECT_TRUE(taken.count(option) != 0)
            << usage.name << ": " << command << " lists " << option << " but does not take it";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CommandSynopsisTest,
                         ::testing::Combine(::testing::Values(UsageText{"Manual", manualSynopsis},
                                                              UsageText{"Help", helpUsage}),
                                            ::testing::ValuesIn(kCommands)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param);
                         });

// Every option is explained in the manual's text, not only named in the synopsis.
TEST(ManualCoverage, EveryOptionIsExplainedInTheChapter) {
    const std::string chapter = manualChapter("command-line.md");
    const std::string synopsis = section(chapter, "SYNOPSIS");
    const std::string explained = chapter.substr(chapter.find(synopsis) + synopsis.size());
    for (const std::string& command : kCommands) {
        for (const std::string& option : optionsTaken(command)) {
            EXPECT_NE(explained.find("`" + option), std::string::npos)
                << command << " " << option << " is not explained";
        }
    }
}

// Every option's --help line says what it does: a bare name leaves the clerk guessing.
TEST(ManualCoverage, EveryOptionSaysWhatItDoes) {
    static const std::regex bare(R"(^\s+(?:-[a-z],)?(--[a-z0-9][a-z0-9-]*)(?: [A-Z]+)?\s*$)");
    for (const std::string& command : kCommands) {
        std::istringstream lines(runCli({command, "--help"}).out);
        for (std::string l; std::getline(lines, l);) {
            std::smatch m;
            EXPECT_FALSE(std::regex_match(l, m, bare)) << command << " " << m[1] << " says nothing";
        }
    }
}

struct OptionHelpCase {
    const char* command;
    const char* option;
    const char* says;     // "" for nothing in particular
    const char* saysNot;  // "" for nothing in particular
};

// A command's --help says what the option does in that command.
TEST(ManualCoverage, EachOptionsHelpFitsItsCommand) {
    const std::vector<OptionHelpCase> cases{
        {"register", "--week", "week", "default"},
        {"run", "--week", "", "default"},
        {"run", "--post", "next", ""},
        {"calc", "--week", "default: today", ""},
        {"stub", "--force", "placeholder", ""},
    };
    for (const OptionHelpCase& c : cases) {
        const auto r = runCli({c.command, "--help"});
        const std::regex line("\\n\\s+" + std::string(c.option) + "\\b[^\\n]*");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(r.out, m, line)) << c.command << " " << c.option;
        const std::string help = m.str();
        if (*c.says != '\0') {
            EXPECT_NE(help.find(c.says), std::string::npos) << c.command << help;
        }
        if (*c.saysNot != '\0') {
            EXPECT_EQ(help.find(c.saysNot), std::string::npos) << c.command << help;
        }
    }
}

}  // namespace
}  // namespace corvanta
