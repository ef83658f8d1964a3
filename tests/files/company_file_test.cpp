#include "session/company/company_file.h"

#include <gtest/gtest.h>

#include "session/company/company_checks.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

Company desMoines() {
    Company c;
    c.name = "Prairie Feed, Inc.";
    c.street = "400 Locust St";
    c.city = "Des Moines";
    c.stateCode = "ia";
    c.zip = "50309";
    c.ein = "421234567";
    c.stateEmployerId = "IA-778";
    c.homeStateMethod = StateMethodId::Iowa;
    c.localTax = CompanyLocalTax::None;
    c.deposits = DepositSchedule::SemiWeekly;
    c.contact = {"Ann \"Bee\" Lee", "515-555-0100", "ann@prairie.example"};
    return c;
}

TEST(CompanyFile, SavedCompanyReadsBackAsStoredAndGivesTheHeading) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    const Company stored = saveCompany(ctx, desMoines());
    EXPECT_EQ(stored.stateCode, "IA");
    EXPECT_EQ(stored.ein, "42-1234567");
    const auto back = readCompany(dir.path());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "Prairie Feed, Inc.");
    EXPECT_EQ(back->contact.name, "Ann 'Bee' Lee");
    EXPECT_EQ(back->homeStateMethod, StateMethodId::Iowa);
    EXPECT_EQ(back->deposits, DepositSchedule::SemiWeekly);
    EXPECT_EQ(back->nextCheckNumber, 1001);
    EXPECT_EQ(dir.read("Company.sav"),
              "\"Prairie Feed, Inc.\",\"400 Locust St\",\"Des Moines\",\"IA\",\"50309\","
              "\"42-1234567\",\"IA-778\"\r\n\"Iowa\",\"none\",\"semiweekly\",1001\r\n"
              "\"Ann 'Bee' Lee\",\"515-555-0100\",\"ann@prairie.example\"\r\n");
    // The heading file says the same, for any reader that knows only it.
    EXPECT_EQ(dir.read("Header.sav"),
              "\"Prairie Feed, Inc.\",\"400 Locust St\",\"Des Moines, IA 50309\",\"42-1234567\""
              "\r\n");
}

TEST(CompanyFile, TheHeadingIsTheCompanysEvenWhenTheHeadingFileSaysOtherwise) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    saveCompany(ctx, desMoines());
    dir.write("Header.sav", "\"Old\",\"Heading\",\"Zip\",\"Id\"\r\n");
    PayrollContext other = dir.context();
    ReadHeading(other);
    EXPECT_EQ(other.heading.HeadingCompany, "Prairie Feed, Inc.");
    EXPECT_EQ(other.heading.HeadingZip, "Des Moines, IA 50309");
    EXPECT_EQ(other.heading.HeadingId, "42-1234567");
}

TEST(CompanyFile, AFolderWithoutACompanyKeepsItsHeadingFile) {
    TempFolder dir;
    dir.write("Header.sav", "\"Acme\",\"1 Main\",\"Town\",\"7\"\r\n");
    PayrollContext ctx = dir.context();
    ReadHeading(ctx);
    EXPECT_EQ(ctx.heading.HeadingCompany, "Acme");
    EXPECT_FALSE(readCompany(dir.path()));
    SaveHeader(ctx);
    EXPECT_FALSE(dir.exists("Company.sav"));
}

TEST(CompanyFile, TheHeadingDialogEditsTheCompany) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    saveCompany(ctx, desMoines());
    ctx.heading = {"Prairie Feed & Seed", "1 Grand Ave", "Ames, IA 50010-1234", "42-7654321"};
    SaveHeader(ctx);
    const auto back = readCompany(dir.path());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "Prairie Feed & Seed");
    EXPECT_EQ(back->city, "Ames");
    EXPECT_EQ(back->zip, "50010-1234");
    EXPECT_EQ(back->ein, "42-7654321");
    EXPECT_EQ(back->stateEmployerId, "IA-778");  // what the heading does not show stays

    const std::string before = dir.read("Company.sav");
    ctx.heading.HeadingZip = "Ames Iowa";
    EXPECT_THROW(SaveHeader(ctx), CompanyFieldError);
    ctx.heading.HeadingZip = "Ames, XX 50010";
    EXPECT_THROW(SaveHeader(ctx), CompanyFieldError);
    EXPECT_EQ(dir.read("Company.sav"), before);
}

struct Refusal {
    const char* label;
    void (*spoil)(Company&);
    const char* field;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.label; }

class CompanyRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CompanyRefusal, IsNamedAndNothingIsWritten) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    saveCompany(ctx, desMoines());
    const std::string before = dir.read("Company.sav");
    Company bad = desMoines();
    GetParam().spoil(bad);
    try {
        saveCompany(ctx, bad);
        FAIL() << "saved";
    } catch (const CompanyFieldError& e) {
        EXPECT_EQ(e.field(), GetParam().field);
        EXPECT_EQ(std::string(e.what()).rfind(GetParam().field, 0), 0U) << e.what();
    }
    EXPECT_EQ(dir.read("Company.sav"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CompanyRefusal,
    ::testing::Values(
        Refusal{"ZipOfFourDigits", [](Company& c) { c.zip = "5030"; }, kZipField},
        Refusal{"ZipOfSixDigits", [](Company& c) { c.zip = "503091"; }, kZipField},
        Refusal{"ZipWithLetters", [](Company& c) { c.zip = "5030A"; }, kZipField},
        Refusal{"ZipDashedWrongly", [](Company& c) { c.zip = "5030-91234"; }, kZipField},
        Refusal{"EinOfEightDigits", [](Company& c) { c.ein = "42-123456"; }, kEinField},
        Refusal{"EinOfTenDigits", [](Company& c) { c.ein = "4212345678"; }, kEinField},
        Refusal{"EinWithLetters", [](Company& c) { c.ein = "42-12345X7"; }, kEinField},
        Refusal{"StateNotAState", [](Company& c) { c.stateCode = "XX"; }, kStateField},
        Refusal{"StateATerritory", [](Company& c) { c.stateCode = "PR"; }, kStateField},
        Refusal{"StateSpelledOut", [](Company& c) { c.stateCode = "Iowa"; }, kStateField},
        Refusal{"NoName", [](Company& c) { c.name = "  "; }, kCompanyNameField},
        Refusal{"NoStreet", [](Company& c) { c.street = ""; }, kStreetField},
        Refusal{"NoCity", [](Company& c) { c.city = ""; }, kCityField},
        Refusal{"EmailWithoutAt", [](Company& c) { c.contact.email = "ann"; }, kContactEmailField},
        // Characters the single-byte files cannot hold, refused by the field that holds them.
        Refusal{"NameWithAEuroSign", [](Company& c) { c.name = "Feed \u20ac Seed"; },
                kCompanyNameField},
        Refusal{"StreetWithAnArrow", [](Company& c) { c.street = "12 Grand \u2192 Ave"; },
                kStreetField},
        Refusal{"CityInPolish", [](Company& c) { c.city = "\u0141\u00f3d\u017a"; }, kCityField},
        Refusal{"ContactWithAnEmoji", [](Company& c) { c.contact.name = "Ann \U0001F600"; },
                kContactNameField},
        Refusal{"StateIdWithABadByte", [](Company& c) { c.stateEmployerId = "12\xff"; },
                kStateIdField}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(CompanyChecks, AcceptedFormsAreStoredPlainly) {
    EXPECT_EQ(checkedZip(" 50309 "), "50309");
    EXPECT_EQ(checkedZip("503091234"), "503091234");
    EXPECT_EQ(checkedZip("50309-1234"), "50309-1234");
    EXPECT_EQ(checkedEin("42-1234567"), "42-1234567");
    EXPECT_EQ(checkedStateCode("dc"), "DC");
    EXPECT_EQ(parseHomeState("north carolina"), StateMethodId::NC);
    EXPECT_EQ(parseHomeState("TABLE"), std::nullopt);
    EXPECT_THROW(parseHomeState("Texas"), CompanyFieldError);
    EXPECT_EQ(parseLocalTax("nyc"), CompanyLocalTax::NewYorkCity);
    EXPECT_THROW(parseDeposits("weekly"), CompanyFieldError);
}

TEST(CompanyFile, ADamagedFileIsReportedByName) {
    TempFolder dir;
    dir.write("Company.sav",
              "\"A\",\"B\",\"C\",\"IA\",\"50309\",\"42-1234567\",\"\"\r\n"
              "\"Texas\",\"none\",\"monthly\",1001\r\n\"\",\"\",\"\"\r\n");
    try {
        readCompany(dir.path());
        FAIL() << "read";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), "Company.sav");
    }
    dir.write("Company.sav", "\"A\",\"B\"\r\n");
    EXPECT_THROW(readCompany(dir.path()), FileError);
    PayrollContext ctx = dir.context();
    ctx.heading.HeadingId = "kept";
    EXPECT_THROW(ReadHeading(ctx), FileError);
    EXPECT_EQ(ctx.heading.HeadingId, "kept");
}

}  // namespace
}  // namespace corvanta
