#include "ui/calculator_window.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <tuple>

#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "tax/core/tax_year.h"
#include "ui/elided_label.h"
#include "ui/gui_prompts.h"
#include "ui/message_box.h"
#include "ui/numeric_key_filter.h"
#include "ui/pay_date_picker.h"
#include "ui/startup_load.h"

namespace corvanta::ui {
namespace {

struct EntryRow {
    const char* caption;
    const char* tooltip;
};
constexpr std::array<EntryRow, kEntryBoxes> kEntryRows{{
    {"STRAIGHT TIME HOURS 1", "Pay rate 1"},
    {"STRAIGHT TIME HOURS 2", "Pay rate 2"},
    {"O.T.", "Enter"},
    {"O.T. TIME AND 1/2 (1.5X)", "Enter"},
    {"HOLIDAY IN HOURS", "Enter"},
    {"VACATION - SICK, IN HOURS", "Enter"},
    {"PAY IN DOLLAR AMOUNT", "Use Dollar amount"},
    {"TIPS (Hours)", "Enter"},
}};

constexpr std::array<const char*, kTaxLines> kTaxTags{
    "Federal Tax", "Soc Sec",    "Medicare", "State Tax", "City Tax", "Muni Cr Union",
    "Bond",        "Union Dues", "Pension",  "Misc.",     "K Plan"};

// The most room the employee's name takes beside the results.
constexpr int kWidestName = 320;
constexpr int kYearNoticeWidth = 150;

QLabel* valueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(90);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CalculatorForm::CalculatorForm(PayrollContext& ctx, std::unique_ptr<SessionPrompts> prompts,
                               QWidget* parent)
    : QMainWindow(parent),
      ctx_(ctx),
      prompts_(prompts ? std::move(prompts) : std::make_unique<GuiPrompts>(this, ctx)),
      session_(ctx, *prompts_, [this] { return fromQt(today()); }) {
    setObjectName("Form1");
    ctx_.showMessage = [this](const UserMessage& m) { showUserMessage(this, m); };
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(buildEntryFrame());
    left->addWidget(buildButtonFrame());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildHeader());
    right->addWidget(buildResultFrame());
    right->addWidget(buildTaxFrame(), 1);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    setCentralWidget(central);
    buildMenus();
    loadCalculatorWindow(ctx_, fromQt(today()));
    showContext();
    txtAmount_[0]->setFocus();
}

CalculatorForm::~CalculatorForm() {
    ctx_.showMessage = [](const UserMessage&) {};
}

QString CalculatorForm::today() const { return QDate::currentDate().toString(kPickedDateFormat); }

QWidget* CalculatorForm::buildEntryFrame() {
    auto* frame = new QGroupBox("Hours", this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < kEntryBoxes; ++i) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QString("txtAmount%1").arg(i));
        box->setToolTip(kEntryRows[i].tooltip);
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(110);
        NumericKeyFilter::install(box);
        box->installEventFilter(this);
        // Typed, pasted or set, the box's text is the record's at once, so no command that
        // redraws the window can put older hours back.
        connect(box, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { ctx_.window.txtAmount[i] = fromQt(text); });
        auto* caption = new QLabel(kEntryRows[i].caption, frame);
        caption->setBuddy(box);
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 2);
        txtAmount_[i] = box;
    }
    auto* options = new QHBoxLayout;
    opt1x_ = new QRadioButton("(1X)", frame);
    opt1x_->setObjectName("opt1x");
    opt2x_ = new QRadioButton("(2X)", frame);
    opt2x_->setObjectName("opt2x");
    connect(opt1x_, &QRadioButton::toggled, this,
            [this](bool checked) { ctx_.window.opt1x = checked; });
    options->addWidget(opt1x_);
    options->addWidget(opt2x_);
    grid->addLayout(options, 2, 1);
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget* CalculatorForm::buildButtonFrame() {
    auto* panel = new QWidget(this);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* calcFrame = new QGroupBox("   CLEAR               ADD", panel);
    auto* calcRow = new QHBoxLayout(calcFrame);
    auto* clearButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogResetButton), "C&lear", calcFrame);
    clearButton->setObjectName("cmdClear");
    clearButton->setToolTip("Clear");
    auto* calcButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                       "&Calculate", calcFrame);
    calcButton->setObjectName("cmdCal");
    calcButton->setToolTip("Calculate (F5)");
    calcRow->addWidget(clearButton);
    calcRow->addWidget(calcButton);
    connect(clearButton, &QPushButton::clicked, this, &CalculatorForm::clear);
    connect(calcButton, &QPushButton::clicked, this, &CalculatorForm::calculate);
    rows->addWidget(calcFrame);

    auto* sideFrame =
        new QGroupBox("     YTD                 OT               VAC/HOL          PRINT", panel);
    auto* sideRow = new QHBoxLayout(sideFrame);
    using Command = void (CalculatorForm::*)();
    for (const auto& [name, tip, command] :
         {std::tuple<const char*, const char*, Command>{"cmdYear", "Year to Date",
                                                        &CalculatorForm::openLedger},
          {"cmdOT", "OverTime", &CalculatorForm::openOvertimeSheet},
          {"Command1", "Vacation", &CalculatorForm::openVacation},
          {"cmdPrint", "Print", &CalculatorForm::printStub}}) {
        auto* button = new QPushButton(tip, sideFrame);
        button->setObjectName(name);
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, command);
        sideRow->addWidget(button);
    }
    rows->addWidget(sideFrame);

    auto* periodRow = new QHBoxLayout;
    auto* getPeriod = new QPushButton("Get Pay Period", panel);
    getPeriod->setObjectName("cmdPeriod");
    auto* savePeriod = new QPushButton("Save This Pay Period", panel);
    savePeriod->setObjectName("cmdSavePrev");
    connect(getPeriod, &QPushButton::clicked, this, &CalculatorForm::getPeriod);
    connect(savePeriod, &QPushButton::clicked, this, &CalculatorForm::savePeriod);
    periodRow->addWidget(getPeriod);
    periodRow->addWidget(savePeriod);
    rows->addLayout(periodRow);
    return panel;
}

