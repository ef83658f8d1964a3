#include "ui/ledger_totals.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/ledger_columns.h"

namespace corvanta::ui {
namespace {

using namespace ledger_columns;

constexpr int kCaptionRow = 0;
constexpr int kTotalsRow = 1;
constexpr int kOtherRow = 2;

QLabel* caption(QWidget* parent, const QString& text, Qt::Alignment align = Qt::AlignCenter) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

}  // namespace

LedgerTotals::LedgerTotals(PayrollContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("frmYearTot");
    auto* grid = new QGridLayout(this);
    setUpColumns(grid);
    addColumnTotals(grid);
    addOtherTotals(grid);
}

QLineEdit* LedgerTotals::addBox(QGridLayout* grid, int row, int column, const QString& name,
                                std::string* text, bool numeric) {
    QLineEdit* box = amountBox(this, name, numeric);
    place(grid, box, row, column);
    boxes_.bind(box, text);
    return box;
}

void LedgerTotals::addColumnTotals(QGridLayout* grid) {
    LedgerTotalsBoxes& b = ctx_.ledger.totalBoxes;
    const auto texts = headings(ctx_.ledger.deductionHeadings);
    for (int c = kFirstTax; c <= kGross; ++c) place(grid, caption(this, texts[c]), kCaptionRow, c);
    for (int d = 0; d < 5; ++d) {
        deductionCaptions_[d] =
            static_cast<QLabel*>(grid->itemAtPosition(kCaptionRow, kFirstTax + 5 + d)->widget());
    }
    grid->addWidget(caption(this, "TOTALS:", Qt::AlignLeft), kTotalsRow, kNumber, 1, 2);
    for (int k = 0; k < kLedgerTaxCells; ++k) {
        addBox(grid, kTotalsRow, kFirstTax + k, QString("txtTot") + kTaxStems[k], &b.taxTotals[k]);
    }
    addBox(grid, kTotalsRow, kOvertime, "txtTotOT", &b.txtTotOT);
    // txtTotGross holds the net total and txtTotNet the gross total.
    addBox(grid, kTotalsRow, kNet, "txtTotGross", &b.totalNetText, true);
    addBox(grid, kTotalsRow, kGross, "txtTotNet", &b.totalGrossText, true);
}

void LedgerTotals::addOtherTotals(QGridLayout* grid) {
    LedgerTotalsBoxes& b = ctx_.ledger.totalBoxes;
    struct Other {
        const char* caption;
        const char* name;
        std::string* text;
    };
    const std::array<Other, 4> others{{{"Tips:", "txtTotTips", &b.txtTotTips},
                                       {"Cafeteria Plan:", "txtTotCafe", &b.txtTotCafe},
                                       {"SDI:", "txtTotSdi", &b.txtTotSdi},
                                       {"SUI:", "txtTotSui", &b.txtTotSui}}};
    // Caption and box in pairs of columns from the first amount column on.
    int column = kFirstTax - 1;
    for (const Other& o : others) {
        grid->addWidget(caption(this, o.caption, Qt::AlignRight), kOtherRow, column - 1, 1, 2);
        addBox(grid, kOtherRow, column + 1, o.name, o.text);
        column += 3;
    }
}

void LedgerTotals::refresh() {
    const auto texts = headings(ctx_.ledger.deductionHeadings);
    for (int d = 0; d < 5; ++d) deductionCaptions_[d]->setText(texts[kFirstTax + 5 + d]);
    boxes_.show();
}

}  // namespace corvanta::ui
