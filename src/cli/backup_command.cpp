#include "cli/backup_command.h"

#include <ctime>
#include <iostream>

#include "backup/folder_backup.h"
#include "backup/folder_restore.h"
#include "base/files/stale_locks.h"
#include "cli/cli_args.h"
#include "session/payroll/employee_commit.h"

namespace corvanta {
namespace {

void reportSkipped(const BackupWritten& written, CommandEnv& env) {
    for (const std::string& link : written.skippedLinks) {
        env.err << "Not backed up: " << link
                << " is a symbolic link; only the folder's own files are kept.\n";
    }
}

// Lists what is wrong with the archive; false when it is not sound.
bool sound(const BackupCheck& check, CommandEnv& env) {
    for (const std::string& p : check.problems) env.err << p << "\n";
    return check.problems.empty();
}

int verify(const std::filesystem::path& archive, CommandEnv& env) {
    const BackupCheck check = verifyBackup(archive);
    if (!sound(check, env)) {
        env.err << "The backup " << archive.filename().string()
                << " is not sound: a restore refuses it.\n";
        return 1;
    }
    env.out << "The backup " << archive.filename().string() << " is sound: " << check.files.size()
            << " files match the manifest.\n";
    return 0;
}

bool confirmed(const std::filesystem::path& archive, const std::filesystem::path& folder,
               CommandEnv& env) {
    env.out << "Restore the files of " << archive.filename().string() << " into " << folder.string()
            << ", replacing the files there? (y/n) " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes";
}

int restore(const std::filesystem::path& archive, const std::filesystem::path& folder, bool yes,
            CommandEnv& env) {
    // A refused archive is refused before anything is asked or written.
    if (!sound(verifyBackup(archive), env)) {
        env.err << "The backup " << archive.filename().string()
                << " was refused, so nothing was restored.\n";
        return 1;
    }
    if (!yes && !confirmed(archive, folder, env)) {
        env.err << "Nothing was restored.\n";
        return 1;
    }
    if (finishInterruptedCommit(folder)) {
        env.err << "An employee left part way by a pay run was finished first.\n";
    }
    // The folder as it is, kept so the restore itself can be undone.
    const auto keepFolder = [&] {
        const BackupWritten kept = writeDatedBackup(folder, std::time(nullptr));
        env.out << "The folder as it was is kept in " << kept.archive.string() << "\n";
        reportSkipped(kept, env);
    };
    const auto files = restoreBackup(archive, folder, {.limits = {}, .keepFolder = keepFolder});
    env.out << "Restored " << files.size() << " files from " << archive.filename().string()
            << ".\n";
    return 0;
}

}  // namespace

int backupCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args("backup", argv, {"--dir", "--to", "--verify", "--restore"}, {"--yes"});
    const std::filesystem::path folder = args.value("--dir").value_or(".");
    const auto verifyFile = args.value("--verify");
    const auto restoreFile = args.value("--restore");
    const auto to = args.value("--to");
    // A restore recovers once the archive is found sound: a refused one changes nothing.
    if (!verifyFile && !restoreFile) recoverFolder(folder, env.err);
    if (int(verifyFile.has_value()) + int(restoreFile.has_value()) + int(to.has_value()) > 1) {
        throw UsageError("give at most one of --to FILE, --verify FILE and --restore FILE");
    }
    if (verifyFile) return verify(*verifyFile, env);
    if (restoreFile) return restore(*restoreFile, folder, args.has("--yes"), env);
    // A copy of a folder with an employee left part way would keep her half-written.
    if (finishInterruptedCommit(folder)) {
        env.err << "An employee left part way by a pay run was finished first.\n";
    }
    const BackupWritten written =
        to ? writeBackup(folder, *to) : writeDatedBackup(folder, std::time(nullptr));
    env.out << "Backup written: " << written.archive.string() << "\n";
    reportSkipped(written, env);
    return 0;
}

}  // namespace corvanta
