#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "session/files/employee_hold.h"

namespace corvanta {

// Where an employee's files are read and written, and on what terms: the payroll folder,
// the locks this session holds, and whether each write waits for the disk. A pay run sets
// `stagedIn`: her new files are written there until the run commits them all, and a read
// finds what the run wrote there before the folder's file. The folder itself never moves.
struct FileGroup {
    std::filesystem::path folder = ".";
    std::filesystem::path stagedIn;  // empty: files are written in the folder
    EmployeeHold hold;
    bool durableWrites = true;

    // The file `base + extension` as it stands now for this group.
    [[nodiscard]] std::filesystem::path fileToRead(const std::string& base,
                                                   const std::string& extension) const;
    // Where a write of `base + extension` goes.
    [[nodiscard]] std::filesystem::path fileToWrite(const std::string& base,
                                                    const std::string& extension) const;
    // Writes `base + extension` atomically (FileError naming it on failure). While a run
    // stages, a file the folder already holds with exactly these bytes is not staged: the
    // run would only move the same bytes over it.
    void write(const std::string& base, const std::string& extension,
               std::string_view content) const;
};

}  // namespace corvanta
