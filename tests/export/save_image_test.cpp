#include "export/save_image.h"

#include "app/app_error.h"
#include "app/handler_guard.h"
#include "tests/fixture/opened_container.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace brindle {
namespace {

using fixture::Bytes;
using fixture::ImageSpec;
using fixture::XomBuilder;

// Absolute tree positions in the fixture.
constexpr int64_t kMeshNode = 1;
constexpr int64_t kImageType = 2;
constexpr int64_t kGlow = 3;    // 32 bits, 5 x 3, some pixels fully clear
constexpr int64_t kBands = 4;   // 24 bits, 3 x 2
constexpr int64_t kEmpty = 5;   // 32 bits, 0 x 16
constexpr int64_t kRefused = 6; // 513 wide: never previewed

ImageSpec Glow() {
    ImageSpec imageSpec;
    imageSpec.width = 5;
    imageSpec.height = 3;
    imageSpec.format = 4;
    imageSpec.firstIndex = 1;
    imageSpec.pixels = fixture::PatternPixels(5, 3, 4);
    for (size_t i = 3; i < imageSpec.pixels.size(); i += 8)
        imageSpec.pixels[i] = 0;
    return imageSpec;
}

ImageSpec Bands() {
    ImageSpec imageSpec;
    imageSpec.width = 3;
    imageSpec.height = 2;
    imageSpec.format = 1;
    imageSpec.type = 2;
    imageSpec.firstIndex = 2;
    imageSpec.pixels = fixture::PatternPixels(3, 2, 3);
    return imageSpec;
}

ImageSpec Empty() {
    ImageSpec imageSpec;
    imageSpec.width = 0;
    imageSpec.height = 16;
    imageSpec.firstIndex = 3;
    return imageSpec;
}

ImageSpec Refused() {
    ImageSpec imageSpec;
    imageSpec.width = 513;
    imageSpec.height = 1;
    imageSpec.firstIndex = 1;
    return imageSpec;
}

Bytes Fixture() {
    XomBuilder xom;
    xom.Strings({"", "glow.tga", "c:\\art\\bands.TGA", "empty"}).Type("Mesh", 1).Type("XImage", 4);
    xom.Entry(fixture::GenericEntry(1))
        .Entry(fixture::ImageEntry(Glow()))
        .Entry(fixture::ImageEntry(Bands()))
        .Entry(fixture::ImageEntry(Empty()))
        .Entry(fixture::ImageEntry(Refused()));
    return xom.Build();
}

int BytesPerPixel(const ImageSpec& imageSpec) {
    return imageSpec.format == 2 || imageSpec.format == 4 ? 4 : 3;
}

// What the file must hold, built straight from the record: the header, then
// the pixel block (source row 0 is the bottom row) with red and blue
// exchanged in every pixel.
Bytes ExpectedTga(const ImageSpec& imageSpec) {
    const int bpp = BytesPerPixel(imageSpec);
    Bytes file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    fixture::AppendU16(file, imageSpec.width);
    fixture::AppendU16(file, imageSpec.height);
    file.push_back(static_cast<uint8_t>(bpp * 8));
    file.push_back(0);
    for (size_t i = 0; i < imageSpec.pixels.size(); i += bpp) {
        file.push_back(imageSpec.pixels[i + 2]);
        file.push_back(imageSpec.pixels[i + 1]);
        file.push_back(imageSpec.pixels[i]);
        if (bpp == 4)
            file.push_back(imageSpec.pixels[i + 3]);
    }
    return file;
}

class SaveImage : public ::testing::Test {
protected:
    SaveImage() : opened_(Fixture()) {}

    // Shows the node (preview on), then clicks the button with path answered.
    std::optional<std::string> Save(int64_t node, std::optional<std::string> path) {
        if (std::optional<std::string> error = opened_.Select(node))
            return error;
        return Click(std::move(path));
    }
    std::optional<std::string> Click(std::optional<std::string> path) {
        opened_.window.AnswerNextDialog(std::move(path));
        std::optional<std::string> error;
        RunGuarded([&] { Button3Click(opened_.state, opened_.window); },
                   [&](const std::string& message) { error = message; });
        return error;
    }
    std::string Out(const std::string& name) const { return (opened_.dir / name).string(); }
    Bytes Picture() const {
        auto bytes = opened_.window.Image().Bytes();
        return Bytes(bytes.begin(), bytes.end());
    }
    std::vector<std::string> ProposedNames() const {
        std::vector<std::string> names;
        for (const auto& shown : opened_.window.ShownDialogs())
            if (shown.dialog == FileDialog::SaveImage)
                names.push_back(shown.proposedName);
        return names;
    }

