// libFuzzer target: the viewer's whole headless flow over one input. The
// input is opened as a container, every node (up to a cap) is selected with
// the preview switch on and off, and every entry's .bin and every picture's
// .tga are built in memory exactly as the save handlers build them.
//
// AppError is a refusal the user is told about and ends only the handler it
// came from. Anything else escaping a handler, a sanitizer report, or a
// broken invariant below is a finding.
#include "app/app_error.h"
#include "app/form_create.h"
#include "app/headless_window.h"
#include "app/run_state.h"
#include "export/save_data.h"
#include "export/save_image.h"
#include "export/tga_writer.h"
#include "inspect/render_image.h"
#include "inspect/select_entry.h"
#include "xom/byte_reader.h"
#include "xom/layout.h"
#include "xom/open_command.h"
#include "xom/read_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brindle {
namespace {

// Selecting is linear in an entry's bytes, but pictures can overlap, so both
// the nodes and the decoded pixel bytes per input are capped. The open and
// its walk always run whole.
constexpr int64_t kMaxSelectedNodes = 3000;
constexpr int64_t kPictureByteBudget = int64_t{24} << 20;
static_assert(kMaxSelectedNodes >= 2, "the spread keeps the first and the last node");

[[noreturn]] void Finding(const char* what, int line) {
    std::fprintf(stderr, "fuzz finding (flow_target.cpp:%d): %s\n", line, what);
    std::abort();
}
#define FLOW_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            Finding(#condition, __LINE__);                                                         \
    } while (0)

// Runs one handler; an AppError is a defined refusal, anything else escapes
// to libFuzzer as a crash.
template <typename Handler> bool Guarded(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const AppError&) {
        return false;
    }
}

// What the header and the type table promise, read cheaply before the open,
// so the walk's listing can be checked against it.
struct HeaderPass {
    uint16_t typeCount = 0;
    std::optional<int32_t> imageType; // the last record named "XImage"
};

HeaderPass ReadHeader(const ByteReader& file) {
    HeaderPass header;
    header.typeCount = ReadTypeCount(file);
    for (uint32_t i = 0; i < header.typeCount; ++i) {
        if (ReadTypeRecord(file, i).name == kImageType)
            header.imageType = static_cast<int32_t>(i);
    }
    return header;
}

std::string TypeLabel(const ByteReader& file, int32_t type) {
    const TypeRecord record = ReadTypeRecord(file, static_cast<uint32_t>(type));
    const int count = record.name == kGraphSetType ? 1 : record.entryCount;
    return std::string(record.name) + "(" + std::to_string(count) + ")";
}

// The type listing and the entry index agree with the tree: every entry node
// has a slot whose bytes lie inside the file, flagged as an image exactly
// when its type is the remembered "XImage".
void CheckWalk(const RunState& state, const HeadlessWindow& window, const ByteReader& file,
               const HeaderPass& header) {
    const TreeStore& tree = window.Tree();
    FLOW_CHECK(tree.TopCount() == header.typeCount);
    const GridStore& grid = window.Grid();
    for (int32_t row = 1; row <= grid.ListedCount(); ++row)
        FLOW_CHECK(grid.Value(row).size() <= kMaxTextLength);
    const int64_t fileSize = state.FileSize;
    for (int32_t top = 0; top < tree.TopCount(); ++top) {
        const NodeRef typeNode{top, -1};
        // Rebuilding every label would cost as much as the listing itself.
        if (top < kMaxSelectedNodes)
            FLOW_CHECK(tree.Text(typeNode) == TypeLabel(file, top));
        FLOW_CHECK(tree.Text(typeNode).size() <= kMaxTextLength + 7); // "(65535)"
        FLOW_CHECK(SlotOfNode(state, tree.AbsoluteIndex(typeNode)) == nullptr);
        for (int32_t child = 0; child < tree.ChildCount(top); ++child) {
            const EntrySlot* slot = SlotOfNode(state, tree.AbsoluteIndex({top, child}));
            FLOW_CHECK(slot != nullptr);
            FLOW_CHECK(slot->size >= 4);
            FLOW_CHECK(slot->DataLength() == 0 ||
                       int64_t{slot->dataPosition} + slot->DataLength() <= fileSize);
            FLOW_CHECK((slot->isImage == 1) == (header.imageType == top));
        }
    }
}

// "Save selected data" as it builds its file: the dialog cancelled, so the
// proposed name is made and nothing is written, then the bytes it would
// write.
void SaveData(RunState& state, HeadlessWindow& window, const EntrySlot* slot) {
    Guarded([&] { Button2Click(state, window); });
    if (!slot)
        return;
    const std::span<const uint8_t> bin = EntryDataBytes(state, *slot);
    const std::span<const uint8_t> file = state.FileBytes();
    FLOW_CHECK(static_cast<int64_t>(bin.size()) == slot->DataLength());
    FLOW_CHECK(bin.empty() || (bin.data() >= file.data() &&
                               bin.data() + bin.size() <= file.data() + state.FileSize));
}

