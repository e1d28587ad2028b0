#pragma once
// A headless window and run state holding one image record, and a plain
// reference for what its picture should look like.

#include "app/form_create.h"
#include "app/headless_window.h"
#include "app/run_state.h"
#include "inspect/render_image.h"
#include "tests/fixture/xom_builder.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace brindle::testing_inspect {

using fixture::Bytes;
using fixture::ImageSpec;

// The record's data start right after a "CTNR" tag at offset 0.
inline constexpr uint32_t kRecordPosition = 4;

inline Bytes RecordFile(const ImageSpec& imageSpec) {
    Bytes file = {'C', 'T', 'N', 'R'};
    Bytes record = fixture::ImageEntry(imageSpec);
    file.insert(file.end(), record.begin(), record.end());
    return file;
}

inline int BytesPerPixel(const ImageSpec& imageSpec) {
    return imageSpec.format == 2 || imageSpec.format == 4 ? 4 : 3;
}

inline uint8_t ReferenceBlend(uint8_t c, uint8_t a, uint8_t k) {
    // Every term is exact in binary, and nearbyint rounds halves to even.
    double weight = a / 256.0;
    return static_cast<uint8_t>(std::nearbyint(c * weight + k * (1 - weight)));
}

inline uint8_t CheckerValue(int x, int sourceRow) {
    return (x / 8 + sourceRow / 8) % 2 == 0 ? 255 : 192;
}

// The picture as rows from the top, written out pixel by pixel.
inline Bytes ExpectedPicture(const ImageSpec& imageSpec, bool blend) {
    const int bpp = BytesPerPixel(imageSpec);
    Bytes picture(size_t{imageSpec.width} * imageSpec.height * bpp);
    for (int y = 0; y < imageSpec.height; ++y) {
        for (int x = 0; x < imageSpec.width; ++x) {
            const uint8_t* s = &imageSpec.pixels[(size_t(y) * imageSpec.width + x) * bpp];
            uint8_t* t = &picture[(size_t(imageSpec.height - 1 - y) * imageSpec.width + x) * bpp];
            if (bpp == 3 || !blend) {
                t[0] = s[2];
                t[1] = s[1];
                t[2] = s[0];
                if (bpp == 4)
                    t[3] = s[3];
                continue;
            }
            uint8_t k = CheckerValue(x, y);
            t[0] = ReferenceBlend(s[2], s[3], k);
            t[1] = ReferenceBlend(s[1], s[3], k);
            t[2] = ReferenceBlend(s[0], s[3], k);
            t[3] = s[3];
        }
    }
    return picture;
}

inline const char* kNodeText = "0x8 (glow.tga)";

struct Decoder {
    RunState state;
    HeadlessWindow window;

    Decoder() {
        FormCreate(state, window);
        NodeRef type = window.TreeAddTop("XImage(1)");
        window.SelectNode(window.TreeAddChild(type, kNodeText));
    }
    void Load(const Bytes& file) {
        Bytes buffer = file;
        buffer.push_back(0);
        state.FileBuffer = ByteBlock::CopyOf(buffer);
        state.FileSize = static_cast<int32_t>(file.size());
    }
    bool Render(uint32_t position = kRecordPosition, bool blend = true) {
        return RenderImage(state, window, position, blend);
    }
    Bytes Picture() const {
        auto bytes = window.Image().Bytes();
        return Bytes(bytes.begin(), bytes.end());
    }
    std::string Main() const { return window.StatusText(state.MainPanel); }
    std::string Info() const { return window.StatusText(state.InfoPanel); }
};

} // namespace brindle::testing_inspect
