// "Header.sav": any content gives a heading or a file error; a heading can be written again.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "session/files/print_heading.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const PrintHeading heading = parseHeadingFile(fuzz::asText(data, size), kHeadingFile);
        (void)formatHeadingFile(heading);
    } catch (const UserError&) {
    }
    return 0;
}
