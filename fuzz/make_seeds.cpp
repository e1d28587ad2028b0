// Writes the fuzz target's seed corpus: brindle-fuzz-seeds DIR
//
// Small containers that each reach one road of the flow (every detail kind
// with its lookups and errors, pictures of both depths and every placement
// rule, damaged layouts), plus the sample container.
#include "tests/fixture/sample_container.h"
#include "tests/fixture/xom_builder.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace brindle::fixture {
namespace {

std::vector<std::string> FewStrings() {
    return {"", "Speed", "Gravity", "pos", "glow.tga", "textures\\sky.TGA", "Level1"};
}

// Strings past 127, so that 2-byte indexes name real rows.
std::vector<std::string> ManyStrings() {
    std::vector<std::string> strings = FewStrings();
    while (strings.size() < 160)
        strings.push_back("s" + std::to_string(strings.size()));
    return strings;
}

ImageSpec Picture(uint16_t width, uint16_t height, uint8_t format) {
    ImageSpec imageSpec;
    imageSpec.width = width;
    imageSpec.height = height;
    imageSpec.format = format;
    imageSpec.firstIndex = 4;
    imageSpec.secondIndex = 1;
    imageSpec.pixels = PatternPixels(width, height, format == 2 || format == 4 ? 4 : 3);
    return imageSpec;
}

Bytes Truncated(Bytes bytes, size_t cut) {
    bytes.resize(bytes.size() > cut ? bytes.size() - cut : 0);
    return bytes;
}

std::vector<std::pair<std::string, Bytes>> Seeds() {
    std::vector<std::pair<std::string, Bytes>> seeds;
    auto add = [&](std::string name, Bytes bytes) {
        seeds.emplace_back(std::move(name), std::move(bytes));
    };

    add("empty", {});
    add("header-only", XomBuilder().Type("XMesh", 3).Build());

    add("details", XomBuilder()
                       .Strings(FewStrings())
                       .Type("XContainerResourceDetails", 2)
                       .Type("XFloatResourceDetails", 2)
                       .Type("XIntResourceDetails", 1)
                       .Type("XUintResourceDetails", 1)
                       .Type("XStringResourceDetails", 2)
                       .Type("XVectorResourceDetails", 1)
                       .Type("XColorResourceDetails", 1)
                       .Type("XMesh", 1)
                       .Entry(ContainerEntry(6, 1))
                       .Entry(ContainerEntry(0, 99))
                       .Entry(FloatEntry(1.5f, 1))
                       .Entry(FloatBitsEntry(0x7FC00000, 2))
                       .Entry(IntEntry(0xFFFFFFFF, 2))
                       .Entry(IntEntry(1000000, 0))
                       .Entry(StringEntry(6, 1))
                       .Entry(StringEntry(0, 0))
                       .Entry(VectorEntry(1.0f, -2.5f, 0.125f, 3))
                       .Entry(ColourEntry(255, 128, 0, 127, 0))
                       .Entry(GenericEntry(6, Bytes(12, 0x42)))
                       .Build());

    add("wide-indexes", XomBuilder()
                            .Strings(ManyStrings())
                            .Type("XContainerResourceDetails", 1)
                            .Type("XStringResourceDetails", 1)
                            .Type("XVectorResourceDetails", 1)
                            .Type("XTexture", 2)
                            .Entry(ContainerEntry(200, 150))
                            .Entry(StringEntry(140, 141))
                            .Entry(VectorEntry(3, 4, 5, 150))
                            .Entry(GenericEntry(130))
                            .Entry(GenericEntry(500))
                            .Build());

    // Each ends the open with an error partway.
    add("list-index-error", XomBuilder()
                                .Strings(FewStrings())
                                .Type("XFloatResourceDetails", 1)
                                .Type("XColorResourceDetails", 2)
                                .Entry(FloatEntry(2.0f, 1))
                                .Entry(ColourEntry(1, 2, 3, 4, 2))
                                .Entry(ColourEntry(1, 2, 3, 4, 90))
                                .Build());
    add("signalling-nan", XomBuilder()
                              .Strings(FewStrings())
                              .Type("XVectorResourceDetails", 2)
                              .Entry(VectorEntry(1, 2, 3, 1))
                              .Entry(FloatBitsEntry(0x7F800001, 1))
                              .Build());
    add("no-strings", XomBuilder()
                          .Type("XStringResourceDetails", 1)
                          .Type("XFloatResourceDetails", 1)
                          .Type("XBlob", 1)
                          .Entry(StringEntry(1, 3))
                          .Entry(FloatBitsEntry(0xFF800000, 2))
                          .Entry(GenericEntry(1))
                          .Build());

    XomBuilder pictures;
    pictures.Strings(FewStrings())
        .Type("XGraphSet", 5)
        .Type("XImage", 7)
        .Type("XMesh", 1)
        .Entry(GenericEntry(6, Bytes(8, 0x01)));
    pictures.Entry(ImageEntry(Picture(8, 8, 4)));
    pictures.Entry(ImageEntry(Picture(3, 2, 3)));
    ImageSpec shifted = Picture(5, 4, 2);
    shifted.type = 9;
    shifted.firstIndex = 150;
    shifted.secondIndex = 200;
    pictures.Entry(ImageEntry(shifted));
    pictures.Entry(ImageEntry(ImageSpec{0, 16, 0, 4, 4, 1, {}}));
    pictures.Entry(ImageEntry(ImageSpec{513, 1, 0, 4, 4, 1, {}}));
    pictures.Entry(ImageEntry(ImageSpec{2, 2, 10, 4, 4, 1, Bytes(16, 0x80)}));
    pictures.Entry(ImageEntry(Picture(16, 16, 4)));
    pictures.Entry(GenericEntry(1, Bytes(20, 0x22)));
    add("pictures", pictures.Build());
    // The last record's pixel block runs past the file's end.
    add("picture-cut-short", Truncated(XomBuilder()
                                           .Strings(FewStrings())
                                           .Type("XImage", 1)
                                           .Entry(ImageEntry(Picture(12, 12, 4)))
                                           .Build(),
                                       40));

    add("two-image-types", XomBuilder()
                               .Strings(FewStrings())
                               .Type("XImage", 1)
                               .Type("XImage", 1)
                               .Type("XFloatResourceDetails", 1)
                               .Type("XFloatResourceDetails", 1)
                               .Entry(ImageEntry(Picture(2, 2, 4)))
                               .Entry(ImageEntry(Picture(2, 2, 3)))
                               .Entry(FloatEntry(1, 1))
                               .Entry(FloatEntry(2, 2))
                               .Build());
    add("no-strings-tag", XomBuilder()
                              .Strings(FewStrings())
                              .WithoutStringsTag()
                              .Type("XMesh", 2)
                              .Type("XSound", 0)
                              .Type("XImage", 1)
                              .Entry(GenericEntry(1, Bytes(6, 0x10)))
                              .Entry({})
                              .Entry(ImageEntry(Picture(4, 4, 4)))
                              .Build());
    add("counts-past-the-file", XomBuilder()
                                    .Strings(FewStrings())
                                    .Type("XMesh", 40)
                                    .Type("XImage", 3)
                                    .Entry(GenericEntry(1))
                                    .Entry(GenericEntry(2))
                                    .Build());
    add("counts-short-of-the-file", XomBuilder()
                                        .Strings(FewStrings())
                                        .Type("XMesh", 1)
                                        .Entry(GenericEntry(1, Bytes(5, 0x30)))
                                        .Entry(GenericEntry(2))
                                        .Raw({'C', 'T', 'N', 'R', 0, 0})
                                        .Build());
    add("cut-in-the-strings",
        Truncated(
            XomBuilder().Strings(ManyStrings()).Type("XMesh", 2).Entry(GenericEntry(1)).Build(),
            300));

    // Type names and strings that never meet a zero byte.
    Bytes runOn(64, 0);
    PutU16(runOn, 24, 40);
    runOn.insert(runOn.end(), 64 * 40 + 36, 'N');
    AppendU32(runOn, 100);
    AppendU32(runOn, 0);
    runOn.insert(runOn.end(), 4 * 100, 0);
    runOn.insert(runOn.end(), 6000, 'S');
    add("run-on-texts", runOn);

    add("sample", SampleContainer());
    return seeds;
}

} // namespace
} // namespace brindle::fixture

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: brindle-fuzz-seeds DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    for (const auto& [name, bytes] : brindle::fixture::Seeds())
        brindle::fixture::WriteFile(dir / (name + ".xom"), bytes);
    return 0;
}
