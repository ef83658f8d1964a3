#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// The save window's three buttons.
enum class SaveChoice { Save, No, Quit };

// The save window's answer: the button and the name box as the operator left it.
struct SaveWindowAnswer {
    SaveChoice choice = SaveChoice::No;
    std::string name;
};

// What the file commands ask the operator; the GUI shows real dialogs, tests script them.
class SessionPrompts {
  public:
    virtual ~SessionPrompts() = default;
    // Message box with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // Input box with an empty default; nothing when cancelled.
    virtual std::optional<std::string> askText(const std::string& title,
                                               const std::string& prompt) = 0;
    // The modal save window "Save User", its name box showing `name`.
    virtual SaveWindowAnswer showSaveWindow(const std::string& name) = 0;
    // The open dialog with the given filter; nothing when cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const std::string& filter) = 0;
    virtual void showMessage(const UserMessage& message) = 0;
    // Open found the employee in use by another: true to open her read only, false not at
    // all. The window asks with Yes and No.
    virtual bool askOpenReadOnly(const std::string& inUse) {
        return askYesNo("Open", inUse + "\r\n" + kOpenReadOnlyQuestion);
    }

    // A question whose Yes would replace stored files: No unless the operator chooses Yes.
    // The window makes No the default button; a script answers as it is told.
    virtual bool askYesNoDefaultNo(const std::string& title, const std::string& text) {
        return askYesNo(title, text);
    }

    static constexpr const char* kOpenReadOnlyQuestion =
        "Open this user read only?\r\nYes: look without saving. No: do not open.";
};

// Whether the program goes on after a command.
enum class SessionOutcome { Continue, EndProgram };

inline constexpr const char* kSavePreviousQuestion = "........SAVE PREVIOUS USER?";
inline constexpr const char* kNewUserPrompt = "Enter new user:";
inline constexpr const char* kAlreadyExistsSuffix = " already exists. Use Open";
inline constexpr const char* kSaveSettingsQuestion = "     SAVE USER'S SETTINGS?";

// Why a typed employee name cannot name files, or nothing when it can. The empty name is
// the default group and is allowed.
std::optional<std::string> employeeNameProblem(const std::string& name);

// The file menu's New, Open, Save and Exit and the save window, over one context.
class Session {
  public:
    Session(PayrollContext& ctx, SessionPrompts& prompts, std::function<std::string()> today);

    SessionOutcome New();
    SessionOutcome Open();
    // Open with the employee's ".use" already chosen (from the employee list): the save window
    // first, then the same reading as Open.
    SessionOutcome Open(const std::filesystem::path& chosen);
    SessionOutcome Save();
    SessionOutcome Exit();  // also the main window's close box

    // Shows the save window until it is left with "&No" or "&Quit" or a save succeeds.
    SessionOutcome runSaveWindow();

    // The save window's "&Save" with this name. Returns false, after telling the operator,
    // when the name is refused or a file cannot be written.
    bool saveAs(const std::string& name);

  private:
    void resetToNewEmployee();
    SessionOutcome openChosen(const std::filesystem::path& chosen);
    void report(const std::exception& e, const std::string& title);

    PayrollContext& ctx_;
    SessionPrompts& prompts_;
    std::function<std::string()> today_;
};

}  // namespace corvanta
