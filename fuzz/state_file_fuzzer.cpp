// The ".sta" reader: any content parses, part way at most, or throws a file error.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "session/state/state_file.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StateSettings settings;
    EmployeeProfile profile;
    try {
        parseStateFile(fuzz::asText(data, size), "fuzz.sta", settings, profile);
        (void)formatStateFile(settings, profile);
    } catch (const UserError&) {
    }
    return 0;
}
