#pragma once

#include <string>

class QWidget;

namespace corvanta::ui {

// Before a period is posted or printed: true at once while the date is one of the tables'
// year; otherwise the clerk is asked (No the default) whether to go on with `action` ("Post",
// "Print"), and true for Yes.
bool confirmTaxYear(QWidget* parent, const std::string& weekText, const std::string& action);

}  // namespace corvanta::ui
