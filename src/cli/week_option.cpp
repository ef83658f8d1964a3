#include "cli/week_option.h"

#include "cli/cli_args.h"
#include "tax/state/pay_date.h"

namespace corvanta {

std::string weekOption(const CliArgs& args, bool posting) {
    const auto week = args.value("--week");
    const auto label = args.value("--label");
    if (week && label) throw UsageError("--week and --label do not go together");
    if (label) return *label;
    if (week) {
        if (!readPayDate(*week)) {
            throw UsageError("--week takes a date M/D/YYYY, not \"" + *week +
                             "\" (a label that is not a date goes with --label)");
        }
        return *week;
    }
    if (posting) {
        throw UsageError(
            "--post needs the pay period date the row is labelled with: give --week M/D/YYYY "
            "(or --label TEXT)");
    }
    return todayText();
}

}  // namespace corvanta
