#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace corvanta::testing {

// Everything under the folder, folders inside it and links too, by path: a file's bytes, a
// link's target, "<folder>" for a folder. Two equal snapshots mean nothing was changed.
inline std::map<std::string, std::string> treeBytes(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> tree;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string key = fs::relative(e.path(), root).string();
        if (e.is_symlink()) {
            tree[key] = "-> " + fs::read_symlink(e.path()).string();
        } else if (e.is_directory()) {
            tree[key] = "<folder>";
        } else {
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream s;
            s << in.rdbuf();
            tree[key] = s.str();
        }
    }
    return tree;
}

}  // namespace corvanta::testing
