#include "session/side/leave_record.h"

#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "base/files/file_access.h"
#include "base/files/file_io.h"
#include "base/files/record_format.h"
#include "session/core/payroll_context.h"
#include "session/files/employee_hold.h"

namespace corvanta {
namespace {

constexpr const char* kExtension = ".hol";

// One kind's boxes and fields side by side.
struct KindBoxes {
    std::string& start;
    std::string& balance;
    LeaveDialog::Column& taken;
    LeaveDialog::Column& dates;
};

struct KindFields {
    float& start;
    float& balance;
    std::array<float, kLeaveEntries>& taken;
    std::array<std::string, kLeaveEntries>& dates;
};

KindBoxes boxesOf(LeaveDialog& d, LeaveKind kind) {
    switch (kind) {
        case LeaveKind::Vacation:
            return {d.txtVacBal, d.lbVacBal, d.txtVcnt, d.txtVdate};
        case LeaveKind::Holiday:
            return {d.txtHolBal, d.lbHolBal, d.txtHcnt, d.txtHdate};
        case LeaveKind::Sick:
            break;
    }
    return {d.txtSickBal, d.lbSickBal, d.txtScnt, d.txtSdate};
}

KindFields fieldsOf(LeaveRecord& r, LeaveKind kind) {
    switch (kind) {
        case LeaveKind::Vacation:
            return {r.VacationStart, r.VacationBalance, r.VacationTaken, r.VacationDates};
        case LeaveKind::Holiday:
            return {r.HolidayStart, r.HolidayBalance, r.HolidayTaken, r.HolidayDates};
        case LeaveKind::Sick:
            break;
    }
    return {r.SickStart, r.SickBalance, r.SickTaken, r.SickDates};
}

constexpr std::array<LeaveKind, 3> kKinds{LeaveKind::Vacation, LeaveKind::Holiday, LeaveKind::Sick};

const char* frameCaption(LeaveKind kind) {
    switch (kind) {
        case LeaveKind::Vacation:
            return "Vacation";
        case LeaveKind::Holiday:
            return "Holiday/Personel";
        case LeaveKind::Sick:
            break;
    }
    return "Sick";
}

// A box whose number no Single holds ("1e999") would be stored as something else; it is
// refused, naming the box, before anything is taken.
void requireSingle(const std::string& text, const std::string& box) {
    if (std::isfinite(static_cast<float>(numericValue(text)))) return;
    const std::string shown = text.size() > 40 ? text.substr(0, 40) + "..." : text;
    throw UserError("The " + box + " \"" + shown + "\" is too large.\r\nCorrect it and save again.",
                    "Vacation / Holiday / Sick");
}

void checkKind(LeaveDialog& d, LeaveKind kind) {
    KindBoxes b = boxesOf(d, kind);
    const std::string frame = frameCaption(kind);
    requireSingle(b.start, frame + " Start Balance");
    for (int i = 0; i < kLeaveEntries; ++i) {
        requireSingle(b.taken[i], frame + " #Taken of entry " + std::to_string(i + 1));
    }
}

std::string general(float value) { return shortestText(value); }

void showKind(LeaveDialog& d, LeaveRecord& r, LeaveKind kind) {
    KindBoxes b = boxesOf(d, kind);
    KindFields f = fieldsOf(r, kind);
    b.start = general(f.start);
    b.balance = general(f.balance);
    for (int i = 0; i < kLeaveEntries; ++i) {
        b.taken[i] = general(f.taken[i]);
        b.dates[i] = f.dates[i];
    }
}

void takeKind(LeaveDialog& d, LeaveRecord& r, LeaveKind kind) {
    KindBoxes b = boxesOf(d, kind);
    KindFields f = fieldsOf(r, kind);
    for (int i = 0; i < kLeaveEntries; ++i) {
        f.taken[i] = static_cast<float>(numericValue(b.taken[i]));
        f.dates[i] = b.dates[i];
    }
    f.balance = static_cast<float>(numericValue(b.balance));
    f.start = static_cast<float>(numericValue(b.start));
}

// Filling the boxes recomputes each balance, so a stored balance is only shown until then.
void showLeaveRecord(PayrollContext& ctx) {
    for (LeaveKind kind : kKinds) {
        showKind(ctx.leaveDialog, ctx.leave, kind);
        RecomputeBalance(ctx.leaveDialog, kind);
    }
    ctx.leaveDialog.loaded = true;
}

}  // namespace

void RecomputeBalance(LeaveDialog& dialog, LeaveKind kind) {
    KindBoxes b = boxesOf(dialog, kind);
    float taken = 0;  // accumulated as a 32-bit float, as the balance always was
    for (const std::string& box : b.taken) taken += static_cast<float>(numericValue(box));
    const double remaining = numericValue(b.start) - static_cast<double>(taken);
    // A pasted "1e999" has no balance to show; the label says so instead of failing.
    b.balance = std::isfinite(remaining) ? shortestText(remaining) : kLeaveBalanceOutOfRange;
}

std::string formatLeaveFile(const LeaveRecord& r) {
    RecordWriter out;
    out.single(r.VacationBalance).single(r.VacationStart).single(r.HolidayBalance);
    out.single(r.HolidayStart).single(r.SickBalance).single(r.SickStart).endLine();
    for (int i = 0; i < kLeaveEntries; ++i) {
        out.single(r.VacationTaken[i]).single(r.HolidayTaken[i]).single(r.SickTaken[i]).endLine();
    }
    for (int i = 0; i < kLeaveEntries; ++i) {
        out.text(r.VacationDates[i]).text(r.HolidayDates[i]).text(r.SickDates[i]).endLine();
    }
    return out.content();
}

LeaveRecord parseLeaveFile(std::string_view content, const std::string& fileName, LeaveRecord r) {
    RecordReader in(content, fileName);
    for (float* f : {&r.VacationBalance, &r.VacationStart, &r.HolidayBalance, &r.HolidayStart,
                     &r.SickBalance, &r.SickStart}) {
        *f = in.readSingle();
    }
    for (int i = 0; i < kLeaveEntries; ++i) {
        r.VacationTaken[i] = in.readSingle();
        r.HolidayTaken[i] = in.readSingle();
        r.SickTaken[i] = in.readSingle();
    }
    for (int i = 0; i < kLeaveEntries; ++i) {
        r.VacationDates[i] = in.readText();
        r.HolidayDates[i] = in.readText();
        r.SickDates[i] = in.readText();
    }
    return r;
}

void GetVac(PayrollContext& ctx) {
    const auto path = ctx.employeeFile(kExtension);
    if (readableFileExists(path)) {
        const auto content = readFileIfExists(path);
        if (content) ctx.leave = parseLeaveFile(*content, ctx.UserFileBase + kExtension, ctx.leave);
    }
    showLeaveRecord(ctx);
}

void loadLeaveDialog(PayrollContext& ctx) {
    GetVac(ctx);
    for (LeaveKind kind : kKinds) {
        KindBoxes b = boxesOf(ctx.leaveDialog, kind);
        if (b.start.empty()) b.start = "0";
        RecomputeBalance(ctx.leaveDialog, kind);
    }
}

void SaveVac(PayrollContext& ctx) {
    // A closed dialog is loaded again before its boxes are taken, which reads the file over
    // the record: a Clear All that was never saved must not reach the file with a later save.
    if (!ctx.leaveDialog.loaded) loadLeaveDialog(ctx);
    for (LeaveKind kind : kKinds) checkKind(ctx.leaveDialog, kind);
    for (LeaveKind kind : kKinds) takeKind(ctx.leaveDialog, ctx.leave, kind);
    claimForWriting(ctx);
    ctx.writeEmployeeFile(kExtension, formatLeaveFile(ctx.leave));
}

void clearVac(PayrollContext& ctx) {
    ctx.leave = LeaveRecord{};
    LeaveDialog& d = ctx.leaveDialog;
    for (LeaveKind kind : kKinds) {
        KindBoxes b = boxesOf(d, kind);
        b.start = "0";
        b.taken.fill("0");
        b.dates.fill("");
        RecomputeBalance(d, kind);
    }
    d.loaded = true;
}

}  // namespace corvanta
