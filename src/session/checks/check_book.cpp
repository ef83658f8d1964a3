#include "session/checks/check_book.h"

#include <algorithm>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "session/company/company_checks.h"
#include "session/company/company_file.h"

namespace corvanta {
namespace {

std::int64_t registerNext(const CheckRegister& reg) {
    std::int64_t next = reg.next;
    for (const IssuedCheck& c : reg.checks) next = std::max(next, c.number + 1);
    return next;
}

std::int64_t companyNextOf(const std::filesystem::path& folder) {
    return companyOfFolder(folder).nextCheckNumber;
}

}  // namespace

CheckBook::CheckBook(std::filesystem::path folder, bool durable)
    : folder_(std::move(folder)), durable_(durable), lock_(holdFolderLock(folder_)) {
    register_ = readCheckRegister(folder_);
    companyNext_ = companyNextOf(folder_);
}

std::int64_t CheckBook::nextNumber() const {
    return std::max(registerNext(register_), companyNext_);
}

std::optional<IssuedCheck> CheckBook::printedFor(const std::string& employee,
                                                 const std::string& week) const {
    const auto& checks = register_.checks;
    const auto it = std::find_if(checks.rbegin(), checks.rend(), [&](const IssuedCheck& c) {
        return !c.isVoid() && c.employee == employee && c.week == week;
    });
    if (it == checks.rend()) return std::nullopt;
    return *it;
}

IssuedCheck CheckBook::issue(const CheckToPrint& check) {
    auto& checks = register_.checks;
    const auto earlier = std::find_if(checks.rbegin(), checks.rend(), [&](const IssuedCheck& c) {
        return !c.isVoid() && c.employee == check.employee && c.week == check.week &&
               c.cents == check.cents;
    });
    if (earlier != checks.rend()) {
        if (earlier->state != CheckState::Reprint) {
            earlier->state = CheckState::Reprint;
            changed_ = true;
        }
        return *earlier;
    }
    const std::int64_t number = nextNumber();
    if (number > kLargestCheckNumber) {
        throw UserError("The check numbers have run out at " + std::to_string(kLargestCheckNumber) +
                        ". Set the next check number in the company dialog.");
    }
    IssuedCheck issued{number,      check.date, check.employee,    check.payee,
                       check.cents, check.week, CheckState::Issued};
    register_.checks.push_back(issued);
    register_.next = number + 1;
    changed_ = true;
    return issued;
}

IssuedCheck CheckBook::markVoid(std::int64_t number) {
    for (IssuedCheck& c : register_.checks) {
        if (c.number != number) continue;
        if (c.isVoid()) throw UserError("Check " + std::to_string(number) + " is void already.");
        c.state = CheckState::Void;
        changed_ = true;
        return c;
    }
    throw UserError("There is no check " + std::to_string(number) + " in the check register.");
}

void CheckBook::save() {
    if (!changed_) return;
    register_.next = std::max(register_.next, registerNext(register_));
    writeFileAtomically(folder_ / kCheckRegisterFile, formatCheckRegister(register_), durable_);
    changed_ = false;
}

std::int64_t nextCheckNumber(const std::filesystem::path& folder) {
    return std::max(registerNext(readCheckRegister(folder)), companyNextOf(folder));
}

std::optional<std::int64_t> lowestUnusedCheckNumber(const std::filesystem::path& folder) {
    const std::int64_t next = registerNext(readCheckRegister(folder));
    if (next == 0) return std::nullopt;
    return next;
}

void requireUnusedCheckNumber(const std::filesystem::path& folder, std::int64_t number) {
    const auto lowest = lowestUnusedCheckNumber(folder);
    if (!lowest || number >= *lowest) return;
    throw CompanyFieldError(kNextCheckField, "Check " + std::to_string(*lowest - 1) +
                                                 " has been printed already: the next check "
                                                 "number must be " +
                                                 std::to_string(*lowest) + " or more.");
}

}  // namespace corvanta
