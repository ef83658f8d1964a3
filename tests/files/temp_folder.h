#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "core/payroll_context.h"

namespace corvanta::testing_support {

// A fresh folder under the system temp folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("corvanta-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

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

    // The federal table beside the employee files, as a calculation needs it.
    void addFederalTable() const {
        std::filesystem::copy_file(std::filesystem::path(CORVANTA_DATA_DIR) / "Federal08.dtt",
                                   path_ / "Federal08.dtt");
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

}  // namespace corvanta::testing_support
