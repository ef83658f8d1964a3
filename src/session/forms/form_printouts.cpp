#include "session/forms/form_printouts.h"

#include <string>
#include <vector>

namespace corvanta {
namespace {

constexpr int kAmountWidth = 14;
constexpr int kRightBox = 44;       // the column of the form's right-hand boxes
constexpr int kRightBoxWidth = 48;  // the longest caption there and its amount

std::string amount(Currency c) {
    std::string s = registerAmount(c);
    if (s.size() < kAmountWidth) s.insert(0, kAmountWidth - s.size(), ' ');
    return s;
}

void line(PrintColumnModel& out, const std::string& text) {
    out.write(text);
    out.endLine();
}

// A caption with its figure right-aligned after it, from the column given.
void box(PrintColumnModel& out, int column, const std::string& caption, const std::string& value,
         int width = kRightBox - 3) {
    out.tab(column);
    out.write(caption);
    out.tab(column + width - kAmountWidth);
    out.write(value);
}

void boxPair(PrintColumnModel& out, const std::string& leftCaption, const std::string& left,
             const std::string& rightCaption, const std::string& right) {
    box(out, 1, leftCaption, left);
    box(out, kRightBox, rightCaption, right, kRightBoxWidth);
    out.endLine();
}

void start(PrintColumnModel& out) {
    out.setOrientation(PageOrientation::Portrait);
    out.setFontName("Courier New");
    out.setFontSize(9);
}

const char* copyCaption(W2Copy copy) {
    switch (copy) {
        case W2Copy::B:
            return "Copy B - To Be Filed With Employee's FEDERAL Tax Return";
        case W2Copy::C:
            return "Copy C - For EMPLOYEE'S RECORDS";
        case W2Copy::Two:
            return "Copy 2 - To Be Filed With Employee's State, City, or Local Income Tax Return";
    }
    return "";
}

void employerLines(PrintColumnModel& out, const Company& c) {
    line(out, "   " + c.name);
    line(out, "   " + c.street);
    line(out, "   " + c.cityStateZip());
}

// Box 12's entries: the codes with an amount, in the order of their letters.
std::vector<std::pair<std::string, Currency>> box12(const FormW2& w) {
    std::vector<std::pair<std::string, Currency>> entries;
    for (const auto& [code, value] :
         {std::pair<const char*, Currency>{"A", w.box12A}, {"B", w.box12B}, {"D", w.box12D}}) {
        if (value != Currency{}) entries.emplace_back(code, value);
    }
    return entries;
}

std::string box12Entry(const std::vector<std::pair<std::string, Currency>>& entries,
                       std::size_t i) {
    if (i >= entries.size()) return "";
    // The code and its amount together fill the amount's column.
    std::string entry = entries[i].first + "  " + registerAmount(entries[i].second);
    if (entry.size() < kAmountWidth) entry.insert(0, kAmountWidth - entry.size(), ' ');
    return entry;
}

// Boxes 1 to 8, the same on the W-2 and the W-3.
void federalBoxes(PrintColumnModel& out, const FormW2& w) {
    boxPair(out, "1 Wages, tips, other comp.", amount(w.box1), "2 Federal income tax withheld",
            amount(w.box2));
    boxPair(out, "3 Social security wages", amount(w.box3), "4 Social security tax withheld",
            amount(w.box4));
    boxPair(out, "5 Medicare wages and tips", amount(w.box5), "6 Medicare tax withheld",
            amount(w.box6));
    boxPair(out, "7 Social security tips", amount(w.box7), "8 Allocated tips", "");
}

// Boxes 15 to 19, the same on the W-2 and the W-3.
void stateAndLocalBoxes(PrintColumnModel& out, const Company& c, const FormW2& w) {
    line(out, "15 State  Employer's state ID number: " + c.stateCode + "  " + c.stateEmployerId);
    boxPair(out, "16 State wages, tips, etc.", amount(w.box16), "17 State income tax",
            amount(w.box17));
    boxPair(out, "18 Local wages, tips, etc.", amount(w.box18), "19 Local income tax",
            amount(w.box19));
}

}  // namespace

void printW2Copy(const EmployeeW2& w2, const YearFilings& filings, W2Copy copy,
                 PrintColumnModel& out) {
    const FormW2& w = w2.boxes;
    const Company& c = filings.company;
    start(out);
    line(out, std::to_string(filings.year) + "  Form W-2  Wage and Tax Statement");
    line(out, copyCaption(copy));
    out.endLine();
    line(out, "a Employee's social security number: " + shownSsn(w2.person.ssn));
    line(out, "b Employer identification number (EIN): " + c.ein);
    line(out, "c Employer's name, address, and ZIP code");
    employerLines(out, c);
    line(out, "d Control number: " + w2.fileName);
    line(out, "e Employee's name");
    line(out, "   " + w2.person.name);
    line(out, "f Employee's address and ZIP code");
    line(out, "   " + w2.person.street);
    line(out, "   " + w2.person.cityLine);
    out.endLine();
    federalBoxes(out, w);
    boxPair(out, "9 Advance EIC payment", "", "10 Dependent care benefits", "");
    const auto entries = box12(w);
    boxPair(out, "11 Nonqualified plans", "", "12a", box12Entry(entries, 0));
    boxPair(out, "13 Retirement plan", w2.retirementPlan ? "X" : "", "12b", box12Entry(entries, 1));
    const std::string pension =
        w.box14 != Currency{} ? w.box14Label + " " + registerAmount(w.box14) : "";
    boxPair(out, "14 Other", pension, "12c", box12Entry(entries, 2));
    boxPair(out, "", "", "12d", "");
    out.endLine();
    stateAndLocalBoxes(out, c, w);
    line(out, "20 Locality name");
    out.endLine();
    line(out, "Department of the Treasury - Internal Revenue Service");
    out.endDocument();
}

void printW2Copies(const YearFilings& filings, PrintColumnModel& out,
                   const std::function<void()>& startPrintout) {
    for (const EmployeeW2& w : filings.w2) {
        for (const W2Copy copy : {W2Copy::B, W2Copy::C, W2Copy::Two}) {
            if (startPrintout) startPrintout();
            printW2Copy(w, filings, copy, out);
        }
    }
}

void printW3(const YearFilings& filings, PrintColumnModel& out) {
    const FormW2& w = filings.w3;
    const Company& c = filings.company;
    start(out);
    line(out, std::to_string(filings.year) +
                  "  Form W-3  Transmittal of Wage and Tax Statements (employer's records)");
    out.endLine();
    line(out, "b Kind of Payer: 941 X");
    line(out, "c Total number of Forms W-2: " + std::to_string(filings.w2.size()));
    line(out, "e Employer identification number (EIN): " + c.ein);
    line(out, "f Employer's name");
    line(out, "   " + c.name);
    line(out, "g Employer's address and ZIP code");
    line(out, "   " + c.street);
    line(out, "   " + c.cityStateZip());
    out.endLine();
    federalBoxes(out, w);
    boxPair(out, "9 Advance EIC payments", "", "10 Dependent care benefits", "");
    boxPair(out, "11 Nonqualified plans", "", "12 Deferred compensation", amount(w.box12D));
    out.endLine();
    stateAndLocalBoxes(out, c, w);
    out.endLine();
    line(out, "Contact person: " + c.contact.name + "  Telephone: " + c.contact.phone);
    line(out, "E-mail address: " + c.contact.email);
    out.endDocument();
}

namespace {

constexpr int kWorksheetWidth = 86;

void worksheetLine(PrintColumnModel& out, const std::string& number, const std::string& caption,
                   const std::string& value) {
    out.tab(1);
    out.write(number);
    out.tab(6);
    out.write(caption);
    out.tab(kWorksheetWidth - kAmountWidth);
    // Counts and texts line up on the right with the amounts.
    out.write(value.size() < kAmountWidth ? std::string(kAmountWidth - value.size(), ' ') + value
                                          : value);
    out.endLine();
}

void worksheetHeading(PrintColumnModel& out, const std::string& title, const Company& c) {
    start(out);
    line(out, title);
    line(out, "Copy each figure onto the form.");
    out.endLine();
    line(out, "Employer identification number (EIN): " + c.ein);
    line(out, "Name: " + c.name);
    line(out, "Address: " + c.street + ", " + c.cityStateZip());
    out.endLine();
}

const char* twelfthOf(int quarter) {
    switch (quarter) {
        case 1:
            return "March 12";
        case 2:
            return "June 12";
        case 3:
            return "September 12";
        default:
            return "December 12";
    }
}

}  // namespace

void print941Worksheet(const PayrollRegister& quarter, const Company& company,
                       PrintColumnModel& out) {
    const Form941 f = quarter.form941.value_or(Form941{});
    const int q = quarter.period.quarter;
    worksheetHeading(out,
                     "Form 941 worksheet, quarter " + std::to_string(q) + " of " +
                         std::to_string(quarter.period.year),
                     company);
    worksheetLine(out, "1",
                  std::string("Employees paid for the pay period including ") + twelfthOf(q),
                  std::to_string(f.line1));
    worksheetLine(out, "2", "Wages, tips, and other compensation", amount(f.line2));
    worksheetLine(out, "3", "Income tax withheld from wages, tips, and other comp.",
                  amount(f.line3));
    worksheetLine(out, "5a",
                  "Taxable social security wages " + registerAmount(f.line5aWages) + " x .124",
                  amount(f.line5aTax));
    worksheetLine(out, "5b",
                  "Taxable social security tips " + registerAmount(f.line5bTips) + " x .124",
                  amount(f.line5bTax));
    worksheetLine(out, "5c",
                  "Taxable Medicare wages & tips " + registerAmount(f.line5cWages) + " x .029",
                  amount(f.line5cTax));
    worksheetLine(out, "5d", "Total social security and Medicare taxes", amount(f.line5d));
    worksheetLine(out, "6", "Total taxes before adjustments (lines 3 + 5d)", amount(f.line6));
    worksheetLine(out, "7a", "Current quarter's fractions of cents", amount(f.line7a));
    worksheetLine(out, "7b", "Current quarter's sick pay", amount(Currency{}));
    worksheetLine(out, "7c", "Current quarter's adjustments for tips and group-term life",
                  amount(f.line7c));
    worksheetLine(out, "7h", "Total adjustments", amount(f.line7h));
    worksheetLine(out, "8", "Total taxes after adjustments", amount(f.line8));
    worksheetLine(out, "9", "Advance earned income credit (EIC) payments", amount(Currency{}));
    worksheetLine(out, "10", "Total taxes after adjustment for advance EIC", amount(f.line8));
    worksheetLine(out, "11", "Total deposits for this quarter", "(your records)");
    worksheetLine(out, "14", "State abbreviation where deposits were made", company.stateCode);
    out.endLine();
    if (quarter.schedule == DepositSchedule::Monthly && !quarter.becameSemiWeekly &&
        !quarter.semiWeeklySince) {
        line(out, "15  Monthly schedule depositor: tax liability for each month");
        Currency total;
        for (std::size_t m = 0; m < quarter.monthlyLiability.size(); ++m) {
            worksheetLine(out, "", "Month " + std::to_string(m + 1),
                          amount(quarter.monthlyLiability.at(m)));
            total = total + quarter.monthlyLiability.at(m);
        }
        worksheetLine(out, "", "Total liability for quarter (equals line 10)", amount(total));
    } else {
        line(out, "15  Semiweekly schedule depositor: liabilities by payday on Schedule B");
        if (quarter.becameSemiWeekly) {
            line(out, "    (taxes of $100,000 or more on a payday made you one this quarter)");
        } else if (quarter.semiWeeklySince) {
            line(out, "    (taxes of $100,000 or more on payday " +
                          dateText(*quarter.semiWeeklySince) + " made you one)");
        }
    }
    out.endLine();
    line(out, "Deposits and when they are due:");
    for (const TaxDeposit& d : quarter.deposits) {
        worksheetLine(out, "", d.what + ", due " + dateText(d.due), amount(d.amount));
    }
    out.endDocument();
}

void print940Worksheet(const YearFilings& filings, PrintColumnModel& out) {
    const Form940& f = filings.form940;
    worksheetHeading(out, "Form 940 worksheet for " + std::to_string(filings.year),
                     filings.company);
    worksheetLine(out, "1", "State where you paid state unemployment tax",
                  filings.company.stateCode);
    worksheetLine(out, "3", "Total payments to all employees", amount(f.line3));
    worksheetLine(out, "4", "Payments exempt from FUTA tax", amount(f.line4));
    worksheetLine(out, "4a", "Fringe benefits (cafeteria plan)", amount(f.line4a));
    worksheetLine(out, "4e", "Other (exempt from social security and Medicare)", amount(f.line4e));
    worksheetLine(out, "5", "Total of payments made to each employee in excess of $7,000",
                  amount(f.line5));
    worksheetLine(out, "6", "Subtotal (line 4 + line 5)", amount(f.line6));
    worksheetLine(out, "7", "Total taxable FUTA wages (line 3 - line 6)", amount(f.line7));
    worksheetLine(out, "8", "FUTA tax before adjustments (line 7 x .008)", amount(f.line8));
    worksheetLine(out, "12", "Total FUTA tax after adjustments", amount(f.line12));
    worksheetLine(out, "13", "FUTA tax deposited for the year", "(your records)");
    out.endLine();
    line(out, "16  FUTA tax liability for each quarter");
    static const std::array<const char*, 4> quarters{
        "16a 1st quarter (January 1 - March 31)", "16b 2nd quarter (April 1 - June 30)",
        "16c 3rd quarter (July 1 - September 30)", "16d 4th quarter (October 1 - December 31)"};
    for (std::size_t q = 0; q < quarters.size(); ++q) {
        worksheetLine(out, "", quarters.at(q), amount(f.line16.at(q)));
    }
    worksheetLine(out, "17", "Total tax liability for the year (equals line 12)", amount(f.line17));
    out.endDocument();
}

}  // namespace corvanta
