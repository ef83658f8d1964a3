#include "ui/ledger_grid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "session/files/employee_files.h"
#include "ui/message_box.h"
#include "ui/screen_fit.h"

namespace corvanta::ui {
namespace {

using namespace ledger_columns;

constexpr int kFirstLineRow = 1;  // layout row of ledger row 0, below the top headings

QLabel* amountLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QLabel* rowNumber(QWidget* parent, int row) {
    auto* label = new QLabel(QString::number(row + 1), parent);
    label->setObjectName(QString("Label2%1").arg(row));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setCursor(Qt::PointingHandCursor);
    label->setContextMenuPolicy(Qt::PreventContextMenu);
    // The keyboard reaches the row by Tab: Enter posts as the left button does, Delete zeroes
    // as the right button does.
    label->setFocusPolicy(Qt::StrongFocus);
    label->setStyleSheet(
        "QLabel:focus { background: palette(highlight); color: "
        "palette(highlighted-text); }");
    label->setToolTip(
        "Left click or Enter: post the last calculation into this row\n"
        "Right click or Delete: zero this row");
    return label;
}

}  // namespace

LedgerGrid::LedgerGrid(PayrollContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("frmYear");
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    buttons_ = buildButtons();
    rows->addWidget(buttons_);
    scroll_ = wholeViewScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(buildTable());
    rows->addWidget(scroll_, 1);
}

QWidget* LedgerGrid::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 4, 4, 0);
    auto* update = new QPushButton("&Update", panel);
    update->setObjectName("cmdUpdate");
    update->setToolTip("Copy the grid into the ledger and add up the totals");
    // The menu bar's "&Close" has C; the button does the same by O.
    auto* back = new QPushButton("Cl&ose", panel);
    back->setObjectName("cmdBack");
    connect(update, &QPushButton::clicked, this, &LedgerGrid::updateWanted);
    connect(back, &QPushButton::clicked, this, &LedgerGrid::closeWanted);
    row->addWidget(update);
    row->addWidget(back);
    row->addStretch();
    return panel;
}

QWidget* LedgerGrid::buildTable() {
    table_ = new QWidget(this);
    auto* grid = new QGridLayout(table_);
    setUpColumns(grid);
    addHeadings(grid, 0, topDeductions_);
    for (int i = 0; i < kLedgerRows; ++i) addLine(grid, i);
    addHeadings(grid, kFirstLineRow + kLedgerRows, bottomDeductions_);
    grid->setRowStretch(kFirstLineRow + kLedgerRows + 1, 1);
    return table_;
}

void LedgerGrid::addHeadings(QGridLayout* grid, int layoutRow, std::array<QLabel*, 5>& deductions) {
    const auto texts = headings(ctx_.ledger.deductionHeadings);
    for (int c = kWeek; c < kCount; ++c) {
        auto* label = new QLabel(texts[c], table_);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        place(grid, label, layoutRow, c);
        const int deduction = c - kFirstTax - 5;
        if (deduction >= 0 && deduction < 5) deductions[deduction] = label;
    }
}

void LedgerGrid::addLine(QGridLayout* grid, int row) {
    auto& line = lines_[row];
    LedgerGridRow& texts = ctx_.ledger.grid[row];
    const int layoutRow = kFirstLineRow + row;
    const QString n = QString::number(row);
    QLabel* number = rowNumber(table_, row);
    number->installEventFilter(this);
    line[kNumber] = number;
    line[kWeek] = amountLabel(table_, "txtDate" + n);
    qobject_cast<QLabel*>(line[kWeek])->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 0; k < kLedgerTaxCells; ++k) {
        line[kFirstTax + k] = amountLabel(table_, QString("txt") + kTaxStems[k] + n);
    }
    line[kOvertime] = amountLabel(table_, "txtOT" + n);
    auto* net = amountBox(table_, "txtGross" + n, true);
    auto* gross = amountBox(table_, "txtNet" + n, true);
    auto* tips = amountBox(table_, "txtTips" + n, false);
    cells_.bind(net, &texts.netText);
    cells_.bind(gross, &texts.grossText);
    cells_.bind(tips, &texts.txtTips);
    line[kNet] = net;
    line[kGross] = gross;
    line[kTips] = tips;
    for (int c = 0; c < kCount; ++c) place(grid, line[c], layoutRow, c);
}

void LedgerGrid::refresh() {
    const auto texts = headings(ctx_.ledger.deductionHeadings);
    for (int d = 0; d < 5; ++d) {
        const QString& caption = texts[kFirstTax + 5 + d];
        topDeductions_[d]->setText(caption);
        bottomDeductions_[d]->setText(caption);
    }
    const int inUse = rowsInUse(ctx_.profile);
    for (int i = 0; i < kLedgerRows; ++i) {
        const bool shown = i < inUse;
        for (QWidget* w : lines_[i]) {
            if (w->isHidden() == shown) w->setVisible(shown);
        }
        showRow(i);
    }
    cells_.show();
}

void LedgerGrid::showRow(int row) {
    const LedgerGridRow& texts = ctx_.ledger.grid[row];
    const auto& line = lines_[row];
    const auto set = [&line](int column, const std::string& text) {
        static_cast<QLabel*>(line[column])->setText(toQt(text));
    };
    set(kWeek, texts.txtDate);
    for (int k = 0; k < kLedgerTaxCells; ++k) set(kFirstTax + k, texts.taxCells[k]);
    set(kOvertime, texts.txtOT);
}

QSize LedgerGrid::fullSize() const {
    table_->layout()->invalidate();
    const QSize table = table_->sizeHint();
    const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
    return {table.width() + scrollBar,
            table.height() + buttons_->sizeHint().height() + layout()->spacing()};
}

QScrollBar* LedgerGrid::sidewaysBar() const { return scroll_->horizontalScrollBar(); }

bool LedgerGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (int i = 0; i < kLedgerRows; ++i) {
            if (lines_[i][kNumber] != watched) continue;
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
                break;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                emit postWanted(i);
                return true;
            }
            if (key->key() == Qt::Key_Delete) {
                emit zeroWanted(i);
                return true;
            }
            break;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kLedgerRows; ++i) {
            if (lines_[i][kNumber] != watched) continue;
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (button == Qt::LeftButton) emit postWanted(i);
            if (button == Qt::RightButton) emit zeroWanted(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvanta::ui
