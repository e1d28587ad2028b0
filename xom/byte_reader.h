#pragma once
// Checked little-endian reads over the file buffer. A read that reaches past
// either end gives zero bytes for the missing part, whatever the file
// declares, so damaged files never read outside their buffer.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace brindle {

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }
    bool Contains(int64_t position) const { return position >= 0 && position < Size(); }

    uint8_t U8(int64_t position) const {
        return Contains(position) ? bytes_[static_cast<size_t>(position)] : 0;
    }
    uint16_t U16(int64_t position) const {
        return static_cast<uint16_t>(U8(position) | (U8(position + 1) << 8));
    }
    uint32_t U32(int64_t position) const {
        return static_cast<uint32_t>(U16(position)) |
               (static_cast<uint32_t>(U16(position + 2)) << 16);
    }

    // The four bytes at position equal the tag.
    bool HasTag(int64_t position, std::string_view tag) const {
        if (position < 0 || position > Size() - static_cast<int64_t>(tag.size()))
            return false;
        return std::memcmp(bytes_.data() + position, tag.data(), tag.size()) == 0;
    }

    // Text from position up to its first zero byte or the buffer's end, and
    // no longer than maxLength.
    std::string_view CString(int64_t position, size_t maxLength = SIZE_MAX) const {
        if (!Contains(position))
            return {};
        const auto* start = reinterpret_cast<const char*>(bytes_.data() + position);
        size_t room = std::min(bytes_.size() - static_cast<size_t>(position), maxLength);
        const void* zero = std::memchr(start, 0, room);
        size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - start) : room;
        return {start, length};
    }

    // The bytes [position, position + count) that lie inside the buffer.
    std::span<const uint8_t> Bytes(int64_t position, int64_t count) const {
        int64_t begin = position < 0 ? 0 : position;
        int64_t end = count < 0 ? begin : position + count;
        if (begin >= Size() || end <= begin)
            return {};
        if (end > Size())
            end = Size();
        return bytes_.subspan(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
    }

    std::span<const uint8_t> All() const { return bytes_; }

private:
    std::span<const uint8_t> bytes_;
};

} // namespace brindle
