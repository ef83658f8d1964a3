#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/message_box.h"
#include "ui/numeric_key_filter.h"
#include "ui/overtime_sheet_form.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui {
namespace {

constexpr int kRowsPerBlock = kOvertimeRows / 2;

QLabel* valueLabel(QWidget* parent, const QString& name, const QString& tip) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(90);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* numericBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    NumericKeyFilter::install(box);
    return box;
}

}  // namespace

QWidget* OvertimeSheetForm::buildEntries() {
    auto* frame = new QWidget(this);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    OvertimeSheetWindow& w = ctx_.overtimeWindow;
    auto* annual = numericBox(frame, "txtAnnual");
    annual->setToolTip("Look on your pay stub for SALARY");
    annual->setMaximumWidth(110);
    cells_.bind(annual, &w.txtAnnual);
    auto* percent = numericBox(frame, "txtApPercent");
    percent->setMaximumWidth(110);
    cells_.bind(percent, &w.txtApPercent);
    auto* annualCaption = new QLabel("Annual Salary", frame);
    annualCaption->setBuddy(annual);
    auto* percentCaption = new QLabel("Enter Your Approved Percentage", frame);
    percentCaption->setBuddy(percent);
    grid->addWidget(annualCaption, 0, 0);
    grid->addWidget(annual, 0, 1);
    grid->addWidget(percentCaption, 1, 0);
    grid->addWidget(percent, 1, 1);
    grid->addWidget(new QLabel("You have to go back 26 pay periods.", frame), 0, 2);
    grid->addWidget(new QLabel("Fill in your o.t. for the past 26 weeks", frame), 1, 2);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* OvertimeSheetForm::buildRows() {
    auto* panel = new QWidget;
    auto* blocks = new QHBoxLayout(panel);
    blocks->addWidget(buildRowBlock(0, kRowsPerBlock), 0, Qt::AlignTop);
    laterRows_ = buildRowBlock(kRowsPerBlock, kRowsPerBlock);
    blocks->addWidget(laterRows_, 0, Qt::AlignTop);
    blocks->addStretch();
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("rowScroll");
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(panel);
    return scroll_;
}

QWidget* OvertimeSheetForm::buildRowBlock(int firstRow, int rowCount) {
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel("Week No.", block), 0, 0);
    grid->addWidget(new QLabel("Week Ending", block), 0, 1);
    grid->addWidget(new QLabel("O.T. Only", block), 0, 2);
    OvertimeSheetWindow& w = ctx_.overtimeWindow;
    for (int i = firstRow; i < firstRow + rowCount; ++i) {
        const int line = i - firstRow + 1;
        auto* number = new QLabel(QString::number(i + 1), block);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* date = new QLineEdit(block);
        date->setObjectName(QString("Text1%1").arg(i));
        date->setFixedWidth(95);
        SelectOnFocus::install(date);
        date->installEventFilter(this);
        cells_.bind(date, &w.Text1[i]);
        // A picked date arrives by setText, which the typing binding does not see.
        connect(date, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { ctx_.overtimeWindow.Text1[i] = fromQt(text); });
        auto* overtime = numericBox(block, QString("txtOT%1").arg(i));
        overtime->setFixedWidth(80);
        overtime->installEventFilter(this);
        cells_.bind(overtime, &w.txtOT[i]);
        grid->addWidget(number, line, 0);
        grid->addWidget(date, line, 1);
        grid->addWidget(overtime, line, 2);
        text1_[i] = date;
        txtOT_[i] = overtime;
    }
    return block;
}

QWidget* OvertimeSheetForm::buildResults() {
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    lbEarned_ = valueLabel(frame, "lbEarned", "Total from O.T. Only boxes");
    auto* percent = new QLineEdit(frame);
    percent->setObjectName("txtPercent");
    percent->setToolTip("Present percent rate");
    percent->setReadOnly(true);
    percent->setAlignment(Qt::AlignRight);
    SelectOnFocus::install(percent);
    cells_.bind(percent, &ctx_.overtimeWindow.txtPercent);
    lbMax_ = valueLabel(frame, "lbMax", "Your limit at the approved % rate");
    lbAvail_ = valueLabel(frame, "lbAvail", "The difference");
    lbSalaryHint_ = new QLabel(frame);
    lbSalaryHint_->setObjectName("lbSalaryHint");
    lbSalaryHint_->setWordWrap(true);
    grid->addWidget(new QLabel("OverTime Earned", frame), 0, 0);
    grid->addWidget(lbEarned_, 0, 1);
    grid->addWidget(new QLabel("You are at", frame), 1, 0);
    grid->addWidget(percent, 1, 1);
    grid->addWidget(new QLabel("Present percent rate", frame), 2, 1);
    grid->addWidget(new QLabel("Max. allowable amount at approved percentage", frame), 3, 0);
    grid->addWidget(lbMax_, 3, 1);
    grid->addWidget(new QLabel("Available overtime left", frame), 4, 0);
    grid->addWidget(lbAvail_, 4, 1);
    grid->addWidget(lbSalaryHint_, 5, 0, 1, 2);

    lbWk_ = new QLabel(frame);
    lbWk_->setObjectName("lbWk");
    lbOT_ = new QLabel(frame);
    lbOT_->setObjectName("lb_OT");
    auto* period = new QHBoxLayout;
    period->addWidget(lbWk_);
    period->addWidget(new QLabel("OT Earned:", frame));
    period->addWidget(lbOT_);
    period->addStretch();
    grid->addLayout(period, 6, 0, 1, 2);
    return frame;
}

QWidget* OvertimeSheetForm::buildButtons() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const QString& caption, const QString& name, const QString& tip, auto slot) {
        auto* b = new QPushButton(caption, panel);
        b->setObjectName(name);
        if (!tip.isEmpty()) b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, slot);
        column->addWidget(b);
    };
    button("&TOTAL", "cmdADD", {}, [this] { runTotal(false); });
    button("&New Week", "cmdAdvance", "Move up one pay period. Delete 1st wk, add new 26wk.",
           &OvertimeSheetForm::newWeek);
    button("&Undo", "cmdUndo", "ONLY BACK TO WHEN FIRST OPENED", &OvertimeSheetForm::undo);
    button("&Print", "cmdPrint", {}, &OvertimeSheetForm::print);
    button("&Back", "cmdClose", {}, &OvertimeSheetForm::back);
    return panel;
}

}  // namespace corvanta::ui
