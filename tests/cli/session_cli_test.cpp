// A scripted session gives, command by command, what the same commands give as separate
// processes on the same folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <sstream>

#include "support/cli_runner.h"
#include "support/employee_folder.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using nlohmann::json;
using testing::CliResult;
using testing::runCli;
using testing::shellQuote;
using testing::TempFolder;

// Runs corvanta-cli in `cwd`, so both worlds name their folder by the same relative path and
// their messages read alike.
CliResult runIn(const std::filesystem::path& cwd, const std::vector<std::string>& args,
                const std::string& input = "") {
    TempFolder capture;
    capture.write("in", input);
    std::string command = "cd " + shellQuote(cwd.string()) + " && " + CORVANTA_CLI;
    for (const std::string& a : args) command += " " + shellQuote(a);
    command += " <" + (capture / "in").string() + " >" + (capture / "out").string() + " 2>" +
               (capture / "err").string();
    const int status = std::system(command.c_str());
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = capture.read("out");
    r.err = capture.read("err");
    return r;
}

std::vector<json> sessionLines(const CliResult& r) {
    std::vector<json> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
    return lines;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// Every file of a folder with its content.
std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        files[entry.path().filename().string()] = s.str();
    }
    // The fresh sessions that stand for a save repeat the checks printed since the employee
    // was opened: the same checks under the same numbers, which the register marks as
    // reprints. Whether a check was printed again is no part of what is compared.
    if (const auto checks = files.find("Checks.sav"); checks != files.end()) {
        std::string& text = checks->second;
        for (auto at = text.find("\"reprint\""); at != std::string::npos;
             at = text.find("\"reprint\"", at)) {
            text.replace(at, 9, "\"issued\"");
        }
    }
    return files;
}

// The files of two folders that differ, each with its first differing line; empty when the
// folders hold the same files with the same contents.
std::string folderDifferences(const std::filesystem::path& a, const std::filesystem::path& b) {
    const auto left = folderContents(a);
    const auto right = folderContents(b);
    std::string out;
    std::set<std::string> names;
    for (const auto& [name, text] : left) names.insert(name);
    for (const auto& [name, text] : right) names.insert(name);
    for (const std::string& name : names) {
        const auto l = left.find(name);
        const auto r = right.find(name);
        if (l == left.end() || r == right.end()) {
            out += name + (l == left.end() ? " only alone\n" : " only in the session\n");
            continue;
        }
        if (l->second == r->second) continue;
        std::istringstream ls(l->second), rs(r->second);
        std::string ll, rl;
        for (int line = 1;; ++line) {
            const bool lg = static_cast<bool>(std::getline(ls, ll));
            const bool rg = static_cast<bool>(std::getline(rs, rl));
            if (ll != rl || lg != rg) {
                out += name + " line " + std::to_string(line) + ": session \"" + ll +
                       "\", alone \"" + rl + "\"\n";
                break;
            }
        }
    }
    return out;
}

class SessionCliTest : public ::testing::Test {
  protected:
    SessionCliTest() {
        std::filesystem::create_directory(root / "emp");
        std::filesystem::copy_file(std::filesystem::path(CORVANTA_DATA_DIR) / "Federal08.dtt",
                                   root / "emp" / "Federal08.dtt");
    }
    TempFolder root;
};

