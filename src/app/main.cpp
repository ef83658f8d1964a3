#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "app/guarded_application.h"
#include "app/launch_options.h"
#include "app/screenshots.h"
#include "app/scripted_session.h"
#include "base/core/user_error.h"
#include "session/core/payroll_context.h"
#include "session/files/open_employee.h"
#include "session/files/working_folder.h"
#include "tax/core/federal_table.h"
#include "ui/calculator_window.h"
#include "ui/company_dialog.h"
#include "ui/installed_files.h"
#include "ui/message_box.h"

namespace {

// Readies the working folder and makes it the current one; false (after telling the clerk)
// when it cannot be used.
bool enterWorkingFolder(corvanta::PayrollContext& ctx, const QString& folder) {
    using corvanta::ui::fromQt;
    const std::filesystem::path path = fromQt(folder);
    try {
        corvanta::prepareWorkingFolder(
            path, fromQt(corvanta::ui::installedDataFolder()) + "/" + corvanta::kFederalTableFile);
    } catch (const corvanta::UserError& e) {
        corvanta::ui::showUserError(nullptr, e);
        return false;
    }
    QDir::setCurrent(folder);
    ctx.folder = path;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    // Read before the application object, which needs a display.
    const auto parsed =
        corvanta::app::parseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* done = std::get_if<corvanta::app::LaunchExit>(&parsed)) {
        std::fputs(done->out.c_str(), stdout);
        std::fputs(done->err.c_str(), stderr);
        return done->code;
    }
    const auto& options = *std::get_if<corvanta::app::LaunchOptions>(&parsed);
    corvanta::app::GuardedApplication app(argc, argv);
    QApplication::setApplicationName("Corvanta 2008");
    QApplication::setDesktopFileName(corvanta::ui::kDesktopAppId);
    QApplication::setWindowIcon(QIcon(corvanta::ui::installedIconFile()));
    corvanta::PayrollContext ctx;
    if (!options.screenshotDir.isEmpty()) {
        return corvanta::app::takeScreenshots(ctx, options.screenshotDir);
    }
    if (!options.sessionDir.isEmpty()) {
        return corvanta::app::runScriptedSession(ctx, options.sessionDir);
    }
    if (!enterWorkingFolder(ctx, corvanta::app::workingFolder(options))) return 1;
    ctx.showMessage = [](const corvanta::UserMessage& m) {
        corvanta::ui::showUserMessage(nullptr, m);
    };
    corvanta::startWithDefaultGroup(ctx);
    corvanta::ui::CalculatorForm form(ctx);
    form.show();
    // The clerk starts by choosing whom to pay; an empty folder starts at the calculator.
    form.listEmployeesAtStart();
    // A folder without its employer asks for it once the window is up; it may be skipped.
    if (!options.startupTime) {
        QTimer::singleShot(0, &form, [&] { corvanta::ui::askForCompanyIfMissing(ctx, &form); });
    }
    if (options.startupTime) {
        // Reported once the first frame has been handled, then the program ends unasked.
        QTimer::singleShot(0, [&] {
            std::printf("shown after %lld ms from main(), %.0f ms from process start\n",
                        static_cast<long long>(sinceMain.elapsed()),
                        corvanta::app::msSinceProcessStart());
            std::fflush(stdout);
            std::_Exit(0);
        });
    }
    return QApplication::exec();
}
