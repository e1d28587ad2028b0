// The widgets follow the window's stored contents: tree and grid rows,
// the text view, the picture, the status panels and the selection.

#include "app/qt/grid_model.h"
#include "app/qt/grid_view.h"
#include "app/qt/picture_view.h"
#include "app/qt/status_bar.h"
#include "app/qt/text_view.h"
#include "app/qt/tree_model.h"
#include "app/qt/tree_view.h"
#include "tests/gui/form_fixture.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace brindle::qt::testing {
namespace {

class FormContents : public FormTest {
protected:
    QString TreeText(const QModelIndex& index) const { return index.data().toString(); }
    const TreeModel& tree() const { return form.TreeItems(); }
    const QAbstractItemModel& grid() const { return *controls().valueListEditor1->model(); }
};

TEST_F(FormContents, TreeModelShowsTypesAndEntriesOncePublished) {
    NodeRef a = form.TreeAddTop("A(2)");
    NodeRef b = form.TreeAddTop("B(0)");
    form.TreeAddChild(a, "0x1 (caf\xE9)");
    form.TreeAddChild(a, "0x2 (\x80)");
    EXPECT_EQ(tree().rowCount(), 0) << "rows reach the view when published";

    form.Flush();
    ASSERT_EQ(tree().rowCount(), 2);
    QModelIndex typeA = tree().index(0, 0);
    EXPECT_EQ(TreeText(typeA), "A(2)");
    EXPECT_EQ(TreeText(tree().index(1, 0)), "B(0)");
    ASSERT_EQ(tree().rowCount(typeA), 2);
    EXPECT_EQ(TreeText(tree().index(0, 0, typeA)), QString::fromUtf8("0x1 (café)"));
    EXPECT_EQ(TreeText(tree().index(1, 0, typeA)), QString::fromUtf8("0x2 (€)"));
    EXPECT_FALSE(tree().hasChildren(tree().index(1, 0)));
    EXPECT_EQ(tree().NodeOf(tree().index(1, 0, typeA)), (NodeRef{a.top, 1}));
    EXPECT_EQ(tree().IndexOf(b), tree().index(1, 0));

    form.TreeClear();
    EXPECT_EQ(tree().rowCount(), 0) << "a cleared tree is gone from the view at once";
}

TEST_F(FormContents, EventLoopPublishesWhatAHandlerLeft) {
    NodeRef a = form.TreeAddTop("A(1)");
    form.TreeAddChild(a, "a0");
    form.GridAppend("01", "alpha");
    ProcessEvents();
    EXPECT_TRUE(tree().InStep());
    EXPECT_TRUE(form.GridItems().InStep());
}

TEST_F(FormContents, ViewNeverSeesRowsTheStoreDoesNotHold) {
    // Checked at every announcement, while the store keeps growing.
    int announcements = 0;
    QObject::connect(&tree(), &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex& parent, int, int last) {
                         ++announcements;
                         int32_t stored = parent.isValid() ? form.Tree().ChildCount(parent.row())
                                                           : form.Tree().TopCount();
                         EXPECT_LT(last, stored);
                         EXPECT_EQ(tree().rowCount(parent), last + 1);
                     });
    std::vector<NodeRef> types;
    for (int t = 0; t < 3; ++t)
        types.push_back(form.TreeAddTop("T(400)"));
    for (NodeRef type : types) {
        for (int e = 0; e < 400; ++e) {
            form.TreeAddChild(type, "entry");
            form.RepaintNow();
        }
    }
    form.Flush();
    EXPECT_GT(announcements, 0);
    EXPECT_TRUE(tree().InStep());
    EXPECT_EQ(tree().rowCount(tree().index(2, 0)), 400);
}

TEST_F(FormContents, FirstRepaintOfACommandShowsItsRowsAndProgress) {
    NodeRef a = form.TreeAddTop("A(1)");
    form.TreeAddChild(a, "a0");
    form.StatusSetText(state.MainPanel, "1");
    form.RepaintNow();
    EXPECT_TRUE(tree().InStep());
    EXPECT_EQ(controls().statusBar1->Panel(0)->text(), "1");
}

