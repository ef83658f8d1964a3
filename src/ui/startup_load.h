#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta::ui {

// The calculator window's load: the federal table (a missing file is reported through the
// context's message handler), today's date, empty results, and the employee dialog's hidden
// load, which normalises the profile. Nothing is written: the default group on disk may hold
// what "Make Default" stored.
void loadCalculatorWindow(PayrollContext& ctx, const std::string& today);

}  // namespace corvanta::ui
