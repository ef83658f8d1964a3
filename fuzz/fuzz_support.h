#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace corvanta::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// One scratch folder per fuzzing process; in memory when the system offers it, since the
// file-based readers are run millions of times.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path shm = "/dev/shm";
        const auto base =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "corvanta-fuzz-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

inline void clearScratch() {
    for (const auto& entry : std::filesystem::directory_iterator(scratchFolder())) {
        std::filesystem::remove_all(entry.path());
    }
}

inline void writeScratch(const std::string& name, std::string_view content) {
    std::ofstream(scratchFolder() / name, std::ios::binary)
        .write(content.data(), static_cast<std::streamsize>(content.size()));
}

}  // namespace corvanta::fuzz
