// The ".cti" reader, and the dialog shown from whatever it read.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "tax/local/city_table.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CityTable table = cityDefaults();
    try {
        parseCityFile(fuzz::asText(data, size), "fuzz.cti", table);
    } catch (const UserError&) {
    }
    CityDialogModel dialog;
    showCityTable(table, dialog);
    (void)formatCityFile(table);
    float wage = 0;
    (void)cityTax(table, size % 2 == 0, size % 3 == 0, 900.0f, 1000.0f, wage);
    return 0;
}
