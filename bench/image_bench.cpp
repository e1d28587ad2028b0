// Decoding and blending a 512 x 512 32-bit picture, the largest record the
// preview accepts, next to a plain copy of the same bytes.
//
//   brindle-bench-image [--runs N]

#include "app/form_create.h"
#include "app/headless_window.h"
#include "app/run_state.h"
#include "inspect/pixel_rows.h"
#include "inspect/render_image.h"
#include "tests/fixture/xom_builder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace brindle {
namespace {

using fixture::Bytes;
using Clock = std::chrono::steady_clock;

constexpr int kSide = 512;
constexpr double kFrameMs = 1000.0 / 60.0;
constexpr uint32_t kRecordPosition = 4;

struct Figures {
    double medianMs;
    double minMs;
};

Figures Measure(int runs, const std::function<void()>& work) {
    work(); // warm caches and allocations
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

// Colours and alpha all vary, so every blend branch and rounding case runs.
Bytes RecordFile() {
    fixture::ImageSpec imageSpec{kSide, kSide, 0, 4, 1, 1, {}};
    imageSpec.pixels.resize(size_t{kSide} * kSide * 4);
    uint32_t seed = 12345;
    for (uint8_t& byte : imageSpec.pixels) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(seed >> 16);
    }
    Bytes file = {'C', 'T', 'N', 'R'};
    Bytes record = fixture::ImageEntry(imageSpec);
    file.insert(file.end(), record.begin(), record.end());
    return file;
}

void Print(const char* what, Figures figures, Figures baseline) {
    std::printf("%-44s %9.3f ms %9.3f ms %8.2fx %7.1f%%\n", what, figures.medianMs, figures.minMs,
                figures.medianMs / baseline.medianMs, 100.0 * figures.medianMs / kFrameMs);
}

int Run(int runs) {
    const Bytes file = RecordFile();
    RunState state;
    HeadlessWindow window;
    FormCreate(state, window);
    Bytes buffer = file;
    buffer.push_back(0);
    state.FileBuffer = ByteBlock::CopyOf(buffer);
    state.FileSize = static_cast<int32_t>(file.size());

    const size_t blockBytes = size_t{kSide} * kSide * 4;
    const uint8_t* block = state.FileBuffer.data() + file.size() - blockBytes;
    const size_t rowBytes = size_t{kSide} * 4;
    std::vector<uint8_t> target(blockBytes);
    unsigned sink = 0;

    Figures copy = Measure(runs, [&] {
        std::memcpy(target.data(), block, blockBytes);
        sink += target[blockBytes / 2];
    });
    Figures rows = Measure(runs, [&] {
        for (int y = 0; y < kSide; ++y)
            BlendRow32({block + y * rowBytes, rowBytes},
                       {target.data() + (kSide - 1 - y) * rowBytes, rowBytes},
                       CheckerRowStartsLight(y));
        sink += target[blockBytes / 2];
    });
    bool drawn = true;
    Figures blended = Measure(runs, [&] {
        drawn &= RenderImage(state, window, kRecordPosition, true);
        sink += window.PictureRowConst(kSide / 2)[0];
    });
    Figures plain = Measure(runs, [&] {
        drawn &= RenderImage(state, window, kRecordPosition, false);
        sink += window.PictureRowConst(kSide / 2)[0];
    });
    if (!drawn) {
        std::fprintf(stderr, "the record was refused\n");
        return 1;
    }

    std::printf("512 x 512 x 32-bit record (%zu pixel bytes), %d runs; frame = 1/60 s\n",
                blockBytes, runs);
    std::printf("%-44s %12s %12s %9s %8s\n", "", "median", "fastest", "vs copy", "frame");
    Print("baseline: plain copy of the pixel bytes", copy, copy);
    Print("blend rows alone (BlendRow32)", rows, copy);
    Print("RenderImage, blended (whole preview)", blended, copy);
    Print("RenderImage, unblended (the save's decode)", plain, copy);
    std::printf("(checksum %u)\n", sink);
    return 0;
}

} // namespace
} // namespace brindle

int main(int argc, char** argv) {
    int runs = 31;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--runs N]\n", argv[0]);
            return 2;
        }
    }
    if (runs < 1) {
        std::fprintf(stderr, "--runs needs a positive count\n");
        return 2;
    }
    return brindle::Run(runs);
}
