#include "bench/open_runs.h"

#include "app/form_create.h"
#include "app/headless_window.h"
#include "xom/open_command.h"
#include "xom/read_file.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace brindle::bench {
namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The least any open can do: read the file into one buffer and find every
// entry tag.
long long Floor(const std::string& file) {
    ByteBlock buffer = ReadWholeFile(file);
    const uint8_t* at = buffer.data();
    const uint8_t* end = buffer.data() + buffer.size() - 1;
    long long tags = 0;
    while (const void* hit = memmem(at, static_cast<size_t>(end - at), "CTNR", 4)) {
        ++tags;
        at = static_cast<const uint8_t*>(hit) + 4;
    }
    return tags;
}

long long Headless(const std::string& file) {
    RunState state;
    HeadlessWindow window;
    FormCreate(state, window);
    window.AnswerNextDialog(file);
    Button1Click(state, window);
    return window.Tree().NodeCount();
}

} // namespace

double PeakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

std::span<const OpenWay> OpenWays() {
    static constexpr std::array ways {
        OpenWay{"floor", "(a) read + memmem every tag (floor)"},
            OpenWay{"headless", "(b) headless open and walk"},
#if defined(BRINDLE_BENCH_QT)
            OpenWay{"qt", "(c) Qt window open, offscreen"},
#endif
    };
    return ways;
}

int RunOpenWay(std::string_view name, const std::string& file, [[maybe_unused]] int argc,
               [[maybe_unused]] char** argv) {
    long long count = 0;
    double ms = 0;
    if (name == "floor" || name == "headless") {
        auto start = Clock::now();
        count = name == "floor" ? Floor(file) : Headless(file);
        ms = MsSince(start);
#if defined(BRINDLE_BENCH_QT)
    } else if (name == "qt") {
        count = OpenInQtWindow(file, argc, argv, ms);
#endif
    } else {
        std::fprintf(stderr, "no such way: %.*s\n", static_cast<int>(name.size()), name.data());
        return 2;
    }
    std::printf("%.3f %.1f %lld\n", ms, PeakMiB(), count);
    return 0;
}

} // namespace brindle::bench
