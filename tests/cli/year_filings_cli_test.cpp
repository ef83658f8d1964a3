// A year of weekly pay runs for ten employees (weekly and bi-weekly; K plan, pension,
// cafeteria plan, tips beyond the pay, self-employed, exempt, one crossing the wage base, one
// hired after March 12, one gone before it, one with a cafeteria plan near the base), and
// every figure of every quarter's 941, the 940, each W-2 and the W-3 against sums over the
// ledgers worked out here, apart from the register's code.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>

#include "session/company/company_file.h"
#include "session/payroll/payroll_folder.h"
#include "support/ledger_writer.h"
#include "tax/state/pay_date.h"

namespace corvanta::testing {
namespace {

using namespace std::chrono;
using Cents = long long;

Cents cents(float v) { return std::llround(static_cast<double>(v) * 100); }
// An amount at a rate of num/den, to the cent, halves away from zero (amounts are positive).
Cents atRate(Cents c, Cents num, Cents den) { return (c * num * 2 + den) / (den * 2); }
double dollars(Cents c) { return static_cast<double>(c) / 100; }

struct Staff {
    const char* name;
    bool biWeekly;
    const char* straight;
    const char* tips;
    std::function<void(EmployeeProfile&)> setUp;
    year_month_day first = 2008y / 1 / 1;
    year_month_day last = 2008y / 12 / 31;
};

std::vector<Staff> staff() {
    return {
        {"kplan", false, "40", "",
         [](EmployeeProfile& p) {
             p.HourlyRate = 20;
             p.KPlanValue = 5;
         }},
        {"pension", true, "80", "",
         [](EmployeeProfile& p) {
             p.HourlyRate = 25;
             p.PensionPercent = 4;
             p.PensionLabel = "Teachers' pension";
         }},
        {"cafe", false, "38", "",
         [](EmployeeProfile& p) {
             p.HourlyRate = 15;
             p.CafeteriaAmount = 25;
         }},
        // Tips beyond the pay: some paychecks cannot hold the tax on them.
        {"tipped", false, "10", "40",
         [](EmployeeProfile& p) {
             p.HourlyRate = 3;
             p.TipsRate = 5;
         }},
        {"selfemp", false, "30", "",
         [](EmployeeProfile& p) {
             p.HourlyRate = 30;
             p.SelfEmployed = 1;
         }},
        {"exempt", false, "40", "",
         [](EmployeeProfile& p) {
             p.HourlyRate = 12;
             p.SocSecMedExempt = 1;
         }},
        {"high", true, "80", "", [](EmployeeProfile& p) { p.HourlyRate = 60; }},
        {"late", false, "40", "", [](EmployeeProfile& p) { p.HourlyRate = 18; }, 2008y / 3 / 15},
        {"gone", false, "40", "", [](EmployeeProfile& p) { p.HourlyRate = 16; }, 2008y / 1 / 1,
         2008y / 2 / 29},
        // 4,100 bi-weekly less a 300 cafeteria plan: Social Security wages of 98,800.
        {"nearbase", true, "80", "",
         [](EmployeeProfile& p) {
             p.HourlyRate = 51.25f;
             p.CafeteriaAmount = 300;
         }},
    };
}

std::string label(year_month_day d) {
    return std::to_string(static_cast<unsigned>(d.month())) + "/" +
           std::to_string(static_cast<unsigned>(d.day())) + "/" +
           std::to_string(static_cast<int>(d.year()));
}

// The independent figures of one employee over a span of the year.
struct Figures {
    Cents wages = 0, federal = 0, ssWages = 0, ssTips = 0, medicare = 0, ssHeld = 0, medHeld = 0;
    Cents uncollectedSs = 0, uncollectedMed = 0, kPlan = 0, pension = 0, stateWages = 0;
    Cents state = 0, localWages = 0, city = 0, gross = 0, cafeteria = 0, futaAbove = 0;
    int paychecks = 0;
    bool paidForTwelfth = false;
};

Figures sum(const EmployeeBooks& b, int firstMonth, int lastMonth) {
    Figures f;
    const EmployeeProfile& p = b.profile;
    Cents priorSs = 0;
    std::vector<std::pair<year_month_day, const LedgerRow*>> rows;
    for (const LedgerRow& r : b.rows) {
        if (const auto d = readPayDate(r.WeekLabel)) rows.emplace_back(*d, &r);
    }
    std::sort(rows.begin(), rows.end(),
              [](const auto& x, const auto& y) { return x.first < y.first; });
    const sys_days twelfth{2008y / month(static_cast<unsigned>(lastMonth)) / 12};
    for (const auto& [date, row] : rows) {
        const LedgerRow& r = *row;
        const int m = static_cast<int>(static_cast<unsigned>(date.month()));
        const Cents ss = cents(r.Gross) - cents(r.Cafeteria);
        if (m < firstMonth || m > lastMonth) {
            if (m < firstMonth) priorSs += ss;
            continue;
        }
        ++f.paychecks;
        const auto after = (sys_days(date) - twelfth).count();
        if (after >= 0 && after < (p.isBiWeekly() ? 14 : 7)) f.paidForTwelfth = true;
        f.gross += cents(r.Gross);
        f.cafeteria += cents(r.Cafeteria);
        f.wages += cents(r.Gross) - cents(r.KPlan) - cents(r.Pension) - cents(r.Cafeteria);
        f.federal += cents(r.Federal);
        f.kPlan += cents(r.KPlan);
        f.pension += cents(r.Pension);
        f.stateWages += cents(r.Gross) - cents(r.KPlan);
        f.state += cents(r.State);
        f.localWages += cents(r.Gross) - cents(r.KPlan);
        f.city += cents(r.City);
        f.ssHeld += cents(r.SocSec);
        f.medHeld += cents(r.Medicare);
        if (p.SocSecMedExempt == 0) {
            const Cents taxable = std::min(ss, std::max<Cents>(0, 10200000 - priorSs));
            const Cents tips = std::min(cents(r.Tips), taxable);
            f.ssWages += taxable - tips;
            f.ssTips += tips;
            f.medicare += ss;
            const Cents shortBy = -cents(r.Net);
            if (shortBy > 0 && cents(r.Tips) > 0) {
                const Cents unSs = std::min(shortBy, atRate(tips, 62, 1000));
                f.uncollectedSs += unSs;
                f.uncollectedMed += std::min(shortBy - unSs, atRate(cents(r.Tips), 145, 10000));
            }
        }
        priorSs += ss;
    }
    if (p.SocSecMedExempt == 0) f.futaAbove = std::max<Cents>(0, f.medicare - 700000);
    return f;
}

class PayrollYearTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        folder_->copyFederalTable();
        Company c;
        c.name = "Year Test Co";
        c.ein = "12-3456789";
        c.stateCode = "NY";
        writeCompany(folder_->path(), c);
        for (const Staff& s : staff()) {
            writeLedgerEmployee(*folder_, s.name, {}, [&s](EmployeeProfile& p) {
                if (s.biWeekly) makeBiWeekly(p);
                s.setUp(p);
            });
        }
        TempFolder sheets;
        int week = 0;
        for (sys_days d{2008y / 1 / 4}; d <= sys_days{2008y / 12 / 26}; d += days(7), ++week) {
            std::string csv = "employee,straight,tips\r\n";
            for (const Staff& s : staff()) {
                if (d < sys_days(s.first) || d > sys_days(s.last)) continue;
                if (s.biWeekly && week % 2 == 1) continue;
                csv += std::string(s.name) + "," + s.straight + "," + s.tips + "\r\n";
            }
            sheets.write("week.csv", csv);
            const CliResult r =
                runCli({"run", "--hours", (sheets / "week.csv").string(), "--week",
                        label(year_month_day(d)), "--post", "next", "--dir", folder_->path()});
            ASSERT_EQ(r.exitCode, 0) << label(year_month_day(d)) << r.err;
        }
        books_ = new std::vector<EmployeeBooks>(readPayrollFolder(folder_->path()));
    }
    static void TearDownTestSuite() {
        delete books_;
        delete folder_;
    }

