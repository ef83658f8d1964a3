#pragma once

#include <QLabel>

#include "records/core/employee_record.h"

namespace corvanta::ui {

// For a new employee, a line saying where her settings came from (the default group, the
// company or the New York values); nothing for one read from her files.
QLabel* startedFromLabel(const EmployeeRecord& record, QWidget* parent);

}  // namespace corvanta::ui
