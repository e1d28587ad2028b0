#include "bench/big_container.h"

#include "tests/fixture/xom_builder.h"

#include <array>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace brindle::bench {
namespace {

using fixture::Bytes;

constexpr uint32_t kStrings = 60000;
constexpr int kImageSide = 64;

struct TypePlan {
    const char* name;
    uint32_t share; // per mille of the entries
};

// Detail types first, then images, then the bulk of generic entries.
constexpr std::array<TypePlan, 11> kPlan{{
    {"XContainerResourceDetails", 40},
    {"XFloatResourceDetails", 60},
    {"XIntResourceDetails", 50},
    {"XUintResourceDetails", 30},
    {"XStringResourceDetails", 60},
    {"XVectorResourceDetails", 40},
    {"XColorResourceDetails", 30},
    {"XImage", 8},
    {"XGraphSet", 0},
    {"XMesh", 482},
    {"XAnimation", 200},
}};

// Random payload bytes, with the rare accidental entry tag broken up so the
// file holds exactly the entries it declares.
void FillPayload(Bytes& bytes, size_t count, std::mt19937& random) {
    size_t start = bytes.size();
    bytes.resize(start + count);
    for (size_t i = start; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(random() >> 24);
        if (i >= start + 3 && bytes[i] == 'R' && bytes[i - 1] == 'N' && bytes[i - 2] == 'T' &&
            bytes[i - 3] == 'C')
            bytes[i] = 'r';
    }
}

Bytes DetailEntry(size_t type, uint32_t k, std::mt19937& random) {
    const uint32_t name = 1 + (k * 7919) % (kStrings - 1);
    const uint32_t value = 1 + (k * 104729) % (kStrings - 1);
    switch (type) {
    case 0:
        return fixture::ContainerEntry(value, name);
    case 1:
        return fixture::FloatEntry(static_cast<float>(k) * 0.37f - 500.0f, name);
    case 2:
    case 3:
        return fixture::IntEntry(k * 13, name);
    case 4:
        return fixture::StringEntry(value, name);
    case 5:
        return fixture::VectorEntry(k * 0.5f, -1.25f, k * 0.01f, name);
    default:
        return fixture::ColourEntry(static_cast<uint8_t>(random()), static_cast<uint8_t>(k),
                                    static_cast<uint8_t>(k >> 8), 255, name);
    }
}

} // namespace

BigContainerFacts EnsureBigContainer(const std::filesystem::path& path,
                                     const BigContainerShape& shape) {
    std::vector<uint32_t> counts;
    uint32_t planned = 0;
    for (const TypePlan& plan : kPlan) {
        uint32_t count = plan.share == 0 ? 1 : shape.entries / 1000 * plan.share;
        counts.push_back(count);
        planned += count;
    }
    counts.back() += shape.entries - planned;

    // Generic entries share out the bytes that images and details leave.
    const uint64_t imageBytes = 4ull * kImageSide * kImageSide + 40;
    uint64_t fixedBytes = 0;
    uint32_t genericEntries = 0;
    for (size_t t = 0; t < kPlan.size(); ++t) {
        std::string name = kPlan[t].name;
        if (name == "XImage")
            fixedBytes += counts[t] * imageBytes;
        else if (name == "XMesh" || name == "XAnimation" || name == "XGraphSet")
            genericEntries += counts[t];
        else
            fixedBytes += counts[t] * 28ull;
    }
    const uint64_t genericPayload =
        shape.targetBytes > fixedBytes ? (shape.targetBytes - fixedBytes) / genericEntries : 16;

    BigContainerFacts facts;
    facts.entries = shape.entries;
    facts.tags = shape.entries;
    const std::string stamp =
        std::to_string(shape.targetBytes) + "-" + std::to_string(shape.entries);
    std::filesystem::path stampPath = path;
    stampPath += ".shape";
    if (std::filesystem::exists(path) && std::filesystem::exists(stampPath)) {
        std::ifstream in(stampPath);
        std::string seen;
        std::getline(in, seen);
        if (seen == stamp) {
            facts.bytes = std::filesystem::file_size(path);
            return facts;
        }
    }

    std::vector<std::string> strings{""};
    for (uint32_t j = 1; j < kStrings; ++j)
        strings.push_back("res_" + std::to_string(j * 31 % 99991));
    // Type counts above 65535 do not fit the record: spread such types over
    // several records of the same name.
    fixture::XomBuilder split;
    split.Strings(strings);
    std::vector<std::pair<size_t, uint32_t>> records; // plan index, count
    for (size_t t = 0; t < kPlan.size(); ++t) {
        uint32_t left = counts[t];
        do {
            uint32_t part = left > 65535 ? 65535 : left;
            records.emplace_back(t, part);
            left -= part;
        } while (left > 0);
    }
    for (auto [t, count] : records)
        split.Type(kPlan[t].name, static_cast<uint16_t>(count));

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    Bytes head = split.Build();
    out.write(reinterpret_cast<const char*>(head.data()),
              static_cast<std::streamsize>(head.size()));
    facts.bytes = head.size();

    std::mt19937 random(7);
    const Bytes imagePixels = fixture::PatternPixels(kImageSide, kImageSide, 4);
    Bytes entry;
    uint32_t k = 0;
    for (auto [t, count] : records) {
        std::string name = kPlan[t].name;
        for (uint32_t e = 0; e < count; ++e, ++k) {
            entry.assign({'C', 'T', 'N', 'R'});
            Bytes data;
            if (name == "XImage") {
                data = fixture::ImageEntry(
                    {kImageSide, kImageSide, 0, 4, 1 + k % 5000, 1 + k % 300, imagePixels});
            } else if (name == "XMesh" || name == "XAnimation" || name == "XGraphSet") {
                Bytes payload;
                FillPayload(payload, genericPayload / 2 + random() % genericPayload, random);
                data = fixture::GenericEntry(1 + k % (kStrings - 1), payload);
            } else {
                data = DetailEntry(t, k, random);
            }
            entry.insert(entry.end(), data.begin(), data.end());
            out.write(reinterpret_cast<const char*>(entry.data()),
                      static_cast<std::streamsize>(entry.size()));
            facts.bytes += entry.size();
        }
    }
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    out.close();
    std::ofstream(stampPath) << stamp << '\n';
    return facts;
}

} // namespace brindle::bench