    fixture::OpenedContainer opened_;
};

TEST_F(SaveImage, WritesTheRecordsOwnPixelsFromTheBottomRowUp) {
    ASSERT_FALSE(opened_.error);
    const std::pair<int64_t, ImageSpec> cases[] = {{kGlow, Glow()}, {kBands, Bands()}};
    for (const auto& [node, imageSpec] : cases) {
        SCOPED_TRACE(node);
        const std::string path = Out("node" + std::to_string(node) + ".tga");
        EXPECT_EQ(Save(node, path), std::nullopt);
        Bytes expected = ExpectedTga(imageSpec);
        EXPECT_EQ(fixture::ReadFile(path), expected);
        EXPECT_EQ(expected.size(),
                  18u + imageSpec.width * imageSpec.height * BytesPerPixel(imageSpec));
    }
}

TEST_F(SaveImage, ProposesTheNameFromTheSelectedNodesText) {
    for (int64_t node : {kGlow, kBands, kEmpty})
        EXPECT_EQ(Save(node, std::nullopt), std::nullopt);
    // A type node selected after a preview keeps the button enabled; its
    // text gives the name, and the picture is still the previewed one.
    ASSERT_EQ(opened_.Select(kImageType), std::nullopt);
    ASSERT_TRUE(opened_.window.SaveImageEnabled());
    EXPECT_EQ(Click(Out("type.tga")), std::nullopt);
    EXPECT_EQ(ProposedNames(),
              (std::vector<std::string>{"glow.tga", "c__art_bands.tga", "empty.tga", "4.tga"}));
    Bytes typeFile = fixture::ReadFile(Out("type.tga"));
    ASSERT_EQ(typeFile.size(), 18u);
    EXPECT_EQ(typeFile[14], 16);
}

TEST_F(SaveImage, ReplacesTheBlendedPreviewOnlyWhenTheDialogIsConfirmed) {
    ASSERT_EQ(opened_.Select(kGlow), std::nullopt);
    const Bytes blended = Picture();
    EXPECT_EQ(Click(std::nullopt), std::nullopt);
    EXPECT_EQ(Click(""), std::nullopt);
    EXPECT_EQ(Picture(), blended);
    EXPECT_TRUE(std::filesystem::is_empty(opened_.dir.Path()) ||
                !std::filesystem::exists(Out("glow.tga")));

    const std::string path = Out("glow.tga");
    fixture::WriteFile(path, Bytes(1000, 1)); // replaced without a question
    EXPECT_EQ(Click(path), std::nullopt);
    // The window now shows the picture the file holds: rows from the top.
    Bytes file = fixture::ReadFile(path);
    Bytes unblended = Picture();
    ASSERT_EQ(file.size(), 18 + unblended.size());
    const size_t stride = 5 * 4;
    for (size_t row = 0; row < 3; ++row)
        EXPECT_TRUE(std::equal(unblended.begin() + row * stride,
                               unblended.begin() + (row + 1) * stride,
                               file.begin() + 18 + (2 - row) * stride));
    EXPECT_NE(unblended, blended);
}

TEST_F(SaveImage, EmptyPictureIsSavedAsItsHeader) {
    const std::string path = Out("empty.tga");
    EXPECT_EQ(Save(kEmpty, path), std::nullopt);
    EXPECT_EQ(fixture::ReadFile(path), ExpectedTga(Empty()));
    EXPECT_EQ(fixture::ReadFile(path).size(), 18u);
}

TEST_F(SaveImage, DoesNothingBeforeAPictureWasShown) {
    for (int64_t node : {kMeshNode, kRefused}) {
        ASSERT_EQ(opened_.Select(node), std::nullopt);
        EXPECT_FALSE(opened_.window.SaveImageEnabled());
    }
    EXPECT_EQ(Click(Out("none.tga")), std::nullopt);
    EXPECT_TRUE(ProposedNames().empty());
    EXPECT_FALSE(std::filesystem::exists(Out("none.tga")));
}

TEST_F(SaveImage, FileThatCannotBeCreatedIsReportedWithTheChosenName) {
    const std::string path = Out("missing/glow.tga");
    std::optional<std::string> error = Save(kGlow, path);
    ASSERT_TRUE(error);
    EXPECT_EQ(MessageBoxText(*error), "Cannot create file " + path + ".");
    EXPECT_FALSE(std::filesystem::exists(Out("missing")));
}

TEST_F(SaveImage, ShortWriteIsReported) {
    if (std::FILE* probe = std::fopen("/dev/full", "wb"))
        std::fclose(probe);
    else
        GTEST_SKIP() << "/dev/full cannot be opened here";
    std::optional<std::string> error = Save(kGlow, "/dev/full");
    ASSERT_TRUE(error);
    EXPECT_EQ(MessageBoxText(*error), "Stream write error.");
}

// A reader that knows TGA only from its published layout: it honours the ID
// field, a colour map's size and the origin bit, and gives the picture as
// RGBA rows from the top (alpha 255 at 24 bits).
struct DecodedTga {
    int width = 0;
    int height = 0;
    Bytes rgba;
};

std::optional<DecodedTga> ReadTga(const Bytes& file) {
    if (file.size() < 18 || file[2] != 2)
        return std::nullopt;
    const size_t idLength = file[0];
    const size_t mapBytes = file[1] ? (file[5] | file[6] << 8) * ((file[7] + 7) / 8) : 0;
    DecodedTga tga;
    tga.width = file[12] | file[13] << 8;
    tga.height = file[14] | file[15] << 8;
    const int bpp = file[16] / 8;
    const bool topFirst = (file[17] & 0x20) != 0;
    if (bpp != 3 && bpp != 4)
        return std::nullopt;
    size_t at = 18 + idLength + mapBytes;
    if (file.size() < at + size_t(tga.width) * tga.height * bpp)
        return std::nullopt;
    tga.rgba.resize(size_t(tga.width) * tga.height * 4);
    for (int stored = 0; stored < tga.height; ++stored) {
        int row = topFirst ? stored : tga.height - 1 - stored;
        for (int x = 0; x < tga.width; ++x, at += bpp) {
            uint8_t* out = &tga.rgba[(size_t(row) * tga.width + x) * 4];
            out[0] = file[at + 2];
            out[1] = file[at + 1];
            out[2] = file[at];
            out[3] = bpp == 4 ? file[at + 3] : 255;
        }
    }
    return tga;
}

// The record's pixels as RGBA rows from the top: source row 0 is the bottom.
Bytes RecordRgba(const ImageSpec& imageSpec) {
    const int bpp = BytesPerPixel(imageSpec);
    Bytes rgba;
    for (int row = 0; row < imageSpec.height; ++row) {
        int source = imageSpec.height - 1 - row;
        for (int x = 0; x < imageSpec.width; ++x) {
            const uint8_t* p = &imageSpec.pixels[(size_t(source) * imageSpec.width + x) * bpp];
            rgba.insert(rgba.end(), {p[0], p[1], p[2], bpp == 4 ? p[3] : uint8_t{255}});
        }
    }
    return rgba;
}

// Debian's ImageMagick, when present, as a second reader that owes nothing to
// this code base.
std::optional<Bytes> ImageMagickRgba(const std::string& tga, const std::string& raw) {
    const char* convert = "/usr/bin/convert";
    if (!std::filesystem::exists(convert))
        return std::nullopt;
    std::string command = std::string(convert) + " '" + tga +
                          "' -auto-orient -depth 8 'rgba:" + raw + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return std::nullopt;
    return fixture::ReadFile(raw);
}

TEST_F(SaveImage, IndependentReadersGetTheRecordsPixelsBack) {
    const std::pair<int64_t, ImageSpec> cases[] = {{kGlow, Glow()}, {kBands, Bands()}};
    bool imageMagickRan = false;
    for (const auto& [node, imageSpec] : cases) {
        SCOPED_TRACE(node);
        const std::string path = Out("round" + std::to_string(node) + ".tga");
        ASSERT_EQ(Save(node, path), std::nullopt);
        std::optional<DecodedTga> tga = ReadTga(fixture::ReadFile(path));
        ASSERT_TRUE(tga);
        EXPECT_EQ(tga->width, imageSpec.width);
        EXPECT_EQ(tga->height, imageSpec.height);
        EXPECT_EQ(tga->rgba, RecordRgba(imageSpec));

        if (std::optional<Bytes> magick = ImageMagickRgba(path, path + ".rgba")) {
            imageMagickRan = true;
            EXPECT_EQ(*magick, RecordRgba(imageSpec));
        }
    }
    if (!imageMagickRan)
        std::cout << "ImageMagick not available: checked with the built-in reader only\n";
}

} // namespace
} // namespace brindle
