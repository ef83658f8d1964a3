#include "ui/employee_list_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/core/user_error.h"
#include "session/payroll/register_figures.h"
#include "ui/cell_factory.h"
#include "ui/claim_shortcuts.h"
#include "ui/message_box.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

enum Column { kName, kFile, kPay, kState, kExempt, kLastPosted, kYtdGross, kColumns };

constexpr int kFileRole = Qt::UserRole;
constexpr int kNameWidth = 220;

QTreeWidgetItem* rowOf(const RosterEntry& e) {
    auto* item = new QTreeWidgetItem;
    item->setData(kName, kFileRole, toQt(e.fileName));
    item->setText(kFile, toQt(e.fileName));
    if (!e.readable()) {
        // Listed all the same, so the clerk sees whom a pay day would miss, and why.
        item->setText(kName, "Cannot be read: " + toQt(e.problem));
        for (int c = 0; c < kColumns; ++c) {
            item->setToolTip(c, toQt(e.problem));
            item->setForeground(c, QBrush(QColor(0xa0, 0, 0)));
        }
        return item;
    }
    item->setText(kName, toQt(e.name));
    item->setToolTip(kName, toQt(e.name));
    item->setText(kPay, toQt(frequencyText(e.frequency)));
    item->setText(kState, toQt(e.stateMethod));
    item->setText(kExempt, toQt(exemptText(e.exempt)));
    item->setText(kLastPosted, e.lastPostedWeek ? toQt(*e.lastPostedWeek) : QString("none"));
    item->setText(kYtdGross, toQt(registerAmount(e.ytdGross)));
    item->setTextAlignment(kYtdGross, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

bool isListKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

// A key that types into a text box: a letter, digit, blank or sign without Ctrl or Alt, or
// Backspace.
bool typesText(const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    if (key.key() == Qt::Key_Backspace) return true;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

EmployeeListWindow::EmployeeListWindow(const PayrollContext& ctx, Commands commands,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), commands_(std::move(commands)) {
    setObjectName("frmEmployees");
    setWindowTitle("Employees");
    auto* layout = new QVBoxLayout(this);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel("&Find:");
    txtFilter_ = new QLineEdit;
    txtFilter_->setObjectName("txtFilter");
    txtFilter_->setPlaceholderText("name or file name");
    txtFilter_->setClearButtonEnabled(true);
    txtFilter_->setToolTip("Type part of a name or file name; Enter opens the employee chosen");
    filterLabel->setBuddy(txtFilter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(txtFilter_, 1);
    layout->addLayout(filterRow);

    lstEmployees_ = new QTreeWidget;
    lstEmployees_->setObjectName("lstEmployees");
    lstEmployees_->setColumnCount(kColumns);
    lstEmployees_->setHeaderLabels(
        {"Employee", "File", "Pay", "State method", "Exempt", "Last posted", "YTD gross"});
    lstEmployees_->setRootIsDecorated(false);
    lstEmployees_->setUniformRowHeights(true);
    lstEmployees_->setAllColumnsShowFocus(true);
    lstEmployees_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstEmployees_->header()->setStretchLastSection(false);
    lstEmployees_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A long name or the reason a file cannot be read is cut, with the whole as its tooltip.
    lstEmployees_->header()->setSectionResizeMode(kName, QHeaderView::Interactive);
    lstEmployees_->setColumnWidth(kName, kNameWidth);
    layout->addWidget(lstEmployees_, 1);

    lblCount_ = new QLabel;
    lblCount_->setObjectName("lblCount");
    layout->addWidget(lblCount_);

    auto* buttons = new QHBoxLayout;
    QPushButton* open = addButton(buttons, "&Open", "cmdOpen");
    open->setToolTip("Open the chosen employee in the calculator (Enter, or a double click)");
    QPushButton* newEmployee = addButton(buttons, "&New", "cmdNew");
    newEmployee->setToolTip("Start a new employee, as File, New");
    QPushButton* again = addButton(buttons, "&Refresh", "cmdRefresh");
    again->setToolTip("Read the folder's employees again");
    buttons->addStretch();
    QPushButton* close = addButton(buttons, "&Close", "cmdClose");
    layout->addLayout(buttons);

    connect(txtFilter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(lstEmployees_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        lstEmployees_->setCurrentItem(item);
        openChosen();
    });
    connect(open, &QPushButton::clicked, this, [this] { openChosen(); });
    connect(newEmployee, &QPushButton::clicked, this, [this] { commands_.newEmployee(); });
    connect(again, &QPushButton::clicked, this, [this] { refresh(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    txtFilter_->installEventFilter(this);
    lstEmployees_->installEventFilter(this);

    // Ctrl+E, which opens this list from the calculator, brings the keyboard back to the filter.
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(find, &QShortcut::activated, this, [this] {
        txtFilter_->setFocus(Qt::ShortcutFocusReason);
        txtFilter_->selectAll();
    });
    claimShortcuts(this, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    resize(780, 460);
    refresh();
    txtFilter_->setFocus();
}

void EmployeeListWindow::refresh() {
    QString chosen;
    if (const QTreeWidgetItem* item = lstEmployees_->currentItem(); item != nullptr) {
        chosen = item->data(kName, kFileRole).toString();
    }
    if (chosen.isEmpty()) chosen = toQt(ctx_.UserFileBase);
    std::vector<RosterEntry> roster;
    try {
        roster = employeeRoster(ctx_.folder);
    } catch (const UserError& e) {
        // Shown in the window: a refresh follows every command and must not pile up boxes.
        lstEmployees_->clear();
        lblCount_->setText(toQt(e.what()));
        return;
    }
    fill(roster);
    applyFilter();
    choose(chosen);
}

void EmployeeListWindow::fill(const std::vector<RosterEntry>& roster) {
    lstEmployees_->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(roster.size()));
    for (const RosterEntry& e : roster) rows << rowOf(e);
    lstEmployees_->addTopLevelItems(rows);
}

void EmployeeListWindow::applyFilter() {
    const QString wanted = txtFilter_->text().trimmed();
    int shown = 0;
    for (int i = 0; i < lstEmployees_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstEmployees_->topLevelItem(i);
        const bool match = wanted.isEmpty() ||
                           item->text(kName).contains(wanted, Qt::CaseInsensitive) ||
                           item->text(kFile).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match) ++shown;
    }
    QTreeWidgetItem* current = lstEmployees_->currentItem();
    if (current == nullptr || current->isHidden()) {
        lstEmployees_->setCurrentItem(firstShown());
    }
    const int all = lstEmployees_->topLevelItemCount();
    const QString folder = toQt(shownPath(ctx_.folder).string());
    if (all == 0) {
        lblCount_->setText("No employees in " + folder + " yet: New makes the first.");
    } else if (shown == all) {
        lblCount_->setText(QString("%1 employees in %2").arg(all).arg(folder));
    } else {
        lblCount_->setText(QString("%1 of %2 employees shown").arg(shown).arg(all));
    }
}

void EmployeeListWindow::choose(const QString& fileName) {
    for (int i = 0; i < lstEmployees_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstEmployees_->topLevelItem(i);
        if (!item->isHidden() && item->data(kName, kFileRole).toString() == fileName) {
            lstEmployees_->setCurrentItem(item);
            return;
        }
    }
}

QTreeWidgetItem* EmployeeListWindow::firstShown() const {
    for (int i = 0; i < lstEmployees_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstEmployees_->topLevelItem(i);
        if (!item->isHidden()) return item;
    }
    return nullptr;
}

void EmployeeListWindow::openChosen() {
    const QTreeWidgetItem* item = lstEmployees_->currentItem();
    if (item == nullptr || item->isHidden()) item = firstShown();
    if (item == nullptr) return;
    // Taken before the open, which refreshes this list and so replaces its items.
    const std::string fileName = fromQt(item->data(kName, kFileRole).toString());
    commands_.open(fileName);
}

std::vector<std::string> EmployeeListWindow::shownFiles() const {
    std::vector<std::string> files;
    for (int i = 0; i < lstEmployees_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lstEmployees_->topLevelItem(i);
        if (!item->isHidden()) files.push_back(fromQt(item->text(kFile)));
    }
    return files;
}

void EmployeeListWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}

bool EmployeeListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        openChosen();
        return true;
    }
    if (watched == txtFilter_ && isListKey(key->key())) {
        QApplication::sendEvent(lstEmployees_, event);
        return true;
    }
    if (watched == lstEmployees_ && typesText(*key)) {
        txtFilter_->setFocus(Qt::OtherFocusReason);
        QApplication::sendEvent(txtFilter_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvanta::ui
