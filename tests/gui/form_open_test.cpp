// Whole runs through the window: "Open *.xom" clicked with the dialog
// answered, the selection made in the view, and errors reaching the box.
// The headless window, opened on the same bytes, tells what to expect.

#include "app/app_error.h"
#include "app/qt/grid_view.h"
#include "app/qt/picture_view.h"
#include "app/qt/qt_text.h"
#include "app/qt/status_bar.h"
#include "app/qt/text_view.h"
#include "app/qt/tree_model.h"
#include "app/qt/tree_view.h"
#include "tests/fixture/opened_container.h"
#include "tests/fixture/sample_container.h"
#include "tests/gui/form_fixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace brindle::qt::testing {
namespace {

using fixture::Bytes;
using fixture::OpenedContainer;

class FormOpen : public FormTest {
protected:
    std::string Write(const Bytes& bytes, const std::string& name = "container.xom") {
        std::string path = (dir / name).string();
        fixture::WriteFile(path, bytes);
        return path;
    }
    void ClickOpen(const std::string& path) {
        form.AnswerNextDialog(path);
        controls().button1->click();
    }
    // What a user's click on the node with this absolute index does.
    void ClickNode(int64_t absoluteIndex) {
        std::optional<NodeRef> node = form.Tree().NodeAt(absoluteIndex);
        ASSERT_TRUE(node);
        QModelIndex index = form.TreeItems().IndexOf(*node);
        ASSERT_TRUE(index.isValid());
        controls().treeView1->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect);
    }
    QString Panel(int panel) const { return controls().statusBar1->Panel(panel)->text(); }

    // All but the caption: the headless window opened a file of its own name.
    void ExpectShowsLike(const OpenedContainer& headless) {
        const HeadlessWindow& expected = headless.window;

        const TreeModel& tree = form.TreeItems();
        const TreeStore& nodes = expected.Tree();
        ASSERT_EQ(tree.rowCount(), nodes.TopCount());
        for (int32_t top = 0; top < nodes.TopCount(); ++top) {
            QModelIndex type = tree.index(top, 0);
            EXPECT_EQ(type.data().toString(), FromCp1252(nodes.Text({top, -1})));
            ASSERT_EQ(tree.rowCount(type), nodes.ChildCount(top)) << top;
            for (int32_t child = 0; child < nodes.ChildCount(top); ++child)
                EXPECT_EQ(tree.index(child, 0, type).data().toString(),
                          FromCp1252(nodes.Text({top, child})));
        }

        const QAbstractItemModel& grid = *controls().valueListEditor1->model();
        const int32_t listed = expected.Grid().ListedCount();
        ASSERT_EQ(grid.rowCount(), std::max(listed, 1));
        for (int32_t row = 1; row <= listed; ++row) {
            EXPECT_EQ(grid.index(row - 1, 0).data().toString(), FromCp1252(expected.GridKey(row)));
            EXPECT_EQ(grid.index(row - 1, 1).data().toString(),
                      FromCp1252(expected.GridValue(row)));
        }

        EXPECT_EQ(Panel(0), FromCp1252(headless.Main()));
        EXPECT_EQ(Panel(1), FromCp1252(headless.Info()));
        EXPECT_EQ(form.Text(), expected.Text());
        EXPECT_EQ(controls().richEdit1->isHidden(), !expected.TextVisible());
        EXPECT_EQ(controls().button3->isEnabled(), expected.SaveImageEnabled());
    }

    fixture::TempDir dir;
};

TEST_F(FormOpen, OpenShowsTheContainerInTreeGridTextAndStatus) {
    Bytes sample = fixture::SampleContainer();
    OpenedContainer headless(sample);
    ASSERT_FALSE(headless.error);

    ClickOpen(Write(sample, "sample.xom"));
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(form.ShownDialogs().size(), 1u);
    EXPECT_EQ(form.ShownDialogs()[0].dialog, FileDialog::Open);
    EXPECT_EQ(form.windowTitle(), "Brindle v1.5 by Tolvanek - [sample.xom]");
    ExpectShowsLike(headless);
    // Type nodes start collapsed.
    EXPECT_FALSE(controls().treeView1->isExpanded(form.TreeItems().index(0, 0)));
}