TEST_F(SessionCliTest, EachCommandPrintsOneLineAndARefusalDoesNotEndTheSession) {
    const std::string script =
        "# a comment\n"
        "\n"
        "new Smith\n"
        "calc --straight 40 --week 1/5/2008 --post 1\n"
        "calc --straight 1-2\n"
        "calc --dir elsewhere\n"
        "open Nobody\n"
        "new Smith\n"
        "ledger\n"
        "clear\n"
        "save\n";
    const CliResult r = runIn(root.path(), {"session", "--dir", "emp"}, script);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<json> lines = sessionLines(r);
    ASSERT_EQ(lines.size(), 9u) << r.out;
    const std::vector<std::pair<int, int>> lineAndExit{{3, 0}, {4, 0}, {5, 1},  {6, 2}, {7, 1},
                                                       {8, 1}, {9, 0}, {10, 0}, {11, 0}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["line"], lineAndExit[i].first) << lines[i].dump();
        EXPECT_EQ(lines[i]["exit"], lineAndExit[i].second) << lines[i].dump();
    }
    EXPECT_EQ(lines[0]["command"], "new Smith");
    EXPECT_NE(lines[2]["stderr"].get<std::string>().find("STRAIGHT TIME HOURS 1"),
              std::string::npos);
    EXPECT_NE(lines[5]["stderr"].get<std::string>().find("already exists"), std::string::npos);
    EXPECT_EQ(json::parse(lines[6]["stdout"].get<std::string>())["rows"][0]["WeekLabel"],
              "1/5/2008");
}

