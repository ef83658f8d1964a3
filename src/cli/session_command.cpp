#include "cli/session_command.h"

#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "base/files/file_io.h"
#include "base/files/stale_locks.h"
#include "cli/cli_args.h"
#include "cli/command_line.h"
#include "cli/json_writer.h"
#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "session/files/session.h"

namespace corvanta {
namespace {

constexpr const char* kSessionUsage =
    "usage: corvanta-cli session [--dir DIR] [--script FILE]\n"
    "Runs one command a line (from FILE or standard input) over one held employee:\n"
    "  calc, stub, check, ledger, report, export  with their options, without --dir and --user\n"
    "  new NAME     File, New with that name (the previous employee is not saved)\n"
    "  open NAME    File, Open of NAME.use (the save window answered No)\n"
    "  save         the save window's Save\n"
    "  clear        Clear\n"
    "Blank lines and lines starting with # are skipped. Each command prints one JSON line:\n"
    "{\"line\": N, \"command\": \"...\", \"exit\": E, \"stdout\": \"...\", \"stderr\": \"...\"}\n";

// The window's answers for a scripted file command: No to every question, the given name
// for the input box, Save once in the save window when asked to save, and the employee's
// file in the open dialog. A message the session shows means the command did not take effect.
class ScriptedPrompts : public SessionPrompts {
  public:
    void answer(std::ostream& err, std::string name, bool saveOnce) {
        err_ = &err;
        name_ = std::move(name);
        saveOnce_ = saveOnce;
        refused_ = false;
    }
    [[nodiscard]] bool refused() const { return refused_; }

    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return name_;
    }
    SaveWindowAnswer showSaveWindow(const std::string& name) override {
        if (!saveOnce_) return {SaveChoice::No, name};
        saveOnce_ = false;
        return {SaveChoice::Save, name};
    }
    std::optional<std::filesystem::path> chooseFile(const std::string&) override {
        return std::filesystem::path(name_ + ".use");
    }
    void showMessage(const UserMessage& message) override {
        *err_ << message.text << "\n";
        refused_ = true;
    }
    // An employee another program holds is opened read only: reading commands go on, and
    // each writing one is refused with this message.
    bool askOpenReadOnly(const std::string& inUse) override {
        *err_ << inUse << "\n";
        return true;
    }

  private:
    std::ostream* err_ = &std::cerr;
    std::string name_;
    bool saveOnce_ = false;
    bool refused_ = false;
};

// One session: the held employee, the file commands over it, and the output of each line.
class ScriptSession {
  public:
    ScriptSession(const std::filesystem::path& folder, std::ostream& err)
        : session_(ctx_, prompts_, todayText) {
        ctx_.folder = folder;
        recoverFolder(folder, err);
        ctx_.showMessage = [&err](const UserMessage& m) { err << m.text << "\n"; };
        // No employee is open yet: the default group, as a command without --user reads it.
        PayrollContext first = ctx_;
        try {
            OpenEmployee(first, "", todayText());
            ctx_ = std::move(first);
        } catch (const UserError& e) {
            err << e.what() << "\n";
        }
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
        ctx_.showMessage = [&err](const UserMessage& m) { err << m.text << "\n"; };
        const std::string& command = words.front();
        if (command == "new" || command == "open") return switchEmployee(words, err);
        if (command == "save" || command == "clear") {
            if (words.size() != 1) return usage(command + " takes no arguments", err);
            if (command == "clear") {
                ClearAll(ctx_, todayText());
                return 0;
            }
            prompts_.answer(err, ctx_.UserFileBase, true);
            session_.Save();
            return prompts_.refused() ? 1 : 0;
        }
        CommandEnv env{out, err, &ctx_};
        return runCommandLine(words, env);
    }

  private:
    static int usage(const std::string& problem, std::ostream& err) {
        err << problem << "\n" << kSessionUsage;
        return 2;
    }

    int switchEmployee(const std::vector<std::string>& words, std::ostream& err) {
        const std::string& command = words.front();
        if (words.size() != 2) return usage(command + " takes one employee name", err);
        const std::string& name = words[1];
        if (command == "open") {
            if (const auto problem = employeeNameProblem(name)) {
                err << *problem << "\n";
                return 1;
            }
            std::error_code ec;
            if (!std::filesystem::exists(ctx_.folder / (name + ".use"), ec)) {
                err << "There is no employee " << name << " (no file " << name << ".use).\n";
                return 1;
            }
        }
        prompts_.answer(err, name, false);
        if (command == "new") {
            session_.New();
        } else {
            session_.Open();
        }
        return prompts_.refused() ? 1 : 0;
    }

    PayrollContext ctx_;
    ScriptedPrompts prompts_;
    Session session_;
};

void printLine(std::ostream& out, int line, const std::string& command, int exit,
               const std::string& stdoutText, const std::string& stderrText) {
    JsonWriter j;
    j.beginObject();
    j.number("line", static_cast<double>(line)).text("command", command);
    j.number("exit", static_cast<double>(exit));
    j.text("stdout", stdoutText).text("stderr", stderrText);
    j.endObject();
    out << j.str() << "\n" << std::flush;
}

bool skipped(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

}  // namespace

std::vector<std::string> splitScriptLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote != 0 && c == quote) {
            quote = 0;
        } else if (quote != '\'' && c == '\\' && i + 1 < line.size()) {
            word += line[++i];
            inWord = true;
        } else if (quote == 0 && (c == '"' || c == '\'')) {
            quote = c;
            inWord = true;
        } else if (quote == 0 && (c == ' ' || c == '\t' || c == '\r')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quote != 0) throw UsageError("a quote is not closed");
    if (inWord) words.push_back(word);
    return words;
}

int sessionCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    std::optional<CliArgs> parsed;
    try {
        parsed.emplace("session", argv, std::set<std::string>{"--dir", "--script"},
                       std::set<std::string>{});
    } catch (const HelpRequested& help) {
        // What a script's lines may be, then the options as every command lists them.
        env.out << kSessionUsage << "\n" << help.what();
        return 0;
    }
    const CliArgs& args = *parsed;
    std::ifstream file;
    if (const auto script = args.value("--script")) {
        file.open(*script, std::ios::binary);
        if (!file) {
            env.err << "The script " << *script << " cannot be read.\n";
            return 1;
        }
    }
    std::istream& in = file.is_open() ? static_cast<std::istream&>(file) : std::cin;
    ScriptSession session(args.value("--dir").value_or("."), env.err);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (skipped(line)) continue;
        std::ostringstream out;
        std::ostringstream err;
        int exit = 0;
        try {
            exit = session.run(splitScriptLine(line), out, err);
        } catch (const UsageError& e) {
            err << e.what() << "\n" << kSessionUsage;
            exit = 2;
        }
        printLine(env.out, number, line, exit, out.str(), err.str());
    }
    return 0;
}

}  // namespace corvanta
