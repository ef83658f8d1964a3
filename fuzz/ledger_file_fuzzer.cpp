// The ".yrw"/".yrb" reader: the first byte picks the frequency.
#include "base/core/user_error.h"
#include "fuzz_support.h"
#include "session/ytd/ledger_file.h"

using namespace corvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int rows = data[0] % 2 == 0 ? kLedgerRows : kLedgerRows / 2;
    try {
        const YtdLedger ledger =
            parseLedgerFile(fuzz::asText(data + 1, size - 1), "fuzz.yrw", rows, YtdLedger{});
        (void)formatLedgerFile(ledger, rows);
    } catch (const UserError&) {
    }
    return 0;
}
