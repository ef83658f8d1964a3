#include "ui/print_file_name.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include "records/core/employee_profile.h"
#include "ui/message_box.h"

namespace corvanta::ui {
namespace {

// The employee's name as the check shows it; the file base name while the profile still
// holds the placeholder.
QString employeeName(const PayrollContext& ctx) {
    QString name = toQt(ctx.profile.EmployeeName).trimmed();
    if (!name.isEmpty() && ctx.profile.EmployeeName != EmployeeProfile{}.EmployeeName) return name;
    return toQt(ctx.UserFileBase).trimmed();
}

// A date "2/8/2008" as "2-8-2008"; nothing a file name cannot hold.
QString fileNamePart(QString text) {
    static const QRegularExpression unsafe(R"([/\\:*?"<>|\x00-\x1f])");
    text.replace('/', '-');
    return text.remove(unsafe).trimmed();
}

}  // namespace

QString proposedPdf(const PayrollContext& ctx, const QString& printout) {
    QStringList parts;
    for (const QString& part :
         {fileNamePart(employeeName(ctx)), printout, fileNamePart(toQt(ctx.window.txtWeek))}) {
        if (!part.isEmpty()) parts.append(part);
    }
    return QDir(toQt(ctx.folder.string())).absoluteFilePath(parts.join(' ') + ".pdf");
}

}  // namespace corvanta::ui
