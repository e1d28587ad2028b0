#include "xom/open_command.h"

#include "xom/byte_reader.h"
#include "xom/detail_line.h"
#include "xom/layout.h"
#include "xom/read_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

namespace brindle {
namespace {

// What each type record's entries are, decided once after listing the types.
// For each meaningful name only the last record that bears it counts.
class TypeRoles {
public:
    void Note(std::string_view name, size_t type) {
        if (name == kImageType)
            image_ = type;
        else if (std::optional<DetailKind> kind = DetailKindOfType(name))
            detail_[std::string(name)] = {type, *kind};
    }
    void Settle(size_t typeCount) {
        kinds_.assign(typeCount, std::nullopt);
        for (const auto& [name, remembered] : detail_)
            kinds_[remembered.first] = remembered.second;
    }
    bool IsImage(size_t type) const { return type == image_; }
    std::optional<DetailKind> KindOf(size_t type) const { return kinds_[type]; }

private:
    std::optional<size_t> image_;
    std::map<std::string, std::pair<size_t, DetailKind>> detail_;
    std::vector<std::optional<DetailKind>> kinds_;
};

std::string TypeLabel(std::string_view name, int32_t count) {
    return std::string(name) + "(" + std::to_string(count) + ")";
}

std::string GenericLabel(uint32_t index, std::string_view name) {
    std::string label = "0x";
    label.reserve(name.size() + 12);
    AppendUpperHex(label, index);
    label += " (";
    label += name;
    label += ')';
    return label;
}

// The walk can fill a slot for every type node and for every entry that the
// file can hold, each entry but the last taking at least its 4-byte tag.
size_t IndexCapacity(int64_t typeCount, int64_t declaredEntries, int64_t firstTag,
                     int64_t fileSize) {
    int64_t room = fileSize > firstTag ? (fileSize - firstTag) / 4 + 2 : 1;
    int64_t slots = typeCount + 1 + std::min(declaredEntries, room);
    return static_cast<size_t>(std::max<int64_t>(slots, 10000));
}

// Hands the collected detail lines to the text view, only when they changed:
// at most a handful of types contribute lines, so this stays cheap however
// many types the file lists.
class DetailText {
public:
    explicit DetailText(WindowOps& window) : window_(window) {}
    void Append(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
    }
    void Publish() {
        if (published_ && publishedSize_ == text_.size())
            return;
        window_.TextSet(text_);
        published_ = true;
        publishedSize_ = text_.size();
    }

private:
    WindowOps& window_;
    std::string text_;
    bool published_ = false;
    size_t publishedSize_ = 0;
};

class Walk {
public:
    Walk(RunState& state, WindowOps& window)
        : state_(state), window_(window), file_(state.FileBytes()), details_(window) {}

    void Run() {
        try {
            ListTypes();
            int64_t firstTag = FillStringTable();
            WalkEntries(firstTag);
        } catch (...) {
            details_.Publish();
            throw;
        }
        details_.Publish();
    }

private:
    void ListTypes() {
        uint16_t n = ReadTypeCount(file_);
        state_.TypeCounts.assign(n, 0);
        state_.TypeNodes.assign(n, NodeRef{});
        for (uint32_t i = 0; i < n; ++i) {
            TypeRecord record = ReadTypeRecord(file_, i);
            int32_t count = record.name == kGraphSetType ? 1 : record.entryCount;
            state_.TypeCounts[i] = count;
            roles_.Note(record.name, i);
            state_.TypeNodes[i] = window_.TreeAddTop(TypeLabel(record.name, count));
        }
        roles_.Settle(n);
    }

    int64_t FillStringTable() {
        StringBlock block = ReadStringBlock(file_, static_cast<uint32_t>(state_.TypeCounts.size()));
        std::string counts = "Strings: (" + std::to_string(block.count) + ")";
        window_.StatusSetText(state_.InfoPanel, counts);
        for (uint32_t j = 1; j < block.count; ++j)
            window_.GridAppend(IndexKeyText(j), ReadString(file_, block, j));
        window_.StatusSetText(state_.InfoPanel,
                              counts + " - (" + std::to_string(block.dataSize) + ")");
        return block.EntriesStart();
    }