QWidget* CalculatorForm::buildHeader() {
    auto* panel = new QGroupBox(this);
    auto* grid = new QGridLayout(panel);
    // A long name is cut rather than widening the window past a small screen.
    lbUser_ = new ElidedLabel(kWidestName, panel);
    lbUser_->setObjectName("lbUser");
    QFont bold = lbUser_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lbUser_->setFont(bold);
    txtWeek_ = new QLineEdit(panel);
    txtWeek_->setObjectName("txtWeek");
    txtWeek_->setToolTip("Click for Date change (or F4)");
    txtWeek_->setMaxLength(10);
    txtWeek_->setMaximumWidth(110);
    txtWeek_->installEventFilter(this);
    // A few words beside the date box and the whole notice as its tooltip: the whole notice,
    // wrapped, made the window taller than a 1024x768 screen.
    lbYearNotice_ = new QLabel(panel);
    lbYearNotice_->setMaximumWidth(kYearNoticeWidth);
    lbYearNotice_->setObjectName("lbYearNotice");
    lbYearNotice_->setStyleSheet("color: #a00000;");
    connect(txtWeek_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ctx_.window.txtWeek = fromQt(text);
        lbYearNotice_->setText(toQt(taxYearShortNotice(ctx_.window.txtWeek)));
        lbYearNotice_->setToolTip(toQt(taxYearNotice(ctx_.window.txtWeek)));
    });
    lbTableNotice_ = new QLabel(panel);
    lbTableNotice_->setObjectName("lbTableNotice");
    lbTaxVer_ = new QLabel(panel);
    lbTaxVer_->setObjectName("lbTaxVer");
    auto* weekCaption = new QLabel("Pa&y period:", panel);
    weekCaption->setBuddy(txtWeek_);
    grid->addWidget(lbUser_, 0, 0, 1, 2);
    grid->addWidget(weekCaption, 1, 0);
    grid->addWidget(txtWeek_, 1, 1);
    grid->addWidget(lbYearNotice_, 1, 2, 2, 1);
    grid->addWidget(lbTableNotice_, 2, 0, 1, 2);
    grid->addWidget(lbTaxVer_, 3, 0, 1, 2);
    return panel;
}