// "Save image as *.tga" as it builds its file: the dialog cancelled first,
// then its decode without blending and the encoding.
int64_t SaveImage(RunState& state, HeadlessWindow& window) {
    Guarded([&] { Button3Click(state, window); });
    FLOW_CHECK(state.SelectedImage.has_value());
    // The record decoded a moment ago for the preview; it decodes again.
    FLOW_CHECK(RenderImage(state, window, *state.SelectedImage, false));
    const std::vector<uint8_t> tga = EncodeTga(window);
    const auto pixels = static_cast<int64_t>(window.PictureWidth()) * window.PictureHeight();
    FLOW_CHECK(static_cast<int64_t>(tga.size()) ==
               static_cast<int64_t>(kTgaHeaderSize) + pixels * (window.PictureDepth() / 8));
    return pixels * 4;
}

// One node selected twice, preview on then off, and saved as the buttons
// would save it. Returns the picture bytes decoded.
int64_t SelectAndSave(RunState& state, HeadlessWindow& window, NodeRef node, bool previewAllowed) {
    const bool isEntry = !node.IsTop();
    const int64_t position = window.Tree().AbsoluteIndex(node);
    const EntrySlot* slot = isEntry ? SlotOfNode(state, position) : nullptr;
    const std::string positionText = window.NodeText(node) + " " + std::to_string(position) + "(" +
                                     std::to_string(window.NodeSiblingIndex(node)) + ")";
    int64_t decoded = 0;

    window.SelectNode(node);
    window.SetPreviewChecked(previewAllowed);
    Guarded([&] { TreeView1Change(state, window); });
    const bool pictureShown = isEntry && slot && slot->isImage == 1 && previewAllowed &&
                              !window.TextVisible() && window.SaveImageEnabled();
    if (pictureShown) {
        FLOW_CHECK(state.SelectedImage == slot->dataPosition);
        FLOW_CHECK(window.PictureWidth() <= 512 && window.PictureHeight() <= 512);
        FLOW_CHECK(window.StatusText(state.MainPanel) == window.NodeText(node));
        decoded += int64_t{window.PictureWidth()} * window.PictureHeight() * 4;
    } else if (isEntry) {
        FLOW_CHECK(window.TextVisible() && !window.SaveImageEnabled());
        FLOW_CHECK(static_cast<int64_t>(window.Text().size()) ==
                   4 * (slot ? slot->DataLength() : 0));
    }
    if (!pictureShown)
        FLOW_CHECK(window.StatusText(state.MainPanel) == positionText);

    SaveData(state, window, slot);
    if (window.SaveImageEnabled())
        decoded += SaveImage(state, window);

    window.SetPreviewChecked(false);
    Guarded([&] { TreeView1Change(state, window); });
    if (isEntry)
        FLOW_CHECK(window.TextVisible() && !window.SaveImageEnabled());
    FLOW_CHECK(window.StatusText(state.MainPanel) == positionText);
    return decoded;
}

// Every node while there are few enough, else an even spread that keeps the
// first and the last.
std::vector<int64_t> NodesToSelect(int64_t nodeCount) {
    std::vector<int64_t> nodes;
    if (nodeCount <= kMaxSelectedNodes) {
        for (int64_t k = 0; k < nodeCount; ++k)
            nodes.push_back(k);
        return nodes;
    }
    for (int64_t i = 0; i < kMaxSelectedNodes; ++i)
        nodes.push_back(i * (nodeCount - 1) / (kMaxSelectedNodes - 1));
    return nodes;
}

void RunFlow(std::span<const uint8_t> input) {
    const ByteReader file(input);
    const HeaderPass header = ReadHeader(file);

    RunState state;
    HeadlessWindow window;
    FormCreate(state, window);
    Guarded([&] { LoadContainer(state, window, "fuzz\\input.xom", FileBufferOf(input)); });
    FLOW_CHECK(state.FileSize == static_cast<int32_t>(input.size()));
    CheckWalk(state, window, file, header);

    int64_t decoded = 0;
    for (int64_t k : NodesToSelect(window.Tree().NodeCount())) {
        const std::optional<NodeRef> node = window.Tree().NodeAt(k);
        FLOW_CHECK(node.has_value());
        decoded += SelectAndSave(state, window, *node, decoded < kPictureByteBudget);
    }
}

} // namespace
} // namespace brindle

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    brindle::RunFlow(std::span<const uint8_t>(data, size));
    return 0;
}