    static nlohmann::json forms(const std::vector<std::string>& options) {
        std::vector<std::string> args{"forms", "--json", "--dir", folder_->path()};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return nlohmann::json::parse(r.out);
    }

    static const EmployeeBooks& books(const std::string& name) {
        return *std::find_if(books_->begin(), books_->end(),
                             [&name](const EmployeeBooks& b) { return b.name == name; });
    }

    static TempFolder* folder_;
    static std::vector<EmployeeBooks>* books_;
};

TempFolder* PayrollYearTest::folder_ = nullptr;
std::vector<EmployeeBooks>* PayrollYearTest::books_ = nullptr;

TEST_F(PayrollYearTest, EveryQuartersForm941EqualsTheLedgers) {
    for (int q = 1; q <= 4; ++q) {
        const auto j = forms({"--quarter", "2008Q" + std::to_string(q)});
        const auto f = j["quarter"]["form941"];
        Figures all;
        int line1 = 0;
        for (const EmployeeBooks& b : *books_) {
            if (b.profile.SelfEmployed == 1) continue;
            const Figures e = sum(b, q * 3 - 2, q * 3);
            line1 += e.paidForTwelfth ? 1 : 0;
            all.wages += e.wages;
            all.federal += e.federal;
            all.ssWages += e.ssWages;
            all.ssTips += e.ssTips;
            all.medicare += e.medicare;
            all.ssHeld += e.ssHeld + e.medHeld;
            all.uncollectedSs += e.uncollectedSs + e.uncollectedMed;
            all.paychecks += e.paychecks;
        }
        SCOPED_TRACE("quarter " + std::to_string(q));
        EXPECT_EQ(f["line1"], line1);
        // March 12: everyone but the gone, the late and the self-employed.
        if (q == 1) EXPECT_EQ(f["line1"], 7);
        EXPECT_DOUBLE_EQ(f["line2"], dollars(all.wages));
        EXPECT_DOUBLE_EQ(f["line3"], dollars(all.federal));
        EXPECT_DOUBLE_EQ(f["line5a"][0], dollars(all.ssWages));
        EXPECT_DOUBLE_EQ(f["line5b"][0], dollars(all.ssTips));
        EXPECT_DOUBLE_EQ(f["line5c"][0], dollars(all.medicare));
        const Cents tax = atRate(all.ssWages, 124, 1000) + atRate(all.ssTips, 124, 1000) +
                          atRate(all.medicare, 29, 1000);
        EXPECT_DOUBLE_EQ(f["line5d"], dollars(tax));
        EXPECT_DOUBLE_EQ(f["line6"], dollars(all.federal + tax));
        const Cents line7a = all.ssHeld - atRate(tax, 1, 2);
        EXPECT_DOUBLE_EQ(f["line7a"], dollars(line7a));
        EXPECT_LE(std::llabs(line7a), all.paychecks);  // a cent a paycheck at most
        EXPECT_DOUBLE_EQ(f["line7c"], -dollars(all.uncollectedSs));
        EXPECT_DOUBLE_EQ(f["line8"], dollars(all.federal + tax + line7a - all.uncollectedSs));
        const auto months = j["quarter"]["monthlyLiability"];
        EXPECT_NEAR(months[0].get<double>() + months[1].get<double>() + months[2].get<double>(),
                    f["line8"].get<double>(), 0.001);
        EXPECT_TRUE(j["quarter"]["checks"].empty()) << j["quarter"]["checks"];
    }
}

