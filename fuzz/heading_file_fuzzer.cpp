// "Header.sav": any content gives a heading or a file error; a heading can be written again.
#include "core/user_error.h"
#include "files/print_heading.h"
#include "fuzz_support.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const PrintHeading heading = parseHeadingFile(fuzz::asText(data, size), kHeadingFile);
        (void)formatHeadingFile(heading);
    } catch (const UserError&) {
    }
    return 0;
}