TEST_F(FormContents, GridShowsTheEmptyRowOrTheListedRows) {
    ASSERT_EQ(grid().rowCount(), 1);
    form.GridAppend("01", "Speed");
    form.GridAppend("02", "caf\xE9");
    form.Flush();
    ASSERT_EQ(grid().rowCount(), 2);
    EXPECT_EQ(grid().index(0, 0).data().toString(), "01");
    EXPECT_EQ(grid().index(0, 1).data().toString(), "Speed");
    EXPECT_EQ(grid().index(1, 1).data().toString(), QString::fromUtf8("café"));

    form.GridClear();
    ASSERT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(grid().index(0, 1).data().toString(), "");

    form.GridAppend("01", "only");
    form.Flush();
    ASSERT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(grid().index(0, 1).data().toString(), "only");
}

TEST_F(FormContents, TextViewShowsTheTextAndHidesToUncoverThePicture) {
    form.TextSet("01  02\r\nXImage caf\xE9\r\n");
    TextView& view = *controls().richEdit1;
    ASSERT_EQ(view.LineCount(), 3);
    EXPECT_EQ(view.Line(0), "01  02");
    EXPECT_EQ(view.Line(1), "XImage caf\xE9");

    form.TextSetVisible(false);
    EXPECT_TRUE(view.isHidden());
    form.TextSetVisible(true);
    EXPECT_FALSE(view.isHidden());

    CharFormat italicRed;
    italicRed.colour = 0xFF0000;
    italicRed.italic = true;
    form.TextSetDefaultFormat(italicRed);
    EXPECT_EQ(view.Format(), italicRed);
    EXPECT_TRUE(view.ViewFont().italic());
    EXPECT_FALSE(view.ViewFont().bold());
}

// A w x h picture at 32 bits whose fourth bytes are all different from the
// colours, so a view that used them would show.
void PaintPicture(TFormXom& form, int width, int height, Point place) {
    form.PictureClear();
    form.PictureSetWidth(width);
    form.PictureSetHeight(height);
    form.PictureSetDepth(32);
    for (int y = 0; y < height; ++y) {
        auto row = form.PictureRow(y);
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = row.data() + x * 4;
            pixel[0] = static_cast<uint8_t>(x);        // blue
            pixel[1] = static_cast<uint8_t>(y);        // green
            pixel[2] = 200;                            // red
            pixel[3] = static_cast<uint8_t>(x ^ 0x5A); // never shown
        }
    }
    form.ImageSetPosition(place);
}

TEST_F(FormContents, PictureShowsItsColourBytesAtItsSizeAndPlace) {
    PaintPicture(form, 7, 5, Point{97, 86});
    form.Flush();
    PictureView& image = *controls().image1;
    EXPECT_EQ(image.geometry(), QRect(97, 86, 7, 5));
    const QImage& shown = image.Shown();
    ASSERT_EQ(shown.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(shown.pixel(x, y), qRgb(200, y, x)) << x << "," << y;

    form.PictureClear();
    form.PictureSetWidth(3);
    form.PictureSetHeight(2);
    form.PictureSetDepth(24);
    auto row = form.PictureRow(1);
    row[3] = 10; // pixel (1, 1): blue, green, red
    row[4] = 20;
    row[5] = 30;
    form.Flush();
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.Shown().pixel(1, 1), qRgb(30, 20, 10));
    EXPECT_EQ(image.Shown().pixel(0, 0), qRgb(0, 0, 0));

    form.PictureClear();
    form.Flush();
    EXPECT_EQ(image.size(), QSize(0, 0));
}

