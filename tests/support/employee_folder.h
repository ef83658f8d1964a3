#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "session/core/calculate.h"
#include "session/files/new_employee.h"
#include "session/side/leave_record.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "tax/state/state_dialog_model.h"

namespace corvanta::testing {

// A folder of employees as clerks leave them: weekly and bi-weekly, some with a ledger, some
// with leave balances, some with SDI, SUI, an adjustment or a built-in state method, and some
// missing their ".hol", ".nci", ".sta" or ".cti" file. The same seed gives the same folder.
class EmployeeFolderMaker {
  public:
    explicit EmployeeFolderMaker(unsigned seed) : random_(seed) {}

    std::vector<std::string> make(const std::filesystem::path& folder, int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            names.push_back("emp" + std::to_string(i));
            makeEmployee(folder, names.back());
        }
        return names;
    }

  private:
    template <typename T>
    T pick(std::initializer_list<T> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return *(values.begin() + d(random_));
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    void setProfile(EmployeeProfile& p) {
        p.EmployeeName = pick<const char*>({"Jane Doe", "Ann Lee", "Bo Park", "Cy Diaz"});
        p.HourlyRate = pick({0.0f, 7.5f, 12.25f, 18.0f, 31.5f});
        p.HourlyRate2 = pick({0.0f, 9.0f});
        p.TipsRate = pick({0.0f, 2.13f});
        if (chance(0.5)) {
            p.frequency = PayFrequency::BiWeekly;
        }
        p.FedStatus = pick<FilingStatus>({FilingStatus::Single, FilingStatus::Married});
        p.FedExemptions = pick<const char*>({"0", "1", "2", "4"});
        p.StateStatus = pick<FilingStatus>({FilingStatus::Single, FilingStatus::Married});
        p.StateExemptions = pick({0, 1, 3});
        p.KPlanValue = pick({0.0f, 3.0f});
        p.CafeteriaAmount = pick({0.0f, 25.0f});
        p.NonCityResident = chance(0.25) ? 1 : 0;
        p.CreditDeduction = pick({0.0f, 10.0f});
        p.FedAddWithholding = pick({0.0f, 5.0f});
    }

    void setState(PayrollContext& ctx) {
        StateDialogModel& d = ctx.stateDialog;
        if (chance(0.3)) {
            d.txtSDIpercent = "1";
            d.txtSDIwageBase = "9000";
            d.ckSDI = 1;
        }
        if (chance(0.3)) {
            d.txtSUIpercent = "0.5";
            d.txtSUIwageBase = "7000";
            d.ckSUI = 1;
        }
        if (chance(0.2)) d.txtStateAdj = "2.5";
        captureStateDialog(d, ctx.state);
        if (chance(0.5)) {
            const int method =
                std::uniform_int_distribution<int>(0, kStateMethodCount - 1)(random_);
            methodFlag(ctx.state, static_cast<StateMethodId>(method)) = 1;
        }
    }

    void postRows(PayrollContext& ctx) {
        const int rows = ctx.profile.isBiWeekly() ? 26 : 52;
        const int posted = std::uniform_int_distribution<int>(1, rows / 2)(random_);
        for (int i = 0; i < posted; ++i) {
            LedgerRow& r = ctx.ledger.rows[i];
            r.WeekLabel = "1/" + std::to_string(i + 1) + "/2008";
            r.Gross = pick({400.0f, 1234.56f, 2500.0f});
            r.Federal = r.Gross * 0.1f;
            r.SocSec = r.Gross * 0.062f;
            r.Net = r.Gross * 0.8f;
            r.Sdi = pick({0.0f, 4.0f});
        }
        showLedgerGrid(ctx.ledger, ctx.profile);
        SaveAnnual(ctx);
    }

    void makeEmployee(const std::filesystem::path& folder, const std::string& name) {
        PayrollContext ctx;
        ctx.folder = folder;
        ctx.durableWrites = false;
        ctx.employee() = newEmployeeRecord(name);
        setProfile(ctx.profile);
        setState(ctx);
        if (chance(0.4)) {
            ctx.leaveDialog.loaded = true;
            ctx.leaveDialog.txtVacBal = "40";
        }
        SaveUserFiles(ctx);
        if (chance(0.5)) postRows(ctx);
        for (const char* extension : {".hol", ".nci", ".sta", ".cti"}) {
            if (chance(0.2)) std::filesystem::remove(folder / (name + extension));
        }
    }

    std::mt19937 random_;
};

}  // namespace corvanta::testing
