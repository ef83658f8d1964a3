// The federal table file: any content parses or throws RecordFormatError.
#include "base/files/record_format.h"
#include "fuzz_support.h"
#include "tax/core/federal_table.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const FederalTable table = parseFederalTable(fuzz::asText(data, size), kFederalTableFile);
        (void)formatFederalTable(table);
        (void)federalBrackets(table.singleWeekly, 500.0f);
    } catch (const RecordFormatError&) {
    }
    return 0;
}
