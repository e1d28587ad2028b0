// Opening a big container: the floor (one read into one buffer and a memmem
// pass over every "CTNR"), the headless open and walk, and the Qt window's
// open of the same file offscreen with its tree and grid. Each run happens in
// a child process of its own, so its peak memory is its own.
//
//   brindle-bench-open [--runs N] [--file PATH] [--mib M] [--entries K]

#include "bench/big_container.h"
#include "bench/open_runs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brindle::bench {
namespace {

struct Options {
    int runs = 5;
    std::filesystem::path file;
    BigContainerShape shape;
};

struct Sample {
    double ms = 0;
    double peakMiB = 0;
    long long count = 0;
};

// Runs this program as a child measuring one way of opening the file.
Sample RunChild(const std::string& self, std::string_view way, const std::filesystem::path& file) {
    std::string command = "'" + self + "' --child " + std::string(way) + " '" + file.string() + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    Sample sample;
    if (!pipe ||
        std::fscanf(pipe, "%lf %lf %lld", &sample.ms, &sample.peakMiB, &sample.count) != 3) {
        std::fprintf(stderr, "child '%s' failed\n", command.c_str());
        std::exit(1);
    }
    if (pclose(pipe) != 0) {
        std::fprintf(stderr, "child '%s' failed\n", command.c_str());
        std::exit(1);
    }
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Row {
    std::string name;
    double ms;
    double peakMiB;
    long long count;
};

Row Measure(const std::string& self, const OpenWay& way, const Options& options) {
    RunChild(self, way.name, options.file); // warm the page cache
    std::vector<double> times;
    std::vector<double> peaks;
    long long count = 0;
    for (int i = 0; i < options.runs; ++i) {
        Sample sample = RunChild(self, way.name, options.file);
        times.push_back(sample.ms);
        peaks.push_back(sample.peakMiB);
        count = sample.count;
    }
    return Row{std::string(way.label), Median(times), *std::max_element(peaks.begin(), peaks.end()),
               count};
}

int Parent(const std::string& self, const Options& options) {
    BigContainerFacts facts = EnsureBigContainer(options.file, options.shape);
    const double fileMiB = static_cast<double>(facts.bytes) / (1024.0 * 1024.0);
    std::printf("container: %s, %.1f MiB, %u entries; median of %d runs each\n\n",
                options.file.c_str(), fileMiB, facts.entries, options.runs);
    std::printf("%-44s %10s %8s %12s %9s %10s\n", "", "median ms", "ratio", "peak MiB", "peak/file",
                "count");
    std::vector<Row> rows;
    for (const OpenWay& way : OpenWays()) {
        rows.push_back(Measure(self, way, options));
        const Row& row = rows.back();
        double ratio = row.ms / rows[rows.size() > 1 ? rows.size() - 2 : 0].ms;
        std::printf("%-44s %10.1f %7.2fx %12.1f %8.2fx %10lld\n", row.name.c_str(), row.ms, ratio,
                    row.peakMiB, row.peakMiB / fileMiB, row.count);
        std::fflush(stdout);
    }
    std::printf("\nratio: each row against the row above it (the floor against itself)\n");
    return 0;
}

} // namespace
} // namespace brindle::bench

int main(int argc, char** argv) {
    using namespace brindle::bench;
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--child")
        return RunOpenWay(args[1], std::string(args[2]), argc, argv);

    Options options;
    options.file = std::filesystem::temp_directory_path() / "brindle-bench-big.xom";
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        std::string value(args[i + 1]);
        if (args[i] == "--runs")
            options.runs = std::max(1, std::atoi(value.c_str()));
        else if (args[i] == "--file")
            options.file = value;
        else if (args[i] == "--mib")
            options.shape.targetBytes = std::strtoull(value.c_str(), nullptr, 10) << 20;
        else if (args[i] == "--entries")
            options.shape.entries = static_cast<uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        else {
            std::fprintf(stderr, "usage: brindle-bench-open [--runs N] [--file PATH] [--mib M] "
                                 "[--entries K]\n");
            return 2;
        }
    }
    return Parent(std::filesystem::read_symlink("/proc/self/exe").string(), options);
}
