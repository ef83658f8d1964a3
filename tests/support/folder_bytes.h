#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace corvanta::testing {

// Every file directly in the folder with its bytes (the folders inside it left out).
inline std::map<std::string, std::string> folderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        files[e.path().filename().string()] = s.str();
    }
    return files;
}

// A copy of the files directly in one folder into another.
inline void copyFolderFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
    for (const auto& [name, bytes] : folderBytes(from)) {
        std::ofstream(to / name, std::ios::binary) << bytes;
    }
}

}  // namespace corvanta::testing