QLabel* CalculatorForm::addResultRow(QGridLayout* grid, int row, const QString& caption,
                                     const QString& name) {
    auto* tag = new QLabel(caption, grid->parentWidget());
    auto* value = valueLabel(grid->parentWidget(), name);
    grid->addWidget(tag, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

QWidget* CalculatorForm::buildResultFrame() {
    auto* frame = new QGroupBox("Results", this);
    auto* grid = new QGridLayout(frame);
    label13_ = addResultRow(grid, 0, "GROSS PAY", "Label13");
    lbTaxes_ = addResultRow(grid, 1, "TAXES", "lbTaxes");
    lbDeduct_ = addResultRow(grid, 2, "DEDUCTIONS", "lbDeduct");
    lbNet_ = addResultRow(grid, 3, "NET PAY", "lbNet");
    lbOverT_ = addResultRow(grid, 4, "OverTime", "lbOverT");
    lbTips_ = addResultRow(grid, 5, "Tips", "lbTips");
    QFont bold = lbNet_->font();
    bold.setBold(true);
    lbNet_->setFont(bold);
    label13_->setFont(bold);
    return frame;
}

QWidget* CalculatorForm::buildTaxFrame() {
    auto* frame = new QGroupBox("Taxes/Deductions", this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < kTaxLines; ++i) {
        lbTaxDed_[i] = addResultRow(grid, i, kTaxTags[i], QString("lbTaxDed%1").arg(i));
        auto* tag = qobject_cast<QLabel*>(grid->itemAtPosition(i, 0)->widget());
        tag->setObjectName(QString("lbTaxTag%1").arg(i));
        if (i >= 5 && i < 10) deductionTags_[i - 5] = tag;
    }
    lbCafe_ = addResultRow(grid, kTaxLines, "Cafeteria Plan", "lbCafe");
    lbSUI_ = addResultRow(grid, kTaxLines + 1, "SUI", "lbSUI");
    lbSDI_ = addResultRow(grid, kTaxLines + 2, "SDI", "lbSDI");
    grid->setRowStretch(kTaxLines + 3, 1);
    return frame;
}

void CalculatorForm::showContext() {
    // The notice and the deduction captions are the profile's, whatever replaced it.
    showEmployeeInWindow(ctx_);
    const CalculatorWindow& w = ctx_.window;
    setWindowTitle(toQt(w.caption));
    lbUser_->setWholeText(toQt(w.lbUser));
    lbTableNotice_->setText(toQt(w.lbTableNotice));
    lbTaxVer_->setText(toQt(w.lbTaxVer));
    txtWeek_->setText(toQt(w.txtWeek));
    showEntries();
    showResults();
}

void CalculatorForm::showEntries() {
    const CalculatorWindow& w = ctx_.window;
    for (int i = 0; i < kEntryBoxes; ++i) txtAmount_[i]->setText(toQt(w.txtAmount[i]));
    (w.opt1x ? opt1x_ : opt2x_)->setChecked(true);
}

void CalculatorForm::showResults() {
    const CalculatorWindow& w = ctx_.window;
    label13_->setText(toQt(w.Label13));
    lbTaxes_->setText(toQt(w.lbTaxes));
    lbDeduct_->setText(toQt(w.lbDeduct));
    lbNet_->setText(toQt(w.lbNet));
    lbOverT_->setText(toQt(w.lbOverT));
    lbTips_->setText(toQt(w.lbTips));
    lbCafe_->setText(toQt(w.lbCafe));
    lbSUI_->setText(toQt(w.lbSUI));
    lbSDI_->setText(toQt(w.lbSDI));
    for (int i = 0; i < kTaxLines; ++i) lbTaxDed_[i]->setText(toQt(w.lbTaxDed[i]));
    for (int i = 0; i < 5; ++i) deductionTags_[i]->setText(toQt(w.deductionTags[i]));
}

bool CalculatorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWeek_ &&
        (event->type() == QEvent::MouseButtonPress ||
         (event->type() == QEvent::KeyPress && opensDatePicker(*static_cast<QKeyEvent*>(event))))) {
        pickPayDate();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto it = std::find(txtAmount_.begin(), txtAmount_.end(), watched);
        if (it != txtAmount_.end()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (moveFocus(static_cast<int>(it - txtAmount_.begin()), key)) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CalculatorForm::moveFocus(int box, int key) {
    int next = -1;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        next = (box + 1) % kEntryBoxes;
    } else if (key == Qt::Key_Down) {
        next = box < kEntryBoxes - 1 ? box + 1 : box;
    } else if (key == Qt::Key_Up) {
        next = box > 0 ? box - 1 : box;
    } else {
        return false;
    }
    txtAmount_[next]->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace corvanta::ui
