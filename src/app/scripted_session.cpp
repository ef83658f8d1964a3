#include "app/scripted_session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <fstream>
#include <string>
#include <utility>

#include "app/window_steps.h"
#include "session/files/open_employee.h"
#include "ui/calculator_window.h"

namespace corvanta::app {
namespace {

// Answers every modal window as soon as it shows: Yes or OK on a message box, accept on any
// other dialog (the pickers, the employee dialog).
class ModalAnswerer {
  public:
    ModalAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [] { answerActiveModal(); });
        timer_.start(30);
    }

  private:
    static void answerActiveModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* button = box->button(QMessageBox::Yes);
            if (button == nullptr) button = box->button(QMessageBox::Ok);
            if (button != nullptr) button->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->accept();
        }
    }
    QTimer timer_;
};

// The file commands' answers: the new employee's name, Yes to every question; the save window
// saves a named employee and lets the unnamed default group go.
class SessionAnswers : public SessionPrompts {
  public:
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return std::string("Session Check");
    }
    SaveWindowAnswer showSaveWindow(const std::string& name) override {
        return {name.empty() ? SaveChoice::No : SaveChoice::Save, name};
    }
    std::optional<std::filesystem::path> chooseFile(const std::string&) override {
        return std::nullopt;
    }
    void showMessage(const UserMessage& message) override {
        std::printf("  message: %s\n", message.text.c_str());
    }
};

// The process's peak resident memory as the kernel reports it ("VmHWM").
std::string peakMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return line.substr(line.find_first_not_of(" \t", 6));
    }
    return "unknown";
}

class ScriptedSession {
  public:
    ScriptedSession(PayrollContext& ctx, QString dir)
        : dir_(std::move(dir)), form_(ctx, std::make_unique<SessionAnswers>()) {
        ui::DesktopServices& desktop = form_.desktop();
        desktop.choosePrinter = [this](QWidget*, const QString&) { return pdfPrinter(); };
        desktop.chooseWorkbookFile = [this](QWidget*, const QString&) {
            return dir_ + "/ledger.xlsx";
        };
        desktop.openDocument = [](const QString&) { return true; };
    }

    int run() {
        form_.show();
        settle();
        step("new employee", [&] { form_.newEmployee(); });
        step("calculate", [&] {
            type("txtAmount0", "40");
            type("txtAmount3", "2.5");
            form_.calculate();
        });
        for (const char* name : {"mnuTaxInfoItem", "mnuState", "mnuCity", "mnuNonCity", "mnuHeader",
                                 "mnuVac", "mnuOtItem", "mnuChecks"}) {
            step(name, [&] { trigger(&form_, name); });
        }
        step("pay date picker", [&] { leftClick(form_.findChild<QLineEdit*>("txtWeek")); });
        step("ledger", [&] { ledger(); });
        step("check with offsets", [&] {
            trigger(&form_, "mnuChecks");
            QWidget* checks = shownWindow("frmChecks");
            if (checks != nullptr) trigger(checks, "mnuPrintCheck");
            pushButton(shownWindow("dlgPrintSet"), "OKButton");
        });
        step("overtime sheet", [&] {
            trigger(&form_, "mnuOtItem");
            pushButton(shownWindow("Form2"), "cmdADD");
            pushButton(shownWindow("Form2"), "cmdClose");
        });
        step("leave dialog", [&] {
            trigger(&form_, "mnuVac");
            pushButton(shownWindow("DialogVac"), "OKButton");
        });
        step("stub", [&] { trigger(&form_, "mnuPrintSheetItem"); });
        step("window picture", [&] { trigger(&form_, "mnuPrintItem"); });
        step("save", [&] { form_.saveEmployee(); });
        step("exit", [&] { form_.close(); });
        return finish();
    }

  private:
    void ledger() {
        trigger(&form_, "mnuYear");
        QWidget* frame = shownWindow("MDIForm1");
        if (frame == nullptr) return;
        for (const char* row : {"Label20", "Label21"}) {
            auto* label = frame->findChild<QWidget*>(row);
            if (label != nullptr) leftClick(label);
        }
        for (const char* name : {"mnuAdd", "mnuExcel", "mnuPrint", "mnuClose"}) {
            trigger(frame, name);
        }
    }

    std::unique_ptr<QPrinter> pdfPrinter() {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString("%1/print-%2.pdf").arg(dir_).arg(++printouts_));
        return printer;
    }

    template <typename Action>
    void step(const char* name, Action action) {
        std::printf("%s\n", name);
        std::fflush(stdout);
        action();
        settle();
    }

    static void settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    void trigger(QWidget* owner, const char* name) {
        if (!triggerAction(owner, name)) missing(name);
    }

    void pushButton(QWidget* owner, const char* name) {
        auto* button = owner != nullptr ? owner->findChild<QPushButton*>(name) : nullptr;
        if (button == nullptr) {
            missing(name);
            return;
        }
        button->click();
    }

    void type(const char* box, const char* text) {
        auto* edit = form_.findChild<QLineEdit*>(box);
        if (edit == nullptr) return missing(box);
        edit->setText(text);
    }

    void missing(const char* name) {
        std::printf("  missing: %s\n", name);
        ++problems_;
    }

    int finish() {
        const QStringList expected{"print-1.pdf",      "print-2.pdf", "print-3.pdf",
                                   "print-4.pdf",      "ledger.xlsx", "Session Check.use",
                                   "Session Check.yrw"};
        for (const QString& file : expected) {
            if (!QFileInfo::exists(dir_ + "/" + file)) {
                std::printf("  not written: %s\n", qPrintable(file));
                ++problems_;
            }
        }
        std::printf("peak memory: %s\n", peakMemory().c_str());
        std::printf("%s\n", problems_ == 0 ? "session complete" : "session had problems");
        return problems_ == 0 ? 0 : 1;
    }

    QString dir_;
    ModalAnswerer answerer_;
    ui::CalculatorForm form_;
    int printouts_ = 0;
    int problems_ = 0;
};

}  // namespace

int runScriptedSession(PayrollContext& ctx, const QString& dir) {
    ctx.folder = dir.toStdString();
    startWithDefaultGroup(ctx);
    ScriptedSession session(ctx, dir);
    return session.run();
}

}  // namespace corvanta::app
