#include "session/files/print_heading.h"

#include <algorithm>

#include "base/files/file_access.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "base/files/record_format.h"
#include "session/company/company_file.h"
#include "session/core/payroll_context.h"

namespace corvanta {
namespace {

std::string storable(std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

void placeholder(std::string& field, const char* text) {
    if (field.empty()) field = text;
}

}  // namespace

std::string formatHeadingFile(const PrintHeading& h) {
    RecordWriter out;
    out.text(storable(h.HeadingCompany)).text(storable(h.HeadingAddress));
    out.text(storable(h.HeadingZip)).text(storable(h.HeadingId)).endLine();
    return out.content();
}

PrintHeading parseHeadingFile(std::string_view content, const std::string& fileName) {
    RecordReader in(content, fileName);
    PrintHeading h;
    h.HeadingCompany = in.readText();
    h.HeadingAddress = in.readText();
    h.HeadingZip = in.readText();
    h.HeadingId = in.readText();
    return h;
}

void ReadHeading(PayrollContext& ctx) {
    // The company, where the folder has one, is the heading: the two never disagree.
    if (const auto company = readCompany(ctx.folder)) {
        ctx.heading = companyHeading(*company);
        return;
    }
    const auto path = ctx.folder / kHeadingFile;
    if (!readableFileExists(path)) return;
    const auto content = readFileIfExists(path);
    if (content) ctx.heading = parseHeadingFile(*content, kHeadingFile);
}

void SaveHeader(PayrollContext& ctx) {
    if (const auto company = readCompany(ctx.folder)) {
        saveCompany(ctx, companyFromHeading(*company, ctx.heading));
        return;
    }
    // Made before the lock: a text the file cannot hold refuses the save with nothing taken.
    const std::string content = formatHeadingFile(ctx.heading);
    withFolderLock(ctx.folder, [&] {
        writeFileAtomically(ctx.folder / kHeadingFile, content, ctx.durableWrites);
    });
}

void loadHeadingDialog(PayrollContext& ctx) {
    ReadHeading(ctx);
    PrintHeading& h = ctx.heading;
    placeholder(h.HeadingCompany, "Company");
    placeholder(h.HeadingAddress, "Address");
    placeholder(h.HeadingZip, "Zip Code");
    placeholder(h.HeadingId, "ID Number");
}

}  // namespace corvanta
