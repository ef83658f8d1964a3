// A saved pay period through "Get Pay Period"; the short name stops it before calculating.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "session/core/payroll_context.h"
#include "session/files/period_snapshot.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::clearScratch();
    fuzz::writeScratch("F.prv", fuzz::asText(data, size));
    PayrollContext ctx;
    try {
        LoadPeriodSnapshot(ctx, fuzz::scratchFolder() / "F.prv");
    } catch (const UserError&) {
    }
    return 0;
}
