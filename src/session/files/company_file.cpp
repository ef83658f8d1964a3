#include "session/files/company_file.h"

#include "base/files/file_io.h"
#include "base/files/record_format.h"

namespace corvanta {
namespace {

template <typename Enum>
Enum enumOf(RecordReader& in, int count, const char* what) {
    const int value = in.readInteger();
    if (value < 0 || value >= count) {
        throw FileError("The file " + in.fileName() + " holds " + std::to_string(value) +
                            " as the " + what + ", which is none of the choices.",
                        in.fileName());
    }
    return static_cast<Enum>(value);
}

}  // namespace

Company readCompany(const std::filesystem::path& folder) {
    const auto content = readFileIfExists(folder / kCompanyFile);
    Company c;
    if (!content) return c;
    RecordReader in(latin1ToUtf8(*content), kCompanyFile);
    c.name = in.readText();
    c.street = in.readText();
    c.city = in.readText();
    c.stateCode = in.readText();
    c.zip = in.readText();
    c.ein = in.readText();
    c.stateEmployerId = in.readText();
    const int method = in.readInteger();
    if (method >= 0 && method < kStateMethodCount) {
        c.homeStateMethod = static_cast<StateMethodId>(method);
    }
    c.localTax = enumOf<CompanyLocalTax>(in, 3, "local tax");
    c.deposits = enumOf<DepositSchedule>(in, 2, "deposit schedule");
    c.contact.name = in.readText();
    c.contact.phone = in.readText();
    c.contact.email = in.readText();
    c.nextCheckNumber = static_cast<std::int64_t>(in.readDouble());
    return c;
}

void writeCompany(const std::filesystem::path& folder, const Company& c) {
    RecordWriter out;
    for (const std::string* text :
         {&c.name, &c.street, &c.city, &c.stateCode, &c.zip, &c.ein, &c.stateEmployerId}) {
        out.text(utf8ToLatin1(*text)).endLine();
    }
    out.integer(c.homeStateMethod ? static_cast<long>(*c.homeStateMethod) : -1).endLine();
    out.integer(static_cast<long>(c.localTax)).endLine();
    out.integer(static_cast<long>(c.deposits)).endLine();
    for (const std::string* text : {&c.contact.name, &c.contact.phone, &c.contact.email}) {
        out.text(utf8ToLatin1(*text)).endLine();
    }
    out.dbl(static_cast<double>(c.nextCheckNumber)).endLine();
    writeFileAtomically(folder / kCompanyFile, out.content());
}

}  // namespace corvanta
