// The calculator window's backup commands: a backup of the working folder, and a restore
// after which the open employee is read again from the restored files.
#include <QDate>
#include <ctime>
#include <filesystem>

#include "backup/folder_backup.h"
#include "session/files/new_employee.h"
#include "session/payroll/employee_commit.h"
#include "ui/calculator_window.h"
#include "ui/message_box.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

constexpr std::size_t kProblemsShown = 10;

std::string mismatchText(const std::filesystem::path& archive, const BackupCheck& check) {
    std::string text = "The backup " + archive.filename().string() +
                       " does not match its manifest, so nothing was restored:";
    for (std::size_t i = 0; i < check.problems.size() && i < kProblemsShown; ++i) {
        text += "\r\n" + check.problems[i];
    }
    if (check.problems.size() > kProblemsShown) {
        text += "\r\n... and " + std::to_string(check.problems.size() - kProblemsShown) + " more";
    }
    return text;
}

// The folder's files as they are, kept before a restore replaces them; a second name when the
// backup being restored has the one this second would give.
std::filesystem::path keepCurrentFiles(const std::filesystem::path& folder,
                                       const std::filesystem::path& restoring) {
    std::filesystem::path kept = defaultBackupPath(folder, std::time(nullptr));
    if (shownPath(kept) == shownPath(restoring)) {
        kept.replace_filename(kept.stem().stem().string() + " before restore.tar.gz");
    }
    finishInterruptedCommit(folder);
    writeBackup(folder, kept);
    return kept;
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
    const bool written = runShowingErrors(this, [&] {
        // A copy of a folder with an employee left part way by a pay run would keep her
        // half-written.
        finishInterruptedCommit(ctx_.folder);
        writeBackup(ctx_.folder, archive);
        files = verifyBackup(archive).files.size();
    });
    if (!written) return;
    showUserMessage(this, {"Backup written: " + archive.string() + "\r\n" + std::to_string(files) +
                               " files of " + shownPath(ctx_.folder).string() + ".",
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
        "?\r\nEach file there of the same name is replaced by the backup's copy. The folder's "
        "files as they are now are first kept in a backup of their own, and the open employee "
        "is read again from the restored files.";
    if (!askYesNo(this, "Restore", question)) return;
    closeEmployeeWindows();
    std::filesystem::path kept;
    const bool restored = runShowingErrors(this, [&] {
        kept = keepCurrentFiles(ctx_.folder, archive);
        restoreBackup(archive, ctx_.folder);
    });
    runShowingErrors(this, [&] { ReopenEmployee(ctx_, fromQt(today())); });
    afterCommand();
    if (!restored) return;
    showUserMessage(this, {"Restored " + std::to_string(check.files.size()) + " files from " +
                               archive.filename().string() + ".\r\nThe files as they were are in " +
                               kept.string() + ".",
                           "Restore", MessageIcon::Information});
}

}  // namespace corvanta::ui
