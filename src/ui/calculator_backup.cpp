// The calculator window's backup commands: a backup of the working folder, and a restore
// after which the open employee is read again from the restored files.
#include <QDate>
#include <ctime>
#include <filesystem>

#include "backup/folder_backup.h"
#include "backup/folder_restore.h"
#include "session/files/new_employee.h"
#include "session/payroll/employee_commit.h"
#include "ui/calculator_window.h"
#include "ui/message_box.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

constexpr std::size_t kProblemsShown = 10;

std::string mismatchText(const std::filesystem::path& archive, const BackupCheck& check) {
    std::string text =
        "The backup " + archive.filename().string() + " was refused, so nothing was restored:";
    for (std::size_t i = 0; i < check.problems.size() && i < kProblemsShown; ++i) {
        text += "\r\n" + check.problems[i];
    }
    if (check.problems.size() > kProblemsShown) {
        text += "\r\n... and " + std::to_string(check.problems.size() - kProblemsShown) + " more";
    }
    return text;
}

// The folder's files as they are, kept before a restore replaces them under a dated name no
// other backup has.
BackupWritten keepCurrentFiles(const std::filesystem::path& folder) {
    finishInterruptedCommit(folder);
    return writeDatedBackup(folder, std::time(nullptr));
}

// "\r\nNot backed up (symbolic links): a.use, b.use", or nothing.
std::string skippedText(const BackupWritten& written) {
    if (written.skippedLinks.empty()) return "";
    std::string text = "\r\nNot backed up (symbolic links):";
    for (std::size_t i = 0; i < written.skippedLinks.size(); ++i) {
        text += (i == 0 ? " " : ", ") + written.skippedLinks[i];
    }
    return text;
}

}  // namespace

void CalculatorForm::backupFolder() {
    const std::filesystem::path proposed =
        shownPath(defaultBackupPath(ctx_.folder, std::time(nullptr)));
    // The dialog opens in the Backups folder, which the first backup creates.
    std::error_code ignored;
    std::filesystem::create_directories(proposed.parent_path(), ignored);
    const QString chosen = desktop_.chooseBackupFile(this, toQt(proposed.string()));
    if (chosen.isEmpty()) return;
    const std::filesystem::path archive(fromQt(chosen));
    std::size_t files = 0;
    BackupWritten written;
    const bool done = runShowingErrors(this, [&] {
        // A copy of a folder with an employee left part way by a pay run would keep her
        // half-written.
        finishInterruptedCommit(ctx_.folder);
        written = writeBackup(ctx_.folder, archive);
        files = verifyBackup(archive).files.size();
    });
    if (!done) return;
    showUserMessage(
        this, {"Backup written: " + archive.string() + "\r\n" + std::to_string(files) +
                   " files of " + shownPath(ctx_.folder).string() + "." + skippedText(written),
               "Backup", MessageIcon::Information});
}

void CalculatorForm::restoreFolder() {
    const std::filesystem::path backups = shownPath(ctx_.folder / "Backups");
    const QString chosen = desktop_.chooseBackupToRestore(this, toQt(backups.string()));
    if (chosen.isEmpty()) return;
    const std::filesystem::path archive(fromQt(chosen));
    BackupCheck check;
    if (!runShowingErrors(this, [&] { check = verifyBackup(archive); })) return;
    if (!check.problems.empty()) {
        showUserMessage(this, {mismatchText(archive, check), "Restore"});
        return;
    }
    const std::string question =
        "Restore the " + std::to_string(check.files.size()) + " files of " +
        archive.filename().string() + " into " + shownPath(ctx_.folder).string() +
        "?\r\nEach file there of the same name is replaced by the backup's copy, all of them or "
        "none. The folder's files as they are now are first kept in a backup of their own, and "
        "the open employee is read again from the restored files.";
    if (!askYesNo(this, "Restore", question)) return;
    closeEmployeeWindows();
    BackupWritten kept;
    const bool restored = runShowingErrors(this, [&] {
        restoreBackup(archive, ctx_.folder,
                      {.limits = {}, .keepFolder = [&] { kept = keepCurrentFiles(ctx_.folder); }});
    });
    runShowingErrors(this, [&] { ReopenEmployee(ctx_, fromQt(today())); });
    afterCommand();
    if (!restored) return;
    showUserMessage(this, {"Restored " + std::to_string(check.files.size()) + " files from " +
                               archive.filename().string() + ".\r\nThe files as they were are in " +
                               kept.archive.string() + "." + skippedText(kept),
                           "Restore", MessageIcon::Information});
}

}  // namespace corvanta::ui