TEST_F(SessionCliTest, HelpAndAnUnreadableScript) {
    const CliResult help = runIn(root.path(), {"session", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("open NAME"), std::string::npos);
    const CliResult missing = runIn(root.path(), {"session", "--script", "nothing.txt"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("nothing.txt"), std::string::npos);
}

// Random sessions of 8 to 15 commands over a folder of employees. The session runs in one
// folder, the same commands as separate processes in a copy of it: every output and, at the
// end, every file must agree.
class SessionProperty : public ::testing::TestWithParam<int> {};

class CommandMaker {
  public:
    CommandMaker(unsigned seed, std::vector<std::string> employees)
        : random_(seed), employees_(std::move(employees)) {}

    std::string next() {
        const int kind = std::uniform_int_distribution<int>(0, 99)(random_);
        if (kind < 25) return "open " + employees_[index(employees_.size())];
        if (kind < 30) return "new new" + std::to_string(newNames_++);
        if (kind < 33) return "clear";
        if (kind < 36) return "save";
        if (kind < 44) return "ledger";
        if (kind < 72) return "calc" + entries() + post() + (chance(0.2) ? " --no-save" : "");
        const std::string force = chance(0.7) ? " --force" : "";
        if (kind < 86) return "stub --text" + force + entries() + (chance(0.3) ? " --save" : "");
        return "check --text" + force + entries() + (chance(0.3) ? " --memo Rent" : "") +
               (chance(0.3) ? " --horz 2 --vert -1" : "");
    }

  private:
    std::size_t index(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    template <typename T>
    T pick(std::initializer_list<T> values) {
        return *(values.begin() + index(values.size()));
    }

    std::string entries() {
        std::string out;
        out += pick<const char*>({" --straight 40", " --straight 80", " --straight 12.5", ""});
        if (chance(0.3)) out += pick<const char*>({" --ot15 2.5", " --ot 3 --2x", " --ot 4"});
        if (chance(0.2)) out += " --holiday 8";
        if (chance(0.2)) out += " --vacation 4";
        if (chance(0.2)) out += pick<const char*>({" --dollars 150", " --tips 10"});
        if (chance(0.1)) out += " --straight2 4";
        if (chance(0.05)) out += " --dollars 1x";  // refused
        if (chance(0.85)) out += pick<const char*>({" --week 1/5/2008", " --week 2/8/2008"});
        return out;
    }
    std::string post() {
        if (!chance(0.25)) return "";
        return " --post " + std::to_string(1 + index(pick<std::size_t>({4, 26, 30})));
    }

    std::mt19937 random_;
    std::vector<std::string> employees_;
    int newNames_ = 0;
};

constexpr int kSessionsPerShard = 10;

TEST_P(SessionProperty, EveryCommandGivesWhatAFreshProcessGives) {
    for (int s = 0; s < kSessionsPerShard; ++s) {
        const unsigned seed = static_cast<unsigned>(GetParam() * kSessionsPerShard + s + 1);
        TempFolder root;
        const auto sessionRoot = root / "session";
        const auto aloneRoot = root / "alone";
        std::filesystem::create_directories(sessionRoot / "emp");
        TempFolder seedFolder;
        seedFolder.copyFederalTable();
        const std::vector<std::string> employees =
            testing::EmployeeFolderMaker(seed).make(seedFolder.path(), 6);
        std::filesystem::copy(seedFolder.path(), sessionRoot / "emp");
        std::filesystem::create_directories(aloneRoot / "emp");
        std::filesystem::copy(seedFolder.path(), aloneRoot / "emp");

        CommandMaker maker(seed, employees);
        std::mt19937 lengths(seed);
        const int count = std::uniform_int_distribution<int>(8, 15)(lengths);
        std::string script;
        for (int i = 0; i < count; ++i) script += maker.next() + "\n";

        if (const char* keep = std::getenv("CORVANTA_KEEP_SEED");
            keep && std::stoul(keep) == seed) {
            std::filesystem::copy(seedFolder.path(), "/tmp/seed-" + std::string(keep));
            std::ofstream("/tmp/seed-" + std::string(keep) + ".txt") << script;
        }
        const CliResult session = runIn(sessionRoot, {"session", "--dir", "emp"}, script);
        ASSERT_EQ(session.exitCode, 0) << session.err;
        const std::vector<json> lines = sessionLines(session);
        ASSERT_EQ(static_cast<int>(lines.size()), count) << session.out;

        std::string user;
        std::vector<std::string> sinceOpen;
        for (const json& line : lines) {
            const std::string command = line["command"];
            const std::vector<std::string> w = words(command);
            SCOPED_TRACE("seed " + std::to_string(seed) + " line " + line["line"].dump() + ": " +
                         command + " (employee \"" + user + "\")\n" + script);
            if (w[0] == "new" || w[0] == "save") {
                // What the session wrote, written by a session of its own that opens the
                // employee afresh and repeats what was done to her since, since calculations
                // that save nothing still shape what a later save writes.
                if (line["exit"] != 0) continue;
                std::string alone = user.empty() ? "" : "open " + user + "\n";
                for (const std::string& earlier : sinceOpen) alone += earlier + "\n";
                runIn(aloneRoot, {"session", "--dir", "emp"}, alone + command + "\n");
            }
            if ((w[0] == "open" || w[0] == "new") && line["exit"] == 0) {
                user = w[1];
                sinceOpen.clear();
                continue;
            }
            sinceOpen.push_back(command);
            if (w[0] == "open" || w[0] == "new" || w[0] == "save" || w[0] == "clear") continue;
            std::vector<std::string> args{w[0], "--dir", "emp"};
            if (!user.empty()) args.insert(args.end(), {"--user", user});
            args.insert(args.end(), w.begin() + 1, w.end());
            const CliResult alone = runIn(aloneRoot, args);
            EXPECT_EQ(line["exit"], alone.exitCode);
            EXPECT_EQ(line["stdout"], alone.out);
            EXPECT_EQ(line["stderr"], alone.err);
            if (::testing::Test::HasFailure()) return;
        }
        EXPECT_EQ(folderDifferences(sessionRoot / "emp", aloneRoot / "emp"), "")
            << "seed " << seed << "\n"
            << script;
        if (::testing::Test::HasFailure()) return;
    }
}

// A shard is named by the seeds it runs, so that a failing seed is run again by its name.
std::string shardName(const ::testing::TestParamInfo<int>& info) {
    const int first = info.param * kSessionsPerShard + 1;
    return "seeds_" + std::to_string(first) + "_to_" +
           std::to_string(first + kSessionsPerShard - 1);
}

INSTANTIATE_TEST_SUITE_P(Shards, SessionProperty, ::testing::Range(0, 20), shardName);

}  // namespace
}  // namespace corvanta
