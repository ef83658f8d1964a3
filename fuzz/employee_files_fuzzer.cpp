// The employee file group through its real reader: the first byte picks the file, the rest is
// its content. A damaged file may only end the read with a file error.
#include <array>

#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "session/core/payroll_context.h"
#include "session/files/employee_files.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr std::array<const char*, 5> kExtensions{".use", ".and", ".cfe", ".ovw", ".ovb"};
    if (size == 0) return 0;
    const std::size_t pick = data[0] % kExtensions.size();
    fuzz::clearScratch();
    fuzz::writeScratch(std::string("F") + kExtensions[pick], fuzz::asText(data + 1, size - 1));
    PayrollContext ctx;
    ctx.folder = fuzz::scratchFolder();
    ctx.UserFileBase = "F";
    ctx.profile.frequency = pick == 4 ? PayFrequency::Neither : PayFrequency::Weekly;
    try {
        ReadEmployeeFiles(ctx);
        (void)formatUseFile(ctx);
        (void)formatAndFile(ctx);
        (void)formatOvertimeRows(ctx.overtime, rowsInUse(ctx.profile));
    } catch (const UserError&) {
    }
    return 0;
}
