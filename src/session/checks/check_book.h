#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/files/lock_file.h"
#include "records/checks/issued_check.h"
#include "session/checks/check_register_file.h"

namespace corvanta {

// A check about to be printed.
struct CheckToPrint {
    std::string date;
    std::string employee;
    std::string payee;
    std::int64_t cents = 0;
    std::string week;
};

// The folder's check register, open for numbering. The book holds the folder's lock for
// shared files from its opening until it is dropped, so no other session can number a check
// meanwhile: the numbers it hands out are its own until they are saved. Numbers are kept in
// "Checks.sav" alone, with the checks that used them, so one atomic write takes a number and
// records its check; the company's next number only starts or moves the count forward.
//
// A run of many checks opens one book once nothing can stop it any more, issues each check
// as it prints it, and saves the book before the printout is written: a crash in between
// leaves numbers unused, never used twice. While the book is open the process must not take
// the folder's lock again (saving the company or the heading): it would wait for itself.
class CheckBook {
  public:
    // Takes the lock (waiting a few seconds at most), then reads the register and the company.
    // Throws FileError naming a file that cannot be read or is damaged, or the lock's holder.
    explicit CheckBook(std::filesystem::path folder, bool durable = true);

    [[nodiscard]] const std::vector<IssuedCheck>& checks() const { return register_.checks; }
    [[nodiscard]] std::int64_t nextNumber() const;

    // The check as it is to be printed. A check of the same employee, week and amount printed
    // before and not void is printed again under its own number and marked a reprint; any
    // other check takes the next number.
    IssuedCheck issue(const CheckToPrint& check);
    // Marks the check void; it stays listed under its number. Throws UserError when there is
    // no such check or it is void already.
    IssuedCheck markVoid(std::int64_t number);
    // The last check not void paid to the employee for the week, if any.
    [[nodiscard]] std::optional<IssuedCheck> printedFor(const std::string& employee,
                                                        const std::string& week) const;

    // Writes "Checks.sav" atomically when something changed. Throws FileError naming it; the
    // file is then as it was.
    void save();

  private:
    std::filesystem::path folder_;
    bool durable_ = true;
    std::optional<LockFile> lock_;
    CheckRegister register_;
    std::int64_t companyNext_ = 1001;
    bool changed_ = false;
};

// The number the next check of the folder takes: the company's next number, or the one after
// the last check recorded when the register has gone past it. Read without the lock: a
// number to show, not to print.
std::int64_t nextCheckNumber(const std::filesystem::path& folder);

// The smallest next number the company may be given: the one after the last check recorded
// (nothing when no check was printed yet). A lower one would print a number twice.
std::optional<std::int64_t> lowestUnusedCheckNumber(const std::filesystem::path& folder);

// Throws CompanyFieldError (the next check number) when checks were printed from `number` on:
// numbering from it would print a number twice.
void requireUnusedCheckNumber(const std::filesystem::path& folder, std::int64_t number);

}  // namespace corvanta
