#pragma once
// Runs brindle-cli in-process and keeps what it printed.

#include "cli/commands.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace brindle::cli {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& words) {
    std::vector<std::string_view> args(words.begin(), words.end());
    std::ostringstream out;
    std::ostringstream err;
    int status = Main(args, Streams{out, err});
    return CliResult{status, out.str(), err.str()};
}

} // namespace brindle::cli
