#include "cli/new_command.h"

#include "base/files/stale_locks.h"
#include "cli/cli_args.h"
#include "session/files/open_employee.h"
#include "session/files/session.h"

namespace corvanta {
namespace {

// File, New answered as typed: the previous employee (the default group) is not saved, the
// input box gets the name, and any message means the employee was not made.
class NewEmployeePrompts : public SessionPrompts {
  public:
    NewEmployeePrompts(std::string name, std::ostream& err) : name_(std::move(name)), err_(err) {}
    [[nodiscard]] bool refused() const { return refused_; }

    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return name_;
    }
    SaveWindowAnswer showSaveWindow(const std::string& name) override {
        return {SaveChoice::No, name};
    }
    std::optional<std::filesystem::path> chooseFile(const std::string&) override {
        return std::nullopt;
    }
    void showMessage(const UserMessage& message) override {
        err_ << message.text << "\n";
        refused_ = true;
    }

  private:
    std::string name_;
    std::ostream& err_;
    bool refused_ = false;
};

// The words that are not options or an option's value; the options go to `options`.
std::vector<std::string> positionalWords(const std::vector<std::string>& argv,
                                         std::vector<std::string>& options) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        if (argv[i].size() > 1 && argv[i].front() == '-') {
            options.push_back(argv[i]);
            if (argv[i] == "--dir" && i + 1 < argv.size()) options.push_back(argv[++i]);
        } else {
            words.push_back(argv[i]);
        }
    }
    return words;
}

}  // namespace

int newCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    std::vector<std::string> options;
    const std::vector<std::string> words = positionalWords(argv, options);
    const CliArgs args("new", options, {"--dir"}, {});
    if (words.size() != 1) throw UsageError("new takes one employee name");
    const std::string& name = words.front();
    if (name.empty()) {
        env.err << "A new employee needs a name.\n";
        return 1;
    }
    PayrollContext ctx;
    ctx.folder = args.value("--dir").value_or(".");
    recoverFolder(ctx.folder, env.err);
    ctx.showMessage = [&err = env.err](const UserMessage& m) { err << m.text << "\n"; };
    // As a session starts: the default group read, so New begins where the window's does.
    PayrollContext start = ctx;
    try {
        OpenEmployee(start, "", todayText());
        ctx = std::move(start);
    } catch (const UserError& e) {
        env.err << e.what() << "\n";
    }
    NewEmployeePrompts prompts(name, env.err);
    Session session(ctx, prompts, todayText);
    session.New();
    if (prompts.refused()) return 1;
    env.out << "Employee " << name << " created in " << ctx.folder.string() << ".\n";
    return 0;
}

}  // namespace corvanta
