#include "xom/layout.h"

#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace brindle {
namespace {

using fixture::Bytes;

TEST(ReadIndex, TakesOneOrTwoBytesByTheTopBitOfTheFirst) {
    struct Case {
        Bytes bytes;
        uint32_t value;
        bool wide;
    };
    for (const Case& c : std::vector<Case>{
             {{0x00}, 0, false},
             {{0x7F}, 127, false},
             {{0x80, 0x00}, 0, true},
             {{0x80, 0x01}, 128, true},
             {{0xC8, 0x01}, 200, true},
             {{0xAC, 0x02}, 300, true},
             {{0xFF, 0xFF}, 32767, true},
             // A wide index whose second byte lies past the buffer reads it as 0.
             {{0x85}, 5, true},
         }) {
        Index index = ReadIndex(ByteReader(c.bytes), 0);
        EXPECT_EQ(index.value, c.value) << int(c.bytes[0]);
        EXPECT_EQ(index.wide, c.wide) << int(c.bytes[0]);
    }
}

TEST(ReadIndex, ReadsZeroOutsideTheBuffer) {
    Bytes bytes{0x05};
    EXPECT_EQ(ReadIndex(ByteReader(bytes), 1).value, 0u);
    EXPECT_EQ(ReadIndex(ByteReader(bytes), -3).value, 0u);
}

TEST(IndexKey, IsTheStoredIndexBytesReadLowByteFirst) {
    struct Case {
        uint32_t j;
        uint32_t key;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{
             {0, 0x00, "00"},
             {1, 0x01, "01"},
             {10, 0x0A, "0A"},
             {127, 0x7F, "7F"},
             {128, 0x180, "180"},
             {200, 0x1C8, "1C8"},
             {300, 0x2AC, "2AC"},
             {32767, 0xFFFF, "FFFF"},
             {32768, 0x10080, "10080"},
             {65535, 0x1FFFF, "1FFFF"},
         }) {
        EXPECT_EQ(EncodeIndexKey(c.j), c.key) << c.j;
        EXPECT_EQ(IndexKeyText(c.j), c.text) << c.j;
    }
}

TEST(IndexKey, MatchesTheBytesThatTheBuilderStores) {
    for (uint32_t j = 0; j < 32768; ++j) {
        Bytes stored = fixture::IndexBytes(j);
        uint32_t key = stored.size() == 1 ? stored[0] : stored[0] + 256u * stored[1];
        ASSERT_EQ(EncodeIndexKey(j), key) << j;
        ASSERT_EQ(ReadIndex(ByteReader(stored), 0).value, j);
    }
}

TEST(StringBlock, StandsAfterTheStringsTagOrSixteenBytesFurther) {
    struct Case {
        int types;
        bool tag;
        int64_t start;
    };
    for (const Case& c :
         std::vector<Case>{{0, true, 84}, {0, false, 100}, {2, true, 212}, {2, false, 228}}) {
        fixture::XomBuilder xom;
        for (int i = 0; i < c.types; ++i)
            xom.Type("T" + std::to_string(i), 0);
        if (!c.tag)
            xom.WithoutStringsTag();
        xom.Strings({"", "a", "bc"});
        Bytes file = xom.Build();
        StringBlock block = ReadStringBlock(ByteReader(file), static_cast<uint32_t>(c.types));
        EXPECT_EQ(block.start, c.start);
        EXPECT_EQ(block.count, 3);
        EXPECT_EQ(block.dataSize, 6);
        EXPECT_EQ(block.EntriesStart(), static_cast<int64_t>(xom.EntriesStart()));
        EXPECT_EQ(ReadString(ByteReader(file), block, 2), "bc");
    }
}

TEST(StringBlock, TakesCountSizeAndOffsetsModulo65536) {
    fixture::XomBuilder xom;
    xom.Strings({"", "first", "second"});
    Bytes file = xom.Build();
    const size_t b = xom.StringBlockStart();
    fixture::PutU32(file, b, 65536 + 3);
    fixture::PutU32(file, b + 4, 65536 + 14);
    fixture::PutU32(file, b + 8 + 4 * 2, 65536 + 7);

    ByteReader reader(file);
    StringBlock block = ReadStringBlock(reader, 0);
    EXPECT_EQ(block.count, 3);
    EXPECT_EQ(block.dataSize, 14);
    EXPECT_EQ(ReadString(reader, block, 2), "second");
}

TEST(StringBlock, StringsPastTheFileReadAsTheirBytesInsideIt) {
    fixture::XomBuilder xom;
    xom.Strings({"", "tail"});
    Bytes file = xom.Build();
    fixture::PutU32(file, xom.StringBlockStart() + 8 + 4, 0xFFFF);
    EXPECT_EQ(ReadString(ByteReader(file), ReadStringBlock(ByteReader(file), 0), 1), "");

    // A text without its zero byte runs to the buffer's end and no further.
    Bytes whole = xom.Build();
    Bytes cut(whole.begin(), whole.end() - 1);
    EXPECT_EQ(ReadString(ByteReader(cut), ReadStringBlock(ByteReader(cut), 0), 1), "tail");
}

TEST(TypeRecord, NameRunsOnPastItsRecordWithoutAZeroByte) {
    fixture::XomBuilder xom;
    xom.Type("First", 7).Type("Second", 0);
    Bytes file = xom.Build();
    // Record 0's name area and the first bytes of record 1, which are not
    // examined, hold no zero byte.
    for (size_t i = 64 + 32; i < 128 + 4; ++i)
        file[i] = 'x';
    TypeRecord record = ReadTypeRecord(ByteReader(file), 0);
    EXPECT_EQ(record.entryCount, 7);
    EXPECT_EQ(record.name, std::string(36, 'x'));
    EXPECT_EQ(ReadTypeRecord(ByteReader(file), 1).name, "Second");
}

TEST(FindNextTag, FindsEveryOccurrenceFromFourBytesOn) {
    struct Case {
        std::string bytes;
        int64_t from;
        std::optional<int64_t> distance;
    };
    for (const Case& c : std::vector<Case>{
             {"CTNRCTNR", 0, 4},              // a tag directly followed by a tag
             {"CTNRabCTNRxx", 0, 6},          // the first later occurrence counts
             {"CTNRCTNCTNR", 0, 7},           // overlapping near-misses
             {"CTNRabcdef", 0, std::nullopt}, // none left: the file's last entry
             {"CTNRabCTN", 0, std::nullopt},  // a tag cut by the file's end
             {"CTNR", 0, std::nullopt},
             {"xxCTNRCTNR", 2, 4},
             {"CTNR", 10, std::nullopt}, // a tag position past the file
         }) {
        Bytes file(c.bytes.begin(), c.bytes.end());
        file.push_back(0); // the buffer's extra zero byte
        ByteReader reader(file);
        EXPECT_EQ(FindNextTag(reader, c.from, static_cast<int64_t>(c.bytes.size())), c.distance)
            << c.bytes;
    }
}

TEST(FindNextTag, FindsExactlyWhatAByteByByteSearchFinds) {
    // Bytes drawn from the tag's own letters make near-misses and
    // overlapping tags common.
    std::mt19937 random(5);
    const char letters[] = "CTNRx";
    for (int round = 0; round < 2000; ++round) {
        Bytes file(4 + random() % 60);
        for (uint8_t& byte : file)
            byte = static_cast<uint8_t>(letters[random() % 5]);
        const int64_t size = static_cast<int64_t>(file.size());
        file.push_back(0);
        ByteReader reader(file);
        for (int64_t from = 0; from < size; ++from) {
            std::optional<int64_t> expected;
            for (int64_t h = 4; from + h + 4 <= size; ++h) {
                if (std::memcmp(file.data() + from + h, "CTNR", 4) == 0) {
                    expected = h;
                    break;
                }
            }
            ASSERT_EQ(FindNextTag(reader, from, size), expected)
                << std::string(file.begin(), file.end() - 1) << " from " << from;
        }
    }
}

} // namespace
} // namespace brindle
