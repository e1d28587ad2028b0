#pragma once
// The state that lives for the whole run, outside the window. Handlers take
// it by reference together with the window's operations.

#include "app/window_ops.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace brindle {

// One tree node's entry: where its bytes lie in the file buffer.
struct EntrySlot {
    uint32_t dataPosition = 0; // first byte after the entry's "CTNR" tag
    int32_t size = 0;          // tag to next tag (data bytes + 4); 0 in an empty slot
    uint8_t isImage = 0;

    bool Empty() const { return size == 0; }
    int64_t DataLength() const { return size > 4 ? size - 4 : 0; }
};

// Slot k belongs to the tree node whose absolute index is k.
using StrArr = std::vector<EntrySlot>;

// The opened file followed by one zero byte. Not zero-filled when made: a
// whole-file read overwrites it at once, and big files would pay twice.
class ByteBlock {
public:
    ByteBlock() = default;
    static ByteBlock Uninitialized(size_t size) {
        ByteBlock block;
        block.data_.reset(new uint8_t[size]);
        block.size_ = size;
        return block;
    }
    static ByteBlock CopyOf(std::span<const uint8_t> bytes) {
        ByteBlock block = Uninitialized(bytes.size());
        if (!bytes.empty())
            std::memcpy(block.data(), bytes.data(), bytes.size());
        return block;
    }

    uint8_t* data() { return data_.get(); }
    const uint8_t* data() const { return data_.get(); }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::span<const uint8_t> bytes() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
};

struct RunState {
    ByteBlock FileBuffer; // FileSize + 1 bytes, the last one 0
    int32_t FileSize = 0;
    std::vector<int32_t> TypeCounts;
    std::vector<NodeRef> TypeNodes;
    StrArr EntryIndex;
    // Data position of the image entry shown last as a picture.
    std::optional<uint32_t> SelectedImage;
    int32_t ImageBits = 0;
    // First pixel of the last decoded picture; nullopt after an open (the
    // fresh two zero bytes that stand in until a picture is decoded).
    std::optional<uint32_t> PixelData;
    PanelRef MainPanel = -1;
    PanelRef InfoPanel = -1;
    // The user's decimal separator for "%f" texts; the shells set it from the
    // locale at start-up.
    char DecimalSeparator = '.';

    std::span<const uint8_t> FileBytes() const { return FileBuffer.bytes(); }
};

} // namespace brindle
