#include "session/local/local_files.h"

#include "base/files/file_access.h"
#include "base/files/file_io.h"
#include "session/files/settings_file.h"

namespace corvanta {
namespace {

// Reads one table file; a damaged file is reported with the corrupted-file message.
template <typename Parse>
bool readTableFile(const PayrollContext& ctx, const std::string& extension, Parse parse) {
    const auto path = ctx.employeeFile(extension);
    if (!readableFileExists(path)) return false;
    const std::string name = ctx.UserFileBase + extension;
    try {
        const auto content = readFileIfExists(path);
        if (!content) return false;
        parse(*content, name);
    } catch (const FileError& e) {
        throw UserError(corruptedFileMessage(name) + "\r\n\r\n" + e.what());
    }
    return true;
}

}  // namespace

void ReadCityFile(PayrollContext& ctx) {
    const bool read =
        readTableFile(ctx, ".cti", [&](std::string_view content, const std::string& name) {
            parseCityFile(content, name, ctx.city);
        });
    if (!read) return;
    showCityTable(ctx.city, ctx.cityDialog);
    if (ctx.city.NoLocalTax != 0) clearCityBoxes(ctx.cityDialog);
}

void loadCityDialog(PayrollContext& ctx) {
    ctx.cityDialog = CityDialogModel{};
    ReadCityFile(ctx);
    captureCityDialog(ctx.cityDialog, ctx.city);
    ctx.loaded.cityDialog = true;
}

void prepareCityDialog(PayrollContext& ctx) {
    ctx.cityDialog = CityDialogModel{};
    showCityTable(ctx.city, ctx.cityDialog);
    if (ctx.city.NoLocalTax != 0) clearCityBoxes(ctx.cityDialog);
    captureCityDialog(ctx.cityDialog, ctx.city);
    ctx.loaded.cityDialog = true;
}

void WriteCityFile(PayrollContext& ctx) {
    writeSettingsFile(ctx, ".cti", formatCityFile(ctx.city));
}

void ReadNonCityFile(PayrollContext& ctx) {
    const bool read =
        readTableFile(ctx, ".nci", [&](std::string_view content, const std::string& name) {
            parseNonCityFile(content, name, ctx.nonCity);
        });
    if (read) showNonCityTable(ctx.nonCity, ctx.nonCityDialog);
}

void WriteNonCityFile(PayrollContext& ctx) {
    writeSettingsFile(ctx, ".nci", formatNonCityFile(ctx.nonCity));
}

void loadNonCityDialog(PayrollContext& ctx) {
    ctx.nonCityDialog = NonCityDialogModel{};
    ReadNonCityFile(ctx);
    captureNonCityDialog(ctx.nonCityDialog, ctx.nonCity);
    ctx.loaded.nonCityDialog = true;
}

void saveCityDialog(PayrollContext& ctx) {
    captureCityDialog(ctx.cityDialog, ctx.city);
    WriteCityFile(ctx);
    ctx.loaded.cityDialog = false;
}

void saveNonCityDialog(PayrollContext& ctx) {
    captureNonCityDialog(ctx.nonCityDialog, ctx.nonCity);
    WriteNonCityFile(ctx);
    ctx.loaded.nonCityDialog = false;
}

}  // namespace corvanta
