// The folder's check register: numbers that never repeat, reprints, voids and damaged files.
#include "session/checks/check_book.h"

#include <gtest/gtest.h>

#include "session/checks/check_register_file.h"
#include "session/checks/check_void.h"
#include "session/company/company_checks.h"
#include "session/company/company_file.h"
#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

CheckToPrint paycheck(const std::string& employee, const std::string& week,
                      std::int64_t cents = 51230) {
    return CheckToPrint{"1/9/2008", employee, "Ann Lee", cents, week};
}

std::int64_t issueOne(const TempFolder& dir, const CheckToPrint& check) {
    CheckBook book(dir.path(), false);
    const IssuedCheck issued = book.issue(check);
    book.save();
    return issued.number;
}

TEST(CheckBook, NumbersFollowOnAcrossBooksAndFromTheCompanysNumber) {
    TempFolder dir;
    EXPECT_EQ(nextCheckNumber(dir.path()), 1001);
    EXPECT_EQ(issueOne(dir, paycheck("ann", "1/5/2008")), 1001);
    // A book opened later (another session, a restart) reads where the last one stopped.
    EXPECT_EQ(issueOne(dir, paycheck("bo", "1/5/2008")), 1002);
    {
        // A run's book numbers several checks and writes them once.
        CheckBook book(dir.path(), false);
        EXPECT_EQ(book.issue(paycheck("cy", "1/5/2008")).number, 1003);
        EXPECT_EQ(book.issue(paycheck("di", "1/5/2008")).number, 1004);
        book.save();
    }
    // Dropped unsaved, a book's numbers were never recorded: nothing was printed with them.
    {
        CheckBook book(dir.path(), false);
        EXPECT_EQ(book.issue(paycheck("ed", "1/5/2008")).number, 1005);
    }
    EXPECT_EQ(issueOne(dir, paycheck("ed", "1/5/2008")), 1005);

    // A new box of stock: the company's number moves the count forward...
    Company company;
    company.nextCheckNumber = 5000;
    writeCompany(dir.path(), company);
    EXPECT_EQ(issueOne(dir, paycheck("fay", "1/5/2008")), 5000);
    // ...and a company number below the register's never brings a number back.
    company.nextCheckNumber = 1001;
    writeCompany(dir.path(), company);
    EXPECT_EQ(issueOne(dir, paycheck("gus", "1/5/2008")), 5001);
    EXPECT_EQ(readCheckRegister(dir.path()).next, 5002);
}

TEST(CheckBook, ANumberAlreadyPrintedCannotBeTheCompanysNext) {
    TempFolder dir;
    EXPECT_NO_THROW(requireUnusedCheckNumber(dir.path(), 1));
    issueOne(dir, paycheck("ann", "1/5/2008"));
    issueOne(dir, paycheck("ann", "1/12/2008"));
    try {
        requireUnusedCheckNumber(dir.path(), 1002);
        FAIL() << "1002 was printed";
    } catch (const CompanyFieldError& e) {
        EXPECT_EQ(e.field(), kNextCheckField);
        EXPECT_NE(std::string(e.what()).find("1003 or more"), std::string::npos) << e.what();
    }
    EXPECT_NO_THROW(requireUnusedCheckNumber(dir.path(), 1003));
}

TEST(CheckBook, TheSameCheckPrintedAgainKeepsItsNumberAndIsMarkedAReprint) {
    TempFolder dir;
    issueOne(dir, paycheck("ann", "1/5/2008"));
    issueOne(dir, paycheck("bo", "1/5/2008"));
    CheckBook book(dir.path(), false);
    const IssuedCheck again = book.issue(paycheck("ann", "1/5/2008"));
    EXPECT_EQ(again.number, 1001);
    EXPECT_EQ(again.state, CheckState::Reprint);
    // Another amount for the week is another check; so is another week.
    EXPECT_EQ(book.issue(paycheck("ann", "1/5/2008", 40000)).number, 1003);
    EXPECT_EQ(book.issue(paycheck("ann", "1/12/2008")).number, 1004);
    // The first check printed again after the second still keeps its own number.
    EXPECT_EQ(book.issue(paycheck("ann", "1/5/2008")).number, 1001);
    book.save();
    const CheckRegister reg = readCheckRegister(dir.path());
    ASSERT_EQ(reg.checks.size(), 4U);
    EXPECT_EQ(reg.checks[0].state, CheckState::Reprint);
    EXPECT_EQ(reg.checks[1].state, CheckState::Issued);
}

