// Damaged and truncated containers must open without a read outside the file
// buffer (the sanitizer build checks that), without an error other than the
// ones the message box shows, and with every slot inside the file.
#include "xom/open_command.h"
#include "xom/read_file.h"

#include "app/app_error.h"
#include "app/form_create.h"
#include "app/headless_window.h"
#include "inspect/select_entry.h"
#include "tests/fixture/sample_container.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <random>

namespace brindle {
namespace {

using fixture::Bytes;

// A small container with an entry of every kind and a picture.
Bytes Specimen() {
    fixture::XomBuilder xom;
    xom.Strings({"", "name", "value", "pic"})
        .Type("XContainerResourceDetails", 1)
        .Type("XFloatResourceDetails", 1)
        .Type("XIntResourceDetails", 1)
        .Type("XStringResourceDetails", 1)
        .Type("XVectorResourceDetails", 1)
        .Type("XColorResourceDetails", 1)
        .Type("XGraphSet", 3)
        .Type("XImage", 2)
        .Type("XOther", 1)
        .Entry(fixture::ContainerEntry(2, 1))
        .Entry(fixture::FloatEntry(2.5f, 1))
        .Entry(fixture::IntEntry(7, 1))
        .Entry(fixture::StringEntry(2, 1))
        .Entry(fixture::VectorEntry(1, 2, 3, 1))
        .Entry(fixture::ColourEntry(1, 2, 3, 4, 1))
        .Entry(fixture::GenericEntry(1, {1, 2, 3}))
        .Entry(fixture::ImageEntry({4, 3, 0, 4, 3, 3, fixture::PatternPixels(4, 3, 4)}))
        .Entry(fixture::ImageEntry({3, 2, 1, 3, 130, 200, fixture::PatternPixels(3, 2, 3)}))
        .Entry(fixture::GenericEntry(3, {9, 8}));
    return xom.Build();
}

// Opens bytes as a file would be, selects every node with the preview on
// and off, and checks what the walk left behind.
void OpenAndBrowse(const Bytes& bytes) {
    RunState state;
    HeadlessWindow window;
    FormCreate(state, window);
    try {
        LoadContainer(state, window, "damaged.xom", FileBufferOf(bytes));
    } catch (const AppError&) {
        // A refusal the user is told about is fine; anything else fails.
    }
    ASSERT_EQ(state.FileSize, static_cast<int32_t>(bytes.size()));
    for (size_t k = 0; k < state.EntryIndex.size(); ++k) {
        const EntrySlot& slot = state.EntryIndex[k];
        if (slot.Empty())
            continue;
        ASSERT_GE(slot.size, 4) << k;
        // An entry whose tag lies past the file's end has no data at all.
        if (slot.DataLength() > 0) {
            ASSERT_LE(slot.dataPosition + slot.DataLength(), int64_t{state.FileSize}) << k;
        }
    }
    const int64_t nodes = window.Tree().NodeCount();
    for (bool preview : {true, false}) {
        window.SetPreviewChecked(preview);
        for (int64_t node = 0; node < nodes; ++node) {
            window.SelectNode(window.Tree().NodeAt(node));
            try {
                TreeView1Change(state, window);
            } catch (const AppError&) {
            }
        }
    }
}

TEST(DamagedContainer, EveryPrefixOpens) {
    const Bytes whole = Specimen();
    for (size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        OpenAndBrowse(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
        if (HasFatalFailure())
            return;
    }
}

TEST(DamagedContainer, RandomByteChangesOpen) {
    struct Source {
        const char* name;
        Bytes bytes;
        int rounds;
    };
    std::mt19937 random(20261211);
    for (const Source& source : {Source{"specimen", Specimen(), 3000},
                                 Source{"sample", fixture::SampleContainer(), 150}}) {
        for (int round = 0; round < source.rounds; ++round) {
            Bytes bytes = source.bytes;
            const int changes = 1 + static_cast<int>(random() % 8);
            for (int i = 0; i < changes; ++i) {
                size_t at = random() % bytes.size();
                // Favour the header, type table and string block, where one
                // byte moves everything after it.
                if (random() % 2)
                    at %= std::min<size_t>(bytes.size(), 1024);
                bytes[at] = static_cast<uint8_t>(random());
            }
            SCOPED_TRACE(std::string(source.name) + " round " + std::to_string(round));
            OpenAndBrowse(bytes);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(DamagedContainer, HeaderDeclaringHugeTablesOpensQuickly) {
    Bytes bytes(64, 0);
    bytes[24] = 0xFF;
    bytes[25] = 0xFF; // 65535 type records, none of them present
    OpenAndBrowse(bytes);
}

} // namespace
} // namespace brindle
