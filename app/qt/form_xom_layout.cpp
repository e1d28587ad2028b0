// The controls of FormXom, their settings and where they sit. Sizes are
// pixels at 96 dpi; on denser screens Qt scales the whole window.

#include "app/qt/form_font.h"
#include "app/qt/form_xom.h"
#include "app/qt/grid_model.h"
#include "app/qt/grid_view.h"
#include "app/qt/picture_view.h"
#include "app/qt/splitter.h"
#include "app/qt/status_bar.h"
#include "app/qt/text_view.h"
#include "app/qt/tree_model.h"
#include "app/qt/tree_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace brindle::qt {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(place);
    return button;
}

// Paints its background black without handing black down to its
// controls, which take their colours from the palette.
class BlackPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(rect(), Qt::black);
        QFrame::paintEvent(event);
    }
};

// A panel with a raised one-pixel bevel and no caption.
template <typename Panel = QFrame> QFrame* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

} // namespace

void TFormXom::BuildControls() {
    setObjectName("FormXom");
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    Controls& c = controls_;
    c.button1 = MakeButton(this, "Button1", "Open *.xom", QRect(8, 8, 105, 33));

    c.checkBox1 = new QCheckBox(this);
    c.checkBox1->setObjectName("CheckBox1");
    c.checkBox1->setGeometry(128, 16, 17, 17);
    c.checkBox1->setChecked(true);

    c.button3 = MakeButton(this, "Button3", "Save image as *.tga", QRect(152, 8, 129, 33));
    c.button3->setEnabled(false);
    c.button2 = MakeButton(this, "Button2", "Save selected data", QRect(288, 8, 129, 33));

    c.panel1 = MakePanel(this, "Panel1");

    c.treeView1 = new TreeView(c.panel1);
    c.treeView1->setObjectName("TreeView1");
    treeModel_ = new TreeModel(Tree(), this);
    c.treeView1->setModel(treeModel_);

    c.panel2 = MakePanel<BlackPanel>(c.panel1, "Panel2");

    c.splitter1 = new Splitter(
        c.panel1,
        Splitter::Target{
            [this] { return panel2Width_; },
            [this] { return controls_.panel1->contentsRect().width() - Splitter::kWidth; },
            [this](int width) { SetPanel2Width(width); },
        });
    c.splitter1->setObjectName("Splitter1");

    c.valueListEditor1 = new GridView(c.panel2);
    c.valueListEditor1->setObjectName("ValueListEditor1");
    gridModel_ = new GridModel(Grid(), this);
    c.valueListEditor1->setModel(gridModel_);

    // The picture area lies underneath the text view, in the same place.
    c.scrollBox1 = new QScrollArea(c.panel2);
    c.scrollBox1->setObjectName("ScrollBox1");
    c.scrollBox1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    c.scrollBox1->setFocusPolicy(Qt::NoFocus);
    c.scrollBox1->setWidgetResizable(false);
    c.scrollBox1->setGeometry(QRect(QPoint(0, kGridHeight), kScrollBoxSize));
    c.scrollBox1->viewport()->setBackgroundRole(QPalette::Button);
    c.scrollBoxContent = new QWidget;
    c.scrollBoxContent->setObjectName("ScrollBox1Content");
    c.image1 = new PictureView(c.scrollBoxContent);
    c.image1->setObjectName("Image1");
    c.scrollBoxContent->resize(0, 0);
    c.scrollBox1->setWidget(c.scrollBoxContent);

    c.richEdit1 = new TextView(c.panel2);
    c.richEdit1->setObjectName("RichEdit1");
    c.richEdit1->raise();

    c.statusBar1 = new StatusBar(this);
    c.statusBar1->setObjectName("StatusBar1");
    c.statusBar1->setFont(QApplication::font());

    setTabOrder(c.button1, c.treeView1);
    setTabOrder(c.treeView1, c.valueListEditor1);
    setTabOrder(c.valueListEditor1, c.richEdit1);
    setTabOrder(c.richEdit1, c.button2);
    setTabOrder(c.button2, c.button3);
    setTabOrder(c.button3, c.checkBox1);

    resize(kClientSize);
    LayOut();
}

void TFormXom::LayOut() {
    const Controls& c = controls_;
    const int width = this->width();
    const int height = this->height();

    c.statusBar1->setGeometry(0, height - StatusBar::kHeight, width, StatusBar::kHeight);
    // Anchored to all four edges: 8 left, 48 top, 10 right, just above the
    // status bar.
    c.panel1->setGeometry(8, 48, std::max(0, width - 18),
                          std::max(0, height - 48 - StatusBar::kHeight));

    // Inside Panel1: Panel2 right-aligned at its own width, the splitter
    // directly left of it, and the tree in what is left.
    const QRect inner = c.panel1->contentsRect();
    const int panel2Left = inner.right() + 1 - panel2Width_;
    c.panel2->setGeometry(panel2Left, inner.top(), panel2Width_, inner.height());
    const int splitterLeft = panel2Left - Splitter::kWidth;
    c.splitter1->setGeometry(splitterLeft, inner.top(), Splitter::kWidth, inner.height());
    c.treeView1->setGeometry(inner.left(), inner.top(), std::max(0, splitterLeft - inner.left()),
                             inner.height());

    // Inside Panel2: the grid along the top, the text view below it; the
    // picture area keeps its place and size.
    const QRect area = c.panel2->contentsRect();
    c.valueListEditor1->setGeometry(area.left(), area.top(), std::max(0, area.width()),
                                    kGridHeight);
    c.richEdit1->setGeometry(area.left(), area.top() + kGridHeight, std::max(0, area.width()),
                             std::max(0, area.height() - kGridHeight));
}

void TFormXom::SetPanel2Width(int width) {
    panel2Width_ = std::max(0, width);
    LayOut();
}

} // namespace brindle::qt
