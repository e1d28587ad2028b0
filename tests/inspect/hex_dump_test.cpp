#include "inspect/hex_dump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brindle {
namespace {

using Bytes = std::vector<uint8_t>;

struct DumpCase {
    std::string name;
    Bytes bytes;
    std::string expected;
};

class HexDump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(HexDump, EightBytesALine) {
    EXPECT_EQ(HexDumpText(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexDump,
    ::testing::Values(
        DumpCase{"Empty", {}, ""}, DumpCase{"OneByte", {0x0A}, "0A  "},
        DumpCase{"UpperCaseTwoDigits", {0x00, 0x0A, 0xFF, 0xab}, "00  0A  FF  AB  "},
        DumpCase{"OneFullLine", {1, 2, 3, 4, 5, 6, 7, 8}, "01  02  03  04  05  06  07  08\r\n"},
        DumpCase{"TenBytes",
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A},
                 "01  02  03  04  05  06  07  08\r\n09  0A  "},
        DumpCase{"SixteenBytes",
                 {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC,
                  0xFD, 0xFE, 0xFF},
                 "10  11  12  13  14  15  16  17\r\nF8  F9  FA  FB  FC  FD  FE  FF\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(HexDumpOfFile, ShowsOnlyBytesInsideTheFile) {
    const Bytes file = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4};
    const ByteReader reader(file);
    EXPECT_EQ(HexDumpText(reader, 1, 3), "C1  C2  C3  ");
    EXPECT_EQ(HexDumpText(reader, 3, 10), "C3  C4  ");
    EXPECT_EQ(HexDumpText(reader, 5, 4), "");
    EXPECT_EQ(HexDumpText(reader, 2, 0), "");
    EXPECT_EQ(HexDumpText(reader, 2, -4), "");
}

} // namespace
} // namespace brindle