TEST_F(FormOpen, SelectingInTheViewShowsTheEntry) {
    Bytes sample = fixture::SampleContainer();
    OpenedContainer headless(sample);
    ClickOpen(Write(sample));

    struct Case {
        int64_t node;
        const char* what;
    };
    // A type node, a float entry as a hex dump, the 128 x 128 glow picture,
    // and a mesh entry as a hex dump again.
    for (const Case& c :
         std::vector<Case>{{3, "type"}, {5, "float"}, {24, "picture"}, {29, "mesh"}}) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(headless.Select(c.node));
        ClickNode(c.node);
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(form.NodeAbsoluteIndex(*form.TreeSelected()), c.node);
        ExpectShowsLike(headless);
    }

    ClickNode(24);
    EXPECT_TRUE(controls().richEdit1->isHidden());
    EXPECT_TRUE(controls().button3->isEnabled());
    EXPECT_EQ(controls().image1->geometry(), QRect(36, 24, 128, 128));
    EXPECT_EQ(Panel(1), "128x128x32bit type:0");
}

TEST_F(FormOpen, ErrorReachesTheBoxAndTheWindowKeepsWhatItShowed) {
    Bytes sample = fixture::SampleContainer();
    OpenedContainer headless(sample);
    ClickOpen(Write(sample));
    ASSERT_TRUE(errors.empty());

    const std::string missing = (dir / "missing.xom").string();
    std::optional<std::string> message = headless.Open(missing);
    ASSERT_TRUE(message);
    ClickOpen(missing);

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].caption, "brindle_gui_tests");
    EXPECT_EQ(errors[0].text, FromNative(MessageBoxText(*message)));
    EXPECT_EQ(form.windowTitle(), "Brindle v1.5 by Tolvanek - [container.xom]");
    ExpectShowsLike(headless);

    // The run goes on.
    ClickOpen(Write(sample, "again.xom"));
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(form.windowTitle(), "Brindle v1.5 by Tolvanek - [again.xom]");
}

TEST_F(FormOpen, ErrorBoxIsACriticalBoxWithOneOkButton) {
    shell.SetErrorReport({});
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        bool modal = false;
    };
    std::optional<Seen> seen;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (waited.elapsed() > 5000)
                poll.stop();
            return;
        }
        seen = Seen{box->windowTitle(), box->text(), box->icon(),
                    static_cast<int>(box->buttons().size()), box->isModal()};
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    poll.start(10);

    const std::string missing = (dir / "missing.xom").string();
    ClickOpen(missing);
    poll.stop();

    ASSERT_TRUE(seen) << "no message box appeared";
    EXPECT_EQ(seen->title, "brindle_gui_tests");
    EXPECT_TRUE(seen->text.contains(QString::fromStdString(missing)));
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->buttons, 1);
    EXPECT_TRUE(seen->modal);
}

TEST_F(FormOpen, FileNamedAtStartOpensAsIfChosenInTheDialog) {
    Bytes sample = fixture::SampleContainer();
    OpenedContainer headless(sample);
    std::string path = Write(sample, "started.xom");

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.Path().string())));
    shell.OpenChosen("started.xom");
    QDir::setCurrent(previous);

    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form.DialogFileName(FileDialog::Open), path);
    EXPECT_EQ(form.windowTitle(), "Brindle v1.5 by Tolvanek - [started.xom]");
    ExpectShowsLike(headless);
}

// Progress during a long open: the status panel is painted while the walk
// is still going, showing an entry before the last.
TEST_F(FormOpen, ProgressIsPaintedDuringTheOpen) {
    fixture::XomBuilder xom;
    xom.Strings({"", "Crate"}).Type("XCrate", 20000);
    for (int i = 0; i < 20000; ++i)
        xom.Entry(fixture::GenericEntry(1, Bytes(8, 0x22)));
    std::string path = Write(xom.Build());

    form.show();
    ProcessEvents();
    QLabel* progress = controls().statusBar1->Panel(0);
    std::vector<QString> painted;
    struct PaintWatch : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                seen();
            return false;
        }
    } watch;
    watch.seen = [&] { painted.push_back(progress->text()); };
    progress->installEventFilter(&watch);
    ClickOpen(path);
    progress->removeEventFilter(&watch);

    const QString last = progress->text();
    EXPECT_EQ(last, "19999");
    bool midway = std::any_of(painted.begin(), painted.end(),
                              [&](const QString& text) { return !text.isEmpty() && text != last; });
    EXPECT_TRUE(midway) << "the progress was not painted before the open ended";
}

} // namespace
} // namespace brindle::qt::testing