TEST_F(FormContents, ScrollBoxScrollsOnlyWhenThePictureReachesBeyondIt) {
    form.show();
    struct Case {
        int size;
        Point place;
        bool scrolls;
    };
    for (const Case& c :
         std::vector<Case>{{128, {36, 24}, false}, {512, {0, 0}, true}, {7, {97, 86}, false}}) {
        SCOPED_TRACE(c.size);
        form.TextSetVisible(false);
        PaintPicture(form, c.size, c.size, c.place);
        form.Flush();
        ProcessEvents();
        QScrollArea& box = *controls().scrollBox1;
        EXPECT_EQ(box.horizontalScrollBar()->isVisible(), c.scrolls);
        EXPECT_EQ(box.verticalScrollBar()->isVisible(), c.scrolls);
        EXPECT_EQ(form.ScrollBoxSize(), (Size{201, 177}));
    }
}

// What the window shows at the middle of the picture area.
QRgb ShownAtPictureCentre(TFormXom& form) {
    QWidget& image = *form.Widgets().image1;
    QPoint centre = image.mapTo(&form, image.rect().center());
    return form.grab().toImage().pixel(centre);
}

TEST_F(FormContents, TextViewCoversThePictureAreaUntilHidden) {
    form.show();
    form.PictureClear();
    form.PictureSetWidth(128);
    form.PictureSetHeight(128);
    form.PictureSetDepth(24);
    for (int y = 0; y < 128; ++y) {
        auto row = form.PictureRow(y);
        for (int x = 0; x < 128; ++x)
            row[x * 3 + 2] = 255; // red
    }
    form.ImageSetPosition(Point{36, 24});
    form.Flush();
    ProcessEvents();
    EXPECT_NE(ShownAtPictureCentre(form), qRgb(255, 0, 0));

    form.TextSetVisible(false);
    ProcessEvents();
    EXPECT_EQ(ShownAtPictureCentre(form), qRgb(255, 0, 0));

    form.TextSetVisible(true);
    ProcessEvents();
    EXPECT_NE(ShownAtPictureCentre(form), qRgb(255, 0, 0));
}

TEST_F(FormContents, StatusPanelsShowTheirTexts) {
    form.StatusSetText(state.MainPanel, "0x8 (glow.tga)");
    form.StatusSetText(state.InfoPanel, "Strings: (3) - (40) \xA7");
    form.Flush();
    EXPECT_EQ(controls().statusBar1->Panel(0)->text(), "0x8 (glow.tga)");
    EXPECT_EQ(controls().statusBar1->Panel(1)->text(), QString::fromUtf8("Strings: (3) - (40) §"));
}

TEST_F(FormContents, CaptionButtonAndSwitchFollowAtOnce) {
    form.SetCaption("Brindle v1.5 by Tolvanek - [B\xC3\xBCndel.xom]");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Brindle v1.5 by Tolvanek - [Bündel.xom]"));
    form.SaveImageSetEnabled(true);
    EXPECT_TRUE(controls().button3->isEnabled());
    form.SetPreviewChecked(false);
    EXPECT_FALSE(controls().checkBox1->isChecked());

    // And the other way: what the user does to the widgets.
    controls().checkBox1->click();
    EXPECT_TRUE(form.PreviewChecked());
}

TEST_F(FormContents, SelectionIsTheViewsCurrentNodeBothWays) {
    NodeRef a = form.TreeAddTop("A(2)");
    form.TreeAddChild(a, "a0");
    NodeRef a1 = form.TreeAddChild(a, "a1");
    form.SelectNode(a1);
    QItemSelectionModel& selection = *controls().treeView1->selectionModel();
    EXPECT_EQ(tree().NodeOf(selection.currentIndex()), a1);

    int handled = 0;
    std::optional<NodeRef> seen;
    form.SetSelectionHandler([&] {
        ++handled;
        seen = form.TreeSelected();
    });
    selection.setCurrentIndex(tree().IndexOf(a), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(seen, a);

    selection.clearCurrentIndex();
    EXPECT_EQ(handled, 1) << "no node selected: nothing to show";
    EXPECT_FALSE(form.TreeSelected());
}

} // namespace
} // namespace brindle::qt::testing
