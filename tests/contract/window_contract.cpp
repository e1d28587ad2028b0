#include "tests/contract/window_contract.h"

#include "app/app_error.h"

#include <vector>

namespace brindle::contract {
namespace {

using ::testing::ElementsAre;

TEST_P(WindowContract, StartsLikeAWindowWithNoFileOpen) {
    EXPECT_EQ(window_->Caption(), "Brindle for Worms3D v1.5 by Tolvanek");
    EXPECT_FALSE(window_->TreeSelected());
    EXPECT_EQ(window_->GridRowCount(), 2);
    EXPECT_EQ(window_->GridKey(0), "Key");
    EXPECT_EQ(window_->GridValue(0), "Value");
    EXPECT_EQ(window_->GridKey(1), "");
    EXPECT_EQ(window_->GridValue(1), "");
    EXPECT_EQ(window_->Text(), "");
    EXPECT_TRUE(window_->TextVisible());
    EXPECT_TRUE(window_->PreviewChecked());
    EXPECT_FALSE(window_->SaveImageEnabled());
    EXPECT_EQ(window_->PictureWidth(), 0);
    EXPECT_EQ(window_->PictureHeight(), 0);
    EXPECT_EQ(window_->ScrollBoxSize(), (Size{201, 177}));
}

TEST_P(WindowContract, TreeNumbersNodesInDisplayOrder) {
    NodeRef a = window_->TreeAddTop("A(2)");
    NodeRef b = window_->TreeAddTop("B(0)");
    NodeRef c = window_->TreeAddTop("C(1)");
    NodeRef a0 = window_->TreeAddChild(a, "a0");
    NodeRef a1 = window_->TreeAddChild(a, "a1");
    NodeRef c0 = window_->TreeAddChild(c, "c0");

    struct Expected {
        NodeRef node;
        const char* text;
        int64_t absolute;
        int level;
        int32_t sibling;
    };
    for (const Expected& e : std::vector<Expected>{
             {a, "A(2)", 0, 0, 0},
             {a0, "a0", 1, 1, 0},
             {a1, "a1", 2, 1, 1},
             {b, "B(0)", 3, 0, 1},
             {c, "C(1)", 4, 0, 2},
             {c0, "c0", 5, 1, 0},
         }) {
        SCOPED_TRACE(e.text);
        EXPECT_EQ(window_->NodeText(e.node), e.text);
        EXPECT_EQ(window_->NodeAbsoluteIndex(e.node), e.absolute);
        EXPECT_EQ(window_->NodeLevel(e.node), e.level);
        EXPECT_EQ(window_->NodeSiblingIndex(e.node), e.sibling);
    }
}

TEST_P(WindowContract, ClearingTheTreeDropsNodesAndSelection) {
    NodeRef a = window_->TreeAddTop("A(1)");
    NodeRef a0 = window_->TreeAddChild(a, "a0");
    under_.select(a0);
    ASSERT_EQ(window_->TreeSelected(), a0);

    window_->TreeClear();
    EXPECT_FALSE(window_->TreeSelected());
    NodeRef again = window_->TreeAddTop("Z(0)");
    EXPECT_EQ(window_->NodeAbsoluteIndex(again), 0);
    EXPECT_EQ(window_->NodeText(again), "Z(0)");
}

TEST_P(WindowContract, TreeKeepsBytesOfLabelsUnchanged) {
    const std::string label("0x1 (caf\xE9 \x80\x81\x9D)", 13);
    NodeRef a = window_->TreeAddTop("T(1)");
    NodeRef a0 = window_->TreeAddChild(a, label);
    EXPECT_EQ(window_->NodeText(a0), label);
}

TEST_P(WindowContract, GridListsRowsUnderTheTitleRow) {
    window_->GridAppend("01", "alpha");
    window_->GridAppend("02", "beta");
    EXPECT_EQ(window_->GridRowCount(), 3);
    EXPECT_EQ(window_->GridKey(0), "Key");
    EXPECT_EQ(window_->GridValue(0), "Value");
    EXPECT_EQ(window_->GridKey(2), "02");
    EXPECT_EQ(window_->GridValue(2), "beta");

    window_->GridClear();
    EXPECT_EQ(window_->GridRowCount(), 2);
    EXPECT_EQ(window_->GridValue(1), "");
}

TEST_P(WindowContract, GridRowsPastTheEndFailWithTheListMessage) {
    window_->GridAppend("01", "alpha");
    for (int32_t row : {2, 3, 500}) {
        try {
            (void)window_->GridValue(row);
            ADD_FAILURE() << "row " << row << " did not fail";
        } catch (const AppError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "List index out of bounds (" + std::to_string(row - 1) + ")");
        }
        EXPECT_THROW((void)window_->GridKey(row), AppError);
    }
}

TEST_P(WindowContract, EmptyGridReadsEveryRowAsEmpty) {
    for (int32_t row : {1, 2, 7, 32767}) {
        EXPECT_EQ(window_->GridValue(row), "") << row;
        EXPECT_EQ(window_->GridKey(row), "") << row;
    }
}

TEST_P(WindowContract, TextViewKeepsTextVisibilityAndFormat) {
    window_->TextSet("01  02\r\n");
    EXPECT_EQ(window_->Text(), "01  02\r\n");
    window_->TextSetVisible(false);
    EXPECT_FALSE(window_->TextVisible());
    window_->TextSetVisible(true);
    EXPECT_TRUE(window_->TextVisible());

    CharFormat bold;
    bold.bold = true;
    window_->TextSetDefaultFormat(bold);
    EXPECT_EQ(window_->TextDefaultFormat(), bold);
}

TEST_P(WindowContract, SwitchesAndButtonsHoldTheirState) {
    window_->SetPreviewChecked(false);
    EXPECT_FALSE(window_->PreviewChecked());
    window_->SaveImageSetEnabled(true);
    EXPECT_TRUE(window_->SaveImageEnabled());
    window_->SaveImageSetEnabled(false);
    EXPECT_FALSE(window_->SaveImageEnabled());
}

TEST_P(WindowContract, PictureStartsBlackAndKeepsWrittenRows) {
    window_->PictureClear();
    window_->PictureSetWidth(3);
    window_->PictureSetHeight(2);
    window_->PictureSetDepth(24);
    ASSERT_EQ(window_->PictureDepth(), 24);
    ASSERT_EQ(window_->PictureRow(0).size(), 9u);
    for (int y = 0; y < 2; ++y)
        for (uint8_t byte : window_->PictureRowConst(y))
            EXPECT_EQ(byte, 0);

    auto row = window_->PictureRow(1);
    for (size_t i = 0; i < row.size(); ++i)
        row[i] = static_cast<uint8_t>(i + 1);
    EXPECT_THAT(std::vector<uint8_t>(window_->PictureRowConst(1).begin(),
                                     window_->PictureRowConst(1).end()),
                ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9));

