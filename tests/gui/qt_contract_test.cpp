#include "app/qt/form_xom.h"
#include "app/qt/tree_model.h"
#include "app/qt/tree_view.h"
#include "tests/contract/window_contract.h"

#include <QItemSelectionModel>

namespace brindle::contract {
namespace {

using qt::TFormXom;

// A click in the tree: the view's current node changes, and the window
// learns of it the way it learns of a user's click.
void ClickInTree(TFormXom& form, std::optional<NodeRef> node) {
    form.Flush();
    QItemSelectionModel* selection = form.Widgets().treeView1->selectionModel();
    if (!node) {
        selection->clearCurrentIndex();
        return;
    }
    QModelIndex index = form.TreeItems().IndexOf(*node);
    ASSERT_TRUE(index.isValid());
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

WindowUnderTest MakeQtWindow() {
    auto form = std::make_shared<TFormXom>();
    form->AnswerDialogsFromQueueOnly(true);
    return WindowUnderTest{
        form,
        [form](std::optional<std::string> path) { form->AnswerNextDialog(std::move(path)); },
        [form](std::optional<NodeRef> node) { ClickInTree(*form, node); },
    };
}

INSTANTIATE_TEST_SUITE_P(Qt, WindowContract, ::testing::Values(WindowFactory{"Qt", MakeQtWindow}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace brindle::contract
