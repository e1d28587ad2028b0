#include "app/qt/tree_view.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <QStyleFactory>

namespace brindle::qt {
namespace {

// The application's style, except that branches are drawn with dotted lines
// and boxed plus and minus buttons, which many styles leave out.
class BranchLineStyle : public QProxyStyle {
public:
    BranchLineStyle() : lines_(QStyleFactory::create("Windows")) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_IndicatorBranch && lines_) {
            lines_->drawPrimitive(element, option, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    // Only a node's label shows that it is selected, not its branch area.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ItemView_ShowDecorationSelected)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

private:
    std::unique_ptr<QStyle> lines_;
};

} // namespace

TreeView::TreeView(QWidget* parent) : QTreeView(parent), style_(new BranchLineStyle) {
    setStyle(style_.get());
    setAutoFillBackground(true);
    setHeaderHidden(true);
    setIndentation(kIndent);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setSortingEnabled(false);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setExpandsOnDoubleClick(true);
    setAllColumnsShowFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

TreeView::~TreeView() {
    // The view must let go of the style before the style goes.
    setStyle(nullptr);
}

} // namespace brindle::qt