    window_->PictureSetDepth(32);
    EXPECT_EQ(window_->PictureRow(0).size(), 12u);
    EXPECT_TRUE(window_->PictureRow(2).empty());

    window_->PictureClear();
    EXPECT_EQ(window_->PictureWidth(), 0);
    EXPECT_EQ(window_->PictureHeight(), 0);
}

TEST_P(WindowContract, ImageKeepsItsPlace) {
    window_->ImageSetPosition(Point{36, 24});
    EXPECT_EQ(window_->ImagePosition(), (Point{36, 24}));
}

TEST_P(WindowContract, StatusPanelsHoldWidthsAndTexts) {
    PanelRef main = window_->StatusAddPanel();
    PanelRef info = window_->StatusAddPanel();
    window_->StatusSetPanelWidth(main, 250);
    window_->StatusSetText(main, "12");
    window_->StatusSetText(info, "Strings: (3) - (40)");
    EXPECT_EQ(window_->StatusPanelCount(), 2);
    EXPECT_EQ(window_->StatusPanelWidth(main), 250);
    EXPECT_EQ(window_->StatusText(main), "12");
    EXPECT_EQ(window_->StatusText(info), "Strings: (3) - (40)");
}

TEST_P(WindowContract, DialogsReturnTheChosenPathOrCancel) {
    window_->DialogSetFileName(FileDialog::SaveData, "mesh01_(4).bin");
    EXPECT_EQ(window_->DialogFileName(FileDialog::SaveData), "mesh01_(4).bin");

    under_.answerNextDialog("/tmp/out.bin");
    ASSERT_TRUE(window_->DialogExecute(FileDialog::SaveData));
    EXPECT_EQ(window_->DialogFileName(FileDialog::SaveData), "/tmp/out.bin");

    under_.answerNextDialog(std::nullopt);
    EXPECT_FALSE(window_->DialogExecute(FileDialog::Open));
}

} // namespace
} // namespace brindle::contract
