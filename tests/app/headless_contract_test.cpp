#include "app/headless_window.h"
#include "tests/contract/window_contract.h"

namespace brindle::contract {
namespace {

WindowUnderTest MakeHeadless() {
    auto window = std::make_shared<HeadlessWindow>();
    return WindowUnderTest{
        window,
        [window](std::optional<std::string> path) { window->AnswerNextDialog(std::move(path)); },
        [window](std::optional<NodeRef> node) { window->SelectNode(node); },
    };
}

INSTANTIATE_TEST_SUITE_P(Headless, WindowContract,
                         ::testing::Values(WindowFactory{"Headless", MakeHeadless}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace brindle::contract
