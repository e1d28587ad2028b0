// Where every control sits, how the window's parts follow a bigger window,
// the splitter, the grid's columns and the keyboard order.

#include "app/qt/grid_view.h"
#include "app/qt/picture_view.h"
#include "app/qt/splitter.h"
#include "app/qt/status_bar.h"
#include "app/qt/text_view.h"
#include "app/qt/tree_model.h"
#include "app/qt/tree_view.h"
#include "tests/gui/form_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

namespace brindle::qt::testing {
namespace {

QWidget* Control(TFormXom& form, const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

struct Placement {
    const char* name;
    const char* container;
    QRect geometry;
};

// Shown, as a user sees it: a hidden window lays nothing out.
class ShownForm : public FormTest {
protected:
    void SetUp() override {
        form.show();
        ProcessEvents();
    }
};

using FormLayout = ShownForm;

TEST_F(FormLayout, EveryControlSitsInItsContainerAtItsFormPlace) {
    ASSERT_EQ(form.size(), QSize(433, 428));
    EXPECT_EQ(form.objectName(), "FormXom");
    for (const Placement& p : std::vector<Placement>{
             {"Button1", "FormXom", {8, 8, 105, 33}},
             {"CheckBox1", "FormXom", {128, 16, 17, 17}},
             {"Button3", "FormXom", {152, 8, 129, 33}},
             {"Button2", "FormXom", {288, 8, 129, 33}},
             {"Panel1", "FormXom", {8, 48, 415, 361}},
             {"TreeView1", "Panel1", {1, 1, 212, 359}},
             {"Splitter1", "Panel1", {213, 1, 3, 359}},
             {"Panel2", "Panel1", {216, 1, 198, 359}},
             {"ValueListEditor1", "Panel2", {1, 1, 196, 184}},
             {"RichEdit1", "Panel2", {1, 185, 196, 173}},
             {"ScrollBox1", "Panel2", {0, 184, 201, 177}},
             {"StatusBar1", "FormXom", {0, 409, 433, 19}},
         }) {
        SCOPED_TRACE(p.name);
        QWidget* control = Control(form, p.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), p.container);
        EXPECT_EQ(control->geometry(), p.geometry);
    }
    QWidget* image = Control(form, "Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->parentWidget(), controls().scrollBox1->widget());
    EXPECT_EQ(image->size(), QSize(0, 0));
}

TEST_F(FormLayout, StartsWithNoFileOpen) {
    EXPECT_EQ(form.windowTitle(), "Brindle for Worms3D v1.5 by Tolvanek");
    EXPECT_EQ(controls().button1->text(), "Open *.xom");
    EXPECT_EQ(controls().button2->text(), "Save selected data");
    EXPECT_EQ(controls().button3->text(), "Save image as *.tga");
    EXPECT_TRUE(controls().button1->isEnabled());
    EXPECT_TRUE(controls().button2->isEnabled());
    EXPECT_FALSE(controls().button3->isEnabled());
    EXPECT_TRUE(controls().checkBox1->isChecked());
    EXPECT_TRUE(controls().checkBox1->text().isEmpty());
    for (QPushButton* button : {controls().button1, controls().button2, controls().button3}) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }

    EXPECT_EQ(form.TreeItems().rowCount(), 0);
    const QAbstractItemModel* grid = controls().valueListEditor1->model();
    EXPECT_EQ(grid->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Key");
    EXPECT_EQ(grid->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Value");
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->index(0, 0).data().toString(), "");
    EXPECT_EQ(grid->index(0, 1).data().toString(), "");

    EXPECT_FALSE(controls().richEdit1->isHidden());
    EXPECT_EQ(controls().richEdit1->LineCount(), 1);
    EXPECT_EQ(controls().richEdit1->Line(0), "");
    EXPECT_TRUE(controls().richEdit1->ViewFont().bold());
    EXPECT_EQ(controls().richEdit1->Format().colour, 0x000000u);

    StatusBar& bar = *controls().statusBar1;
    ASSERT_EQ(bar.PanelCount(), 2);
    EXPECT_TRUE(bar.Panel(0)->text().isEmpty());
    EXPECT_TRUE(bar.Panel(1)->text().isEmpty());
}

TEST_F(FormLayout, TextLinesAreThirteenPixelsInTheWindowFont) {
    EXPECT_EQ(form.font().pixelSize(), 11);
    const QString family = QFontInfo(form.font()).family();
    if (family != "MS Sans Serif" && family != "DejaVu Sans")
        GTEST_SKIP() << "line height unknown for the fallback face " << family.toStdString();
    EXPECT_EQ(QFontMetrics(form.font()).height(), 13);
    EXPECT_EQ(controls().richEdit1->LineHeight(), 13);
}

TEST_F(FormLayout, StatusPanelsCoverTheBarFromTheLeftToTheRightEnd) {
    for (int width : {433, 700}) {
        SCOPED_TRACE(width);
        form.resize(width, 428);
        StatusBar& bar = *controls().statusBar1;
        EXPECT_EQ(bar.width(), width);
        EXPECT_EQ(bar.Panel(0)->x(), 0);
        EXPECT_LE(bar.Panel(0)->geometry().right(), 249);
        EXPECT_EQ(bar.Panel(1)->x(), 250);
        EXPECT_EQ(bar.Panel(1)->geometry().right(), width - 1);
    }
}

// The anchoring rules, for a window grown by (dx, dy).
void ExpectGrownLayout(TFormXom& form, int dx, int dy) {
    const TFormXom::Controls& c = form.Widgets();
    EXPECT_EQ(c.button1->geometry(), QRect(8, 8, 105, 33));
    EXPECT_EQ(c.checkBox1->geometry(), QRect(128, 16, 17, 17));
    EXPECT_EQ(c.button3->geometry(), QRect(152, 8, 129, 33));
    EXPECT_EQ(c.button2->geometry(), QRect(288, 8, 129, 33));
    // Panel1 ends just above the status bar, 10 from the right.
    EXPECT_EQ(c.panel1->geometry(), QRect(8, 48, 415 + dx, 361 + dy));
    EXPECT_EQ(c.panel1->geometry().bottom() + 1, c.statusBar1->y());
    EXPECT_EQ(c.statusBar1->geometry(), QRect(0, 409 + dy, 433 + dx, 19));
    EXPECT_EQ(c.treeView1->geometry(), QRect(1, 1, 212 + dx, 359 + dy));
    EXPECT_EQ(c.splitter1->geometry(), QRect(213 + dx, 1, 3, 359 + dy));
    EXPECT_EQ(c.panel2->geometry(), QRect(216 + dx, 1, 198, 359 + dy));
    EXPECT_EQ(c.valueListEditor1->geometry(), QRect(1, 1, 196, 184));
    EXPECT_EQ(c.richEdit1->geometry(), QRect(1, 185, 196, 173 + dy));
    EXPECT_EQ(c.scrollBox1->geometry(), QRect(0, 184, 201, 177));
    EXPECT_EQ(c.statusBar1->Panel(1)->geometry().right(), 433 + dx - 1);
}

TEST_F(FormLayout, GrownWindowGivesTheTreeTheWidthAndPanelsTheHeight) {
    form.resize(433 + 300, 428 + 100);
    ExpectGrownLayout(form, 300, 100);
    form.resize(433, 428);
    ExpectGrownLayout(form, 0, 0);
}

TEST_F(FormLayout, MaximisedWindowGivesTheControlsTheRoomAndRestoringTakesItBack) {
    form.showMaximized();
    ProcessEvents();
    ASSERT_TRUE(form.isMaximized());
    ASSERT_GT(form.width(), 433);
    ASSERT_GT(form.height(), 428);
    ExpectGrownLayout(form, form.width() - 433, form.height() - 428);

    form.showNormal();
    ProcessEvents();
    EXPECT_EQ(form.size(), QSize(433, 428));
    ExpectGrownLayout(form, 0, 0);
}

// A size the window system imposes, as when the user drags the border.
void ResizeFromOutside(TFormXom& form, QSize size) {
    form.windowHandle()->resize(size);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3 * TFormXom::kSnapBackMilliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST_F(FormLayout, BorderIsFixedButAMaximisedWindowKeepsItsRoom) {
    ResizeFromOutside(form, QSize(600, 500));
    EXPECT_EQ(form.size(), QSize(433, 428));
    ExpectGrownLayout(form, 0, 0);

    form.showMaximized();
    ProcessEvents();
    const QSize maximised = form.size();
    ASSERT_NE(maximised, QSize(433, 428));
    ResizeFromOutside(form, maximised);
    EXPECT_EQ(form.size(), maximised);
}

// Sends Tab to whatever has the focus and names where the focus went.
std::vector<std::string> TabRound(TFormXom& form, int presses) {
    std::vector<std::string> visited;
    for (int i = 0; i < presses; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
        QWidget* now = QApplication::focusWidget();
        visited.push_back(now ? now->objectName().toStdString() : "(none)");
    }
    (void)form;
    return visited;
}

class TabOrder : public ShownForm {
protected:
    void SetUp() override {
        ShownForm::SetUp();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        ProcessEvents();
        controls().button1->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), controls().button1);
    }
};

TEST_F(TabOrder, TabVisitsTheControlsInOrderSkippingDisabledOnes) {
    EXPECT_EQ(TabRound(form, 6),
              (std::vector<std::string>{"TreeView1", "ValueListEditor1", "RichEdit1", "Button2",
                                        "CheckBox1", "Button1"}));
}

TEST_F(TabOrder, EnabledSaveImageButtonAndHiddenTextViewChangeTheRound) {
    form.SaveImageSetEnabled(true);
    form.TextSetVisible(false);
    EXPECT_EQ(TabRound(form, 6),
              (std::vector<std::string>{"TreeView1", "ValueListEditor1", "Button2", "Button3",
                                        "CheckBox1", "Button1"}));
}

class GridColumns : public ShownForm {
protected:
    int KeyWidth() const { return controls().valueListEditor1->horizontalHeader()->sectionSize(0); }
    int ValueWidth() const {
        return controls().valueListEditor1->horizontalHeader()->sectionSize(1);
    }
    int InnerWidth() const { return controls().valueListEditor1->viewport()->width(); }
};

TEST_F(GridColumns, ValueColumnFillsTheInnerWidthLessTwo) {
    EXPECT_EQ(KeyWidth(), 30);
    EXPECT_EQ(ValueWidth(), 160);

    // The user moves the column border.
    controls().valueListEditor1->horizontalHeader()->resizeSection(0, 55);
    EXPECT_EQ(KeyWidth(), 55);
    EXPECT_EQ(ValueWidth(), InnerWidth() - 55 - 2);

    controls().valueListEditor1->horizontalHeader()->resizeSection(0, 30);
    form.SetPanel2Width(300);
    EXPECT_EQ(KeyWidth(), 30);
    EXPECT_EQ(ValueWidth(), InnerWidth() - 30 - 2);
    EXPECT_EQ(ValueWidth(), 160 + 102);
}

TEST_F(GridColumns, ValueColumnMakesRoomForTheScrollBar) {
    for (int row = 1; row < 200; ++row)
        form.GridAppend("01", "value");
    form.Flush();
    ProcessEvents();
    ASSERT_TRUE(controls().valueListEditor1->verticalScrollBar()->isVisible());
    EXPECT_LT(InnerWidth(), 192);
    EXPECT_EQ(ValueWidth(), InnerWidth() - 30 - 2);
    EXPECT_FALSE(controls().valueListEditor1->horizontalScrollBar()->isVisible());
}

class SplitterDrag : public ShownForm {
protected:
    void Press(int globalX) { Send(QEvent::MouseButtonPress, globalX, Qt::LeftButton); }
    void Move(int globalX) { Send(QEvent::MouseMove, globalX, Qt::NoButton); }
    void Release(int globalX) { Send(QEvent::MouseButtonRelease, globalX, Qt::LeftButton); }
    void Drag(int dx) {
        Press(1000);
        Move(1000 + dx);
        Release(1000 + dx);
    }
    QWidget* Line() const { return form.findChild<QWidget*>("Splitter1Line"); }

private:
    void Send(QEvent::Type type, int globalX, Qt::MouseButton button) {
        Splitter* splitter = controls().splitter1;
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(1, 10), QPointF(globalX, 300), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(splitter, &event);
    }
};

TEST_F(SplitterDrag, ReleasingGivesPanel2TheNewWidthWithinItsLimits) {
    struct Case {
        int dx;
        int width;
    };
    // The tree keeps 30 of Panel1's 413 inner pixels; Panel2 never goes
    // below 30 and closes when dragged down to that.
    for (const Case& c : std::vector<Case>{
             {-50, 248}, {100, 98}, {167, 31}, {168, 0}, {500, 0}, {-182, 380}, {-400, 380}}) {
        SCOPED_TRACE(c.dx);
        form.SetPanel2Width(198);
        Drag(c.dx);
        EXPECT_EQ(form.Panel2Width(), c.width);
        EXPECT_EQ(controls().panel2->width(), c.width);
        EXPECT_EQ(controls().splitter1->geometry().right() + 1, controls().panel2->x());
        EXPECT_EQ(controls().treeView1->width(), controls().splitter1->x() - 1);
        EXPECT_EQ(controls().scrollBox1->size(), QSize(201, 177));
    }
}

TEST_F(SplitterDrag, LineMarksTheBorderUntilReleaseAndEscapeCancels) {
    Press(1000);
    Move(1000 - 40);
    ASSERT_NE(Line(), nullptr);
    EXPECT_TRUE(Line()->isVisible());
    EXPECT_EQ(Line()->x(), 216 - 40 - 3);
    EXPECT_EQ(form.Panel2Width(), 198) << "the width changes on release only";

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(controls().treeView1, &escape);
    EXPECT_FALSE(Line()->isVisible());
    Release(1000 - 40);
    EXPECT_EQ(form.Panel2Width(), 198);
}

} // namespace
} // namespace brindle::qt::testing
