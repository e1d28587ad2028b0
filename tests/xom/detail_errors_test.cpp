// The two errors of the detail lines end the open at their entry: that entry
// gets no line, node or slot, and everything made before it stays.
#include "tests/fixture/opened_container.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brindle {
namespace {

using fixture::Bytes;
using fixture::ColourEntry;
using fixture::FloatBitsEntry;
using fixture::GenericEntry;
using fixture::IntEntry;
using fixture::StringEntry;
using fixture::VectorEntry;
using fixture::XomBuilder;

constexpr uint32_t kOnePointFive = 0x3FC00000;
constexpr uint32_t kSignallingNan = 0xFF800001;

Bytes VectorWithSignallingZ(uint32_t nameIndex) {
    Bytes data = VectorEntry(1, 2, 3, nameIndex);
    fixture::PutU32(data, 3 + 8, kSignallingNan); // z, tag offset 15
    return data;
}

struct ErrorCase {
    const char* what;
    XomBuilder xom;
    std::string error;
    int32_t listedStrings;
    std::vector<int32_t> children;   // per type node
    std::vector<size_t> filledSlots; // with the entry (in file order) each holds
    std::vector<size_t> slotEntries;
    std::string text;
    std::string mainPanel;
};

std::vector<ErrorCase> Cases() {
    std::vector<ErrorCase> cases;
    {
        // Nodes: colour type 0 with 1, 2; vector type 3 with 4, then 5 fails.
        XomBuilder xom;
        xom.Strings({"", "Alpha", "Beta"})
            .Type("XColorResourceDetails", 2)
            .Type("XVectorResourceDetails", 3)
            .Type("XIntResourceDetails", 1)
            .Type("After", 1)
            .Entry(ColourEntry(1, 2, 3, 4, 1))
            .Entry(ColourEntry(5, 6, 7, 8, 2))
            .Entry(VectorEntry(1, 2, 3, 1))
            .Entry(VectorEntry(1, 2, 3, 3)) // rows are 0 to 2
            .Entry(VectorEntry(1, 2, 3, 1))
            .Entry(IntEntry(5, 1))
            .Entry(GenericEntry(1));
        cases.push_back({"vector name index past the rows", xom, "List index out of bounds (2)", 2,
                         std::vector<int32_t>{2, 1, 0, 0}, std::vector<size_t>{1, 2, 4},
                         std::vector<size_t>{0, 1, 2},
                         "Alpha = <r:1 g:2 b:3 a:4>\r\n"
                         "Beta = <r:5 g:6 b:7 a:8>\r\n"
                         "Alpha = <x:1.00 y:2.00 z:3.00>\r\n",
                         "4"});
    }
    {
        XomBuilder xom;
        xom.Strings({"", "Alpha", "Beta"})
            .Type("XFloatResourceDetails", 3)
            .Type("After", 1)
            .Entry(FloatBitsEntry(kOnePointFive, 1))
            .Entry(FloatBitsEntry(kSignallingNan, 1))
            .Entry(FloatBitsEntry(kOnePointFive, 2))
            .Entry(GenericEntry(1));
        cases.push_back({"signalling NaN in a float", xom, "Invalid floating point operation", 2,
                         std::vector<int32_t>{1, 0}, std::vector<size_t>{1}, std::vector<size_t>{0},
                         "Alpha = 1.50\r\n", "1"});
    }
    {
        // Nodes: plain type 0 with 1, string type 2 with 3, vector type 4
        // whose first entry fails.
        XomBuilder xom;
        xom.Strings({"", "Alpha"})
            .Type("Plain", 1)
            .Type("XStringResourceDetails", 1)
            .Type("XVectorResourceDetails", 2)
            .Entry(GenericEntry(1))
            .Entry(StringEntry(1, 1))
            .Entry(VectorWithSignallingZ(1))
            .Entry(VectorEntry(1, 2, 3, 1));
        cases.push_back({"signalling NaN in a vector's z", xom, "Invalid floating point operation",
                         1, std::vector<int32_t>{1, 1, 0}, std::vector<size_t>{1, 3},
                         std::vector<size_t>{0, 1}, "Alpha = Alpha\r\n", "3"});
    }
    {
        XomBuilder xom;
        xom.Strings({"", "Alpha"})
            .Type("XStringResourceDetails", 2)
            .Type("After", 1)
            .Entry(StringEntry(2, 1))
            .Entry(StringEntry(1, 1))
            .Entry(GenericEntry(1));
        cases.push_back({"first entry of the first type", xom, "List index out of bounds (1)", 1,
                         std::vector<int32_t>{0, 0}, std::vector<size_t>{}, std::vector<size_t>{},
                         "", ""});
    }
    return cases;
}

TEST(DetailErrors, EndTheOpenAndKeepWhatWasMade) {
    for (ErrorCase& c : Cases()) {
        fixture::OpenedContainer opened;
        opened.window.TextSet("text of an earlier file\r\n");
        EXPECT_EQ(opened.Open(c.xom.Build()).value_or("no error"), c.error) << c.what;

        // Every type node, the children made before the error, no more.
        const TreeStore& tree = opened.window.Tree();
        ASSERT_EQ(tree.TopCount(), static_cast<int32_t>(c.children.size())) << c.what;
        for (int32_t top = 0; top < tree.TopCount(); ++top)
            EXPECT_EQ(tree.ChildCount(top), c.children[static_cast<size_t>(top)])
                << c.what << ", type " << top;

        // The string table stays whole.
        EXPECT_EQ(opened.window.Grid().ListedCount(), c.listedStrings) << c.what;
        EXPECT_EQ(opened.window.Grid().Value(1), "Alpha") << c.what;

        // Exactly the slots of the entries before the error.
        const StrArr& slots = opened.state.EntryIndex;
        std::vector<size_t> filled;
        for (size_t k = 0; k < slots.size(); ++k)
            if (!slots[k].Empty())
                filled.push_back(k);
        EXPECT_EQ(filled, c.filledSlots) << c.what;
        for (size_t i = 0; i < c.filledSlots.size() && i < filled.size(); ++i) {
            size_t entry = c.slotEntries[i];
            const EntrySlot& slot = slots[c.filledSlots[i]];
            EXPECT_EQ(slot.dataPosition, c.xom.EntryTag(entry) + 4) << c.what;
            EXPECT_EQ(slot.size,
                      static_cast<int32_t>(c.xom.EntryTag(entry + 1) - c.xom.EntryTag(entry)))
                << c.what;
        }

        // The text view holds the lines collected before the error.
        EXPECT_EQ(opened.window.Text(), c.text) << c.what;
        EXPECT_EQ(opened.Main(), c.mainPanel) << c.what;
    }
}

} // namespace
} // namespace brindle
