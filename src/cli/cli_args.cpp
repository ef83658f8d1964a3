#include "cli/cli_args.h"

#include <ctime>

namespace corvanta {

CliArgs::CliArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                 const std::set<std::string>& switches) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (valued.count(a) != 0) {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            values_[a] = args[++i];
        } else if (switches.count(a) != 0) {
            switches_.insert(a);
        } else {
            throw UsageError("unknown option " + a);
        }
    }
}

std::optional<std::string> CliArgs::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
           std::to_string(local.tm_year + 1900);
}

}  // namespace corvanta
