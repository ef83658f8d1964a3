// One version and one maker everywhere the program names itself: the printouts' notice, the
// messages, corvanta-cli --version, the package and the software-centre metadata all say what
// the build defines once.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "base/core/program_info.h"
#include "records/print/program_notice.h"
#include "support/cli_runner.h"
#include "tax/core/federal_table.h"

namespace corvanta {
namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ProgramIdentity, ThePrintoutsNoticeCarriesTheVersionAndTheMaker) {
    EXPECT_EQ(versionText(), kProgramVersion);
    const std::string notice = noticeLine();
    EXPECT_NE(notice.find(std::string("Version  ") + kProgramVersion), std::string::npos) << notice;
    EXPECT_NE(notice.find(kMakerNameCaps), std::string::npos) << notice;
    EXPECT_NE(notice.find(kMakerWeb), std::string::npos) << notice;
}

TEST(ProgramIdentity, TheDamagedTableMessageNamesTheMakersAddress) {
    const std::string message = federalTableMissingMessage();
    EXPECT_NE(message.find(kMakerNameCaps), std::string::npos) << message;
    EXPECT_NE(message.find(kMakerEmail), std::string::npos) << message;
}

TEST(ProgramIdentity, TheCommandLineReportsTheVersion) {
    const auto r = testing::runCli({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string("corvanta-cli ") + kProgramVersion + "\n");
}

TEST(ProgramIdentity, ThePackageHasTheVersionAndTheMaker) {
    const std::string config = fileText(CORVANTA_CPACK_CONFIG);
    ASSERT_FALSE(config.empty()) << CORVANTA_CPACK_CONFIG;
    EXPECT_NE(config.find(std::string("set(CPACK_PACKAGE_VERSION \"") + kProgramVersion + "\")"),
              std::string::npos);
    EXPECT_NE(config.find(std::string("set(CPACK_PACKAGE_CONTACT \"") + kMakerName + " <" +
                          kMakerEmail + ">\")"),
              std::string::npos);
}

// The package's description as Debian shows it: a summary, then lines of at most 80 columns,
// with nothing of the build's list separators in them.
TEST(ProgramIdentity, ThePackageDescriptionIsOneTextOfShortLines) {
    const std::string config = fileText(CORVANTA_CPACK_CONFIG);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        config, m, std::regex(R"re(set\(CPACK_DEBIAN_PACKAGE_DESCRIPTION "([^"]*)"\))re")));
    const std::string description = m[1];
    EXPECT_EQ(description.find(';'), std::string::npos) << description;
    std::istringstream lines(description);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size() + 1, 80U) << line;  // Debian indents each line by one column
    }
}

TEST(ProgramIdentity, TheMetadataHasTheVersionTheMakerAndNoLinkToASiteThatIsNotThere) {
    const std::string metainfo = fileText(CORVANTA_METAINFO);
    ASSERT_FALSE(metainfo.empty()) << CORVANTA_METAINFO;
    EXPECT_NE(metainfo.find(std::string("<release version=\"") + kProgramVersion + "\""),
              std::string::npos);
    EXPECT_NE(metainfo.find(std::string(">") + kMakerName + "<"), std::string::npos);
    // The maker has no web site to show screenshots from or to send anyone to.
    EXPECT_FALSE(std::regex_search(metainfo, std::regex("https?://")));
}

}  // namespace
}  // namespace corvanta
