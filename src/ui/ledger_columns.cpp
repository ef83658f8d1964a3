#include "ui/ledger_columns.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QWidget>

#include "ui/numeric_key_filter.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui::ledger_columns {
namespace {

constexpr int kNumberWidth = 30;
constexpr int kWeekWidth = 76;
// Narrow enough for the whole row of 52 weeks' columns on a 1024-pixel-wide screen, wide
// enough for "#####.00".
constexpr int kAmountWidth = 58;
constexpr int kSpacing = 1;

constexpr std::array<const char*, kLedgerTaxCells> kTaxHeadings{
    "Federal", "SS", "Medi", "State", "City", "", "", "", "", "", "K-Plan"};
constexpr int kFirstDeduction = 5;

int width(int column) {
    if (column == kNumber) return kNumberWidth;
    if (column == kWeek) return kWeekWidth;
    return kAmountWidth;
}

}  // namespace

std::array<QString, kCount> headings(const std::array<std::string, 5>& deductionCaptions) {
    std::array<QString, kCount> out;
    out[kWeek] = "Week";
    for (int k = 0; k < kLedgerTaxCells; ++k) out[kFirstTax + k] = kTaxHeadings[k];
    for (int d = 0; d < 5; ++d) {
        out[kFirstTax + kFirstDeduction + d] = QString::fromStdString(deductionCaptions[d]);
    }
    out[kOvertime] = "OT";
    // The cells named txtGross hold the net pay and those named txtNet the gross pay; the
    // headings say what the operator sees, not what the controls are called.
    out[kNet] = "Net";
    out[kGross] = "Gross";
    out[kTips] = "Tips";
    return out;
}

QLineEdit* amountBox(QWidget* parent, const QString& name, bool numeric) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    if (numeric) {
        NumericKeyFilter::install(box);
    } else {
        SelectOnFocus::install(box);
    }
    return box;
}

void place(QGridLayout* grid, QWidget* widget, int row, int column) {
    widget->setFixedWidth(width(column));
    grid->addWidget(widget, row, column);
}

void setUpColumns(QGridLayout* grid) {
    grid->setHorizontalSpacing(kSpacing);
    grid->setVerticalSpacing(kSpacing);
    grid->setContentsMargins(2, 2, 2, 2);
    for (int c = 0; c < kCount; ++c) grid->setColumnMinimumWidth(c, width(c));
    // Extra room goes to the right of the last column, so the columns keep their places.
    grid->setColumnStretch(kCount, 1);
}

}  // namespace corvanta::ui::ledger_columns