TEST(CheckBook, AVoidCheckStaysListedAndIsNeverReprintedOrRenumbered) {
    TempFolder dir;
    issueOne(dir, paycheck("ann", "1/5/2008"));
    const VoidedCheck voided = voidCheck(dir.path(), 1001, false);
    EXPECT_EQ(voided.check.number, 1001);
    EXPECT_FALSE(voided.zeroedRow);
    CheckRegister reg = readCheckRegister(dir.path());
    ASSERT_EQ(reg.checks.size(), 1U);
    EXPECT_EQ(reg.checks[0].state, CheckState::Void);
    EXPECT_THROW(voidCheck(dir.path(), 1001, false), UserError);
    EXPECT_THROW(voidCheck(dir.path(), 999, false), UserError);
    // The week's check printed after the void is a new one, with a new number.
    EXPECT_EQ(issueOne(dir, paycheck("ann", "1/5/2008")), 1002);
}

TEST(CheckRegisterFile, ReadsBackWhatItWrites) {
    CheckRegister reg;
    reg.next = 1004;
    reg.checks = {
        {1001, "1/9/2008", "ann", "Ann \"Bee\" Lee", 51230, "1/5/2008", CheckState::Reprint},
        {1002, "1/9/2008", "bo", "Bo Park", 7, "Week 2, 2008", CheckState::Void},
        {1003, "", "", "", 0, "", CheckState::Issued}};
    const std::string text = formatCheckRegister(reg);
    EXPECT_EQ(text.substr(0, text.find("\r\n", 8) + 2),
              "1004\r\n1001,\"1/9/2008\",\"ann\",\"Ann 'Bee' Lee\",512.3,\"1/5/2008\","
              "\"reprint\"\r\n");
    CheckRegister back = parseCheckRegister(text, kCheckRegisterFile);
    reg.checks[0].payee = "Ann 'Bee' Lee";
    EXPECT_EQ(back.next, reg.next);
    EXPECT_EQ(back.checks, reg.checks);
}

struct DamagedRegister {
    const char* name;
    std::string content;
    int line;
};

void PrintTo(const DamagedRegister& d, std::ostream* os) { *os << d.name; }

class DamagedCheckRegister : public ::testing::TestWithParam<DamagedRegister> {};

TEST_P(DamagedCheckRegister, IsRefusedByNameAndLineAndNothingIsWritten) {
    TempFolder dir;
    dir.write(kCheckRegisterFile, GetParam().content);
    const std::string expected =
        "\"Checks.sav\" is damaged: line " + std::to_string(GetParam().line);
    try {
        CheckBook book(dir.path(), false);
        FAIL() << "the register was read";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), kCheckRegisterFile);
        EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
    EXPECT_THROW(nextCheckNumber(dir.path()), FileError);
    EXPECT_EQ(dir.read(kCheckRegisterFile), GetParam().content);
}

const std::string kGood = "1001,\"1/9/2008\",\"ann\",\"Ann Lee\",512.3,\"1/5/2008\",\"issued\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    EachFault, DamagedCheckRegister,
    ::testing::Values(
        DamagedRegister{"empty", "", 1}, DamagedRegister{"next_not_a_number", "abc\r\n", 1},
        DamagedRegister{"next_not_whole", "1001.5\r\n", 1},
        DamagedRegister{"short_line",
                        "1003\r\n" + kGood + "1002,\"1/9/2008\",\"bo\",\"Bo\",1\r\n" + kGood, 3},
        DamagedRegister{"value_after_the_state",
                        "1003\r\n1001,\"a\",\"b\",\"c\",1,\"w\",\"void\",9\r\n", 2},
        DamagedRegister{"unknown_state", "1003\r\n1001,\"a\",\"b\",\"c\",1,\"w\",\"lost\"\r\n", 2},
        DamagedRegister{"number_used_twice", "1003\r\n" + kGood + kGood, 3},
        DamagedRegister{"amount_as_text", "1003\r\n1001,\"a\",\"b\",\"c\",\"x\",\"w\",\"void\"\r\n",
                        2},
        DamagedRegister{"number_zero", "1003\r\n0,\"a\",\"b\",\"c\",1,\"w\",\"void\"\r\n", 2}),
    testing::CaseName());

TEST(CompanyFile, AFileWrittenBeforeChecksWereNumberedStartsAt1001) {
    TempFolder dir;
    dir.write(kCompanyFile, testing::crlf({R"("P","S","C","IA","50309","42-1234567","")",
                                           R"("Iowa","none","monthly")", R"("","","")"}));
    const auto company = readCompany(dir.path());
    ASSERT_TRUE(company);
    EXPECT_EQ(company->nextCheckNumber, 1001);
    EXPECT_EQ(company->contact.name, "");
    EXPECT_EQ(nextCheckNumber(dir.path()), 1001);
}

}  // namespace
}  // namespace corvanta
