// The ".nci" reader, and the dialog shown from whatever it read.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "tax/local/non_city_table.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NonCityTable table = nonCityDefaults();
    try {
        parseNonCityFile(fuzz::asText(data, size), "fuzz.nci", table);
    } catch (const UserError&) {
    }
    NonCityDialogModel dialog;
    showNonCityTable(table, dialog);
    (void)formatNonCityFile(table);
    float allowance = 0;
    (void)nonCityTax(table, size % 2 == 0, 900.0f, allowance);
    return 0;
}
