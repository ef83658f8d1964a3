#include "payrun/hours_csv.h"

#include <csv.h>

#include <map>
#include <sstream>

#include "base/core/user_error.h"
#include "base/files/record_format.h"

namespace corvanta {
namespace {

struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

struct Collector {
    int line = 0;
    Record current;
    std::vector<Record> records;
};

void onField(void* text, std::size_t length, void* data) {
    auto* c = static_cast<Collector*>(data);
    if (c->current.fields.empty()) c->current.line = c->line;
    c->current.fields.emplace_back(static_cast<const char*>(text), length);
}

void onRecord(int, void* data) {
    auto* c = static_cast<Collector*>(data);
    c->records.push_back(std::move(c->current));
    c->current = Record{};
}

std::vector<Record> parseRecords(const std::string& content, const std::string& fileName) {
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    Collector c;
    std::istringstream in(content);
    std::string line;
    bool failed = false;
    // Line by line, so every row is reported with the line it is on.
    while (!failed && std::getline(in, line)) {
        ++c.line;
        if (!in.eof()) line += '\n';
        failed = csv_parse(&parser, line.data(), line.size(), onField, onRecord, &c) != line.size();
    }
    failed = failed || csv_fini(&parser, onField, onRecord, &c) != 0;
    const std::string reason = csv_strerror(csv_error(&parser));
    csv_free(&parser);
    if (failed) {
        throw UserError("The hours sheet " + fileName + " cannot be read at line " +
                        std::to_string(c.line) + ": " + reason);
    }
    return c.records;
}

// Where each known column is in the heading.
// "The hours sheet F has WHAT "NAME"REST".
std::string columnProblem(const std::string& fileName, const char* what, const std::string& name,
                          const char* rest) {
    std::string text = "The hours sheet ";
    text += fileName;
    text += " has ";
    text += what;
    text += " \"";
    text += name;
    text += "\"";
    text += rest;
    return text;
}

std::map<std::string, std::size_t> headingColumns(const Record& heading,
                                                  const std::string& fileName) {
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < heading.fields.size(); ++i) {
        const std::string& name = heading.fields[i];
        bool known = name == "employee" || name == "2x";
        for (const char* box : kHoursColumns) known = known || name == box;
        if (!known)
            throw UserError(columnProblem(fileName, "an unknown column", name, " in its heading."));
        if (!columns.emplace(name, i).second) {
            throw UserError(columnProblem(fileName, "the column", name, " twice."));
        }
    }
    if (columns.count("employee") == 0) {
        throw UserError("The hours sheet " + fileName + " has no \"employee\" column.");
    }
    return columns;
}

}  // namespace

std::vector<HoursRow> readHoursSheet(const std::string& content, const std::string& fileName) {
    // Spreadsheets saving "CSV UTF-8" start the file with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string_view text = std::string_view(content).starts_with(kByteOrderMark)
                                      ? std::string_view(content).substr(kByteOrderMark.size())
                                      : std::string_view(content);
    const std::vector<Record> records = parseRecords(std::string(text), fileName);
    if (records.empty()) throw UserError("The hours sheet " + fileName + " has no heading row.");
    const auto columns = headingColumns(records.front(), fileName);
    const auto cell = [&columns](const Record& r, const std::string& name) {
        const auto it = columns.find(name);
        return it == columns.end() || it->second >= r.fields.size() ? std::string()
                                                                    : r.fields[it->second];
    };
    std::vector<HoursRow> rows;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& r = records[i];
        HoursRow row;
        row.line = r.line;
        row.employee = cell(r, "employee");
        for (int b = 0; b < kEntryBoxes; ++b) row.boxes[b] = cell(r, kHoursColumns[b]);
        row.twoX = cell(r, "2x");
        const std::size_t columnCount = records.front().fields.size();
        row.extraCells = r.fields.size() > columnCount ? r.fields.size() - columnCount : 0;
        // The boxes' texts are the employee's entries: refused as typed, never changed.
        for (const auto& [column, index] : columns) {
            if (column == "employee" || index >= r.fields.size()) continue;
            if (const auto character = unstorableCharacter(r.fields[index])) {
                std::string field = "hours sheet " + fileName;
                field.append(", line ").append(std::to_string(r.line));
                field.append(", column \"").append(column).append("\",");
                throw UnstorableTextError(field, *character);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

namespace {

void appendCell(std::string& line, const std::string& cell) {
    if (!line.empty() && line.back() != '\n') line += ',';
    // Quoted, a cell may hold anything; its quotes are doubled.
    std::string quoted(2 * cell.size() + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), cell.data(), cell.size()));
    line += quoted;
}

}  // namespace

std::string writeHoursSheet(const std::vector<HoursRow>& rows) {
    std::string sheet;
    appendCell(sheet, "employee");
    for (const char* column : kHoursColumns) appendCell(sheet, column);
    appendCell(sheet, "2x");
    sheet += "\r\n";
    for (const HoursRow& row : rows) {
        appendCell(sheet, row.employee);
        for (const std::string& box : row.boxes) appendCell(sheet, box);
        appendCell(sheet, row.twoX);
        sheet += "\r\n";
    }
    return sheet;
}

}  // namespace corvanta
