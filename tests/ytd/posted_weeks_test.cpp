#include <gtest/gtest.h>

#include "session/payroll/register_figures.h"

namespace corvanta {
namespace {

EmployeeBooks booksWith(std::initializer_list<std::pair<const char*, float>> rows) {
    EmployeeBooks b;
    for (const auto& [label, gross] : rows) {
        LedgerRow r;
        r.WeekLabel = label;
        r.Gross = gross;
        b.rows.push_back(r);
    }
    return b;
}

TEST(PostedWeeks, EachLabelOnceDatedInDateOrderThenTheOthers) {
    struct Case {
        const char* what;
        std::vector<EmployeeBooks> employees;
        std::vector<std::string> weeks;
    };
    const std::vector<Case> cases{
        {"none posted", {booksWith({{"0", 0}, {"", 0}})}, {}},
        {"the same week of two employees once, by date not by ledger order",
         {booksWith({{"1/11/2008", 400}, {"1/4/2008", 400}}),
          booksWith({{"1/4/2008", 300}, {"12/28/2007", 300}})},
         {"12/28/2007", "1/4/2008", "1/11/2008"}},
        {"labels that are not dates last, as first met; blanks around a label ignored",
         {booksWith({{"bonus", 50}, {" 2/1/2008 ", 400}, {"Week 3", 10}, {"bonus", 60}})},
         {"2/1/2008", "bonus", "Week 3"}},
        {"a dated label with no pay is still posted", {booksWith({{"3/7/2008", 0}})}, {"3/7/2008"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(postedWeeks(c.employees), c.weeks) << c.what;
    }
}

}  // namespace
}  // namespace corvanta
