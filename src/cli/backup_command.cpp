#include "cli/backup_command.h"

#include <ctime>
#include <iostream>

#include "backup/folder_backup.h"
#include "cli/cli_args.h"
#include "session/payroll/employee_commit.h"

namespace corvanta {
namespace {

int verify(const std::filesystem::path& archive, CommandEnv& env) {
    const BackupCheck check = verifyBackup(archive);
    for (const std::string& p : check.problems) env.err << p << "\n";
    if (!check.problems.empty()) {
        env.err << "The backup " << archive.filename().string()
                << " does not match its manifest.\n";
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
    if (!yes && !confirmed(archive, folder, env)) {
        env.err << "Nothing was restored.\n";
        return 1;
    }
    const auto files = restoreBackup(archive, folder);
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
    if (int(verifyFile.has_value()) + int(restoreFile.has_value()) +
            int(args.value("--to").has_value()) >
        1) {
        throw UsageError("give at most one of --to FILE, --verify FILE and --restore FILE");
    }
    if (verifyFile) return verify(*verifyFile, env);
    if (restoreFile) return restore(*restoreFile, folder, args.has("--yes"), env);
    // A copy of a folder with an employee left part way would keep her half-written.
    if (finishInterruptedCommit(folder)) {
        env.err << "An employee left part way by a pay run was finished first.\n";
    }
    const std::filesystem::path archive =
        args.value("--to").value_or(defaultBackupPath(folder, std::time(nullptr)).string());
    writeBackup(folder, archive);
    env.out << "Backup written: " << archive.string() << "\n";
    return 0;
}

}  // namespace corvanta