TEST_F(PayrollYearTest, EachW2TheW3AndThe940EqualTheLedgers) {
    const auto j = forms({"--year", "2008"});
    ASSERT_EQ(j["w2"].size(), 9U);  // not the self-employed
    Figures all;
    Cents line3 = 0, line4a = 0, line4e = 0, line5 = 0;
    for (const auto& w : j["w2"]) {
        const EmployeeBooks& b = books(w["employee"]);
        const Figures e = sum(b, 1, 12);
        SCOPED_TRACE(b.name);
        EXPECT_DOUBLE_EQ(w["box1"], dollars(e.wages));
        EXPECT_DOUBLE_EQ(w["box2"], dollars(e.federal));
        EXPECT_DOUBLE_EQ(w["box3"], dollars(e.ssWages));
        EXPECT_DOUBLE_EQ(w["box4"], dollars(e.ssHeld - e.uncollectedSs));
        EXPECT_DOUBLE_EQ(w["box5"], dollars(e.medicare));
        EXPECT_DOUBLE_EQ(w["box6"], dollars(e.medHeld - e.uncollectedMed));
        EXPECT_DOUBLE_EQ(w["box7"], dollars(e.ssTips));
        EXPECT_DOUBLE_EQ(w["box12A"], dollars(e.uncollectedSs));
        EXPECT_DOUBLE_EQ(w["box12B"], dollars(e.uncollectedMed));
        EXPECT_DOUBLE_EQ(w["box12D"], dollars(e.kPlan));
        EXPECT_DOUBLE_EQ(w["box14"]["amount"], dollars(e.pension));
        EXPECT_DOUBLE_EQ(w["box16"], dollars(e.stateWages));
        EXPECT_DOUBLE_EQ(w["box17"], dollars(e.state));
        EXPECT_DOUBLE_EQ(w["box18"], dollars(e.localWages));
        EXPECT_DOUBLE_EQ(w["box19"], dollars(e.city));
        if (b.name == "tipped") EXPECT_GT(w["box12A"].get<double>(), 0);
        if (b.name == "high") EXPECT_DOUBLE_EQ(w["box3"], 102000.0);
        if (b.name == "exempt") EXPECT_DOUBLE_EQ(w["box5"], 0.0);
        if (b.name == "pension") EXPECT_EQ(w["box14"]["label"], "Teachers' pension");
        for (Cents Figures::*box : {&Figures::wages, &Figures::federal, &Figures::ssWages,
                                    &Figures::medicare, &Figures::ssTips, &Figures::kPlan}) {
            all.*box += e.*box;
        }
        all.ssHeld += e.ssHeld - e.uncollectedSs;
        all.medHeld += e.medHeld - e.uncollectedMed;
        line3 += e.gross;
        if (b.profile.SocSecMedExempt != 0) {
            line4e += e.gross;
        } else {
            line4a += e.cafeteria;
            line5 += e.futaAbove;
        }
    }
    const auto& w3 = j["w3"];
    EXPECT_EQ(w3["forms"], 9);
    EXPECT_DOUBLE_EQ(w3["box1"], dollars(all.wages));
    EXPECT_DOUBLE_EQ(w3["box2"], dollars(all.federal));
    EXPECT_DOUBLE_EQ(w3["box3"], dollars(all.ssWages));
    EXPECT_DOUBLE_EQ(w3["box4"], dollars(all.ssHeld));
    EXPECT_DOUBLE_EQ(w3["box5"], dollars(all.medicare));
    EXPECT_DOUBLE_EQ(w3["box6"], dollars(all.medHeld));
    EXPECT_DOUBLE_EQ(w3["box7"], dollars(all.ssTips));
    EXPECT_DOUBLE_EQ(w3["box12"], dollars(all.kPlan));
    const auto& f = j["form940"];
    EXPECT_DOUBLE_EQ(f["line3"], dollars(line3));
    EXPECT_DOUBLE_EQ(f["line4a"], dollars(line4a));
    EXPECT_DOUBLE_EQ(f["line4e"], dollars(line4e));
    EXPECT_DOUBLE_EQ(f["line5"], dollars(line5));
    const Cents line7 = line3 - line4a - line4e - line5;
    EXPECT_DOUBLE_EQ(f["line7"], dollars(line7));
    EXPECT_DOUBLE_EQ(f["line8"], dollars(atRate(line7, 8, 1000)));
    EXPECT_DOUBLE_EQ(f["line17"], f["line8"].get<double>());
    // Everyone but the late hire and the gone earns FUTA wages only in the first quarters.
    EXPECT_DOUBLE_EQ(f["line16"][3], 0.0);
}

TEST_F(PayrollYearTest, SocialSecurityRunsToTheBaseOfSocialSecurityWagesNotOfGross) {
    const EmployeeBooks& b = books("nearbase");
    ASSERT_EQ(b.rows.size(), 26U);
    // Before the mend her last two periods withheld 223.20 and 0.00.
    EXPECT_FLOAT_EQ(b.rows[24].SocSec, 235.6f);
    EXPECT_FLOAT_EQ(b.rows[25].SocSec, 235.6f);
    const EmployeeBooks& high = books("high");
    Cents year = 0;
    for (const LedgerRow& r : high.rows) year += cents(r.SocSec);
    EXPECT_NEAR(year, 632400, 1);  // 6.2% of the 102,000 base
}

}  // namespace
}  // namespace corvanta::testing
