#include "ui/tax_year_question.h"

#include "tax/core/tax_year.h"
#include "ui/message_box.h"

namespace corvanta::ui {

bool confirmTaxYear(QWidget* parent, const std::string& weekText, const std::string& action) {
    const std::string notice = taxYearNotice(weekText);
    if (notice.empty()) return true;
    return askYesNo(parent, "Tax Year",
                    "The pay date " + notice + "\r\n\r\n" + action + " this period anyway?",
                    QMessageBox::No);
}

}  // namespace corvanta::ui