    void WalkEntries(int64_t position) {
        int64_t declared = 0;
        for (int32_t count : state_.TypeCounts)
            declared += count;
        state_.EntryIndex.assign(IndexCapacity(static_cast<int64_t>(state_.TypeCounts.size()),
                                               declared, position, state_.FileSize),
                                 EntrySlot{});
        int64_t node = 0;
        for (size_t type = 0; type < state_.TypeCounts.size(); ++type) {
            for (int32_t e = 0; e < state_.TypeCounts[type]; ++e) {
                if (!EntryStep(type, position, node))
                    return;
            }
            ++node;
            details_.Publish();
        }
    }

    // False once the file's last entry has been recorded.
    bool EntryStep(size_t type, int64_t& position, int64_t& node) {
        std::optional<DetailKind> kind = roles_.KindOf(type);
        FirstLookup first = LookUpFirstIndex(position, kind.has_value());
        std::string label;
        if (kind) {
            label = DetailLine(*kind, file_, position, first, window_, state_.DecimalSeparator);
            details_.Append(label);
        } else {
            label = GenericLabel(first.index, first.name);
        }
        window_.TreeAddChild(state_.TypeNodes[type], label);

        ++node;
        EntrySlot& slot = SlotFor(node);
        slot.isImage = roles_.IsImage(type) ? 1 : 0;
        slot.dataPosition = static_cast<uint32_t>(position + kEntryDataOffset);
        std::optional<int64_t> next = FindNextTag(file_, position, state_.FileSize);
        if (!next) {
            // The file's last entry: its data run to the file's end.
            slot.size = static_cast<int32_t>(std::max<int64_t>(state_.FileSize - position, 4));
            return false;
        }
        slot.size = static_cast<int32_t>(*next);
        window_.StatusSetText(state_.MainPanel, std::to_string(node));
        window_.RepaintNow();
        position += *next;
        return true;
    }

    // The key text matters only to detail lines, so plain entries skip it.
    FirstLookup LookUpFirstIndex(int64_t position, bool withKey) {
        Index index = ReadIndex(file_, position + kFirstIndexOffset);
        FirstLookup first{index.value, index.wide, "[OUT]", "0"};
        if (static_cast<int64_t>(index.value) < window_.GridRowCount()) {
            auto row = static_cast<int32_t>(index.value);
            first.name = window_.GridValue(row);
            if (withKey)
                first.key = window_.GridKey(row);
        }
        return first;
    }

    EntrySlot& SlotFor(int64_t node) {
        // The capacity covers every node the walk can reach; growing is only
        // a guard.
        if (static_cast<size_t>(node) >= state_.EntryIndex.size())
            state_.EntryIndex.resize(static_cast<size_t>(node) + 1);
        return state_.EntryIndex[static_cast<size_t>(node)];
    }

    RunState& state_;
    WindowOps& window_;
    ByteReader file_;
    TypeRoles roles_;
    DetailText details_;
};

} // namespace

std::string OpenedCaption(std::string_view path) {
    size_t cut = path.find_last_of("\\/");
    std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    return "Brindle v1.5 by Tolvanek - [" + std::string(name) + "]";
}

void Button1Click(RunState& state, WindowOps& window) {
    if (!window.DialogExecute(FileDialog::Open))
        return;
    std::string path = window.DialogFileName(FileDialog::Open);
    // Read before touching anything: a file that cannot be read leaves the
    // current state as it was.
    LoadContainer(state, window, path, ReadWholeFile(path));
}

void LoadContainer(RunState& state, WindowOps& window, const std::string& path, ByteBlock buffer) {
    state.FileSize = static_cast<int32_t>(buffer.size() - 1);
    state.FileBuffer = std::move(buffer);
    state.PixelData.reset();
    state.EntryIndex.clear();
    window.SetCaption(OpenedCaption(path));
    window.SaveImageSetEnabled(false);
    window.GridClear();
    window.TreeClear();
    Walk(state, window).Run();
}

} // namespace brindle
