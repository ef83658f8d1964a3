// The ".hol" reader.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "session/side/leave_record.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const LeaveRecord record = parseLeaveFile(fuzz::asText(data, size), "fuzz.hol", {});
        (void)formatLeaveFile(record);
    } catch (const UserError&) {
    }
    return 0;
}
