#pragma once
// A large container for the benchmarks, written straight to disk: generic,
// image and detail entries in realistic proportions.

#include <cstdint>
#include <filesystem>

namespace brindle::bench {

struct BigContainerShape {
    uint64_t targetBytes = 256ull << 20;
    uint32_t entries = 400000;
};

struct BigContainerFacts {
    uint64_t bytes = 0;
    uint32_t entries = 0;
    uint32_t tags = 0; // every "CTNR" in the file
};

// Writes the container unless a file of the same shape is already there.
BigContainerFacts EnsureBigContainer(const std::filesystem::path& path,
                                     const BigContainerShape& shape);

} // namespace brindle::bench
