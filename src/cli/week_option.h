#pragma once

#include <string>

namespace corvanta {

class CliArgs;

// The pay period's label from --week (a date, M/D/YYYY, checked) or --label (any text, for a
// period that is not a date). Posting needs one of them: a ledger row labelled with today's
// date by default could land outside the tables' year unseen. Without either, today's date.
// Throws UsageError.
std::string weekOption(const CliArgs& args, bool posting);

}  // namespace corvanta
