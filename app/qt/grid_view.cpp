#include "app/qt/grid_view.h"

#include <QHeaderView>

#include <algorithm>

namespace brindle::qt {

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(1);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setFixedHeight(kRowHeight + 1);
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int) {
        if (section == 0)
            FitValueColumn();
    });
}

void GridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->resizeSection(0, kKeyColumnWidth);
    FitValueColumn();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitValueColumn();
}

void GridView::FitValueColumn() {
    if (!model() || model()->columnCount() < 2)
        return;
    int keyWidth = horizontalHeader()->sectionSize(0);
    int valueWidth = std::max(0, viewport()->width() - keyWidth - kValueColumnSlack);
    if (horizontalHeader()->sectionSize(1) != valueWidth)
        horizontalHeader()->resizeSection(1, valueWidth);
}

} // namespace brindle::qt
