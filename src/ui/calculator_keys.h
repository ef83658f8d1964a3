#pragma once

#include "session/core/payroll_context.h"

namespace corvanta::ui {

class CalculatorForm;

// Tab in reading order; F5 calculates beside Alt+C (the Calculate button's own letter); F1
// opens the manual in every window.
void installCalculatorKeys(CalculatorForm* form);

// The working folder in the window's status bar, brought up to date whenever New or Open
// changes the caption (Open may move to another folder).
void showWorkingFolder(CalculatorForm* form, const PayrollContext& ctx);

}  // namespace corvanta::ui
