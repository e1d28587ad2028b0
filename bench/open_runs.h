#pragma once
// The ways of opening a container that the open benchmark compares. Each
// runs once in a child process and prints "milliseconds peakMiB count".

#include <span>
#include <string>
#include <string_view>

namespace brindle::bench {

struct OpenWay {
    std::string_view name;  // as given to --child
    std::string_view label; // as printed
};

std::span<const OpenWay> OpenWays();
int RunOpenWay(std::string_view name, const std::string& file, int argc, char** argv);

// The process's peak resident memory so far.
double PeakMiB();

#if defined(BRINDLE_BENCH_QT)
// Opens file in the Qt window offscreen; returns the nodes listed.
long long OpenInQtWindow(const std::string& file, int argc, char** argv, double& ms);
#endif

} // namespace brindle::bench
