#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvanta {

// An employee's files are rewritten in a staging folder inside the working folder, then
// moved over the originals together: a journal listing them is written first, so a run
// stopped part way can be finished, and every employee is either wholly before or wholly
// after her period.
inline constexpr const char* kStagingFolder = ".corvanta-run";
inline constexpr const char* kRunJournal = ".corvanta-run-journal";

// The employee's files of the folder ("NAME.use", "NAME.yrw" ...).
std::vector<std::string> employeeFileNames(const std::filesystem::path& folder,
                                           const std::string& name);

// A fresh staging folder holding copies of the shared files the calculation reads.
std::filesystem::path prepareStaging(const std::filesystem::path& folder);

// Copies the employee's files into the staging folder, replacing any earlier staged ones.
void stageEmployee(const std::filesystem::path& folder, const std::string& name);

// Makes the staged files of the employee durable and moves them over the originals.
void commitEmployee(const std::filesystem::path& folder, const std::string& name);

// Finishes a commit that was stopped part way; true when there was one.
bool finishInterruptedCommit(const std::filesystem::path& folder);

// Removes the staging folder.
void removeStaging(const std::filesystem::path& folder);

}  // namespace corvanta
