#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "session/core/payroll_context.h"

namespace corvanta::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvanta-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path_ / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
    void copyFederalTable() const {
        std::filesystem::copy_file(std::filesystem::path(CORVANTA_DATA_DIR) / "Federal08.dtt",
                                   path_ / "Federal08.dtt",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // A context working in this folder without durable writes (tests need no fsync).
    PayrollContext context() const {
        PayrollContext ctx;
        ctx.folder = path_;
        ctx.durableWrites = false;
        return ctx;
    }

  private:
    std::filesystem::path path_;
};

// Joins lines with CR LF and ends the last one.
inline std::string crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace corvanta::testing
